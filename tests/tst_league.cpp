// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The league file keeps every game whole: what a step writes comes back exactly, a file of
// the first version is brought up to date, and damaged, hostile, full or foreign files lose
// nothing and stop nothing.
#include <QProcess>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <random>

#include "league/gamesmodel.h"
#include "league/leagueschema.h"
#include "league/leaguestore.h"
#include "support/faults.h"
#include "support/leagueboard.h"
#include "support/testkit.h"

namespace {

const QString kGameA = QStringLiteral("0b6a4c5e-1111-4c39-9a57-2b8e1f3c7d10");
const QString kGameB = QStringLiteral("0b6a4c5e-2222-4c39-9a57-2b8e1f3c7d10");

// Runs statements on the file outside the store, as another program would.
QString runSql(const QString& path, const QStringList& statements) {
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("outside"));
        db.setDatabaseName(path);
        QSqlQuery query(db);
        for (const QString& statement : statements) {
            if (failure.isEmpty() && db.open() && !query.exec(statement))
                failure = query.lastError().text();
        }
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("outside"));
    return failure;
}

QString integrity(const QString& path) {
    QString result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(path);
        QSqlQuery query(db);
        if (db.open() && query.exec(QStringLiteral("PRAGMA integrity_check")) && query.next())
            result = query.value(0).toString();
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return result;
}

// Steps 1 to last of a game, as a league file would hold it.
void play(LeagueStore& store, const QString& game, int last) {
    for (int k = 1; k <= last; ++k)
        QVERIFY2(store.writeStep(game, boardAtStep(k), {entryAtStep(k)}), qPrintable(store.problem()));
}

QString refusalOf(const std::variant<GameRecord, GameRefusal>& read) {
    return std::holds_alternative<GameRefusal>(read) ? std::get<GameRefusal>(read).reason : QString();
}

GameBoard programBoard(GameBoard board) {
    GameCodec::keepProgramFields(board.fields, FieldModel().snapshot());
    return board;
}

}  // namespace

class TestLeague : public QObject {
    Q_OBJECT

private slots:
    // What the steps wrote comes back whole: board, deck, box, log and state.
    void gameComesBackWhole() {
        QTemporaryDir dir;
        LeagueStore store(dir.path());
        QCOMPARE(store.open().value_or(QString()), QString());
        QCOMPARE(store.games().size(), 0);  // opening alone keeps no game
        play(store, kGameA, 5);
        GameBoard last = boardAtStep(7);               // with a score sheet
        last.fields[0].text = QString(200'000, u'x');  // a saved game's line may be that long
        QVERIFY(store.writeStep(kGameA, last, {entryAtStep(6), entryAtStep(7)}, GameState::Final));
        play(store, kGameB, 1);

        const auto read = store.readGame(kGameA);
        QCOMPARE(refusalOf(read), QString());
        const GameRecord& game = std::get<GameRecord>(read);
        QCOMPARE(game.board, programBoard(last));
        QCOMPARE(game.state, GameState::Final);
        QCOMPARE(game.log.size(), 7);
        for (int k = 1; k <= 7; ++k)
            QCOMPARE(game.log[k - 1], entryAtStep(k));
        QVERIFY(game.started <= game.lastPlayed);

        GamesModel model(store);
        model.reload();
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.gameId(0), kGameB);  // the one played last first
        QCOMPARE(model.index(1, GamesModel::State).data().toString(), QStringLiteral("Final"));
        QVERIFY(store.deleteGame(kGameA));
        model.reload();
        QCOMPARE(model.rowCount(), 1);
        QVERIFY(std::holds_alternative<GameRefusal>(store.readGame(kGameA)));
    }

    // Every entry a game's log can hold is kept under a name of its own (a penalty shot once
    // had none, and stopped the program).
    void everyLogEventIsKept() {
        QList<LogEntry::Event> events;
        for (int c = 0; c <= static_cast<int>(Command::Redo); ++c)
            events.append(static_cast<Command>(c));
        for (int e = 0; e <= static_cast<int>(LogEvent::Final); ++e)
            events.append(static_cast<LogEvent>(e));
        QSet<QString> codes;
        for (const LogEntry::Event& event : events) {
            const QString code = GameCodec::eventCode(event);
            QVERIFY2(!codes.contains(code), qPrintable(code));
            codes.insert(code);
            QCOMPARE(GameCodec::eventFromCode(code), std::optional<LogEntry::Event>(event));
        }
    }

