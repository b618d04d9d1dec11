#include <QLineEdit>
#include <QTest>

#include "support/testkit.h"

namespace {

struct Cell {
    Control ctl;
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

        auto row = [](const char* name, const char* period, QList<Control> buttons, QList<Cell> cells) {
            QList<int> pressed;
            for (Control b : buttons)
                pressed << int(b);
            QList<int> expected;
            for (const Cell& c : cells)
                expected << int(c.ctl) << c.index << QString::fromLatin1(c.text).toInt();
            QTest::newRow(name) << QString::fromLatin1(period) << pressed << expected;
        };
        row("away shot, period 1", "1", {Control::AwayShotButton},
            {{Control::AwayPeriod1, 1, "1"}, {Control::AwayTotal, 1, "1"}});
        row("home goal, period 2", "2", {Control::HomeGoalButton},
            {{Control::HomePeriod2, 2, "1"}, {Control::HomeTotal, 2, "1"}});
        row("home goal, overtime", "OT", {Control::HomeGoalButton},
            {{Control::HomeOvertime, 2, "1"}, {Control::HomeTotal, 2, "1"}});
        row("three home shots, period 3", "3",
            {Control::HomeShotButton, Control::HomeShotButton, Control::HomeShotButton},
            {{Control::HomePeriod3, 1, "3"}, {Control::HomeTotal, 1, "3"}});
        row("away goal, period 3", "3", {Control::AwayGoalButton},
            {{Control::AwayPeriod3, 2, "1"}, {Control::AwayTotal, 2, "1"}});
        // An unknown period text adds to no period but still writes the total.
        row("period ot", "ot", {Control::HomeGoalButton}, {{Control::HomeTotal, 2, "0"}});
        row("period blank 1", " 1", {Control::AwayShotButton}, {{Control::AwayTotal, 1, "0"}});
        row("period 4", "4", {Control::AwayGoalButton}, {{Control::AwayTotal, 2, "0"}});
        row("period empty", "", {Control::HomeShotButton}, {{Control::HomeTotal, 1, "0"}});
    }
    void presses() {
        QFETCH(QString, period);
        QFETCH(QList<int>, buttons);
        QFETCH(QList<int>, expected);
        Game game;
        game.fields().setText(Control::Period, period);
        for (int b : buttons)
            game.click(Control(b));

        QHash<QString, QString> want;
        for (int i = 0; i < expected.size(); i += 3)
            want[memberName(Control(expected[i]), expected[i + 1])] = QString::number(expected[i + 2]);
        for (const Member& m : allMembers()) {
            if (m.index == 0 || m.ctl == Control::AwayName || m.ctl == Control::HomeName)
                continue;
            const QString name = memberName(m.ctl, m.index);
            QCOMPARE(game.text(m.ctl, m.index), want.value(name));
        }
    }

    // Totals are the sum of the four periods, read as numbers, recomputed only on a press.
    void totalsAreRecomputedOnAPress() {
        Game game;
        game.fields().setText(Control::AwayPeriod1, 2, QStringLiteral("7"));
        QCOMPARE(game.text(Control::AwayTotal, 2), QString());
        game.click(Control::AwayShotButton);
        QCOMPARE(game.text(Control::AwayTotal, 2), QString());

        game.click(Control::NextPeriodButton);
        game.click(Control::AwayGoalButton);
        QCOMPARE(game.text(Control::AwayPeriod2, 2), QStringLiteral("1"));
        QCOMPARE(game.text(Control::AwayTotal, 2), QStringLiteral("8"));

        game.fields().setText(Control::HomePeriod2, 1, QStringLiteral("2.5"));
        game.fields().setText(Control::HomePeriod1, 1, QStringLiteral("abc"));
        game.click(Control::HomeShotButton);
        QCOMPARE(game.text(Control::HomePeriod2, 1), QStringLiteral("3.5"));
        QCOMPARE(game.text(Control::HomePeriod1, 1), QStringLiteral("abc"));
        QCOMPARE(game.text(Control::HomeTotal, 1), QStringLiteral("3.5"));
    }

    // After a period ends, and before the next starts, presses still go to the named period.
    void pressesAfterThePeriodEnded() {
        Game game;
        for (int i = 0; i < 60; ++i)
            game.click(Control::TimedFlipButton);
        game.click(Control::HomeGoalButton);
        QCOMPARE(game.text(Control::HomePeriod1, 2), QStringLiteral("1"));
    }

    void newGameEmptiesCountsButKeepsNames() {
        Game game;
        game.type(Control::AwayName, 1, QStringLiteral("Bears"));
        game.click(Control::AwayGoalButton);
        game.click(Control::HomeShotButton);
        game.click(Control::NextPeriodButton);
        game.trigger("mnuNewGame");
        QCOMPARE(game.text(Control::AwayPeriod1, 2), QString());
        QCOMPARE(game.text(Control::HomeTotal, 1), QString());
        QCOMPARE(game.text(Control::Period), QStringLiteral("1"));
        QCOMPARE(game.text(Control::AwayName, 1), QStringLiteral("Bears"));
        QCOMPARE(game.text(Control::AwayName, 2), QStringLiteral("Bears"));
    }

    // The goals table repeats the names typed into the shots table, keystroke by keystroke.
    void nameMirror() {
        Game game;
        game.type(Control::HomeName, 1, QStringLiteral("Ow"));
        QCOMPARE(game.text(Control::HomeName, 2), QStringLiteral("Ow"));
        game.type(Control::HomeName, 1, QStringLiteral("ls"));
        QCOMPARE(game.text(Control::HomeName, 2), QStringLiteral("Owls"));

        game.type(Control::HomeName, 2, QStringLiteral("x"));
        QCOMPARE(game.text(Control::HomeName, 2), QStringLiteral("Owls"));
        QCOMPARE(qobject_cast<QLineEdit*>(game.window->widgetOf(Control::HomeName, 2))->text(),
                 QStringLiteral("Owls"));
        game.type(Control::AwayName, 2, QStringLiteral("y"));
        QCOMPARE(game.text(Control::AwayName, 2), QString());
    }
};

QTEST_MAIN(TestScoreboard)
#include "tst_scoreboard.moc"
