// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A league in files of its own: another league's final games brought in once, game by game,
// its teams by name; the game on the board going on in the league switched to; the league in
// use opened again at the next start.
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include "league/leaguestore.h"
#include "support/leagueboard.h"
#include "support/testkit.h"
#include "ui/gameswindow.h"

Q_DECLARE_METATYPE(Roster)
Q_DECLARE_METATYPE(MessageAnswer)

namespace {

const QStringList kGames = {QStringLiteral("0a000000-0000-4000-8000-000000000001"),
                            QStringLiteral("0a000000-0000-4000-8000-000000000002"),
                            QStringLiteral("0a000000-0000-4000-8000-000000000003")};
const QString kUnfinished = QStringLiteral("0a000000-0000-4000-8000-000000000004");

// Its log is written 64 entries to a statement: some logs end short of a statement, some past one.
GameRecord record(const QString& id, int step, GameState state = GameState::Final) {
    const QDateTime started(QDate(2026, 1, step), QTime(19, 0), Qt::UTC);
    QList<LogEntry> log;
    for (int k = 0; k < 60 * step; ++k)
        log.append(entryAtStep(k + step));
    return {id, started, started.addSecs(3600), state, boardAtStep(step), log};
}

Roster roster(const QString& name, const QList<RosterEntry>& players) {
    return {name, name.left(3).toUpper(), players, {}};
}

Roster lynx() {
    return roster(QStringLiteral("Lynx"), {{9, QStringLiteral("Åsa Öberg"), Position::C},
                                           {30, QStringLiteral("Dan Ek"), Position::G}});
}

// The other player's league: three final games, one still played, and the Lynx.
void writeOtherLeague(const QString& file, const QList<Roster>& rosters = {lynx()}) {
    LeagueStore store(LeagueStore::AtPath{file});
    QVERIFY(!store.open());
    for (int g = 0; g < kGames.size(); ++g)
        QVERIFY(store.writeGame(record(kGames[g], g + 1)));
    QVERIFY(store.writeGame(record(kUnfinished, 4, GameState::InProgress)));
    QList<LeagueTeam> teams;
    for (const Roster& team : rosters)
        teams.append({0, team});
    QVERIFY(store.writeTeams(teams));
}

QString runSql(const QString& file, const QString& sql) {
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("outside"));
        db.setDatabaseName(file);
        QSqlQuery query(db);
        if (!db.open() || !query.exec(sql))
            failure = db.lastError().text() + query.lastError().text();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("outside"));
    return failure;
}

LeagueImport importInto(LeagueStore& store, const QString& file) {
    LeagueStore other(LeagueStore::AtPath{file});
    if (const std::optional<QString> refused = other.openToRead())
        return {0, 0, {}, {}, {}, {}, *refused};
    return store.importGames(other);
}

void forgetLeagueInUse() {
    ToolWindows::openSettings()->remove(QStringLiteral("League/File"));
}

}  // namespace

class TestLeagueFiles : public QObject {
    Q_OBJECT

private slots:
    void init() { forgetLeagueInUse(); }

