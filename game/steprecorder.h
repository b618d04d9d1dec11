// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

#include "game/command.h"
#include "game/gamelog.h"
#include "game/history.h"

class Deck;
class FieldModel;
class PenaltyBox;
class ScoreSheet;

// A step as it ends, for whoever follows the game.
struct FinishedStep {
    Command command;  // Undo or Redo when a step was taken back or done again
    QString name;     // "Home Goal"; after Undo or Redo, the name of the step they took back or did again
    const BoardState& board;  // after the step
    QList<LogEntry> entries;  // what the step added to the log, in order
};

// Makes each command one step: its entries in the log, its place in the history, and word of
// it to the listeners. What the player types into the boxes is a Correction, a step of its
// own before whatever comes next.
class StepRecorder {
public:
    using Listener = std::function<void(const FinishedStep&)>;

    StepRecorder(FieldModel& fields, Deck& deck, PenaltyBox& penalties, ScoreSheet& sheet, GameLog& log);

    // Runs as a command's step opens, and before typing becomes a step: what follows from the
    // fields as the player left them (the rosters of the names typed).
    void setBeforeStep(std::function<void()> beforeStep) { m_beforeStep = std::move(beforeStep); }

    // Runs as a step closes, a command's or the typing's, before the listeners hear of it,
    // with the board before the step: what the step's outcome adds to the log.
    void setClosing(std::function<void(const BoardState& before)> closing) { m_closing = std::move(closing); }

    // The fields, the deck, the penalty box and the sheet as they stand.
    BoardState board() const;
    const History& history() const { return m_history; }

    // Steps are recorded from here on; the history begins with this board. The listeners hear
    // of it as a step of the command, with every entry logged so far.
    void start(Command command);

    // Opens the step of a command. Typing not yet recorded becomes a step first.
    void begin(Command command);
    // The command's own entry in the log, and then what followed from it.
    void log(const QString& details = {});
    void log(LogEvent event, const QString& details = {});
    // Closes the step, even when it changed nothing: Undo takes back what the log shows.
    void finish();

    // The player is done typing: what he changed is a Correction. False when nothing changed.
    bool finishTyping();
    // Takes back the last step, or does again the last step taken back; pending typing is a
    // step first, after which there is nothing to redo.
    void undo();
    void redo();

    // Every finished step reaches the listeners, in the order they were added, until removed.
    int addListener(Listener listener);
    void removeListener(int id);

private:
    void restore(const BoardState& board);
    void add(const LogEntry::Event& event, const QString& details);
    void tell(Command command, const QString& name);

    FieldModel& m_fields;
    Deck& m_deck;
    PenaltyBox& m_penalties;
    ScoreSheet& m_sheet;
    GameLog& m_log;
    std::function<void()> m_beforeStep;
    std::function<void(const BoardState&)> m_closing;
    History m_history;
    bool m_recording = false;
    Command m_command = Command::NewGame;  // of the step under way
    QList<LogEntry> m_untold;              // logged, and no listener has heard of them yet
    std::vector<std::pair<int, Listener>> m_listeners;
    int m_nextListenerId = 1;
};
