// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The end of a game as the league counts it, played through the menus and the tool windows
// against a real league file: the league's overtime rules, End Game, the shoot-out, and the
// word of it in the log, the tool windows and the file.
#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "league/gamerecord.h"
#include "league/leaguestore.h"
#include "support/testkit.h"
#include "ui/leaguesettingswindow.h"
#include "ui/shootoutwindow.h"

Q_DECLARE_METATYPE(OvertimeRules)

namespace {

template <typename T>
T* child(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QLatin1String(name));
    Q_ASSERT(found);
    return found;
}

// The league's rules, chosen in League > Settings, and a new game that plays under them.
void startUnder(Game& game, const OvertimeRules& rules) {
    game.tools->openLeague();
    LeagueSettingsWindow& window = *game.tools->settingsWindow();
    child<QCheckBox>(window, "settingsSuddenDeath")->setChecked(rules.suddenDeath);
    child<QCheckBox>(window, "settingsShootout")->setChecked(rules.shootout);
    for (const auto& [name, value] : {std::pair{"settingsOvertimeMinutes", rules.minutes},
                                      std::pair{"settingsOvertimeSkaters", rules.skaters}}) {
        QComboBox* combo = child<QComboBox>(window, name);
        combo->setCurrentIndex(combo->findData(value));
    }
    game.trigger(QStringLiteral("mnuNewGame"));
}

// "next" is Next Period, "goal A" and "goal H" the goal buttons, "run" timed flips until the
// clock stops or the league counts the game final.
void play(Game& game, const QString& actions) {
    for (const QString& action : actions.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString a = action.trimmed();
        if (a == QLatin1String("next")) {
            game.click(Control::NextPeriodButton);
        } else if (a == QLatin1String("goal A")) {
            game.click(Control::AwayGoalButton);
        } else if (a == QLatin1String("goal H")) {
            game.click(Control::HomeGoalButton);
        } else if (a == QLatin1String("run")) {
            for (int flips = 0;
                 flips < 1000 && game.visible(Control::TimedFlipButton) && !game.controller->outcome().final;
                 ++flips)
                game.click(Control::TimedFlipButton);
        } else {
            qFatal("unknown action %s", qPrintable(a));
        }
    }
}

int finalsLogged(const Game& game) {
    int finals = 0;
    for (const LogEntry& entry : game.controller->gameLog().entries())
        finals += entry.event == LogEntry::Event(LogEvent::Final) ? 1 : 0;
    return finals;
}

std::optional<GameState> keptState(Game& game) {
    const auto read = game.tools->league().store()->readGame(game.controller->board().gameId);
    const auto* record = std::get_if<GameRecord>(&read);
    return record ? std::optional(record->state) : std::nullopt;
}

// The status line the tool windows show; empty when it is hidden or not there.
QString statusOf(QWidget& window) {
    const auto* line = window.findChild<QLabel*>(QStringLiteral("toolStatus"));
    return line && !line->isHidden() ? line->text() : QString();
}

OvertimeRules rules(bool suddenDeath, int minutes, int skaters, bool shootout) {
    return {suddenDeath, minutes, skaters, shootout};
}

}  // namespace

