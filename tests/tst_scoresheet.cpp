// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "game/scoresheet.h"
#include "support/testkit.h"

namespace {

// Two full forward lines, two pairs and two goalies; the number says where: 11 is line 1's LW,
// 22 line 2's C, 4 pair 2's LD.
Roster teamOf(const QString& name, const QString& shortName) {
    Roster roster{name, shortName, {}, {}};
    const auto add = [&roster](int number, Position position, LinePlace place) {
        roster.players.append(
            {number, QStringLiteral("%1 %2").arg(positionCode(position)).arg(number), position});
        roster.lines.setPlayer(place, number);
    };
    for (const int line : {1, 2}) {
        add(line * 10 + 1, Position::LW, {line, IcePosition::LW});
        add(line * 10 + 2, Position::C, {line, IcePosition::C});
        add(line * 10 + 3, Position::RW, {line, IcePosition::RW});
        add(line * 2, Position::D, {line, IcePosition::LD});
        add(line * 2 + 1, Position::D, {line, IcePosition::RD});
        add(29 + line, Position::G, {line, IcePosition::G});
    }
    return roster;
}

}  // namespace

class TestScoreSheet : public QObject {
    Q_OBJECT

private slots:
    // The card's assist cell names positions; the sheet fills in who plays there now.
    void assistsFromTheCard_data() {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<int>("forwardLine");
        QTest::addColumn<int>("inBox");
        QTest::addColumn<QList<int>>("assists");
        QTest::newRow("two forwards") << "LW + C" << 1 << kNobody << QList<int>{11, 12};
        QTest::newRow("second line") << "LW + C" << 2 << kNobody << QList<int>{21, 22};
        QTest::newRow("a defenceman and a wing") << "LD + RW" << 1 << kNobody << QList<int>{2, 13};
        QTest::newRow("one only") << "C only" << 1 << kNobody << QList<int>{12};
        QTest::newRow("none") << "No assist" << 1 << kNobody << QList<int>{};
        QTest::newRow("the named player is in the box") << "LW + C" << 1 << 11 << QList<int>{12};
        QTest::newRow("a cell the sheet cannot read") << "Rebound" << 1 << kNobody << QList<int>{};
    }
    void assistsFromTheCard() {
        QFETCH(QString, cell);
        QFETCH(int, forwardLine);
        QFETCH(int, inBox);
        QFETCH(QList<int>, assists);
        ScoreSheet sheet;
        sheet.setRoster(Team::Away, teamOf(QStringLiteral("Owls"), QStringLiteral("OWL")));
        sheet.setLines(Team::Away, {forwardLine, 1, 1});
        PenaltyBox box;
        if (inBox != kNobody)
            box.add(Team::Away, QStringLiteral("LW"), PenaltyKind::Minor, {}, inBox);
        const int id = sheet.addGoal(Team::Away, QStringLiteral("1"), QStringLiteral("10:00"), box, cell);
        QCOMPARE(sheet.goal(id)->assists, assists);
        QCOMPARE(sheet.goal(id)->scorer, kNobody);  // the player picks him
    }

    // The type of an away goal, from the box as it stood and the home team's net.
    void goalTypes_data() {
        QTest::addColumn<QList<int>>("awayPenalties");  // kinds, as numbers
        QTest::addColumn<QList<int>>("homePenalties");
        QTest::addColumn<bool>("homeNetEmpty");
        QTest::addColumn<QString>("type");
        const int minor = static_cast<int>(PenaltyKind::Minor);
        const int major = static_cast<int>(PenaltyKind::Major);
        const int misconduct = static_cast<int>(PenaltyKind::Misconduct);
        QTest::newRow("five on five") << QList<int>{} << QList<int>{} << false << "EV";
        QTest::newRow("home short") << QList<int>{} << QList<int>{minor} << false << "PP";
        QTest::newRow("away short") << QList<int>{major} << QList<int>{} << false << "SH";
        QTest::newRow("four on four") << QList<int>{minor} << QList<int>{minor} << false << "EV";
        QTest::newRow("five on three") << QList<int>{} << QList<int>{minor, minor} << false << "PP";
        QTest::newRow("a misconduct costs no skater")
            << QList<int>{} << QList<int>{misconduct} << false << "EV";
        QTest::newRow("empty net") << QList<int>{} << QList<int>{} << true << "EN";
        QTest::newRow("short-handed into an empty net")
            << QList<int>{minor} << QList<int>{} << true << "SH EN";
    }
    void goalTypes() {
        QFETCH(QList<int>, awayPenalties);
        QFETCH(QList<int>, homePenalties);
        QFETCH(bool, homeNetEmpty);
        QFETCH(QString, type);
        PenaltyBox box;
        for (const int kind : awayPenalties)
            box.add(Team::Away, {}, static_cast<PenaltyKind>(kind));
        box.nextStoppage();  // called apart: nothing is matched
        for (const int kind : homePenalties)
            box.add(Team::Home, {}, static_cast<PenaltyKind>(kind));
        ScoreSheet sheet;
        sheet.setRoster(Team::Home, teamOf(QStringLiteral("Lynx"), QStringLiteral("LYN")));
        if (homeNetEmpty)
            sheet.setGoalie(Team::Home, kNobody, QStringLiteral("3"), QStringLiteral("01:00"));
        const GoalRow* goal = sheet.goal(sheet.addGoal(Team::Away, QStringLiteral("3"), {}, box, {}));
        QCOMPARE(goalTypeCode(goal->strength, goal->emptyNet), type);
        QCOMPARE(goal->goalieAgainst, homeNetEmpty ? kNobody : 30);
    }

