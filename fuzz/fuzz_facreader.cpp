// The card-file reader on any bytes, then a deal and a few flips on the table it read.
#include <cstddef>
#include <cstdint>

#include "app/fieldmodel.h"
#include "app/numbertext.h"
#include "app/services.h"
#include "deck/deck.h"
#include "deck/facreader.h"
#include "fuzz/fuzzcheck.h"

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

QString shownNumberOf(const FacTable& table, int position) {
    return numberText(table.at(position).Num);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const FacReadResult result = parseFacBytes(bytes);
    const FacTable& table = result.table;

    FUZZ_CHECK(table.facCount >= 0 && table.facCount <= FacTable::kSize);
    // Only a record cut short by an error leaves fields past the count.
    const int lastTouched = result.error ? table.facCount + 1 : table.facCount;
    for (int position = lastTouched + 1; position <= FacTable::kSize; ++position)
        FUZZ_CHECK(table.at(position) == FACRecord{});
    if (result.error)
        FUZZ_CHECK(!facErrorMessage(*result.error).isEmpty());

    // Whatever the cards hold, the display shows records of the table.
    FieldModel fields;
    FixedRandom random;
    Deck deck(table, fields, random);
    deck.Shuffle();
    FUZZ_CHECK(fields.text(Ctl::txtNum) == shownNumberOf(table, deck.deckOrder(1)));
    FUZZ_CHECK(fields.text(Ctl::txtNum2) == shownNumberOf(table, deck.deckOrder(2)));
    for (int flip = 0; flip < 3; ++flip) {
        deck.flip();
        FUZZ_CHECK(fields.text(Ctl::txtNum) == shownNumberOf(table, deck.deckOrder(deck.deckPos())));
    }
    return 0;
}