    // A file of the first version is brought up to this one, its game whole.
    void firstVersionIsUpgraded() {
        QTemporaryDir dir;
        QFile fixture(QStringLiteral(TORVANE_TEST_DATA_DIR "/league-v1.sql"));
        QVERIFY(fixture.open(QIODevice::ReadOnly));
        QStringList statements;
        for (const QString& statement : QString::fromUtf8(fixture.readAll()).split(QStringLiteral(";\n"))) {
            QStringList code;
            for (const QString& line : statement.split(u'\n'))
                if (!line.startsWith(QLatin1String("--")))
                    code << line;
            if (!code.join(QString()).trimmed().isEmpty())
                statements << code.join(u'\n');
        }
        const QString path = dir.filePath(QLatin1String(LeagueStore::kFileName));
        QCOMPARE(runSql(path, statements), QString());

        LeagueStore store(dir.path());
        QCOMPARE(store.open().value_or(QString()), QString());
        QCOMPARE(store.mode(), LeagueStore::Mode::ReadWrite);
        const QString id = QStringLiteral("6f1c2a4e-0d5b-4c39-9a57-2b8e1f3c7d10");
        const auto read = store.readGame(id);
        QCOMPARE(refusalOf(read), QString());
        const GameRecord& game = std::get<GameRecord>(read);
        QCOMPARE(game.board.fields, [] {
            FieldModel fields;
            for (const auto& [ctl, index, text] :
                 std::initializer_list<std::tuple<Control, int, QString>>{{Control::AwayName, 1, "Bears"},
                                                                          {Control::HomeName, 1, "Lynx"},
                                                                          {Control::AwayName, 2, "Bears"},
                                                                          {Control::HomeName, 2, "Lynx"},
                                                                          {Control::AwayTotal, 2, "1"},
                                                                          {Control::HomeTotal, 2, "2"},
                                                                          {Control::SecondsLeft, 0, "660"},
                                                                          {Control::Clock, 0, "11:00"},
                                                                          {Control::Period, 0, "2"}})
                fields.setText(ctl, index, text);
            fields.setVisible(Control::ChangeLines, 0, false);
            return fields.snapshot();
        }());
        QCOMPARE(game.board.deck.order[0], 200);
        QCOMPARE(game.board.deck.position, 7);
        QCOMPARE(game.board.penalties.size(), 1);
        QCOMPARE(game.board.penalties[0].player, QStringLiteral("Smith"));
        QCOMPARE(game.log.size(), 2);

        // The second version's save notes work on the game of the first.
        SavedGame::Lines lines;
        lines[0] = QStringLiteral("Bears");
        QVERIFY(store.noteSave(id, game.board, dir.filePath("Settings.TVN"), lines));
        QVERIFY(store.findSave(lines).has_value());
    }

    // The penalty box of the save and the game's log come back with the save's 27 lines,
    // from the latest save that wrote them.
    void saveIsFoundByItsLines() {
        QTemporaryDir dir;
        LeagueStore store(dir.path());
        QCOMPARE(store.open().value_or(QString()), QString());
        SavedGame::Lines lines;
        lines[24] = QStringLiteral("540");
        QVERIFY(!store.findSave(lines));
        play(store, kGameA, 3);
        QVERIFY(store.noteSave(kGameA, boardAtStep(3), dir.filePath("Settings.TVN"), lines));
        play(store, kGameB, 2);
        lines[1] = QStringLiteral("Lynx");
        QVERIFY(!store.findSave(lines));
        QVERIFY(store.noteSave(kGameB, boardAtStep(2), dir.filePath("Settings.TVN"), lines));
        QVERIFY(store.writeStep(kGameB, boardAtStep(5), {entryAtStep(5)}));

        const auto found = store.findSave(lines);
        QVERIFY(found && std::holds_alternative<SaveMatch>(*found));
        const SaveMatch& match = std::get<SaveMatch>(*found);
        QCOMPARE(match.gameId, kGameB);
        QCOMPARE(match.penalties, boardAtStep(2).penalties);
        QCOMPARE(match.logLengthAtSave, 2);
        QCOMPARE(match.log.size(), 3);
        QCOMPARE(match.log.last(), entryAtStep(5));
    }

