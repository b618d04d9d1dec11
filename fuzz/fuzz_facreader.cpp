// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The card-file reader on any bytes, then a deal and a few flips on the table it read.
#include <cstddef>
#include <cstdint>

#include "core/fieldmodel.h"
#include "core/numbertext.h"
#include "core/services.h"
#include "deck/cardreader.h"
#include "deck/deck.h"
#include "fuzzcheck.h"

namespace {

// A fixed generator, so that an input always gives the same deal.
class FixedRandom : public RandomSource {
public:
    void seedFromClock() override {}
    double next() override {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return static_cast<double>(m_state >> 11) * (1.0 / 9007199254740992.0);
    }

private:
    uint64_t m_state = 0x9E3779B97F4A7C15ull;
};

QString shownNumberOf(const CardTable& table, int position) {
    return numberText(table.at(position).number);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const CardReadResult result = parseCardBytes(bytes);
    const CardTable& table = result.table;

    FUZZ_CHECK(table.cardCount >= 0 && table.cardCount <= CardTable::kSize);
    // Only a record cut short by an error leaves fields past the count.
    const int lastTouched = result.error ? table.cardCount + 1 : table.cardCount;
    for (int position = lastTouched + 1; position <= CardTable::kSize; ++position)
        FUZZ_CHECK(table.at(position) == CardRecord{});
    if (result.error)
        FUZZ_CHECK(!cardReadErrorMessage(*result.error).isEmpty());

    // Whatever the cards hold, the display shows records of the table.
    FieldModel fields;
    FixedRandom random;
    Deck deck(table, fields, random);
    deck.shuffle();
    FUZZ_CHECK(fields.text(Control::UpperNumber) == shownNumberOf(table, deck.order(1)));
    FUZZ_CHECK(fields.text(Control::LowerNumber) == shownNumberOf(table, deck.order(2)));
    for (int flip = 0; flip < 3; ++flip) {
        deck.flip();
        FUZZ_CHECK(fields.text(Control::UpperNumber) == shownNumberOf(table, deck.order(deck.position())));
    }
    return 0;
}
