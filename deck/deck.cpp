// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deck/deck.h"

#include <cmath>

#include "core/fieldmodel.h"
#include "core/numbertext.h"
#include "core/services.h"
#include "deck/carddisplay.h"

Deck::Deck(const CardTable& table, FieldModel& fields, RandomSource& random)
    : m_table(table), m_fields(fields), m_random(random) {}

void Deck::deal() {
    std::array<bool, kSize + 1> available;
    available.fill(true);
    for (int k = 1; k <= kSize; ++k) {
        int d = 0;
        do {
            d = static_cast<int>(std::floor(kSize * m_random.next())) + 1;
            // A generator that strays outside [0, 1) must not reach outside the table.
            if (d < 1 || d > kSize)
                d = 0;
        } while (d == 0 || !available[d]);
        m_order[k - 1] = static_cast<qint16>(d);
        available[d] = false;
    }
    m_position = 1;
}

void Deck::shuffle() {
    deal();
    showFirstCard();
}

const CardRecord& Deck::recordAt(int position) const {
    // Before the first deal the order holds zeros, which name no record.
    static const CardRecord noRecord;
    return CardTable::isPosition(position) ? m_table.at(position) : noRecord;
}

void Deck::keepPositionInRange() {
    if (m_position < 1 || m_position > kSize)
        m_position = 1;
}

void Deck::showFirstCard() {
    keepPositionInRange();
    m_currentCard = m_order[m_position - 1];
    writeUpperHalf(m_fields, recordAt(m_currentCard));
    ++m_position;
    keepPositionInRange();
    m_currentCard = m_order[m_position - 1];
    writeLowerHalf(m_fields, recordAt(m_currentCard));
}

void Deck::showNextCard() {
    const QString shownNumber = m_fields.text(Control::UpperNumber);
    keepPositionInRange();
    m_currentCard = m_order[m_position - 1];
    writeUpperHalf(m_fields, recordAt(m_currentCard));

    // The card number doubles as its table position. A card file that breaks that rule
    // (a short file leaves cards numbered 0) has no record to show: show an empty half.
    const double number = readNumber(shownNumber);
    if (number >= 1 && number <= kSize && number == std::floor(number)) {
        m_currentCard = static_cast<qint16>(number);
        writeLowerHalf(m_fields, m_table.at(m_currentCard));
    } else {
        writeEmptyLowerHalf(m_fields);
    }
}

void Deck::flip() {
    ++m_position;
    if (m_position > kSize)
        shuffle();
    showNextCard();
}

void Deck::restore(const State& state) {
    m_order = state.order;
    m_position = state.position;
    m_currentCard = state.currentCard;
}
