// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The score sheet's windows: who is on the ice and what the card says of them, Next Lines by
// its key, a goal's scorer and assists, and the penalty box's player from the roster.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "deck/cardrecord.h"
#include "support/testkit.h"
#include "ui/shootoutwindow.h"

namespace {

// Forward lines 1 to 3 (LW 11, C 12, RW 13 on the first), pairs 1 and 2 (41 42, 51 52),
// goalies 1 and 35, and 99 on no line. Each player is named P and his number.
Roster roster(const QString& name) {
    Roster built{name, name.left(3), {}, {}};
    const auto add = [&built](int number, Position position, int line, IcePosition at) {
        built.players.append({number, QStringLiteral("P%1").arg(number), position});
        if (line > 0)
            built.lines.setPlayer({line, at}, number);
    };
    for (int line = 1; line <= 3; ++line) {
        add(line * 10 + 1, Position::LW, line, IcePosition::LW);
        add(line * 10 + 2, Position::C, line, IcePosition::C);
        add(line * 10 + 3, Position::RW, line, IcePosition::RW);
    }
    for (int pair = 1; pair <= 2; ++pair) {
        add(pair * 10 + 31, Position::D, pair, IcePosition::LD);
        add(pair * 10 + 32, Position::D, pair, IcePosition::RD);
    }
    add(1, Position::G, 1, IcePosition::G);
    add(35, Position::G, 2, IcePosition::G);
    add(99, Position::C, 0, IcePosition::C);
    return built;
}

template <typename T>
T* child(const QWidget& window, const QString& name) {
    T* widget = window.findChild<T*>(name);
    if (!widget)
        qFatal("no %s", qPrintable(name));
    return widget;
}

// The six places of a team, LW to G, joined by "|": the players, or the card's words.
QString places(const QWidget& window, const QString& team, const QString& suffix = {}) {
    QStringList texts;
    for (const char* place : {"LW", "C", "RW", "LD", "RD", "G"})
        texts.append(child<QLabel>(window, QStringLiteral("onIce%1%2%3").arg(team, place, suffix))->text());
    return texts.join(u'|');
}

QString items(const QComboBox* combo) {
    QStringList texts;
    for (int row = 0; row < combo->count(); ++row)
        texts.append(combo->itemText(row));
    return texts.join(u'|');
}

// The teams typed as "Bears" and "Wolves", both with their rosters.
void playWithRosters(Game& game) {
    game.controller->setRosterSource([](const QString& typed) -> std::optional<Roster> {
        for (const QString& name : {QStringLiteral("Bears"), QStringLiteral("Wolves")}) {
            if (roster(name).answersTo(typed))
                return roster(name);
        }
        return std::nullopt;
    });
    game.type(Control::AwayName, 1, QStringLiteral("Bears"));
    game.type(Control::HomeName, 1, QStringLiteral("Wolves"));
    game.controller->finishTyping();
    game.controller->updateRosters();
}

// A key pressed with the focus in the main window.
void press(Game& game, QKeyCombination key) {
    QApplication::setActiveWindow(game.window.get());
    game.window->widgetOf(Control::FlipButton)->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
}

}  // namespace

