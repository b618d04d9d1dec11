// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/steprecorder.h"

#include <algorithm>
#include <utility>

#include "core/fieldmodel.h"
#include "deck/deck.h"
#include "game/penaltybox.h"
#include "game/scoresheet.h"

StepRecorder::StepRecorder(FieldModel& fields, Deck& deck, PenaltyBox& penalties, ScoreSheet& sheet,
                           GameLog& log)
    : m_fields(fields), m_deck(deck), m_penalties(penalties), m_sheet(sheet), m_log(log) {}

BoardState StepRecorder::board() const {
    return {m_fields.snapshot(), m_deck.state(), m_penalties, m_log.game(), m_sheet};
}

void StepRecorder::start(Command command) {
    m_history.reset(board());
    m_recording = true;
    tell(command, stepName(command));
}

void StepRecorder::begin(Command command) {
    finishTyping();
    m_command = command;
    if (m_beforeStep)
        m_beforeStep();
}

void StepRecorder::log(const QString& details) {
    add(m_command, details);
}

void StepRecorder::log(LogEvent event, const QString& details) {
    add(event, details);
}

void StepRecorder::add(const LogEntry::Event& event, const QString& details) {
    m_log.add(m_fields, event, details);
    m_untold.append(m_log.entries().constLast());
}

void StepRecorder::finish() {
    if (!m_recording)
        return;
    if (m_closing)
        m_closing(m_history.current());
    m_history.record(m_command, board());
    tell(m_command, stepName(m_command));
}

bool StepRecorder::finishTyping() {
    if (!m_recording)
        return false;
    if (m_fields.snapshot() == m_history.current().fields)
        return false;
    if (m_beforeStep)
        m_beforeStep();
    const BoardState now = board();
    const BoardState before = m_history.current();
    m_history.record(Command::Correction, now);
    add(Command::Correction, LogText::correction(before.fields, now.fields));
    if (m_closing)
        m_closing(before);
    tell(Command::Correction, stepName(Command::Correction));
    return true;
}

void StepRecorder::undo() {
    finishTyping();
    if (!m_history.canUndo())
        return;
    const QString name = m_history.undoName();
    restore(m_history.undo());
    add(Command::Undo, name);
    tell(Command::Undo, name);
}

void StepRecorder::redo() {
    finishTyping();
    if (!m_history.canRedo())
        return;
    const QString name = m_history.redoName();
    restore(m_history.redo());
    add(Command::Redo, name);
    tell(Command::Redo, name);
}

void StepRecorder::restore(const BoardState& board) {
    m_fields.restore(board.fields);
    m_deck.restore(board.deck);
    m_penalties = board.penalties;
    m_sheet = board.sheet;
    m_log.switchTo(board.gameId);
}

int StepRecorder::addListener(Listener listener) {
    m_listeners.emplace_back(m_nextListenerId, std::move(listener));
    return m_nextListenerId++;
}

void StepRecorder::removeListener(int id) {
    std::erase_if(m_listeners, [id](const auto& listener) { return listener.first == id; });
}

void StepRecorder::tell(Command command, const QString& name) {
    const FinishedStep step{command, name, m_history.current(), std::exchange(m_untold, {})};
    // The list may change while it is told.
    const auto listeners = m_listeners;
    for (const auto& listener : listeners)
        listener.second(step);
}