    // Each damaged, foreign or hostile file: told once, kept aside, or one game refused
    // with its reason while the other game still comes back.
    void spoiledFiles_data() {
        QTest::addColumn<QString>("spoil");    // SQL on a league of games A and B, or "bytes:" a damage
        QTest::addColumn<QString>("told");     // in what open() says; empty: nothing is said
        QTest::addColumn<bool>("keptAside");   // the file was moved aside and a fresh one started
        QTest::addColumn<QString>("refused");  // in game A's refusal; empty: A comes back
        const QString a = QStringLiteral("(SELECT id FROM games WHERE uuid = '%1')").arg(kGameA);
        const QString huge =
            QStringLiteral("replace(hex(zeroblob(600000)), '00', 'xy')");  // 1.2 M characters
        const auto row = [](const char* name, const QString& spoil, const char* told, bool kept,
                            const char* refused) {
            QTest::newRow(name) << spoil << QString(told) << kept << QString(refused);
        };
        row("not a database", "bytes:random", "is damaged", true, "");
        row("cut short", "bytes:truncate", "is damaged", true, "");
        row("a page overwritten", "bytes:page", "is damaged", true, "");
        row("another program's database", "bytes:foreign", "not a league file", true, "");
        row("a later version", "PRAGMA user_version = 99", "later version", false, "");
        row("unknown state", "UPDATE games SET state = 'abandoned' WHERE uuid = '" + kGameA + "'", "", false,
            "state");
        row("huge field text",
            "UPDATE boards SET fields = json_set(CAST(fields AS TEXT), '$.texts.txtClock', " + huge +
                ") WHERE game = " + a,
            "", false, "txtClock");
        row("huge board", "UPDATE boards SET fields = zeroblob(20000000) WHERE game = " + a, "", false,
            "larger");
        row("board not JSON", "UPDATE boards SET fields = x'7b7b' WHERE game = " + a, "", false, "board");
        row("seconds above 1200",
            "UPDATE boards SET fields = json_set(CAST(fields AS TEXT), '$.texts.txtTimer', '1220') WHERE "
            "game = " +
                a,
            "", false, "seconds");
        row("seconds below 0",
            "UPDATE boards SET fields = json_set(CAST(fields AS TEXT), '$.texts.txtTimer', '-20') WHERE game "
            "= " +
                a,
            "", false, "seconds");
        row("deck with a card twice",
            "UPDATE boards SET deck_order = substr(deck_order, 2, 1) || substr(deck_order, 2) WHERE game = " +
                a,
            "", false, "deck");
        row("deck of 199 cards",
            "UPDATE boards SET deck_order = substr(deck_order, 1, 199) WHERE game = " + a, "", false, "deck");
        row("position outside the deck", "UPDATE boards SET deck_position = 201 WHERE game = " + a, "", false,
            "deck");
        row("position not a number", "UPDATE boards SET deck_position = 'ten' WHERE game = " + a, "", false,
            "deck");
        row("penalty of an hour",
            "UPDATE boards SET penalties = json_set(CAST(penalties AS TEXT), '$.list[0].seconds', 3600) "
            "WHERE game = " +
                a,
            "", false, "penalty box");
        row("unknown penalty kind",
            "UPDATE boards SET penalties = json_set(CAST(penalties AS TEXT), '$.list[0].kind', 'lifetime') "
            "WHERE "
            "game = " +
                a,
            "", false, "penalty box");
        row("unknown log event", "UPDATE log_entries SET event = 'fight' WHERE seq = 1 AND game = " + a, "",
            false, "fight");
        row("huge log text", "UPDATE log_entries SET details = " + huge + " WHERE seq = 1 AND game = " + a,
            "", false, "game log");
        row("board missing", "DELETE FROM boards WHERE game = " + a, "", false, "not in the league");
        row("sheet not JSON", "UPDATE boards SET sheet = x'7b7b' WHERE game = " + a, "", false,
            "score sheet");
        row("scorer numbered 100",
            "UPDATE boards SET sheet = json_set(CAST(sheet AS TEXT), '$.goals[0].scorer', 100) WHERE game "
            "= " +
                a,
            "", false, "score sheet");
        row("sheet roster with a number twice",
            "UPDATE boards SET sheet = json_set(CAST(sheet AS TEXT), '$.teams[0].roster.players[1].number', "
            "9) "
            "WHERE game = " +
                a,
            "", false, "score sheet");
    }
    void spoiledFiles() {
        QFETCH(QString, spoil);
        QFETCH(QString, told);
        QFETCH(bool, keptAside);
        QFETCH(QString, refused);
        QTemporaryDir dir;
        const QString path = dir.filePath(QLatin1String(LeagueStore::kFileName));
        {
            LeagueStore store(dir.path());
            QCOMPARE(store.open().value_or(QString()), QString());
            play(store, kGameA, 3);
            for (int k = 1; k <= 150; ++k)
                QVERIFY(store.writeStep(kGameB, boardAtStep(k), {entryAtStep(k)}));
        }
        QFile file(path);
        if (spoil == QLatin1String("bytes:foreign")) {
            QVERIFY(file.remove());
            QCOMPARE(runSql(path, {"CREATE TABLE photos (name TEXT)"}), QString());
        } else if (spoil.startsWith(QLatin1String("bytes:"))) {
            QVERIFY(file.open(QIODevice::ReadWrite));
            if (spoil == QLatin1String("bytes:random")) {
                std::mt19937 random(7);
                QByteArray bytes(8192, '\0');
                for (char& b : bytes)
                    b = static_cast<char>(random());
                file.write(bytes);
                file.resize(bytes.size());
            } else if (spoil == QLatin1String("bytes:truncate")) {
                file.resize(file.size() / 3);
            } else {
                file.seek(4096);  // the first table's page: its kind no kind of page
                file.write("\xff\xff\xff\xff", 4);
            }
            file.close();
        } else {
            QCOMPARE(runSql(path, {spoil}), QString());
        }
        const QByteArray spoiled = readAll(path);

        LeagueStore store(dir.path());
        QSignalSpy checked(&store, &LeagueStore::checked);
        std::optional<QString> message = store.open();
        QVERIFY(checked.wait(60'000));
        if (const QString found = checked.first().first().toString(); !found.isEmpty())
            message = found;
        QCOMPARE(message.has_value(), !told.isEmpty());
        if (message) {
            QVERIFY2(message->contains(told), qPrintable(*message));
            QVERIFY2(message->contains(QDir::toNativeSeparators(path)), qPrintable(*message));
        }
        const QStringList kept = QDir(dir.path()).entryList({"league.damaged-*.sqlite"});
        QCOMPARE(kept.size(), keptAside ? 1 : 0);
        if (keptAside) {
            QCOMPARE(readAll(dir.filePath(kept[0])), spoiled);
            QVERIFY(message->contains(kept[0]));
            QCOMPARE(store.mode(), LeagueStore::Mode::ReadWrite);
            QCOMPARE(store.games().size(), 0);
            QVERIFY(store.writeStep(kGameA, boardAtStep(1), {entryAtStep(1)}));
            return;
        }
        const auto gameA = store.readGame(kGameA);
        QCOMPARE(refusalOf(gameA).isEmpty(), refused.isEmpty());
        QVERIFY2(refusalOf(gameA).contains(refused), qPrintable(refusalOf(gameA)));
        const auto gameB = store.readGame(kGameB);
        QVERIFY(std::holds_alternative<GameRecord>(gameB));
        QCOMPARE(std::get<GameRecord>(gameB).board, programBoard(boardAtStep(150)));
        if (store.mode() == LeagueStore::Mode::ReadOnly) {
            QVERIFY(!store.writeStep(kGameB, boardAtStep(151), {}));
            QCOMPARE(readAll(path), spoiled);
        }
    }

    // A folder that cannot be made or a disk that fills: said once, play goes on, and
    // writing is taken up again when retried.
    void writingFailsAndIsRetried() {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("file"), "not a folder"));
        LeagueStore nowhere(dir.filePath("file/league"));
        const std::optional<QString> cannot = nowhere.open();
        QVERIFY(cannot && cannot->contains(dir.filePath("file")));
        QVERIFY(!nowhere.writeStep(kGameA, boardAtStep(1), {}));

        LeagueStore store(dir.path());
        QCOMPARE(store.open().value_or(QString()), QString());
        play(store, kGameA, 1);
        {
            FileSizeLimit full(QFileInfo(store.filePath() + "-wal").size());
            QVERIFY(full.applied());
            QVERIFY(!store.writeStep(kGameA, boardAtStep(2), {entryAtStep(2)}));
            QVERIFY2(store.problem().contains(QDir::toNativeSeparators(store.filePath())),
                     qPrintable(store.problem()));
            QVERIFY(!store.writeStep(kGameA, boardAtStep(3), {entryAtStep(3)}));  // not tried again
        }
        QCOMPARE(store.retry(), std::nullopt);
        QCOMPARE(store.problem(), QString());
        QVERIFY(store.writeStep(kGameA, boardAtStep(4), {entryAtStep(4)}));
        const auto game = store.readGame(kGameA);
        QCOMPARE(std::get<GameRecord>(game).board, programBoard(boardAtStep(4)));
        QCOMPARE(std::get<GameRecord>(game).log, (QList<LogEntry>{entryAtStep(1), entryAtStep(4)}));
    }

