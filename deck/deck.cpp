#include "deck/deck.h"

#include <cmath>

#include "app/fieldmodel.h"
#include "app/numbertext.h"
#include "app/services.h"
#include "deck/carddisplay.h"

Deck::Deck(const FacTable& table, FieldModel& fields, RandomSource& random)
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
        m_deckOrder[k - 1] = static_cast<qint16>(d);
        available[d] = false;
    }
    m_deckPos = 1;
}

void Deck::Shuffle() {
    deal();
    pickFirstFAC();
}

const FACRecord& Deck::recordAt(int position) const {
    // Before the first deal the order holds zeros, which name no record.
    static const FACRecord noRecord;
    return FacTable::isPosition(position) ? m_table.at(position) : noRecord;
}

void Deck::keepDeckPosInRange() {
    if (m_deckPos < 1 || m_deckPos > kSize)
        m_deckPos = 1;
}

void Deck::pickFirstFAC() {
    keepDeckPosInRange();
    m_currentFAC = m_deckOrder[m_deckPos - 1];
    writeUpperHalf(m_fields, recordAt(m_currentFAC));
    ++m_deckPos;
    keepDeckPosInRange();
    m_currentFAC = m_deckOrder[m_deckPos - 1];
    writeLowerHalf(m_fields, recordAt(m_currentFAC));
}

void Deck::pickFAC() {
    const QString shownNumber = m_fields.text(Ctl::txtNum);
    keepDeckPosInRange();
    m_currentFAC = m_deckOrder[m_deckPos - 1];
    writeUpperHalf(m_fields, recordAt(m_currentFAC));

    // The card number doubles as its table position. A card file that breaks that rule
    // (a short file leaves cards numbered 0) has no record to show: show an empty half.
    const double number = readNumber(shownNumber);
    if (number >= 1 && number <= kSize && number == std::floor(number)) {
        m_currentFAC = static_cast<qint16>(number);
        writeLowerHalf(m_fields, m_table.at(m_currentFAC));
    } else {
        writeEmptyLowerHalf(m_fields);
    }
}

void Deck::flip() {
    ++m_deckPos;
    if (m_deckPos > kSize)
        Shuffle();
    pickFAC();
}
