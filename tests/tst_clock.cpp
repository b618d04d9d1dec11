// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTest>

#include "support/testkit.h"

class TestClock : public QObject {
    Q_OBJECT

private slots:
    // The course of one period, flip by flip.
    void courseOfAPeriod_data() {
        QTest::addColumn<int>("flips");
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<QString>("clock");
        QTest::addColumn<bool>("prompt");
        QTest::newRow("1") << 1 << "1180"
                           << "19:40" << false;
        QTest::newRow("3, odd minute") << 3 << "1140"
                                       << "19:00" << false;
        QTest::newRow("7") << 7 << "1060"
                           << "17:40" << false;
        for (int k = 1; k <= 9; ++k) {
            QTest::addRow("%d, even minute", 6 * k) << 6 * k << QString::number(1200 - 120 * k)
                                                    << QStringLiteral("%1:00").arg(20 - 2 * k) << true;
        }
        QTest::newRow("33, nine minutes") << 33 << "540"
                                          << "9:00" << false;
        QTest::newRow("45, odd minute") << 45 << "300"
                                        << "5:00" << false;
        QTest::newRow("59") << 59 << "20"
                            << "0:20" << false;
    }
    void courseOfAPeriod() {
        QFETCH(int, flips);
        QFETCH(QString, seconds);
        QFETCH(QString, clock);
        QFETCH(bool, prompt);
        Game game;
        for (int i = 0; i < flips; ++i)
            game.click(Control::TimedFlipButton);
        QCOMPARE(game.text(Control::SecondsLeft), seconds);
        QCOMPARE(game.text(Control::Clock), clock);
        QCOMPARE(game.visible(Control::ChangeLines), prompt);
        QCOMPARE(game.window->widgetOf(Control::ChangeLines)->isVisible(), prompt);
        QVERIFY(game.visible(Control::TimedFlipButton));
        QVERIFY(game.sound.played.isEmpty());
        QCOMPARE(game.controller->deck().position(), 2 + flips);
    }

    // The sixtieth flip ends the period: prompt, one horn, the timed flip gone.
    void endOfPeriod() {
        Game game;
        for (int i = 0; i < 60; ++i)
            game.click(Control::TimedFlipButton);
        QCOMPARE(game.text(Control::SecondsLeft), QStringLiteral("0"));
        QCOMPARE(game.text(Control::Clock), QStringLiteral("0:00"));
        QVERIFY(game.visible(Control::ChangeLines));
        QCOMPARE(game.sound.played, QStringList{game.path("horn.wav")});
        QVERIFY(!game.visible(Control::TimedFlipButton));
        QVERIFY(!game.window->widgetOf(Control::TimedFlipButton)->isVisible());
        QVERIFY(game.visible(Control::FlipButton));

        // The period is over: New Game starts the next game's clock, in period 1; the prompt
        // stays until the first flip.
        game.trigger("mnuNewGame");
        QCOMPARE(game.text(Control::Clock), QStringLiteral("20:00"));
        QVERIFY(game.visible(Control::TimedFlipButton));
        QVERIFY(game.window->widgetOf(Control::TimedFlipButton)->isVisible());
        QVERIFY(game.visible(Control::ChangeLines));
        game.click(Control::TimedFlipButton);
        QCOMPARE(game.text(Control::Clock), QStringLiteral("19:40"));
        QCOMPARE(game.text(Control::Period), QStringLiteral("1"));

        for (int i = 0; i < 59; ++i)
            game.click(Control::TimedFlipButton);
        QVERIFY(!game.visible(Control::TimedFlipButton));
        game.click(Control::NextPeriodButton);
        QVERIFY(game.visible(Control::TimedFlipButton));
        QCOMPARE(game.text(Control::Period), QStringLiteral("2"));
        QVERIFY(game.visible(Control::ChangeLines));
        game.click(Control::TimedFlipButton);
        QVERIFY(!game.visible(Control::ChangeLines));
        QCOMPARE(game.text(Control::Clock), QStringLiteral("19:40"));
    }