    // A kill -9 in a run of steps loses at most the step in flight: the file stays whole
    // and the game resumes at the last step committed.
    void killedWhileWriting() {
        QTemporaryDir dir;
        int committed = 0;
        for (int round = 1; round <= 6; ++round) {
            QProcess writer;
            writer.start(QStringLiteral(TORVANE_LEAGUE_WRITER),
                         {dir.path(), kGameA, QString::number(committed + 1), QStringLiteral("1000000")});
            QVERIFY(writer.waitForStarted());
            int said = committed;
            while (said < committed + 15 * round && writer.waitForReadyRead(30'000)) {
                while (writer.canReadLine())
                    said = writer.readLine().trimmed().toInt();
            }
            writer.kill();
            QVERIFY(writer.waitForFinished());
            QCOMPARE(integrity(dir.filePath(QLatin1String(LeagueStore::kFileName))), QStringLiteral("ok"));

            LeagueStore store(dir.path());
            QCOMPARE(store.open().value_or(QString()), QString());
            const auto game = store.readGame(kGameA);
            QVERIFY(std::holds_alternative<GameRecord>(game));
            committed = static_cast<int>(std::get<GameRecord>(game).log.size());
            QVERIFY2(committed == said || committed == said + 1, qPrintable(QString::number(committed)));
            QCOMPARE(std::get<GameRecord>(game).board, programBoard(boardAtStep(committed)));
            QCOMPARE(std::get<GameRecord>(game).log.last(), entryAtStep(committed));
        }
    }

    // Two copies of the program on one league file both keep every step of their games.
    void twoCopiesShareTheFile() {
        QTemporaryDir dir;
        QProcess first, second;
        first.start(QStringLiteral(TORVANE_LEAGUE_WRITER), {dir.path(), kGameA, "1", "300"});
        second.start(QStringLiteral(TORVANE_LEAGUE_WRITER), {dir.path(), kGameB, "1", "300"});
        QVERIFY(first.waitForFinished(60'000) && second.waitForFinished(60'000));
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);
        LeagueStore store(dir.path());
        QCOMPARE(store.open().value_or(QString()), QString());
        for (const QString& game : {kGameA, kGameB})
            QCOMPARE(std::get<GameRecord>(store.readGame(game)).log.size(), 300);
    }
};

QTEST_GUILESS_MAIN(TestLeague)
#include "tst_league.moc"