class TestSheetWindows : public QObject {
    Q_OBJECT

private slots:
    // The lines on the ice give the players; one in the box leaves his place empty.
    void showsThePlayersOnTheIce_data() {
        QTest::addColumn<LinesOnIce>("onIce");
        QTest::addColumn<int>("inBox");
        QTest::addColumn<bool>("netEmpty");
        QTest::addColumn<QString>("away");
        const auto row = [](const char* name, LinesOnIce onIce, int inBox, bool netEmpty, const char* away) {
            QTest::newRow(name) << onIce << inBox << netEmpty << QString(away);
        };
        row("first lines", {1, 1, 1}, kNobody, false, "11 P11|12 P12|13 P13|41 P41|42 P42|1 P1");
        row("third line, second pair", {3, 2, 1}, kNobody, false, "31 P31|32 P32|33 P33|51 P51|52 P52|1 P1");
        row("centre in the box", {1, 1, 1}, 12, false, "11 P11||13 P13|41 P41|42 P42|1 P1");
        row("net empty", {1, 2, 1}, kNobody, true, "11 P11|12 P12|13 P13|51 P51|52 P52|Empty net");
    }
    void showsThePlayersOnTheIce() {
        QFETCH(LinesOnIce, onIce);
        QFETCH(int, inBox);
        QFETCH(bool, netEmpty);
        QFETCH(QString, away);
        ScoreSheet sheet;
        sheet.setRoster(Team::Away, roster(QStringLiteral("Bears")));
        sheet.setLines(Team::Away, onIce);
        if (netEmpty)
            sheet.setGoalie(Team::Away, kNobody, QStringLiteral("3"), QStringLiteral("1:00"));
        PenaltyBox box;
        box.add(Team::Away, QString(), PenaltyKind::Minor, {}, inBox);
        OnIceWindow window;
        window.display(sheet, box, {QStringLiteral("Bears"), {}, {}});

        QCOMPARE(places(window, "Away"), away);
        // Only the lines that exist are offered.
        QCOMPARE(items(child<QComboBox>(window, "onIceAwayForwards")),
                 QStringLiteral("Line 1|Line 2|Line 3"));
        QCOMPARE(items(child<QComboBox>(window, "onIceAwayGoalie")),
                 QStringLiteral("1 P1|35 P35|Empty net (extra attacker)"));
        // The home team has no roster, and says so.
        QCOMPARE(child<QGroupBox>(window, "onIceHome")->title(), QStringLiteral("Home"));
        QVERIFY(!child<QLabel>(window, "onIceHomeNoRoster")->isHidden());
        QVERIFY(child<QLabel>(window, "onIceAwayNoRoster")->isHidden());
    }

    // The card's words stand beside the places it names, for the team it means.
    void showsTheCardsWordsByThePlaces_data() {
        QTest::addColumn<QStringList>("cells");  // pass, loose puck, faceoff, assists
        QTest::addColumn<int>("puck");           // either team, away, home
        QTest::addColumn<QString>("away");
        QTest::addColumn<QString>("home");
        const auto row = [](const char* name, QStringList cells, int puck, const char* away,
                            const char* home) {
            QTest::newRow(name) << cells << puck << QString(away) << QString(home);
        };
        row("a pass, either team", {"RW", "", "", ""}, 0, "||PASS TO RW|||", "||PASS TO RW|||");
        row("a pass, home attacks", {"RW", "", "", ""}, 2, "|||||", "||PASS TO RW|||");
        row("loose puck to the defence", {"", "Defence - RD", "", ""}, 2, "||||Loose puck|", "|||||");
        row("the home centre wins", {"", "", "Home C wins", ""}, 1, "|||||", "|Faceoff||||");
        row("assists and a pass", {"C", "Frozen - faceoff", "Top FO wins", "LW + C"}, 1,
            "AST|PASS TO C, AST||||", "|||||");
    }
    void showsTheCardsWordsByThePlaces() {
        QFETCH(QStringList, cells);
        QFETCH(int, puck);
        CardRecord upper, lower;
        upper.passTo1 = cells[0];
        upper.loosePuck = cells[1];
        lower.faceoff = cells[2];
        lower.assists = cells[3];
        OnIceWindow window;
        child<QComboBox>(window, "onIcePuck")->setCurrentIndex(puck);
        window.display(ScoreSheet(), PenaltyBox(), {{}, {}, positionsOnShow(upper, lower)});
        QTEST(places(window, "Away", "Card"), "away");
        QTEST(places(window, "Home", "Card"), "home");
    }

