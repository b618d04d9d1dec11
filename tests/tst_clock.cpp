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
            game.click(Ctl::cmdFlip);
        QCOMPARE(game.text(Ctl::txtTimer), seconds);
        QCOMPARE(game.text(Ctl::txtClock), clock);
        QCOMPARE(game.visible(Ctl::txtChangeLines), prompt);
        QCOMPARE(game.window->widgetOf(Ctl::txtChangeLines)->isVisible(), prompt);
        QVERIFY(game.visible(Ctl::cmdFlip));
        QVERIFY(game.sound.played.isEmpty());
        QCOMPARE(game.form->deck().deckPos(), 2 + flips);
    }

    // The sixtieth flip ends the period: prompt, one horn, the timed flip gone.
    void endOfPeriod() {
        Game game;
        for (int i = 0; i < 60; ++i)
            game.click(Ctl::cmdFlip);
        QCOMPARE(game.text(Ctl::txtTimer), QStringLiteral("0"));
        QCOMPARE(game.text(Ctl::txtClock), QStringLiteral("0:00"));
        QVERIFY(game.visible(Ctl::txtChangeLines));
        QCOMPARE(game.sound.played, QStringList{game.path("horn.wav")});
        QVERIFY(!game.visible(Ctl::cmdFlip));
        QVERIFY(!game.window->widgetOf(Ctl::cmdFlip)->isVisible());
        QVERIFY(game.visible(Ctl::cmdFlip2));

        // The period is over: New Game resets the texts but brings no button back.
        game.trigger("New Game");
        QCOMPARE(game.text(Ctl::txtClock), QStringLiteral("20:00"));
        QVERIFY(!game.visible(Ctl::cmdFlip));
        QVERIFY(game.visible(Ctl::txtChangeLines));

        game.click(Ctl::cmdReset);
        QVERIFY(game.visible(Ctl::cmdFlip));
        QCOMPARE(game.text(Ctl::txtPeriod), QStringLiteral("2"));
        QVERIFY(game.visible(Ctl::txtChangeLines));
        game.click(Ctl::cmdFlip);
        QVERIFY(!game.visible(Ctl::txtChangeLines));
        QCOMPARE(game.text(Ctl::txtClock), QStringLiteral("19:40"));
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
            game.click(Ctl::cmdFlip);
        QCOMPARE(game.text(Ctl::txtClock), QStringLiteral("7:20"));
        game.fields().setText(Ctl::txtPeriod, before);
        game.click(Ctl::cmdHomeGoal);
        const QString card = game.text(Ctl::txtNum);
        const QString goals = game.text(Ctl::txtFH, 2);

        game.click(Ctl::cmdReset);
        QCOMPARE(game.text(Ctl::txtPeriod), after);
        QCOMPARE(game.text(Ctl::txtTimer), QStringLiteral("1200"));
        QCOMPARE(game.text(Ctl::txtClock), QStringLiteral("20:00"));
        QCOMPARE(game.text(Ctl::txtNum), card);
        QCOMPARE(game.text(Ctl::txtFH, 2), goals);
    }

    void periodsRunIntoOvertime() {
        Game game;
        QStringList periods;
        for (int i = 0; i < 5; ++i) {
            game.click(Ctl::cmdReset);
            periods << game.text(Ctl::txtPeriod);
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
        game.fields().setText(Ctl::txtTimer, seconds);
        game.fields().setText(Ctl::txtClock, QStringLiteral("3:00"));
        const QString card = game.text(Ctl::txtNum);
        game.click(Ctl::cmdFlip);
        QCOMPARE(game.text(Ctl::txtNum), card);
        QCOMPARE(game.form->deck().deckPos(), 2);
        QCOMPARE(game.text(Ctl::txtTimer), seconds);
        QCOMPARE(game.text(Ctl::txtClock), QStringLiteral("3:00"));
        QVERIFY(game.visible(Ctl::cmdFlip));
    }

    // Fewer than 20 seconds left (an edited saved game): the period ends at 0:00 as usual.
    void periodNeverRunsBelowZero() {
        Game game;
        game.fields().setText(Ctl::txtTimer, QStringLiteral("10"));
        game.click(Ctl::cmdFlip);
        QCOMPARE(game.text(Ctl::txtTimer), QStringLiteral("0"));
        QCOMPARE(game.text(Ctl::txtClock), QStringLiteral("0:00"));
        QVERIFY(game.visible(Ctl::txtChangeLines));
        QCOMPARE(game.sound.played.size(), 1);
        QVERIFY(!game.visible(Ctl::cmdFlip));
    }

    // The deck runs out during a timed flip: a new deal, and the clock still moves.
    void timedFlipPastTheDeck() {
        Game game;
        game.form->deck().setDeckPos(200);
        game.click(Ctl::cmdFlip);
        QCOMPARE(game.form->deck().deckPos(), 2);
        QCOMPARE(game.text(Ctl::txtNum), QString::number(game.form->deck().deckOrder(2)));
        QCOMPARE(game.text(Ctl::txtClock), QStringLiteral("19:40"));
    }

    // The prompt follows the clock text, not the seconds.
    void promptReadsTheClockText() {
        Game game;
        game.fields().setText(Ctl::txtClock, QStringLiteral("08:00"));
        game.form->modeChangeLines();
        QVERIFY(!game.visible(Ctl::txtChangeLines));
        game.fields().setText(Ctl::txtClock, QStringLiteral("8:00"));
        game.form->modeChangeLines();
        QVERIFY(game.visible(Ctl::txtChangeLines));
        QVERIFY(game.sound.played.isEmpty());
    }
};

QTEST_MAIN(TestClock)
#include "tst_clock.moc"
