// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The League menu and the list of games: where the menu sits, its marked problem, the list's
// Resume and Delete, which asks first, and the league kept by the running program.
#include <QDialog>
#include <QEventLoop>
#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/program.h"
#include "league/gamesmodel.h"
#include "support/leagueboard.h"
#include "support/testkit.h"
#include "ui/gameswindow.h"
#include "ui/leaguemenu.h"

namespace {

// A game with a bit of everything: names, flips, a shot, a goal, a penalty.
void play(Game& game, const QString& away) {
    game.type(Control::AwayName, 1, away);
    game.controller->finishTyping();
    for (int i = 0; i < 4; ++i)
        game.click(Control::TimedFlipButton);
    game.click(Control::HomeShotButton);
    game.click(Control::AwayGoalButton);
    game.controller->addPenalty(Team::Home, QStringLiteral("Smith"), PenaltyKind::Minor);
    game.click(Control::TimedFlipButton);
}

QString leagueFile(Game& game) {
    return game.path(QString::fromLatin1(LeagueStore::kFileName));
}

}  // namespace

class TestGamesWindow : public QObject {
    Q_OBJECT

private slots:
    void menuSitsBetweenGameAndHelp() {
        Game game;
        LeagueMenu& league = game.tools->leagueMenu();
        QStringList titles;
        for (QAction* title : game.window->menuBar()->actions())
            titles << title->text();
        QCOMPARE(titles, (QStringList{"File", "&Game", "&League", "&Help"}));
        QStringList items;
        for (QAction* item : league.menu()->actions())
            items << item->text();
        QCOMPARE(items, (QStringList{"Games…", "Teams…", "Standings…", "Leaders…", "Settings…", "",
                                     "New League…", "Open League…", "Import Games…"}));
        league.showProblem(QStringLiteral("The league file /x/league.sqlite cannot be written."));
        QCOMPARE(league.menu()->actions().last()->text(),
                 QStringLiteral("The league file /x/league.sqlite cannot be written."));
        league.showProblem({});
        QCOMPARE(league.menu()->actions().size(), 9);
    }

    void resumeAndDeleteAfterTheQuestion() {
        QTemporaryDir dir;
        LeagueStore store(dir.path());
        QCOMPARE(store.open().value_or(QString()), QString());
        const QStringList ids = {LeagueStore::newGameId(), LeagueStore::newGameId(),
                                 LeagueStore::newGameId()};
        for (const QString& id : ids)
            QVERIFY(store.writeStep(id, boardAtStep(1), {entryAtStep(1)}));
        GamesModel model(store);
        ScriptedDialogs dialogs;
        GamesWindow window(model, dialogs);
        QStringList resumed, deleted;
        connect(&window, &GamesWindow::resumeRequested, [&](const QString& id) { resumed << id; });
        connect(&window, &GamesWindow::deleteRequested, [&](const QString& id) { deleted << id; });
        window.show();
        QCOMPARE(model.rowCount(), 3);
        auto* resume = window.findChild<QPushButton*>(QStringLiteral("cmdResume"));
        auto* remove = window.findChild<QPushButton*>(QStringLiteral("cmdDeleteGame"));
        QTest::mouseClick(resume, Qt::LeftButton);
        QCOMPARE(resumed, QStringList{model.gameId(0)});

        window.table()->selectRow(2);
        QTest::mouseClick(remove, Qt::LeftButton);  // answered No
        QVERIFY(deleted.isEmpty());
        QVERIFY(dialogs.messages.last().text.contains(QStringLiteral("Bears \"B\", Åre")));
        dialogs.answers.push_back(MessageAnswer::Yes);
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(deleted, QStringList{model.gameId(2)});

        window.setDeleteAllowed(false);
        QVERIFY(!remove->isEnabled());
    }

    void startAndQuitLeavesNoGame() {
        auto game = std::make_unique<Game>();
        game->tools->openLeague();
        game->trigger(QStringLiteral("mnuNewGame"));
        QCOMPARE(game->tools->league().store()->games().size(), 0);
        game->click(Control::FlipButton);
        QCOMPARE(game->tools->league().store()->games().size(), 1);
    }

    // A game played, the program gone, and the game resumed by the next one: the same board,
    // deck, penalty box and log.
    void resumeAfterARestartGivesTheSameGame() {
        auto first = std::make_unique<Game>();
        first->tools->openLeague();
        play(*first, QStringLiteral("Lynx"));
        const BoardState before = first->controller->board();
        const QList<LogEntry> log = first->controller->gameLog().entries();
        const QString folder = first->dir.path();
        first->tools.reset();

        Game second(deckText(200), true,
                    [&](Game& next) { QVERIFY(QFile::copy(folder + "/league.sqlite", leagueFile(next))); });
        second.tools->openLeague();
        QCOMPARE(second.tools->league().resume(before.gameId), std::nullopt);
        BoardState after = second.controller->board();
        GameCodec::keepProgramFields(after.fields, before.fields);
        QCOMPARE(after.fields, before.fields);
        QCOMPARE(after.deck, before.deck);
        QCOMPARE(after.penalties.penalties(), before.penalties.penalties());
        QCOMPARE(after.penalties.nextId(), before.penalties.nextId());
        QCOMPARE(second.controller->gameLog().entries().mid(0, log.size()), log);
        QCOMPARE(second.controller->gameLog().entries().last().event, LogEntry::Event{Command::ResumeGame});
    }

