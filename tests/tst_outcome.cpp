// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "game/outcome.h"

Q_DECLARE_METATYPE(OvertimeRules)
Q_DECLARE_METATYPE(Scoreline)
Q_DECLARE_METATYPE(GameOutcome)

namespace {

Scoreline board(const char* period, bool running, double secondsLeft, int away, int home, int awayOT = 0,
                int homeOT = 0) {
    Scoreline line;
    line.period = QString::fromLatin1(period);
    line.clockRunning = running;
    line.secondsLeft = secondsLeft;
    line.awayGoals = away;
    line.homeGoals = home;
    line.awayOvertimeGoals = awayOT;
    line.homeOvertimeGoals = homeOT;
    return line;
}

GameOutcome outcome(bool final, Decided decided, int away, int home, bool shootoutNeeded = false) {
    return {final, decided, away, home, shootoutNeeded};
}

}  // namespace

class TestOutcome : public QObject {
    Q_OBJECT

private slots:
    void whenTheLeagueCountsAGameOver_data() {
        QTest::addColumn<OvertimeRules>("rules");
        QTest::addColumn<Scoreline>("board");
        QTest::addColumn<GameOutcome>("expected");
        const OvertimeRules played;  // a 20:00 overtime to 0:00, level stays level
        const OvertimeRules suddenDeath{true, 5, 3, true};
        const OvertimeRules fullSuddenDeath{true, 20, 5, false};

        QTest::newRow("third period running")
            << played << board("3", true, 300, 3, 2) << outcome(false, Decided::Regulation, 3, 2);
        QTest::newRow("third over, one ahead")
            << played << board("3", false, 0, 3, 2) << outcome(true, Decided::Regulation, 3, 2);
        QTest::newRow("third over, level")
            << played << board("3", false, 0, 2, 2) << outcome(false, Decided::Regulation, 2, 2);
        QTest::newRow("second over, one ahead")
            << played << board("2", false, 0, 1, 0) << outcome(false, Decided::Regulation, 1, 0);
        QTest::newRow("a goal in a played-out overtime")
            << played << board("OT", true, 900, 3, 2, 1, 0) << outcome(false, Decided::Overtime, 3, 2);
        QTest::newRow("played-out overtime over")
            << played << board("OT", false, 0, 3, 2, 1, 0) << outcome(true, Decided::Overtime, 3, 2);
        QTest::newRow("played-out overtime over level")
            << played << board("OT", false, 0, 2, 2) << outcome(true, Decided::Overtime, 2, 2);
        QTest::newRow("sudden death at the goal")
            << suddenDeath << board("OT", true, 1100, 2, 3, 0, 1) << outcome(true, Decided::Overtime, 2, 3);
        QTest::newRow("twenty minutes of sudden death")
            << fullSuddenDeath << board("OT", true, 200, 2, 3, 0, 1)
            << outcome(true, Decided::Overtime, 2, 3);
        QTest::newRow("five minutes not yet over")
            << suddenDeath << board("OT", true, 901, 2, 2) << outcome(false, Decided::Overtime, 2, 2);
        QTest::newRow("five minutes over: shoot-out")
            << suddenDeath << board("OT", true, 900, 2, 2) << outcome(false, Decided::Overtime, 2, 2, true);
        Scoreline decided = board("OT", true, 880, 2, 2);
        decided.shootoutWinner = Team::Home;
        QTest::newRow("shoot-out won by home")
            << suddenDeath << decided << outcome(true, Decided::Shootout, 2, 3);
        Scoreline ended = board("2", true, 600, 1, 1);
        ended.endedByHand = true;
        QTest::newRow("ended by hand") << played << ended << outcome(true, Decided::Regulation, 1, 1);
    }
    void whenTheLeagueCountsAGameOver() {
        QFETCH(OvertimeRules, rules);
        QFETCH(Scoreline, board);
        QFETCH(GameOutcome, expected);
        const GameOutcome got = outcomeOf(board, rules);
        QCOMPARE(got.final, expected.final);
        QCOMPARE(got.decided, expected.decided);
        QCOMPARE(got.awayGoals, expected.awayGoals);
        QCOMPARE(got.homeGoals, expected.homeGoals);
        QCOMPARE(got.shootoutNeeded, expected.shootoutNeeded);
    }

    // Attempts as a string, away and home in turn: "x" scored, "o" missed.
    void shootouts_data() {
        QTest::addColumn<QString>("attempts");
        QTest::addColumn<int>("winner");  // 0 away, 1 home, -1 none yet
        QTest::newRow("nothing yet") << "" << -1;
        QTest::newRow("two up with one each left") << "xoxo" << 0;
        QTest::newRow("can still be caught") << "xox" << -1;
        QTest::newRow("home cannot catch up") << "xoxoo" << 0;
        QTest::newRow("three rounds level") << "xxoooo" << -1;
        QTest::newRow("sudden death: away scores, home must answer") << "xxooooxo" << 0;
        QTest::newRow("sudden death answered") << "xxooooxx" << -1;
        QTest::newRow("two rounds of sudden death level") << "xxoooooooo" << -1;
        QTest::newRow("home wins the fifth round") << "xxooooooox" << 1;
    }
    void shootouts() {
        QFETCH(QString, attempts);
        QFETCH(int, winner);
        QList<ShootoutAttempt> list;
        for (qsizetype i = 0; i < attempts.size(); ++i)
            list.append({i % 2 == 0 ? Team::Away : Team::Home, -1, -1, attempts[i] == u'x'});
        const std::optional<Team> won = shootoutWinner(list);
        QCOMPARE(won ? (*won == Team::Away ? 0 : 1) : -1, winner);
    }
};

QTEST_MAIN(TestOutcome)
#include "tst_outcome.moc"