class TestSeason : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useOwnSettingsFolder(); }

    void overtimeRules_data() {
        QTest::addColumn<OvertimeRules>("rules");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("verdict");  // empty: in progress
        QTest::addColumn<int>("finals");       // "Final" entries in the log

        const OvertimeRules plain;
        QTest::newRow("won in regulation") << plain << "goal A; next; next; run"
                                           << "Final: Away 1, Home 0" << 1;
        QTest::newRow("level after three plays on") << plain << "next; next; run"
                                                    << "" << 0;
        QTest::newRow("another period reopens it") << plain << "goal A; next; next; run; next"
                                                   << "" << 1;
        QTest::newRow("a goal in overtime without sudden death") << plain << "next; next; next; goal H"
                                                                 << "" << 0;
        QTest::newRow("sudden death ends it at the goal")
            << rules(true, 20, 5, false) << "next; next; next; goal H"
            << "Final: Away 0, Home 1, OT" << 1;
        QTest::newRow("5:00 ends level at 15:00") << rules(false, 5, 3, false) << "next; next; next; run"
                                                  << "Final: Away 0, Home 0, OT" << 1;
        QTest::newRow("level after overtime waits for the shoot-out")
            << rules(true, 5, 3, true) << "next; next; next; run"
            << "" << 0;
    }
    void overtimeRules() {
        QFETCH(OvertimeRules, rules);
        QFETCH(QString, actions);
        QFETCH(QString, verdict);
        QFETCH(int, finals);
        Game game;
        startUnder(game, rules);
        QCOMPARE(game.controller->scoreSheet().rules(), rules);
        play(game, actions);

        QCOMPARE(verdictText(game.controller->outcome(), game.fields().snapshot()), verdict);
        QCOMPARE(finalsLogged(game), finals);
        QCOMPARE(keptState(game), verdict.isEmpty() ? GameState::InProgress : GameState::Final);
        QCOMPARE(statusOf(game.tools->logWindow()), verdict);
    }

    // Undo takes back the goal that ended the game, and the game with it; Redo ends it again.
    void undoReopensTheGame() {
        Game game;
        startUnder(game, rules(true, 20, 4, false));
        play(game, QStringLiteral("next; next; next"));
        QCOMPARE(game.controller->penaltyBox().strength(), QStringLiteral("4 on 4"));
        play(game, QStringLiteral("goal A"));
        QCOMPARE(keptState(game), GameState::Final);
        game.controller->undo();
        QCOMPARE(keptState(game), GameState::InProgress);
        QCOMPARE(statusOf(game.tools->penaltyBoxWindow()), QString());
        game.controller->redo();
        QCOMPARE(keptState(game), GameState::Final);
        QCOMPARE(statusOf(game.tools->penaltyBoxWindow()), QStringLiteral("Final: Away 1, Home 0, OT"));
        QCOMPARE(finalsLogged(game), 1);
    }

    // End Game after the question, whatever the score; an undo step, and play after it opens
    // the game again.
    void endGame() {
        Game game;
        game.tools->openLeague();
        play(game, QStringLiteral("goal H"));

        game.dialogs.answers.push_back(MessageAnswer::No);
        game.trigger(QStringLiteral("mnuEndGame"));
        QCOMPARE(game.controller->history().undoName(), QStringLiteral("Home Goal"));
        QCOMPARE(keptState(game), GameState::InProgress);

        game.dialogs.answers.push_back(MessageAnswer::Yes);
        game.trigger(QStringLiteral("mnuEndGame"));
        QCOMPARE(game.dialogs.messages.last().buttons, MessageButtons::YesNo);
        QCOMPARE(keptState(game), GameState::Final);
        QCOMPARE(game.controller->history().undoName(), QStringLiteral("End Game"));
        QCOMPARE(game.controller->gameLog().entries().constLast().details,
                 QStringLiteral("Final: Away 0, Home 1"));

        game.controller->undo();
        QCOMPARE(keptState(game), GameState::InProgress);
        game.controller->redo();
        QCOMPARE(keptState(game), GameState::Final);
        play(game, QStringLiteral("goal A"));
        QCOMPARE(keptState(game), GameState::InProgress);
    }

    // The attempts go in through the window's buttons, the team taking turns; the winner gets
    // one goal in the league's score and none on the window's SCORE table.
    void shootout_data() {
        QTest::addColumn<QString>("results");  // 1 a goal, 0 a miss, Away first
        QTest::addColumn<int>("attempts");     // those the game took
        QTest::addColumn<QString>("verdict");

        QTest::newRow("undecided") << "1 1" << 2 << "";
        QTest::newRow("out of reach after four") << "1 0 1 0 1 1" << 4 << "Final: Away 1, Home 0, SO";
        QTest::newRow("home after three rounds") << "0 0 1 1 0 1" << 6 << "Final: Away 0, Home 1, SO";
        QTest::newRow("round by round") << "1 1 0 0 0 0 0 0 1 0" << 10 << "Final: Away 1, Home 0, SO";
        QTest::newRow("a round both miss decides nothing") << "0 0 0 0 0 0 0 0" << 8 << "";
    }
    void shootout() {
        QFETCH(QString, results);
        QFETCH(int, attempts);
        QFETCH(QString, verdict);
        Game game;
        startUnder(game, rules(false, 5, 3, true));
        play(game, QStringLiteral("next; next; next; run"));
        const QString awayScore = game.text(Control::AwayTotal, 2);
        const QString homeScore = game.text(Control::HomeTotal, 2);

        game.trigger(QStringLiteral("mnuShootout"));
        ShootoutWindow& window = game.tools->shootoutWindow();
        QCOMPARE(child<QLabel>(window, "shootoutCard")->text(),
                 game.text(Control::Shootout).trimmed().isEmpty() ? QStringLiteral("(nothing)")
                                                                  : game.text(Control::Shootout).trimmed());
        for (const QString& result : results.split(QLatin1Char(' '))) {
            QPushButton* button =
                child<QPushButton>(window, result == QLatin1String("1") ? "shootoutGoal" : "shootoutNoGoal");
            if (button->isEnabled())
                QTest::mouseClick(button, Qt::LeftButton);
        }

        QCOMPARE(game.controller->scoreSheet().shootout().size(), attempts);
        QCOMPARE(verdictText(game.controller->outcome(), game.fields().snapshot()), verdict);
        QCOMPARE(game.text(Control::AwayTotal, 2), awayScore);
        QCOMPARE(game.text(Control::HomeTotal, 2), homeScore);
        QCOMPARE(keptState(game), verdict.isEmpty() ? GameState::InProgress : GameState::Final);
        QCOMPARE(statusOf(window), verdict);
        // The attempts are on the sheet the league keeps.
        const auto read = game.tools->league().store()->readGame(game.controller->board().gameId);
        QCOMPARE(std::get<GameRecord>(read).board.sheet, game.controller->scoreSheet());
        // Each attempt is a step of its own.
        game.controller->undo();
        QCOMPARE(game.controller->scoreSheet().shootout().size(), attempts - 1);
    }

    // Changing the rules during a game: the game plays on under its own, the next takes them.
    void rulesTakeEffectFromTheNextGame() {
        Game game;
        startUnder(game, rules(false, 20, 5, false));
        play(game, QStringLiteral("goal A"));
        LeagueSettingsWindow& window = *game.tools->settingsWindow();
        child<QCheckBox>(window, "settingsSuddenDeath")->setChecked(true);
        QCOMPARE(game.tools->league().store()->overtimeRules(), rules(true, 20, 5, false));
        QCOMPARE(game.controller->scoreSheet().rules(), OvertimeRules());
        game.trigger(QStringLiteral("mnuNewGame"));
        QCOMPARE(game.controller->scoreSheet().rules(), rules(true, 20, 5, false));
    }

    // The rules, End Game and the shoot-out came to the sheet later: a sheet kept without them
    // reads with the defaults, and one that garbles them is refused.
    void sheetKeysRead_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("value");  // JSON; empty: the key left out
        QTest::addColumn<bool>("read");
        QTest::newRow("no rules") << "rules" << QByteArray() << true;
        QTest::newRow("no shoot-out") << "shootout" << QByteArray() << true;
        QTest::newRow("no End Game") << "endedByHand" << QByteArray() << true;
        QTest::newRow("a 7:00 overtime") << "rules"
                                         << QByteArray(R"({"suddenDeath":true,"minutes":7,"skaters":3,)"
                                                       R"("shootout":true})")
                                         << false;
        QTest::newRow("two on two") << "rules"
                                    << QByteArray(R"({"suddenDeath":true,"minutes":5,"skaters":2,)"
                                                  R"("shootout":true})")
                                    << false;
        QTest::newRow("an attempt of nobody's team")
            << "shootout" << QByteArray(R"([{"team":"x","shooter":-1,"goalie":-1,"scored":true}])") << false;
        QTest::newRow("End Game as text") << "endedByHand" << QByteArray(R"("yes")") << false;
    }
    void sheetKeysRead() {
        QFETCH(QString, key);
        QFETCH(QByteArray, value);
        QFETCH(bool, read);
        QJsonObject sheet = QJsonDocument::fromJson(GameCodec::encodeSheet(ScoreSheet())).object();
        sheet.remove(key);
        if (!value.isEmpty())
            sheet.insert(key, QJsonDocument::fromJson("[" + value + "]").array().at(0));
        const auto decoded = GameCodec::decodeSheet(QJsonDocument(sheet).toJson(QJsonDocument::Compact));
        QCOMPARE(std::holds_alternative<ScoreSheet>(decoded), read);
        if (read)
            QCOMPARE(std::get<ScoreSheet>(decoded), ScoreSheet());
    }
};

QTEST_MAIN(TestSeason)
#include "tst_season.moc"