    // Save, play on, start another game, then Load of that file: the box and the log as at the
    // save come back; the deck and the card on show stay as they were.
    void loadOfAGamesSaveBringsBackItsBoxAndLog() {
        Game game;
        game.tools->openLeague();
        play(game, QStringLiteral("Lynx"));
        const QString file = game.path("lynx.TVN");
        game.controller->saveGameTo(file);
        const BoardState saved = game.controller->board();
        const int nextPenaltyAtSave = saved.penalties.nextId();
        const QList<LogEntry> logAtSave = game.controller->gameLog().entries();
        game.controller->addPenalty(Team::Away, QStringLiteral("Jones"), PenaltyKind::Major);
        game.trigger(QStringLiteral("mnuNewGame"));
        game.click(Control::FlipButton);
        const BoardState other = game.controller->board();

        game.load(file);
        const BoardState loaded = game.controller->board();
        QCOMPARE(loaded.gameId, saved.gameId);
        QCOMPARE(loaded.penalties.penalties(), saved.penalties.penalties());
        QCOMPARE(loaded.penalties.nextId(), nextPenaltyAtSave);
        QCOMPARE(loaded.deck, other.deck);
        QCOMPARE(game.text(Control::UpperNumber),
                 other.fields[GameCodec::slotOf(Control::UpperNumber, 0)].text);
        const QList<LogEntry> log = game.controller->gameLog().entries();
        QCOMPARE(log.mid(0, logAtSave.size()), logAtSave);
        QCOMPARE(log.size(), logAtSave.size() + 1);
        // The league holds the game as it goes on from the save: what came after it is gone.
        const auto stored = game.tools->league().store()->readGame(saved.gameId);
        QCOMPARE(std::get<GameRecord>(stored).log, log);

        // A file no game saved starts a game of its own, with an empty box.
        writeFile(game.path("lynx2.TVN"), readAll(file).replace("Lynx", "Puma"));
        game.load(game.path("lynx2.TVN"));
        QVERIFY(game.controller->board().gameId != saved.gameId);
        QVERIFY(game.controller->penaltyBox().penalties().isEmpty());
        QCOMPARE(game.controller->gameLog().entries().size(), 1);
    }

    // Undo after Resume or Load brings back the game that was on the board, with its log.
    void undoBringsBackTheGameOnTheBoard_data() {
        QTest::addColumn<bool>("resume");
        QTest::newRow("resume") << true;
        QTest::newRow("load") << false;
    }
    void undoBringsBackTheGameOnTheBoard() {
        QFETCH(bool, resume);
        Game game;
        game.tools->openLeague();
        play(game, QStringLiteral("Lynx"));
        const QString file = game.path("lynx.TVN");
        game.controller->saveGameTo(file);
        const QString firstId = game.controller->board().gameId;
        game.trigger(QStringLiteral("mnuNewGame"));
        play(game, QStringLiteral("Puma"));
        const BoardState before = game.controller->board();
        const QList<LogEntry> log = game.controller->gameLog().entries();

        if (resume)
            QCOMPARE(game.tools->league().resume(firstId), std::nullopt);
        else
            game.load(file);
        QCOMPARE(game.controller->board().gameId, firstId);
        game.controller->undo();
        QCOMPARE(game.controller->board(), before);
        QCOMPARE(game.controller->gameLog().entries().mid(0, log.size()), log);
        QCOMPARE(game.tools->league().store()->readGame(before.gameId).index(), 0u);
    }

    // A league file that is not a database: one message as it opens, then play and the
    // specified commands go on without a box of the league's.
    void aBrokenFileIsToldOnceAndNeverInACommand() {
        Game game(deckText(200), true,
                  [](Game& next) { writeFile(leagueFile(next), QByteArray(4096, 'x')); });
        game.tools->openLeague();
        QCOMPARE(game.dialogs.messages.size(), 1);
        QVERIFY(game.dialogs.messages.first().text.contains(leagueFile(game)));
        play(game, QStringLiteral("Lynx"));
        game.trigger(QStringLiteral("mnuNewGame"));
        game.controller->saveGameTo(game.path("a.TVN"));
        game.load(game.path("a.TVN"));
        QCOMPARE(game.dialogs.messages.size(), 3);  // Save's and Load's own
        for (const ScriptedDialogs::Shown& shown : game.dialogs.messages.mid(1))
            QVERIFY(!shown.text.contains(QString::fromLatin1(LeagueStore::kFileName)));
        QCOMPARE(game.tools->league().store()->games().size(), 2);
    }

    // Damage found by the check behind play waits for the box on the screen, or the box a
    // command waits in, to close.
    void damageFoundLaterWaitsForTheOpenBox_data() {
        QTest::addColumn<bool>("modal");
        QTest::newRow("a modal box") << true;
        QTest::newRow("a command's own loop") << false;
    }
    void damageFoundLaterWaitsForTheOpenBox() {
        QFETCH(bool, modal);
        Game game;
        game.tools->openLeague();
        QDialog box(game.window.get());
        QEventLoop programLoop, commandLoop;
        qsizetype toldInside = -1;
        QTimer::singleShot(0, [&] {
            QTimer::singleShot(0, [&] {
                emit game.tools->league().damageFound(QStringLiteral("The league file was damaged."));
                QTest::qWait(300);
                toldInside = game.dialogs.messages.size();
                box.close();
                commandLoop.quit();
            });
            if (modal)
                box.exec();
            else
                commandLoop.exec();
            programLoop.quit();
        });
        programLoop.exec();
        QCOMPARE(toldInside, 0);
        QTRY_COMPARE(game.dialogs.messages.size(), 1);
        QCOMPARE(game.dialogs.messages.first().text, QStringLiteral("The league file was damaged."));
    }
};

QTEST_MAIN(TestGamesWindow)
#include "tst_gameswindow.moc"