    // Games matched by id: a second import adds nothing, and a game held here stays as it is.
    void importingTwiceAddsNothingTwice_data() {
        QTest::addColumn<bool>("oneHere");
        QTest::newRow("into an empty league") << false;
        QTest::newRow("one game here already, played on") << true;
    }
    void importingTwiceAddsNothingTwice() {
        QFETCH(bool, oneHere);
        QTemporaryDir dir;
        writeOtherLeague(dir.filePath("other.sqlite"));
        LeagueStore store(dir.filePath("ours"));
        QVERIFY(!store.open());
        const GameRecord ours = record(kGames[1], 9, GameState::InProgress);
        if (oneHere)
            QVERIFY(store.writeGame(ours));

        const LeagueImport first = importInto(store, dir.filePath("other.sqlite"));
        QCOMPARE(first.failure, QString());
        QCOMPARE(first.imported, oneHere ? 2 : 3);
        QCOMPARE(first.alreadyHere, oneHere ? 1 : 0);
        QCOMPARE(first.teamsAdded, QStringList{"Lynx"});
        const LeagueImport second = importInto(store, dir.filePath("other.sqlite"));
        QCOMPARE(second.imported, 0);
        QCOMPARE(second.alreadyHere, 3);
        QCOMPARE(second.teamsAdded, QStringList());
        QCOMPARE(store.games().size(), 3);
        QCOMPARE(store.teams(), QList<Roster>{lynx()});

        const auto kept = std::get<GameRecord>(store.readGame(kGames[1]));
        QCOMPARE(kept.board, oneHere ? ours.board : boardAtStep(2));
        QCOMPARE(kept.log, oneHere ? ours.log : record(kGames[1], 2).log);
        QCOMPARE(std::get<GameRecord>(store.readGame(kGames[2])).board, boardAtStep(3));
        QVERIFY(std::holds_alternative<GameRefusal>(store.readGame(kUnfinished)));
        QVERIFY(second.summary().startsWith(QStringLiteral("Games imported: 0. Already in this league: 3.")));
    }

    // A hostile game is refused with its reason; the other games come in.
    void hostileGameIsRefusedAlone_data() {
        QTest::addColumn<QString>("spoil");
        QTest::addColumn<QString>("reason");
        const QString first = QStringLiteral("(SELECT id FROM games WHERE uuid = '%1')").arg(kGames[0]);
        QTest::newRow("board not JSON")
            << "UPDATE boards SET fields = x'7b7b' WHERE game = " + first << "board";
        QTest::newRow("unknown log event")
            << "UPDATE log_entries SET event = 'fight' WHERE game = " + first << "fight";
        QTest::newRow("log text over a megabyte")
            << "UPDATE log_entries SET details = hex(zeroblob(600000)) WHERE seq = 3 AND game = " + first
            << "game log";
        QTest::newRow("id of a megabyte")
            << "UPDATE games SET uuid = hex(zeroblob(600000)) WHERE uuid = '" + kGames[0] + "'"
            << "id";
    }
    void hostileGameIsRefusedAlone() {
        QFETCH(QString, spoil);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString other = dir.filePath("other.sqlite");
        writeOtherLeague(other);
        QCOMPARE(runSql(other, spoil), QString());
        const QByteArray before = readAll(other);
        LeagueStore store(dir.filePath("ours"));
        QVERIFY(!store.open());

        const LeagueImport imported = importInto(store, other);
        QCOMPARE(imported.imported, 2);
        QCOMPARE(imported.refused.size(), 1);
        QVERIFY2(imported.refused.first().contains(reason), qPrintable(imported.refused.first()));
        QVERIFY(imported.summary().contains(imported.refused.first()));
        QVERIFY(std::holds_alternative<GameRefusal>(store.readGame(kGames[0])));
        QVERIFY(std::holds_alternative<GameRecord>(store.readGame(kGames[2])));
        QCOMPARE(readAll(other), before);
    }