    void nextPeriod_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("1") << "1"
                           << "2";
        QTest::newRow("2") << "2"
                           << "3";
        QTest::newRow("3") << "3"
                           << "OT";
        QTest::newRow("OT") << "OT"
                            << "OT";
        QTest::newRow("typed 4") << "4"
                                 << "4";
        QTest::newRow("emptied") << ""
                                 << "";
        QTest::newRow("lower case") << "ot"
                                    << "ot";
        QTest::newRow("blank before") << " 1"
                                      << " 1";
    }
    // "Next Period" at any time: a fresh 20:00, the period moved on, the board untouched.
    void nextPeriod() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        Game game;
        for (int i = 0; i < 38; ++i)
            game.click(Control::TimedFlipButton);
        QCOMPARE(game.text(Control::Clock), QStringLiteral("7:20"));
        game.fields().setText(Control::Period, before);
        game.click(Control::HomeGoalButton);
        const QString card = game.text(Control::UpperNumber);
        const QString goals = game.text(Control::HomeTotal, 2);

        game.click(Control::NextPeriodButton);
        QCOMPARE(game.text(Control::Period), after);
        QCOMPARE(game.text(Control::SecondsLeft), QStringLiteral("1200"));
        QCOMPARE(game.text(Control::Clock), QStringLiteral("20:00"));
        QCOMPARE(game.text(Control::UpperNumber), card);
        QCOMPARE(game.text(Control::HomeTotal, 2), goals);
    }

    void periodsRunIntoOvertime() {
        Game game;
        QStringList periods;
        for (int i = 0; i < 5; ++i) {
            game.click(Control::NextPeriodButton);
            periods << game.text(Control::Period);
        }
        QCOMPARE(periods, (QStringList{"2", "3", "OT", "OT", "OT"}));
    }

    // With no seconds left (or none that read as a number) a timed flip does nothing at all.
    void noSecondsNoFlip_data() {
        QTest::addColumn<QString>("seconds");
        QTest::newRow("zero") << "0";
        QTest::newRow("negative") << "-10";
        QTest::newRow("empty") << "";
        QTest::newRow("word") << "abc";
    }
    void noSecondsNoFlip() {
        QFETCH(QString, seconds);
        Game game;
        game.fields().setText(Control::SecondsLeft, seconds);
        game.fields().setText(Control::Clock, QStringLiteral("3:00"));
        const QString card = game.text(Control::UpperNumber);
        game.click(Control::TimedFlipButton);
        QCOMPARE(game.text(Control::UpperNumber), card);
        QCOMPARE(game.controller->deck().position(), 2);
        QCOMPARE(game.text(Control::SecondsLeft), seconds);
        QCOMPARE(game.text(Control::Clock), QStringLiteral("3:00"));
        QVERIFY(game.visible(Control::TimedFlipButton));
    }

    // Fewer than 20 seconds left (an edited saved game): the period ends at 0:00 as usual.
    void periodNeverRunsBelowZero() {
        Game game;
        game.fields().setText(Control::SecondsLeft, QStringLiteral("10"));
        game.click(Control::TimedFlipButton);
        QCOMPARE(game.text(Control::SecondsLeft), QStringLiteral("0"));
        QCOMPARE(game.text(Control::Clock), QStringLiteral("0:00"));
        QVERIFY(game.visible(Control::ChangeLines));
        QCOMPARE(game.sound.played.size(), 1);
        QVERIFY(!game.visible(Control::TimedFlipButton));
    }

    // The deck runs out during a timed flip: a new deal, and the clock still moves.
    void timedFlipPastTheDeck() {
        Game game;
        for (int i = 0; i < 198; ++i)
            game.click(Control::FlipButton);
        QCOMPARE(game.controller->deck().position(), 200);
        game.click(Control::TimedFlipButton);
        QCOMPARE(game.controller->deck().position(), 2);
        QCOMPARE(game.text(Control::UpperNumber), QString::number(game.controller->deck().order(2)));
        QCOMPARE(game.text(Control::Clock), QStringLiteral("19:40"));
    }

    // The prompt follows the clock text, not the seconds.
    void promptReadsTheClockText() {
        FieldModel fields;
        int horns = 0;
        GameClock clock(fields, [&horns] { ++horns; });
        fields.setText(Control::Clock, QStringLiteral("08:00"));
        clock.announceClock();
        QVERIFY(!fields.isVisible(Control::ChangeLines));
        fields.setText(Control::Clock, QStringLiteral("8:00"));
        clock.announceClock();
        QVERIFY(fields.isVisible(Control::ChangeLines));
        QCOMPARE(horns, 0);
    }
};

QTEST_MAIN(TestClock)
#include "tst_clock.moc"
