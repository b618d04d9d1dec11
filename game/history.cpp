// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/history.h"

#include <utility>

void History::reset(const BoardState& start) {
    m_current = start;
    m_steps.clear();
    m_done = 0;
}

void History::record(Command command, const BoardState& after) {
    Q_ASSERT_X(after.fields.size() == m_current.fields.size(), "History::record",
               "the board has other fields than at reset");
    // Undone steps lead nowhere once another step is taken.
    m_steps.resize(m_done);

    Step step{
        command,      {},          m_current.deck.position, m_current.deck.currentCard, nullptr, std::nullopt,
        std::nullopt, std::nullopt};
    const size_t common = std::min(after.fields.size(), m_current.fields.size());
    for (size_t i = 0; i < common; ++i) {
        if (m_current.fields[i] != after.fields[i])
            step.fields.push_back({static_cast<int>(i), m_current.fields[i]});
    }
    step.fields.shrink_to_fit();
    if (after.deck.order != m_current.deck.order)
        step.order = std::make_unique<Order>(m_current.deck.order);
    if (after.penalties != m_current.penalties)
        step.penalties = m_current.penalties;
    if (after.sheet != m_current.sheet)
        step.sheet = m_current.sheet;
    if (after.gameId != m_current.gameId)
        step.gameId = m_current.gameId;
    m_steps.push_back(std::move(step));
    ++m_done;
    m_current = after;
}

QString History::undoName() const {
    return canUndo() ? stepName(m_steps[m_done - 1].command) : QString();
}

QString History::redoName() const {
    return canRedo() ? stepName(m_steps[m_done].command) : QString();
}

void History::swap(Step& step) {
    for (FieldChange& change : step.fields)
        std::swap(m_current.fields[static_cast<size_t>(change.slot)], change.state);
    std::swap(m_current.deck.position, step.position);
    std::swap(m_current.deck.currentCard, step.currentCard);
    if (step.order)
        std::swap(m_current.deck.order, *step.order);
    if (step.penalties)
        std::swap(m_current.penalties, *step.penalties);
    if (step.sheet)
        std::swap(m_current.sheet, *step.sheet);
    if (step.gameId)
        std::swap(m_current.gameId, *step.gameId);
}

const BoardState& History::undo() {
    if (canUndo())
        swap(m_steps[--m_done]);
    return m_current;
}

const BoardState& History::redo() {
    if (canRedo())
        swap(m_steps[m_done++]);
    return m_current;
}
