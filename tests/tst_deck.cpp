// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTest>
#include <set>

#include "deck/deck.h"
#include "support/cardcheck.h"

namespace {

// Generator values that pick the positions in the given order (each value names its position).
std::deque<double> valuesFor(std::initializer_list<int> positions) {
    std::deque<double> values;
    for (int d : positions)
        values.push_back((d - 0.5) / 200.0);
    return values;
}

}  // namespace

class TestDeck : public QObject {
    Q_OBJECT

private slots:
    // d = floor(200 r) + 1, a position already taken drawn again, one value per attempt.
    void dealMapsValuesToPositions() {
        CardTable table;
        FieldModel fields;
        ScriptedRandom random;
        random.values = {0.0225, 0.024, 0.083, 0.0, 0.999999999999, 0.0};
        Deck deck(table, fields, random);
        deck.deal();
        QCOMPARE(deck.order(1), 5);
        QCOMPARE(deck.order(2), 17);
        QCOMPARE(deck.order(3), 1);
        QCOMPARE(deck.order(4), 200);
        QCOMPARE(deck.position(), 1);
    }

    void everyDealIsAPermutation() {
        CardTable table;
        FieldModel fields;
        ScriptedRandom random;
        Deck deck(table, fields, random);
        for (int round = 0; round < 20; ++round) {
            deck.deal();
            std::set<int> seen;
            for (int k = 1; k <= 200; ++k)
                seen.insert(deck.order(k));
            QCOMPARE(int(seen.size()), 200);
            QCOMPARE(*seen.begin(), 1);
            QCOMPARE(*seen.rbegin(), 200);
        }
    }

    // Which card's halves show after each flip; either flip button runs the same step.
    void displaySequence_data() {
        QTest::addColumn<int>("flips");
        QTest::addColumn<bool>("timed");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("upper");  // k of Dk; negative: -k of Ek, the next deal
        QTest::addColumn<int>("lower");
        QTest::newRow("new game") << 0 << false << 2 << 1 << 2;
        for (bool timed : {false, true}) {
            const char* how = timed ? "timed" : "untimed";
            QTest::addRow("flip 1, %s", how) << 1 << timed << 3 << 3 << 1;
            QTest::addRow("flip 2, %s", how) << 2 << timed << 4 << 4 << 3;
            QTest::addRow("flip 3, %s", how) << 3 << timed << 5 << 5 << 4;
        }
        QTest::newRow("flip 198") << 198 << false << 200 << 200 << 199;
        QTest::newRow("flip 199 uses up the deck") << 199 << false << 2 << -2 << -1;
        QTest::newRow("flip 200") << 200 << false << 3 << -3 << -2;
    }
    void displaySequence() {
        QFETCH(int, flips);
        QFETCH(bool, timed);
        QFETCH(int, position);
        QFETCH(int, upper);
        QFETCH(int, lower);

        Game game;
        std::array<int, 201> first{};
        for (int k = 1; k <= 200; ++k)
            first[k] = game.controller->deck().order(k);
        for (int i = 0; i < flips; ++i)
            game.click(timed ? Control::TimedFlipButton : Control::FlipButton);

        const Deck& deck = game.controller->deck();
        auto card = [&](int k) { return k > 0 ? first[k] : deck.order(-k); };
        QCOMPARE(deck.position(), position);
        QCOMPARE(shownUpperHalf(game), upperHalfOf(card(upper)));
        QCOMPARE(shownLowerHalf(game), lowerHalfOf(card(lower)));
        QCOMPARE(deck.currentCard(), card(lower));
    }

    // New Game deals again from the one generator, never seeded again.
    void newGameDealsFromTheSameSequence() {
        Game game;
        game.random.values = valuesFor({7, 9});
        game.trigger("mnuNewGame");
        QCOMPARE(game.text(Control::UpperNumber), QStringLiteral("7"));
        QCOMPARE(game.text(Control::LowerNumber), QStringLiteral("9"));
        game.trigger("mnuNewGame");
        QCOMPARE(game.controller->deck().position(), 2);
        QCOMPARE(game.random.seedings, 1);
    }

    void emptyTextsKeepTheirDecorations() {
        QByteArray file = deckText(200);
        file.replace(",c1f4,", ",,").replace(",c1f21\r\n", ",\r\n");
        Game game(file);
        game.random.values = valuesFor({1, 2, 3});
        game.trigger("mnuNewGame");
        QCOMPARE(game.text(Control::PassTo3), QStringLiteral("()"));
        game.click(Control::FlipButton);
        QCOMPARE(game.text(Control::PassTo2), QStringLiteral("#"));
    }

    // A short card file leaves cards numbered 0; showing one's lower half finds no record.
    void lowerHalfWithoutARecord_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("firstCard");
        QTest::newRow("short file, card 0") << deckText(150) << 160;
        QTest::newRow("card numbered beyond the table") << deckText(1, 999) + deckText(199, 2) << 1;
        QTest::newRow("negative card number") << deckText(1, -3) + deckText(199, 2) << 1;
    }
    void lowerHalfWithoutARecord() {
        QFETCH(QByteArray, file);
        QFETCH(int, firstCard);
        Game game(file);
        game.random.values = valuesFor({firstCard, 5, 6});
        game.trigger("mnuNewGame");
        game.click(Control::FlipButton);

        QCOMPARE(shownUpperHalf(game), upperHalfOf(6));
        QCOMPARE(shownLowerHalf(game), emptyLowerHalf());

        game.click(Control::FlipButton);
        QCOMPARE(shownLowerHalf(game), lowerHalfOf(6));
    }

    void untimedFlipLeavesTheClockAlone() {
        Game game;
        for (int i = 0; i < 60; ++i)
            game.click(Control::TimedFlipButton);
        QVERIFY(!game.visible(Control::TimedFlipButton));
        const QString card = game.text(Control::UpperNumber);
        game.click(Control::FlipButton);
        QVERIFY(game.text(Control::UpperNumber) != card);
        QCOMPARE(game.text(Control::Clock), QStringLiteral("0:00"));
        QCOMPARE(game.text(Control::SecondsLeft), QStringLiteral("0"));
        QCOMPARE(game.text(Control::Period), QStringLiteral("1"));
        QVERIFY(game.visible(Control::ChangeLines));
    }
};

QTEST_MAIN(TestDeck)
#include "tst_deck.moc"
