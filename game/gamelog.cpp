// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/gamelog.h"

#include <QCoreApplication>
#include <QStringList>

#include "core/numbertext.h"
#include "io/csv.h"

QString eventName(const LogEntry::Event& event) {
    if (const Command* command = std::get_if<Command>(&event))
        return logName(*command);
    switch (std::get<LogEvent>(event)) {
        case LogEvent::ChangeLines: return QCoreApplication::translate("GameLog", "Change lines");
        case LogEvent::PeriodEnd: return QCoreApplication::translate("GameLog", "End of period");
        case LogEvent::PenaltyExpired: return QCoreApplication::translate("GameLog", "Penalty over");
        case LogEvent::PenaltyEndedByGoal:
            return QCoreApplication::translate("GameLog", "Penalty ended by a goal");
        case LogEvent::FirstMinorEndedByGoal:
            return QCoreApplication::translate("GameLog", "First minor ended by a goal");
        case LogEvent::Final: return QCoreApplication::translate("GameLog", "Final");
    }
    return {};
}

void GameLog::add(const FieldModel& fields, const LogEntry::Event& event, const QString& details) {
    m_entries.append({fields.text(Control::Period), fields.text(Control::Clock), event, details});
    emit entryAdded(m_entries.size() - 1);
}

void GameLog::switchTo(const QString& game) {
    if (game == m_game)
        return;
    switchTo(game, m_others.value(game));
}

void GameLog::switchTo(const QString& game, const QList<LogEntry>& entries) {
    if (game != m_game) {
        m_others.insert(m_game, m_entries);
        m_others.remove(game);
        m_game = game;
    }
    m_entries = entries;
    emit gameSwitched();
}

QList<LogEntry> GameLog::entriesOf(const QString& game) const {
    return game == m_game ? m_entries : m_others.value(game);
}

QStringList GameLog::columnTitles() {
    return {QCoreApplication::translate("GameLog", "Period"), QCoreApplication::translate("GameLog", "Clock"),
            QCoreApplication::translate("GameLog", "Event"),
            QCoreApplication::translate("GameLog", "Details")};
}

QByteArray GameLog::toCsv() const {
    CsvWriter csv;
    csv.writeRecord(columnTitles());
    for (const LogEntry& entry : m_entries)
        csv.writeRecord({entry.period, entry.clock, eventName(entry.event), entry.details});
    return csv.bytes();
}

namespace LogText {

namespace {

QString teamName(const FieldModel& fields, Team team) {
    const QString name = fields.text(team == Team::Away ? Control::AwayName : Control::HomeName, 1);
    if (!name.trimmed().isEmpty())
        return name;
    return teamLabel(team);
}

QString tally(const FieldModel& fields, int member, const QString& label) {
    return QStringLiteral("%1 %2 %3, %4 %5")
        .arg(label, teamName(fields, Team::Away),
             numberText(readNumber(fields.text(Control::AwayTotal, member))), teamName(fields, Team::Home),
             numberText(readNumber(fields.text(Control::HomeTotal, member))));
}

// What a player calls a box that can be typed into. The team names are the teams': the
// goals table's name follows the shots table's and is never typed.
QString boxName(Control ctl, int index) {
    if (ctl == Control::AwayName || ctl == Control::HomeName) {
        return QCoreApplication::translate("GameLog", "%1 team")
            .arg(teamLabel(ctl == Control::AwayName ? Team::Away : Team::Home));
    }
    return controlName(ctl, index);
}

}  // namespace

QString cards(const FieldModel& fields) {
    const QString lower = fields.text(Control::LowerNumber);
    return QCoreApplication::translate("GameLog", "Upper half %1, lower half %2")
        .arg(fields.text(Control::UpperNumber),
             lower.isEmpty() ? QCoreApplication::translate("GameLog", "none") : lower);
}

QString goals(const FieldModel& fields) {
    return tally(fields, 2, QCoreApplication::translate("GameLog", "Score"));
}

QString shots(const FieldModel& fields) {
    return tally(fields, 1, QCoreApplication::translate("GameLog", "Shots"));
}

namespace {

// "Home major for Fighting, Smith"
QString penalised(QString text, const QString& infraction, const QString& player) {
    if (!infraction.trimmed().isEmpty())
        text += QCoreApplication::translate("GameLog", " for %1").arg(infraction);
    if (!player.trimmed().isEmpty())
        text += QStringLiteral(", ") + player;
    return text;
}

QString kindName(PenaltyKind kind) {
    switch (kind) {
        case PenaltyKind::Minor: return QCoreApplication::translate("GameLog", "minor");
        case PenaltyKind::DoubleMinor: return QCoreApplication::translate("GameLog", "double minor");
        case PenaltyKind::Major: return QCoreApplication::translate("GameLog", "major");
        case PenaltyKind::Misconduct: return QCoreApplication::translate("GameLog", "misconduct");
        case PenaltyKind::PenaltyShot: return QCoreApplication::translate("GameLog", "penalty shot");
    }
    return {};
}

}  // namespace

QString penalty(const Penalty& penalty) {
    return penalised(teamLabel(penalty.team) + u' ' + kindName(penalty.kind), penalty.infraction,
                     penalty.player) +
           QCoreApplication::translate("GameLog", " (penalty %1)").arg(penalty.id);
}

QString penaltyShot(Team team, const QString& player, const QString& infraction) {
    return penalised(teamLabel(team), infraction, player);
}

QString correction(const FieldModel::Snapshot& before, const FieldModel::Snapshot& after) {
    QStringList changes;
    const QList<Member>& members = allMembers();
    for (qsizetype i = 0; i < members.size(); ++i) {
        const auto slot = static_cast<size_t>(i);
        if (slot >= before.size() || slot >= after.size() || before[slot].text == after[slot].text)
            continue;
        const Member m = members[i];
        // The goals table's name follows the shots table's; the player typed only one.
        if ((m.ctl == Control::AwayName || m.ctl == Control::HomeName) && m.index == 2 &&
            before[slot - 1].text != after[slot - 1].text)
            continue;
        changes << QStringLiteral("%1: %2").arg(boxName(m.ctl, m.index), after[slot].text);
    }
    return changes.join(QStringLiteral("; "));
}

}  // namespace LogText
