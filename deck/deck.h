// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <array>

#include "deck/cardrecord.h"

class FieldModel;
class RandomSource;

// The deck: a dealt order of the 200 table positions and the current position in it, and
// the display of a card's upper half beside another card's lower half.
class Deck {
public:
    static constexpr int kSize = CardTable::kSize;

    Deck(const CardTable& table, FieldModel& fields, RandomSource& random);

    // A new order from the generator: one value r per attempt, d = floor(200 r) + 1, a
    // position already taken is discarded and drawn again. Leaves position at 1.
    void deal();
    // deal(), then showFirstCard().
    void shuffle();
    // The card at position beside the lower half of the card at the next position, and
    // position left on that next position.
    void showFirstCard();
    // The card at position beside the lower half of the card whose upper half was on show,
    // found by the number read back from UpperNumber.
    void showNextCard();
    // One flip: the next position, a new deal when the deck is used up, then showNextCard().
    void flip();

    int order(int k) const { return m_order[k - 1]; }
    int position() const { return m_position; }
    int currentCard() const { return m_currentCard; }
    void setPosition(int position) { m_position = static_cast<qint16>(position); }

    // The order, the position and the current card; the halves on show are fields.
    struct State {
        std::array<qint16, kSize> order{};
        qint16 position = 0;
        qint16 currentCard = 0;
        bool operator==(const State&) const = default;
    };
    State state() const { return {m_order, m_position, m_currentCard}; }
    void restore(const State& state);

private:
    void keepPositionInRange();
    const CardRecord& recordAt(int position) const;

    const CardTable& m_table;
    FieldModel& m_fields;
    RandomSource& m_random;
    std::array<qint16, kSize> m_order{};
    qint16 m_position = 0;
    qint16 m_currentCard = 0;
};
