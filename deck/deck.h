#pragma once

#include <QtGlobal>
#include <array>

#include "deck/facrecord.h"

class FieldModel;
class RandomSource;

// The deck: a dealt order of the 200 table positions and the current position in it, and
// the display of a card's upper half beside another card's lower half.
class Deck {
public:
    static constexpr int kSize = FacTable::kSize;

    Deck(const FacTable& table, FieldModel& fields, RandomSource& random);

    // A new order from the generator: one value r per attempt, d = floor(200 r) + 1, a
    // position already taken is discarded and drawn again. Leaves deckPos at 1.
    void deal();
    // deal(), then pickFirstFAC().
    void Shuffle();
    // The card at deckPos beside the lower half of the card at the next position, and
    // deckPos left on that next position.
    void pickFirstFAC();
    // The card at deckPos beside the lower half of the card whose upper half was on show,
    // found by the number read back from txtNum.
    void pickFAC();
    // One flip: the next position, a new deal when the deck is used up, then pickFAC().
    void flip();

    int deckOrder(int k) const { return m_deckOrder[k - 1]; }
    int deckPos() const { return m_deckPos; }
    int currentFAC() const { return m_currentFAC; }
    void setDeckPos(int position) { m_deckPos = static_cast<qint16>(position); }

private:
    void keepDeckPosInRange();
    const FACRecord& recordAt(int position) const;

    const FacTable& m_table;
    FieldModel& m_fields;
    RandomSource& m_random;
    std::array<qint16, kSize> m_deckOrder{};
    qint16 m_deckPos = 0;
    qint16 m_currentFAC = 0;
};