    // Teams are matched by name; a roster that differs is reported and left as it is here.
    // A log numbered otherwise than this program numbers logs comes in as Resume reads it.
    void logNumberedOtherwiseComesInAsRead_data() {
        QTest::addColumn<QStringList>("spoil");
        const QString first = QStringLiteral("(SELECT id FROM games WHERE uuid = '%1')").arg(kGames[0]);
        QTest::newRow("a gap") << QStringList{
            "UPDATE log_entries SET seq = seq + 100 WHERE seq >= 20 AND game = " + first};
        QTest::newRow("below 0") << QStringList{"UPDATE log_entries SET seq = seq - 1000 WHERE game = " +
                                                first};
        QTest::newRow("numbers in words")
            << QStringList{"UPDATE log_entries SET seq = seq || 'th' WHERE game = " + first};
        QTest::newRow("a number twice, in a table without its key") << QStringList{
            "CREATE TABLE copied AS SELECT * FROM log_entries", "DROP TABLE log_entries",
            "ALTER TABLE copied RENAME TO log_entries",
            "INSERT INTO log_entries SELECT * FROM log_entries WHERE seq = 5 AND game = " + first};
    }
    void logNumberedOtherwiseComesInAsRead() {
        QFETCH(QStringList, spoil);
        QTemporaryDir dir;
        const QString file = dir.filePath("other.sqlite");
        writeOtherLeague(file);
        for (const QString& sql : spoil)
            QCOMPARE(runSql(file, sql), QString());
        LeagueStore other(LeagueStore::AtPath{file});
        QVERIFY(!other.openToRead());
        LeagueStore store(dir.filePath("ours"));
        QVERIFY(!store.open());

        const LeagueImport imported = store.importGames(other);
        QCOMPARE(imported.imported, 3);
        for (const QString& id : kGames)
            QCOMPARE(std::get<GameRecord>(store.readGame(id)).log,
                     std::get<GameRecord>(other.readGame(id)).log);
        // Numbered anew: a step of the game follows on from its last entry.
        GameRecord played = std::get<GameRecord>(store.readGame(kGames[0]));
        QVERIFY(store.writeStep(kGames[0], played.board, {entryAtStep(99)}, GameState::Final,
                                played.log.size() - 1));
        played.log.last() = entryAtStep(99);
        QCOMPARE(std::get<GameRecord>(store.readGame(kGames[0])).log, played.log);
    }

    void rosterDifferenceIsReported_data() {
        QTest::addColumn<Roster>("theirs");
        QTest::addColumn<QString>("difference");  // empty: the rosters are the same
        Roster renamed = lynx();
        renamed.players[0].name = QStringLiteral("Åsa Berg");
        Roster longer = lynx();
        longer.players.append({11, QStringLiteral("Bo Berg"), Position::D});
        Roster shorter = lynx();
        shorter.players.removeLast();
        QTest::newRow("the same, by another case") << roster(QStringLiteral(" lynx "), lynx().players) << "";
        QTest::newRow("a player renamed")
            << renamed << "Lynx: number 9 is Åsa Öberg (C) here and Åsa Berg (C) there";
        QTest::newRow("a player only there") << longer << "Lynx: number 11, Bo Berg (D), only there";
        QTest::newRow("a player only here") << shorter << "Lynx: number 30, Dan Ek (G), only here";
    }
    void rosterDifferenceIsReported() {
        QFETCH(Roster, theirs);
        QFETCH(QString, difference);
        QTemporaryDir dir;
        const Roster owls = roster(QStringLiteral("Owls"), {{1, QStringLiteral("Eli Falk"), Position::G}});
        writeOtherLeague(dir.filePath("other.sqlite"), {theirs, owls});
        LeagueStore store(dir.filePath("ours"));
        QVERIFY(!store.open());
        QList<LeagueTeam> ours = {{0, lynx()}};
        QVERIFY(store.writeTeams(ours));

        const LeagueImport imported = importInto(store, dir.filePath("other.sqlite"));
        QCOMPARE(imported.rosterDifferences, difference.isEmpty() ? QStringList() : QStringList{difference});
        QCOMPARE(imported.teamsAdded, QStringList{"Owls"});
        QCOMPARE(store.teams(), (QList<Roster>{lynx(), owls}));
        if (!difference.isEmpty())
            QVERIFY(imported.summary().contains(difference));
    }