    // A game played through the window's buttons and the Game menu: who was on the ice at each
    // goal, the goalie's shots, and undo taking a row back.
    void plusMinusOverAGame() {
        Game game;
        const QList<Roster> league{teamOf(QStringLiteral("Owls"), QStringLiteral("OWL")),
                                   teamOf(QStringLiteral("Lynx"), QStringLiteral("LYN"))};
        game.controller->setRosterSource([league](const QString& typed) -> std::optional<Roster> {
            const Roster* found = findRoster(league, typed);
            return found ? std::optional<Roster>(*found) : std::nullopt;
        });
        game.type(Control::AwayName, 1, QStringLiteral(" owls "));
        game.type(Control::HomeName, 1, QStringLiteral("Lynx"));
        GameController& play = *game.controller;
        game.click(Control::AwayShotButton);
        QVERIFY(play.scoreSheet().team(Team::Away).roster);
        QCOMPARE(play.scoreSheet().team(Team::Home).goalie, 30);

        game.click(Control::AwayGoalButton);  // line 1 and pair 1 against line 1 and pair 1
        play.nextLines();
        play.addPenalty(Team::Home, QStringLiteral("21 LW 21"), PenaltyKind::Minor, QStringLiteral("Hooking"),
                        21);
        game.click(Control::AwayGoalButton);  // a power-play goal: nobody's plus/minus
        play.nextLines();                     // back to line 1
        play.addPenalty(Team::Away, {}, PenaltyKind::Minor, {}, 13);
        play.addPenalty(Team::Home, {}, PenaltyKind::Minor, {}, 2);  // at one stoppage: 4 on 4
        game.click(Control::HomeGoalButton);
        play.changeGoalie(Team::Away, kNobody);
        game.click(Control::HomeGoalButton);  // into the empty net

        const QList<GoalRow>& goals = play.scoreSheet().goals();
        QCOMPARE(goals.size(), 4);
        QCOMPARE(goals[0].plus, (QList<int>{11, 12, 13, 2, 3}));
        QCOMPARE(goals[0].minus, (QList<int>{11, 12, 13, 2, 3}));
        QCOMPARE(goals[1].strength, GoalStrength::PowerPlay);
        QVERIFY(goals[1].plus.isEmpty() && goals[1].minus.isEmpty());
        QCOMPARE(goals[2].strength, GoalStrength::Even);
        QCOMPARE(goals[2].plus, (QList<int>{11, 12, 13, 3}));  // 2 sits in the box
        QCOMPARE(goals[2].minus, (QList<int>{11, 12, 2, 3}));  // and 13
        QCOMPARE(goalTypeCode(goals[3].strength, goals[3].emptyNet), QStringLiteral("EN"));
        QCOMPARE(goals[3].minus.size(), 4);
        QCOMPARE(play.scoreSheet().penaltyMinutesOf(Team::Home, 21), 2);
        QCOMPARE(play.scoreSheet().penalties()[0].endPeriod, QStringLiteral("1"));  // ended by the PP goal

        const QList<ShotsFaced> shots{{Team::Home, QStringLiteral("1"), 30, 1}};
        QCOMPARE(play.scoreSheet().shotsFaced(), shots);

        play.editGoal(1, 12, {12, 11, 2});  // the scorer is no assist of his own; two at most
        QCOMPARE(play.scoreSheet().goal(1)->scorer, 12);
        QCOMPARE(play.scoreSheet().goal(1)->assists, (QList<int>{11, 2}));
        QVERIFY(play.gameLog().entries().constLast().details.contains(QStringLiteral("12 C 12")));
        play.undo();
        QCOMPARE(play.scoreSheet().goal(1)->scorer, kNobody);
        play.undo();  // the empty-net goal
        QCOMPARE(play.scoreSheet().goals().size(), 3);
        play.redo();
        QCOMPARE(play.scoreSheet().goals().size(), 4);
    }
};

QTEST_MAIN(TestScoreSheet)
#include "tst_scoresheet.moc"
