// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "core/fieldmodel.h"
#include "deck/deck.h"
#include "game/command.h"
#include "game/penaltybox.h"
#include "game/scoresheet.h"

// Everything a command may change: the fields (texts, visible flags, the card on show), the
// deck, the penalty box, the score sheet, and which game it is.
struct BoardState {
    FieldModel::Snapshot fields;
    Deck::State deck;
    PenaltyBox penalties;
    QString gameId;
    ScoreSheet sheet;

    bool operator==(const BoardState&) const = default;
};

// The game's history back to start-up: the board as it stands after the last step, and for
// every step what it changed, so that it can be taken back and done again. A step keeps only
// what differs (a flip: the card fields and the clock, not the whole board), because an
// evening is thousands of steps long.
class History {
public:
    // Forgets every step; the board starts here.
    void reset(const BoardState& start);

    // The command led from the current board to this one. The steps that were undone are
    // forgotten. A command that changed nothing is a step all the same: Undo takes back what
    // the log shows.
    void record(Command command, const BoardState& after);

    // The board after the last step that is not undone.
    const BoardState& current() const { return m_current; }

    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < m_steps.size(); }
    // The name of the step Undo or Redo would take; empty when there is none.
    QString undoName() const;
    QString redoName() const;
    // Takes the last step back, or does the next undone step again, and returns the board
    // as it is then. Nothing happens when there is no such step.
    const BoardState& undo();
    const BoardState& redo();

    size_t stepCount() const { return m_steps.size(); }

private:
    using Order = std::array<qint16, Deck::kSize>;
    struct FieldChange {
        int slot;
        FieldModel::FieldState state;
    };
    // What a step changed, as it was on the other side of the step: before it while it is
    // done, after it while it is undone. Undo and redo swap it with the current board.
    struct Step {
        Command command;
        std::vector<FieldChange> fields;
        qint16 position;
        qint16 currentCard;
        std::unique_ptr<Order> order;         // only when a deal changed it
        std::optional<PenaltyBox> penalties;  // only when it changed
        std::optional<ScoreSheet> sheet;      // only when it changed
        std::optional<QString> gameId;        // only when another game came on the board
    };
    void swap(Step& step);

    BoardState m_current;
    std::vector<Step> m_steps;
    size_t m_done = 0;
};
