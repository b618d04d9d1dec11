#include <QLineEdit>
#include <QTest>

#include "support/testkit.h"

namespace {

struct Cell {
    Ctl ctl;
    int index;
    const char* text;
};

}  // namespace

Q_DECLARE_METATYPE(QList<int>)

class TestScoreboard : public QObject {
    Q_OBJECT

private slots:
    // Presses in a period; then every one of the twenty count fields is checked.
    void presses_data() {
        QTest::addColumn<QString>("period");
        QTest::addColumn<QList<int>>("buttons");
        QTest::addColumn<QList<int>>("expected");  // (ctl, index, value) triples; other counts stay empty

        auto row = [](const char* name, const char* period, QList<Ctl> buttons, QList<Cell> cells) {
            QList<int> pressed;
            for (Ctl b : buttons)
                pressed << int(b);
            QList<int> expected;
            for (const Cell& c : cells)
                expected << int(c.ctl) << c.index << QString::fromLatin1(c.text).toInt();
            QTest::newRow(name) << QString::fromLatin1(period) << pressed << expected;
        };
        row("away shot, period 1", "1", {Ctl::cmdAwayShot}, {{Ctl::txt1V, 1, "1"}, {Ctl::txtFV, 1, "1"}});
        row("home goal, period 2", "2", {Ctl::cmdHomeGoal}, {{Ctl::txt2H, 2, "1"}, {Ctl::txtFH, 2, "1"}});
        row("home goal, overtime", "OT", {Ctl::cmdHomeGoal}, {{Ctl::txtOTH, 2, "1"}, {Ctl::txtFH, 2, "1"}});
        row("three home shots, period 3", "3", {Ctl::cmdHomeShot, Ctl::cmdHomeShot, Ctl::cmdHomeShot},
            {{Ctl::txt3H, 1, "3"}, {Ctl::txtFH, 1, "3"}});
        row("away goal, period 3", "3", {Ctl::cmdAwayGoal}, {{Ctl::txt3V, 2, "1"}, {Ctl::txtFV, 2, "1"}});
        // An unknown period text adds to no period but still writes the total.
        row("period ot", "ot", {Ctl::cmdHomeGoal}, {{Ctl::txtFH, 2, "0"}});
        row("period blank 1", " 1", {Ctl::cmdAwayShot}, {{Ctl::txtFV, 1, "0"}});
        row("period 4", "4", {Ctl::cmdAwayGoal}, {{Ctl::txtFV, 2, "0"}});
        row("period empty", "", {Ctl::cmdHomeShot}, {{Ctl::txtFH, 1, "0"}});
    }
    void presses() {
        QFETCH(QString, period);
        QFETCH(QList<int>, buttons);
        QFETCH(QList<int>, expected);
        Game game;
        game.fields().setText(Ctl::txtPeriod, period);
        for (int b : buttons)
            game.click(Ctl(b));

        QHash<QString, QString> want;
        for (int i = 0; i < expected.size(); i += 3)
            want[memberName(Ctl(expected[i]), expected[i + 1])] = QString::number(expected[i + 2]);
        for (const Member& m : allMembers()) {
            if (m.index == 0 || m.ctl == Ctl::txtAway || m.ctl == Ctl::txtHome)
                continue;
            const QString name = memberName(m.ctl, m.index);
            QCOMPARE(game.text(m.ctl, m.index), want.value(name));
        }
    }

    // Totals are the sum of the four periods, read as numbers, recomputed only on a press.
    void totalsAreRecomputedOnAPress() {
        Game game;
        game.fields().setText(Ctl::txt1V, 2, QStringLiteral("7"));
        QCOMPARE(game.text(Ctl::txtFV, 2), QString());
        game.click(Ctl::cmdAwayShot);
        QCOMPARE(game.text(Ctl::txtFV, 2), QString());

        game.click(Ctl::cmdReset);
        game.click(Ctl::cmdAwayGoal);
        QCOMPARE(game.text(Ctl::txt2V, 2), QStringLiteral("1"));
        QCOMPARE(game.text(Ctl::txtFV, 2), QStringLiteral("8"));

        game.fields().setText(Ctl::txt2H, 1, QStringLiteral("2.5"));
        game.fields().setText(Ctl::txt1H, 1, QStringLiteral("abc"));
        game.click(Ctl::cmdHomeShot);
        QCOMPARE(game.text(Ctl::txt2H, 1), QStringLiteral("3.5"));
        QCOMPARE(game.text(Ctl::txt1H, 1), QStringLiteral("abc"));
        QCOMPARE(game.text(Ctl::txtFH, 1), QStringLiteral("3.5"));
    }

    // After a period ends, and before the next starts, presses still go to the named period.
    void pressesAfterThePeriodEnded() {
        Game game;
        for (int i = 0; i < 60; ++i)
            game.click(Ctl::cmdFlip);
        game.click(Ctl::cmdHomeGoal);
        QCOMPARE(game.text(Ctl::txt1H, 2), QStringLiteral("1"));
    }

    void newGameEmptiesCountsButKeepsNames() {
        Game game;
        game.type(Ctl::txtAway, 1, QStringLiteral("Bears"));
        game.click(Ctl::cmdAwayGoal);
        game.click(Ctl::cmdHomeShot);
        game.click(Ctl::cmdReset);
        game.trigger("New Game");
        QCOMPARE(game.text(Ctl::txt1V, 2), QString());
        QCOMPARE(game.text(Ctl::txtFH, 1), QString());
        QCOMPARE(game.text(Ctl::txtPeriod), QStringLiteral("1"));
        QCOMPARE(game.text(Ctl::txtAway, 1), QStringLiteral("Bears"));
        QCOMPARE(game.text(Ctl::txtAway, 2), QStringLiteral("Bears"));
    }

    // The goals table repeats the names typed into the shots table, keystroke by keystroke.
    void nameMirror() {
        Game game;
        game.type(Ctl::txtHome, 1, QStringLiteral("Ow"));
        QCOMPARE(game.text(Ctl::txtHome, 2), QStringLiteral("Ow"));
        game.type(Ctl::txtHome, 1, QStringLiteral("ls"));
        QCOMPARE(game.text(Ctl::txtHome, 2), QStringLiteral("Owls"));

        game.type(Ctl::txtHome, 2, QStringLiteral("x"));
        QCOMPARE(game.text(Ctl::txtHome, 2), QStringLiteral("Owls"));
        QCOMPARE(qobject_cast<QLineEdit*>(game.window->widgetOf(Ctl::txtHome, 2))->text(),
                 QStringLiteral("Owls"));
        game.type(Ctl::txtAway, 2, QStringLiteral("y"));
        QCOMPARE(game.text(Ctl::txtAway, 2), QString());
    }
};

QTEST_MAIN(TestScoreboard)
#include "tst_scoreboard.moc"