    // New League and Open League: the board, deck and card stay; the game on the board is
    // written whole into the league switched to, whose name the tool windows show.
    void switchingKeepsTheBoard_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<MessageAnswer>("answer");  // to New League's question on a file there already
        QTest::addColumn<bool>("switched");
        QTest::newRow("new league") << "mnuLeagueNew" << false << MessageAnswer::Ok << true;
        QTest::newRow("new league on a league, opened")
            << "mnuLeagueNew" << true << MessageAnswer::Yes << true;
        QTest::newRow("new league on a league, kept") << "mnuLeagueNew" << true << MessageAnswer::No << false;
        QTest::newRow("open league") << "mnuLeagueOpen" << true << MessageAnswer::Ok << true;
    }
    void switchingKeepsTheBoard() {
        QFETCH(QString, item);
        QFETCH(bool, exists);
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, switched);
        Game game;
        game.tools->openLeague();
        const QString file = game.path("season.sqlite");
        if (exists) {
            LeagueStore season(LeagueStore::AtPath{file});
            QVERIFY(!season.open());
            QVERIFY(season.setLeagueName(QStringLiteral("Season 2026")));
            QVERIFY(season.writeGame(record(kGames[0], 1)));
        }
        game.type(Control::AwayName, 1, QStringLiteral("Lynx"));
        game.controller->finishTyping();
        for (int i = 0; i < 3; ++i)
            game.click(Control::TimedFlipButton);
        const BoardState board = game.controller->board();
        const QStringList texts = game.allTexts();
        GamesWindow* games = game.tools->gamesWindow();

        game.dialogs.saveChoices.push_back(file);
        game.dialogs.fileChoices.push_back(file);
        game.dialogs.answers.push_back(answer);
        game.trigger(item);
        QCOMPARE(game.dialogs.messages.size(), exists && item == "mnuLeagueNew" ? 1 : 0);
        QCOMPARE(game.controller->board(), board);
        QCOMPARE(game.allTexts(), texts);
        LeagueStore* store = game.tools->league().store();
        QCOMPARE(store->filePath(), switched ? file : game.path(LeagueStore::kFileName));
        QCOMPARE(games->windowTitle(),
                 switched ? exists ? "Games — Season 2026" : "Games — season" : "Games — league");
        QCOMPARE(store->games().size(), switched && exists ? 2 : 1);
        const auto written = std::get<GameRecord>(store->readGame(board.gameId));
        QCOMPARE(written.log, game.controller->gameLog().entriesOf(board.gameId));

        game.click(Control::TimedFlipButton);
        QCOMPARE(std::get<GameRecord>(store->readGame(board.gameId)).log,
                 game.controller->gameLog().entriesOf(board.gameId));
        store->setLeagueName(QStringLiteral("Cup"));
        QCOMPARE(games->windowTitle(), QStringLiteral("Games — Cup"));
    }

    // The league in use opens at the next start; one that is gone is told once, and the
    // league in the save folder is used.
    void rememberedLeagueIsReopened_data() {
        QTest::addColumn<bool>("gone");
        QTest::newRow("still there") << false;
        QTest::newRow("gone") << true;
    }
    void rememberedLeagueIsReopened() {
        QFETCH(bool, gone);
        QTemporaryDir elsewhere;
        const QString file = elsewhere.filePath("season.sqlite");
        {
            Game first;
            first.tools->openLeague();
            first.dialogs.fileChoices.push_back(file);
            first.trigger(QStringLiteral("mnuLeagueOpen"));
            QCOMPARE(first.tools->league().store()->filePath(), file);
        }
        if (gone)
            QVERIFY(QFile::remove(file));
        for (int start = 0; start < 2; ++start) {
            Game next;
            next.tools->openLeague();
            QCOMPARE(next.tools->league().store()->filePath(),
                     gone ? next.path(LeagueStore::kFileName) : file);
            QCOMPARE(next.dialogs.messages.size(), gone && start == 0 ? 1 : 0);
            if (!next.dialogs.messages.isEmpty())
                QVERIFY(next.dialogs.messages.first().text.contains(file));
        }
    }
};

QTEST_MAIN(TestLeagueFiles)
#include "tst_leaguefiles.moc"