    // F4 moves both teams to their next lines, over the lines that exist, and only that.
    void nextLinesByKey_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("forwardLine");
        QTest::addColumn<int>("pair");
        QTest::newRow("once") << "F4" << 2 << 2;
        QTest::newRow("twice") << "F4 F4" << 3 << 1;
        QTest::newRow("back to the first line") << "F4 F4 F4" << 1 << 2;
        QTest::newRow("undone") << "F4 F4 Ctrl+Z" << 2 << 2;
        QTest::newRow("the away line picked, then the next") << "Down F4" << 3 << 2;
    }
    void nextLinesByKey() {
        QFETCH(QString, keys);
        QFETCH(int, forwardLine);
        QFETCH(int, pair);
        Game game;
        playWithRosters(game);
        while (!game.visible(Control::ChangeLines) && game.visible(Control::TimedFlipButton))
            game.click(Control::TimedFlipButton);
        const QString prompt = game.text(Control::ChangeLines);
        press(game, Qt::CTRL | Qt::Key_I);
        OnIceWindow& onIce = game.tools->onIceWindow();
        for (const QString& key : keys.split(u' ')) {
            if (key == QLatin1String("Down"))
                QTest::keyClick(child<QComboBox>(onIce, "onIceAwayForwards"), Qt::Key_Down);
            else
                press(game, QKeySequence(key)[0]);
        }
        const ScoreSheet& sheet = game.controller->scoreSheet();
        QCOMPARE(sheet.team(Team::Away).onIce, (LinesOnIce{forwardLine, pair, 1}));
        QCOMPARE(sheet.team(Team::Home).onIce.defencePair, pair);
        QCOMPARE(child<QLabel>(onIce, "onIceAwayC")->text(),
                 QStringLiteral("%1 P%1").arg(forwardLine * 10 + 2));
        QVERIFY(game.visible(Control::ChangeLines));
        QCOMPARE(game.text(Control::ChangeLines), prompt);
    }

    // The scorer is picked from the scoring team, those on the ice at the goal first, though the
    // other team's goal has let a player out of the box since; a player sent to the box
    // through its window is off the ice. OK is one step, which Ctrl+Z takes back.
    void goalDetails_data() {
        QTest::addColumn<bool>("centreInBox");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("scorers");
        const QString rest = "21 P21|22 P22|23 P23|31 P31|32 P32|33 P33|35 P35|51 P51|52 P52|99 P99";
        QTest::newRow("five on five") << false << "EV"
                                      << "Unknown|11 P11|12 P12|13 P13|41 P41|42 P42|1 P1|" + rest;
        QTest::newRow("the centre in the box") << true << "SH"
                                               << "Unknown|11 P11|13 P13|41 P41|42 P42|1 P1|12 P12|" + rest;
    }
    void goalDetails() {
        QFETCH(bool, centreInBox);
        QFETCH(QString, scorers);
        Game game;
        playWithRosters(game);
        if (centreInBox) {
            press(game, Qt::CTRL | Qt::Key_B);
            PenaltyBoxWindow& box = game.tools->penaltyBoxWindow();
            auto* players = child<QComboBox>(box, "penaltyPlayerList");
            players->setCurrentIndex(players->findText("12 P12"));
            child<QPushButton>(box, "penaltyAdd")->click();
        }
        press(game, Qt::SHIFT | Qt::Key_F7);
        press(game, Qt::SHIFT | Qt::Key_F8);
        press(game, Qt::CTRL | Qt::Key_G);
        GoalDetailsWindow& details = game.tools->goalDetailsWindow();
        QVERIFY(details.isVisible());
        auto* goals = child<QComboBox>(details, "goalDetailsGoal");
        QCOMPARE(items(goals), QStringLiteral("1. 1st 20:00 Bears|2. 1st 20:00 Wolves"));
        QCOMPARE(goals->currentIndex(), 1);
        goals->setCurrentIndex(0);
        QTEST(child<QLabel>(details, "goalDetailsType")->text(), "type");
        QCOMPARE(items(child<QComboBox>(details, "goalDetailsScorer")), scorers);
        QCOMPARE(items(child<QComboBox>(details, "goalDetailsAssist2")), scorers.replace("Unknown", "None"));

        for (const auto& [combo, player] : {std::pair{"goalDetailsScorer", "13 P13"},
                                            {"goalDetailsAssist1", "None"},
                                            {"goalDetailsAssist2", "41 P41"}}) {
            auto* box = child<QComboBox>(details, combo);
            box->setCurrentIndex(box->findText(player));
        }
        const size_t steps = game.controller->history().stepCount();
        child<QPushButton>(details, "goalDetailsOk")->click();
        QVERIFY(!details.isVisible());
        const ScoreSheet& sheet = game.controller->scoreSheet();
        QCOMPARE(sheet.goal(1)->scorer, 13);
        QCOMPARE(sheet.goal(1)->assists, QList<int>{41});
        QCOMPARE(sheet.goal(2)->scorer, kNobody);
        QCOMPARE(game.controller->history().stepCount(), steps + 1);
        press(game, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(game.controller->scoreSheet().goal(1)->scorer, kNobody);
        QCOMPARE(game.controller->scoreSheet().goal(1)->assists, QList<int>{});
    }

    // The penalty box's player names the roster's number only when the text is a roster entry
    // of the team chosen; a new state of the game keeps what is typed or picked.
    void penaltyBoxPassesTheRosterNumber_data() {
        QTest::addColumn<bool>("home");
        QTest::addColumn<int>("picked");  // a row of the list, or -1 to type
        QTest::addColumn<QString>("player");
        QTest::addColumn<int>("number");
        QTest::newRow("picked from the list") << false << 1 << "11 P11" << 11;
        QTest::newRow("typed as listed") << false << -1 << "12 P12" << 12;
        QTest::newRow("the number alone") << false << -1 << "12" << kNobody;
        QTest::newRow("a player of the other team") << true << -1 << "12 P12" << kNobody;
        QTest::newRow("picked for the home team") << true << 0 << "7 P7" << 7;
    }
    void penaltyBoxPassesTheRosterNumber() {
        QFETCH(bool, home);
        QFETCH(int, picked);
        QFETCH(QString, player);
        PenaltyBoxWindow window;
        QSignalSpy added(&window, &PenaltyBoxWindow::addRequested);
        const QList<RosterEntry> away = {{12, "P12", Position::C}, {11, "P11", Position::LW}};
        window.showRosters(away, {{7, "P7", Position::D}});
        child<QRadioButton>(window, home ? "penaltyTeamHome" : "penaltyTeamAway")->click();
        auto* list = child<QComboBox>(window, "penaltyPlayerList");
        QCOMPARE(items(list), home ? QStringLiteral("7 P7") : QStringLiteral("12 P12|11 P11"));
        QCOMPARE(list->currentText(), QString());
        if (picked >= 0)
            list->setCurrentIndex(picked);
        else
            QTest::keyClicks(child<QLineEdit>(window, "penaltyPlayer"), player);
        window.showRosters(QList<RosterEntry>{{5, "P5", Position::C}} + away, {{8, "P8", Position::D}});
        window.showRosters(away, {{7, "P7", Position::D}});
        QTest::keyClick(child<QLineEdit>(window, "penaltyPlayer"), Qt::Key_Return);
        QCOMPARE(added.size(), 1);
        QCOMPARE(added.at(0).at(1).toString(), player);
        QTEST(added.at(0).at(4).toInt(), "number");
    }

    // The shoot-out window offers the next shooter: lines first, nobody twice before everyone
    // has shot once.
    void shootoutOffersTheNextShooter_data() {
        QTest::addColumn<QList<int>>("shot");  // the Bears' shooters so far
        QTest::addColumn<int>("next");
        QTest::newRow("first") << QList<int>{} << 11;
        QTest::newRow("after the first") << QList<int>{11} << 12;
        QTest::newRow("out of turn") << QList<int>{12, 11, 13} << 21;
        QTest::newRow("defence after forwards") << QList<int>{11, 12, 13, 21, 22, 23, 31, 32, 33} << 41;
        QTest::newRow("one off no line last")
            << QList<int>{11, 12, 13, 21, 22, 23, 31, 32, 33, 41, 42, 51, 52} << 99;
        QTest::newRow("all once, round again")
            << QList<int>{11, 12, 13, 21, 22, 23, 31, 32, 33, 41, 42, 51, 52, 99} << 11;
    }
    void shootoutOffersTheNextShooter() {
        QFETCH(QList<int>, shot);
        ScoreSheet sheet;
        sheet.setRoster(Team::Away, roster(QStringLiteral("Bears")));
        sheet.setRoster(Team::Home, roster(QStringLiteral("Wolves")));
        for (const int number : shot) {
            sheet.addShootoutAttempt({Team::Away, number, 1, false});
            sheet.addShootoutAttempt({Team::Home, 12, 1, false});
        }
        GameOutcome outcome;
        outcome.shootoutNeeded = true;
        ShootoutWindow window;
        window.display(sheet, outcome, {QStringLiteral("Bears"), QStringLiteral("Wolves"), {}});
        QCOMPARE(child<QComboBox>(window, "shootoutTeam")->currentText(), QStringLiteral("Bears"));
        QTEST(child<QComboBox>(window, "shootoutShooter")->currentData().toInt(), "next");
    }
};

QTEST_MAIN(TestSheetWindows)
#include "tst_sheetwindows.moc"
