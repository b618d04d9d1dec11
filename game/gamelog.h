// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <variant>

#include "core/fieldmodel.h"
#include "game/command.h"
#include "game/penaltybox.h"
#include "game/team.h"

// The entries that no command makes: what follows from a step.
enum class LogEvent {
    ChangeLines,
    PeriodEnd,
    PenaltyExpired,
    PenaltyEndedByGoal,
    FirstMinorEndedByGoal,  // of a double minor, whose second minor then starts
    Final,                  // the league counts the game as over from this step on
};

struct LogEntry {
    // The command that opens a step's entries, or what followed from it.
    using Event = std::variant<Command, LogEvent>;

    QString period;
    QString clock;
    Event event = Command::NewGame;
    QString details;

    bool operator==(const LogEntry&) const = default;
};

// "Timed flip", "Home goal", "Undo", "Change lines": the event column of the log.
QString eventName(const LogEntry::Event& event);

// The game log: every command of a game in order, each at the period and clock the board
// showed after it. It only grows; an undo is an entry of its own. Each game of the evening has
// its own; the one shown is the log of the game on the board.
class GameLog : public QObject {
    Q_OBJECT

public:
    // An entry at the period and the clock the fields show, in the log of the game on the board.
    void add(const FieldModel& fields, const LogEntry::Event& event, const QString& details = {});

    // The entries of the game on the board.
    const QList<LogEntry>& entries() const { return m_entries; }

    // The game on the board: its id, and its log as this run has it.
    QString game() const { return m_game; }
    // Another game comes on the board, with the log it had in this run (none for a new one).
    void switchTo(const QString& game);
    // The game comes on the board with this log, whatever this run had of it.
    void switchTo(const QString& game, const QList<LogEntry>& entries);
    QList<LogEntry> entriesOf(const QString& game) const;

    // "Period", "Clock", "Event", "Details": the columns of an entry, in order.
    static QStringList columnTitles();

    // The log as CSV (see CsvWriter): a header row, then a record for each entry.
    QByteArray toCsv() const;

signals:
    void entryAdded(qsizetype index);
    void gameSwitched();

private:
    QString m_game;
    QList<LogEntry> m_entries;
    QHash<QString, QList<LogEntry>> m_others;  // the other games of this run
};

// The details of the entries, from the board as the command left it.
namespace LogText {

// "Upper half 17, lower half 103": the card numbers of the two halves on show.
QString cards(const FieldModel& fields);
// "Score Boston 1, Montréal 2", with "Away" and "Home" for a team without a name.
QString goals(const FieldModel& fields);
// "Shots Away 3, Home 5".
QString shots(const FieldModel& fields);
// "Home minor, Smith (penalty 3)"; "Home major for Fighting, Smith (penalty 4)".
QString penalty(const Penalty& penalty);
// "Away for Hooking, Smith": the team and the player penalised.
QString penaltyShot(Team team, const QString& player, const QString& infraction);
// "Away goals, period 1: 3; Period: 2": the boxes a correction changed, with their new texts.
QString correction(const FieldModel::Snapshot& before, const FieldModel::Snapshot& after);

}  // namespace LogText
