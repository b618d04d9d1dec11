// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The League menu and the list of games: where the menu sits, its marked problem, and the
// list's Resume and Delete, which asks first.
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "league/gamesmodel.h"
#include "support/leagueboard.h"
#include "support/testkit.h"
#include "ui/gameswindow.h"
#include "ui/leaguemenu.h"

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
        QCOMPARE(league.menu()->actions().size(), 1);
        league.showProblem(QStringLiteral("The league file /x/league.sqlite cannot be written."));
        QCOMPARE(league.menu()->actions().last()->text(),
                 QStringLiteral("The league file /x/league.sqlite cannot be written."));
        league.showProblem({});
        QCOMPARE(league.menu()->actions().size(), 1);
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
};

QTEST_MAIN(TestGamesWindow)
#include "tst_gameswindow.moc"
