// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "league/leaguestore.h"

#include "game/verdict.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QUuid>
#include <atomic>

#include <sys/stat.h>

#include "game/playerlines.h"
#include "league/leagueschema.h"

namespace {

// SQLite's primary result codes that tell a damaged file from one that cannot be written.
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;

bool isDamage(const QSqlError& error) {
    const int code = error.nativeErrorCode().toInt() & 0xFF;
    return code == kSqliteCorrupt || code == kSqliteNotADatabase;
}

QString reasonOf(const QSqlError& error) {
    const QString reason = error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
    return reason.isEmpty() ? QCoreApplication::translate("LeagueStore", "unknown error") : reason;
}

// An empty text, not NULL: Qt binds a null QString as NULL.
QString text(const QString& value) {
    return value.isNull() ? QStringLiteral("") : value;
}

qint64 msecs(const QDateTime& time) {
    return time.toMSecsSinceEpoch();
}

// Which file stands at a path, so that a file replaced in the meantime is told apart.
LeagueStore::FileId fileIdOf(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    return {static_cast<quint64>(status.st_dev), static_cast<quint64>(status.st_ino)};
}

QString damagedText(const QString& file, const QString& reason, const QString& keptAs) {
    return QCoreApplication::translate(
               "LeagueStore",
               "The league file %1 is damaged (%2). It is kept as %3, and a new league file was started.")
        .arg(file, reason, QDir::toNativeSeparators(keptAs));
}

QString cannotWriteText(const QString& file, const QString& reason) {
    return QCoreApplication::translate(
               "LeagueStore", "The league file %1 cannot be written: %2. Games are not kept until it can be.")
        .arg(file, reason);
}

}  // namespace

// Prepared once per connection: a step binds values and runs them.
struct LeagueStore::Statements {
    explicit Statements(const QSqlDatabase& db)
        : begin(db),
          commit(db),
          rollback(db),
          upsertGame(db),
          upsertBoard(db),
          insertLog(db),
          insertLogRows(db),
          deleteLog(db),
          cutLog(db),
          upsertSave(db),
          updateSheet(db),
          deleteGame(db),
          deletePlayerGames(db),
          deleteResult(db),
          insertResult(db),
          insertPlayerGame(db) {}

    bool prepare() {
        return begin.prepare(QStringLiteral("BEGIN IMMEDIATE")) && commit.prepare(QStringLiteral("COMMIT")) &&
               rollback.prepare(QStringLiteral("ROLLBACK")) &&
               upsertGame.prepare(QStringLiteral(
                   "INSERT INTO games (uuid, started, last_played, state, away_name, home_name, away_goals,"
                   " home_goals, period, clock) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
                   " ON CONFLICT (uuid) DO UPDATE SET last_played = excluded.last_played,"
                   " state = excluded.state, away_name = excluded.away_name, home_name = excluded.home_name,"
                   " away_goals = excluded.away_goals, home_goals = excluded.home_goals,"
                   " period = excluded.period, clock = excluded.clock RETURNING id")) &&
               upsertBoard.prepare(QStringLiteral(
                   "INSERT INTO boards (game, fields, deck_order, deck_position, current_card, penalties)"
                   " VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT (game) DO UPDATE SET fields = excluded.fields,"
                   " deck_order = excluded.deck_order, deck_position = excluded.deck_position,"
                   " current_card = excluded.current_card, penalties = excluded.penalties")) &&
               updateSheet.prepare(QStringLiteral("UPDATE boards SET sheet = ? WHERE game = ?")) &&
               deletePlayerGames.prepare(QStringLiteral(
                   "DELETE FROM player_games WHERE game = (SELECT id FROM games WHERE uuid = ?)")) &&
               deleteResult.prepare(QStringLiteral(
                   "DELETE FROM results WHERE game = (SELECT id FROM games WHERE uuid = ?)")) &&
               insertResult.prepare(QStringLiteral(
                   "INSERT INTO results (game, played, away_team, home_team, away_goals, home_goals, decided)"
                   " SELECT id, started, ?, ?, ?, ?, ? FROM games WHERE uuid = ?")) &&
               insertPlayerGame.prepare(QStringLiteral(
                   "INSERT INTO player_games (game, team, number, name, position, goals, assists, pim,"
                   " plus_minus, in_net, shots_against, goals_against, decision, shutout)"
                   " SELECT id, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ? FROM games WHERE uuid = ?")) &&
               insertLog.prepare(QStringLiteral(
                   "INSERT INTO log_entries (game, seq, period, clock, event, details) VALUES"
                   " (?, (SELECT coalesce(max(seq) + 1, 0) FROM log_entries WHERE game = ?), ?, ?, ?, ?)")) &&
               insertLogRows.prepare(
                   QStringLiteral(
                       "INSERT INTO log_entries (game, seq, period, clock, event, details) VALUES ") +
                   QStringList(kLogRows, QStringLiteral("(?, ?, ?, ?, ?, ?)")).join(QLatin1Char(','))) &&
               deleteLog.prepare(QStringLiteral("DELETE FROM log_entries WHERE game = ?")) &&
               cutLog.prepare(QStringLiteral("DELETE FROM log_entries WHERE game = ? AND seq >= ?")) &&
               upsertSave.prepare(QStringLiteral(
                   "INSERT INTO saves (game, saved_at, path, digest, penalties, log_length, sheet)"
                   " VALUES (?, ?, ?, ?, ?, (SELECT count(*) FROM log_entries WHERE game = ?), ?)"
                   " ON CONFLICT (game) DO UPDATE SET saved_at = excluded.saved_at, path = excluded.path,"
                   " digest = excluded.digest, penalties = excluded.penalties,"
                   " log_length = excluded.log_length, sheet = excluded.sheet")) &&
               deleteGame.prepare(QStringLiteral("DELETE FROM games WHERE uuid = ?"));
    }

    // A whole log goes in kLogRows entries to a statement: a season's import is mostly its logs.
    static constexpr int kLogRows = 64;
    QSqlQuery begin, commit, rollback, upsertGame, upsertBoard, insertLog, insertLogRows, deleteLog, cutLog,
        upsertSave, updateSheet, deleteGame, deletePlayerGames, deleteResult, insertResult, insertPlayerGame;
    // The sheet each game's board holds in the file, as far as this connection wrote it: most
    // steps leave the sheet as it was, and need not write it again.
    QHash<qint64, ScoreSheet> sheetsWritten;
    // The same for each game's result: none for a game that has none in the file.
    QHash<QString, std::optional<GameResult>> resultsWritten;
};

LeagueStore::LeagueStore(const QString& folder, QObject* parent)
    : LeagueStore(AtPath{QDir(folder).filePath(QLatin1String(kFileName))}, parent) {}

LeagueStore::LeagueStore(const AtPath& path, QObject* parent)
    : QObject(parent), m_folder(QFileInfo(path.file).absolutePath()), m_path(path.file) {
    static std::atomic<int> stores{0};
    m_connection = QStringLiteral("torvane-league-%1").arg(++stores);
    // A checkpoint copies the log of steps into the file and makes both durable. It waits
    // for a pause in play, so that no command waits for the disk.
    m_checkpoint.setSingleShot(true);
    m_checkpoint.setInterval(1500);
    connect(&m_checkpoint, &QTimer::timeout, this, [this] {
        if (m_mode == Mode::ReadWrite)
            QSqlQuery(QSqlDatabase::database(m_connection, false))
                .exec(QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)"));
    });
}

LeagueStore::~LeagueStore() {
    closeConnection();
}

QString LeagueStore::newGameId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QByteArray LeagueStore::digest(const SavedGame::Lines& lines) {
    return QCryptographicHash::hash(SavedGame::encode(lines), QCryptographicHash::Sha256);
}

void LeagueStore::setProblem(const QString& problem) {
    if (problem == m_problem)
        return;
    m_problem = problem;
    emit problemChanged(m_problem);
}

void LeagueStore::closeConnection() {
    if (m_check) {
        m_check->wait();
        delete m_check;
        m_check = nullptr;
        ++m_checks;
    }
    m_checkpoint.stop();
    m_statements.reset();
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
    m_mode = Mode::Closed;
}

std::optional<QString> LeagueStore::open() {
    closeConnection();
    const QString file = QDir::toNativeSeparators(m_path);
    if (!QDir().mkpath(m_folder)) {
        setProblem(tr("The league file %1 cannot be made: its folder cannot be made. Games are not kept "
                      "until it can be.")
                       .arg(file));
        return m_problem;
    }
    QString reason;
    Failure failure = openConnection(reason);
    QString told;
    if (failure == Failure::Damaged || failure == Failure::NotOurs) {
        closeConnection();
        QString keptAs;
        if (const std::optional<QString> cannot = keepDamagedFile(keptAs)) {
            failure = Failure::CannotWrite;
            reason = *cannot;
        } else {
            if (!keptAs.isEmpty()) {
                told =
                    failure == Failure::NotOurs
                        ? tr("The file %1 is not a league file of Torvane FAC. It is kept as %2, and a new "
                             "league file was started.")
                              .arg(file, QDir::toNativeSeparators(keptAs))
                        : damagedText(file, reason, keptAs);
            }
            failure = openConnection(reason);
        }
    }
    switch (failure) {
        case Failure::None:
            m_mode = Mode::ReadWrite;
            setProblem({});
            break;
        case Failure::Newer:
            m_mode = Mode::ReadOnly;
            setProblem(tr("The league file %1 was written by a later version of Torvane FAC. Its games can "
                          "be resumed, but no game is kept in it.")
                           .arg(file));
            told = m_problem;
            break;
        case Failure::Damaged:
        case Failure::NotOurs:
        case Failure::CannotWrite:
            closeConnection();
            setProblem(cannotWriteText(file, reason));
            told = m_problem;
            break;
    }
    if (m_mode != Mode::Closed)
        startCheck();
    if (told.isEmpty())
        return std::nullopt;
    return told;
}

void LeagueStore::startCheck() {
    const QString path = m_path;
    const QString name = m_connection + QStringLiteral("-check");
    m_checkVerdict.clear();
    m_check = QThread::create([this, path, name] {
        QString verdict;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(path);
            db.setConnectOptions(
                QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
            if (db.open()) {
                QSqlQuery query(db);
                if (query.exec(QStringLiteral("PRAGMA quick_check")) && query.next()) {
                    if (query.value(0).toString() != QLatin1String("ok"))
                        verdict = tr("its integrity check failed");
                } else if (isDamage(query.lastError())) {
                    verdict = reasonOf(query.lastError());
                }
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
        m_checkVerdict = verdict;
    });
    // A check of a file closed since is forgotten.
    connect(m_check, &QThread::finished, this, [this, generation = ++m_checks] {
        if (generation == m_checks && m_check)
            checkDone();
    });
    m_check->start(QThread::LowPriority);
}

void LeagueStore::checkDone() {
    m_check->wait();
    delete m_check;
    m_check = nullptr;
    if (m_checkVerdict.isEmpty()) {
        emit checked({});
        return;
    }
    const QString file = QDir::toNativeSeparators(m_path);
    closeConnection();
    QString keptAs;
    const std::optional<QString> cannot = keepDamagedFile(keptAs);
    QString reason = cannot.value_or(QString());
    if (!cannot && openConnection(reason) == Failure::None) {
        m_mode = Mode::ReadWrite;
        setProblem({});
        emit checked(keptAs.isEmpty() ? QString() : damagedText(file, m_checkVerdict, keptAs));
        return;
    }
    closeConnection();
    setProblem(cannotWriteText(file, reason));
    emit checked(m_problem);
}

std::optional<QString> LeagueStore::retry() {
    if (m_mode == Mode::ReadOnly || (m_mode == Mode::ReadWrite && m_problem.isEmpty()))
        return std::nullopt;
    return open();
}

std::optional<QString> LeagueStore::switchTo(const QString& file) {
    closeConnection();
    m_path = file;
    m_folder = QFileInfo(file).absolutePath();
    std::optional<QString> told = open();
    emit gamesChanged();
    emit teamsChanged();
    emit leagueNameChanged();
    return told;
}

std::optional<QString> LeagueStore::openToRead() {
    closeConnection();
    const QString file = QDir::toNativeSeparators(m_path);
    if (!QFileInfo(m_path).isFile())
        return tr("The file %1 cannot be found.").arg(file);
    std::optional<QString> refused;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(m_path);
        db.setConnectOptions(
            QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
        QSqlQuery query(db);
        const auto failed = [&file](const QSqlError& error) {
            return isDamage(error) ? tr("The file %1 is damaged (%2).").arg(file, reasonOf(error))
                                   : tr("The file %1 cannot be read: %2.").arg(file, reasonOf(error));
        };
        if (!db.open()) {
            refused = failed(db.lastError());
        } else if (!query.exec(QStringLiteral("SELECT (SELECT application_id FROM pragma_application_id()),"
                                              " (SELECT user_version FROM pragma_user_version())")) ||
                   !query.next()) {
            refused = failed(query.lastError());
        } else if (query.value(0).toLongLong() != LeagueSchema::kApplicationId) {
            refused = tr("The file %1 is not a league file of Torvane FAC.").arg(file);
        } else if (query.value(1).toLongLong() < LeagueSchema::kVersion) {
            // Its tables are not yet those this program reads, and bringing them up to date
            // would write to it.
            refused = tr("The league file %1 was written by an earlier version of Torvane FAC. Open it once "
                         "with League > Open League… to bring it up to date.")
                          .arg(file);
        }
    }
    if (refused) {
        closeConnection();
        return refused;
    }
    m_mode = Mode::ReadOnly;
    return std::nullopt;
}

LeagueStore::Failure LeagueStore::openConnection(QString& reason) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    if (!db.isValid()) {
        reason = tr("the SQLite driver of Qt (the package libqt6sql6-sqlite) is not installed");
        return Failure::CannotWrite;
    }
    db.setDatabaseName(m_path);
    // URIs, for the other league file an import attaches read-only; this file's own name is a
    // path, never one.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    QSqlQuery query(db);
    const auto failed = [&reason](const QSqlError& error) {
        reason = reasonOf(error);
        return isDamage(error) ? Failure::Damaged : Failure::CannotWrite;
    };
    const auto number = [&query](const QString& statement) -> std::optional<qint64> {
        if (!query.exec(statement) || !query.next())
            return std::nullopt;
        return query.value(0).toLongLong();
    };
    if (!db.open())
        return failed(db.lastError());
    m_fileId = fileIdOf(m_path);

    // One statement, so that a file another copy is making is seen before or after, whole.
    if (!query.exec(QStringLiteral("SELECT (SELECT application_id FROM pragma_application_id()),"
                                   " (SELECT user_version FROM pragma_user_version()),"
                                   " (SELECT count(*) FROM sqlite_schema)")) ||
        !query.next())
        return failed(query.lastError());
    const qint64 applicationId = query.value(0).toLongLong();
    const qint64 version = query.value(1).toLongLong();
    const qint64 objects = query.value(2).toLongLong();
    query.finish();
    m_fileId = fileIdOf(m_path);  // made by the statement when it was missing
    if (applicationId != LeagueSchema::kApplicationId && (objects > 0 || version != 0)) {
        reason = tr("it is not a league file");
        return Failure::NotOurs;
    }
    if (version > LeagueSchema::kVersion) {
        if (!query.exec(QStringLiteral("PRAGMA query_only = ON")))
            return failed(query.lastError());
        return Failure::Newer;
    }
    // Write-ahead: a step appends to the log of steps and a reader never waits. A step that
    // is committed survives the program's end however it comes; synchronous NORMAL leaves the
    // disk's flush to the checkpoint, which runs in a pause of play.
    if (!query.exec(QStringLiteral("PRAGMA journal_mode = WAL")) || !query.next())
        return failed(query.lastError());
    if (query.value(0).toString() != QLatin1String("wal")) {
        reason = tr("its journal cannot be kept beside it");
        return Failure::CannotWrite;
    }
    if (!query.exec(QStringLiteral("PRAGMA synchronous = NORMAL")) ||
        !query.exec(QStringLiteral("PRAGMA foreign_keys = ON")))
        return failed(query.lastError());

    if (version < LeagueSchema::kVersion) {
        // Another copy may have brought the file up in the meantime: the version that counts
        // is the one inside the transaction.
        if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
            return failed(query.lastError());
        const std::optional<qint64> current = number(QStringLiteral("PRAGMA user_version"));
        if (!current) {
            const Failure failure = failed(query.lastError());
            query.exec(QStringLiteral("ROLLBACK"));
            return failure;
        }
        query.finish();
        const std::optional<QString> failure = *current >= LeagueSchema::kVersion
                                                   ? std::nullopt
                                                   : LeagueSchema::upgrade(db, static_cast<int>(*current));
        if (failure) {
            query.exec(QStringLiteral("ROLLBACK"));
            reason = *failure;
            return Failure::CannotWrite;
        }
        if (!query.exec(QStringLiteral("COMMIT"))) {
            const Failure failure = failed(query.lastError());
            query.exec(QStringLiteral("ROLLBACK"));
            return failure;
        }
    }
    m_statements = std::make_unique<Statements>(db);
    if (!m_statements->prepare()) {
        m_statements.reset();
        reason = tr("its tables are not those of a league file");
        return Failure::Damaged;
    }
    return Failure::None;
}

// Never overwrites: the damaged file goes to a name of its own, its journal with it. Nothing
// is moved when the file there is no longer the one found damaged: another copy of the
// program has kept it aside and started a new one. Returns why it cannot be moved, if so.
std::optional<QString> LeagueStore::keepDamagedFile(QString& keptAs) {
    keptAs.clear();
    if (fileIdOf(m_path) != m_fileId)
        return std::nullopt;
    const QFileInfo info(m_path);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name;
    for (int n = 1; name.isEmpty() || QFileInfo::exists(name) || QFileInfo::exists(name + "-wal"); ++n) {
        name =
            info.dir().filePath(QStringLiteral("%1.damaged-%2%3.%4")
                                    .arg(info.completeBaseName(), stamp,
                                         n == 1 ? QString() : QStringLiteral("-%1").arg(n), info.suffix()));
    }
    QFile damaged(m_path);
    if (!damaged.rename(name))
        return tr("it is damaged and cannot be moved aside: %1").arg(damaged.errorString());
    if (QFile::exists(m_path + "-wal"))
        QFile::rename(m_path + "-wal", name + "-wal");
    QFile::remove(m_path + "-shm");
    keptAs = name;
    return std::nullopt;
}

void LeagueStore::writingFailed(const QSqlQuery& query) {
    const QString file = QDir::toNativeSeparators(m_path);
    const QSqlError error = query.lastError();
    setProblem(isDamage(error)
                   ? tr("The league file %1 is damaged (%2). Games are not kept until New Game starts a new "
                        "league file.")
                         .arg(file, reasonOf(error))
                   : tr("The league file %1 cannot be written: %2. Games are not kept until New Game finds "
                        "it can be.")
                         .arg(file, reasonOf(error)));
}

bool LeagueStore::transaction(const std::function<bool()>& work) {
    if (m_mode != Mode::ReadWrite || !m_problem.isEmpty() || !m_statements)
        return false;
    Statements& s = *m_statements;
    if (!s.begin.exec()) {
        writingFailed(s.begin);
        return false;
    }
    if (!work() || !s.commit.exec()) {
        if (m_problem.isEmpty())
            writingFailed(s.commit);
        s.rollback.exec();
        s.sheetsWritten.clear();
        s.resultsWritten.clear();
        return false;
    }
    m_checkpoint.start();
    return true;
}

bool LeagueStore::upsertGame(const QString& gameId, const GameBoard& board, GameState state,
                             const QDateTime& started, const QDateTime& lastPlayed, qint64& rowId,
                             const QByteArray& storedSheet) {
    const FieldModel::Snapshot& f = board.fields;
    QSqlQuery& game = m_statements->upsertGame;
    game.bindValue(0, gameId);
    game.bindValue(1, msecs(started));
    game.bindValue(2, msecs(lastPlayed));
    game.bindValue(3, GameCodec::stateCode(state));
    game.bindValue(4, text(GameCodec::textOf(f, Control::AwayName, 1)));
    game.bindValue(5, text(GameCodec::textOf(f, Control::HomeName, 1)));
    game.bindValue(6, text(GameCodec::textOf(f, Control::AwayTotal, 2)));
    game.bindValue(7, text(GameCodec::textOf(f, Control::HomeTotal, 2)));
    game.bindValue(8, text(GameCodec::textOf(f, Control::Period, 0)));
    game.bindValue(9, text(GameCodec::textOf(f, Control::Clock, 0)));
    if (!game.exec() || !game.next()) {
        writingFailed(game);
        return false;
    }
    rowId = game.value(0).toLongLong();
    game.finish();

    QSqlQuery& stored = m_statements->upsertBoard;
    stored.bindValue(0, rowId);
    stored.bindValue(1, GameCodec::encodeFields(board.fields));
    stored.bindValue(2, GameCodec::encodeOrder(board.deck));
    stored.bindValue(3, board.deck.position);
    stored.bindValue(4, board.deck.currentCard);
    stored.bindValue(5, GameCodec::encodePenalties(board.penalties, board.nextPenaltyNumber));
    if (!stored.exec()) {
        writingFailed(stored);
        return false;
    }
    const auto written = m_statements->sheetsWritten.constFind(rowId);
    if (written != m_statements->sheetsWritten.cend() && *written == board.sheet)
        return true;
    QSqlQuery& sheet = m_statements->updateSheet;
    sheet.bindValue(0, storedSheet.isEmpty() ? GameCodec::encodeSheet(board.sheet) : storedSheet);
    sheet.bindValue(1, rowId);
    if (!sheet.exec()) {
        writingFailed(sheet);
        return false;
    }
    // A game another file brought in is seldom played on: its sheet is not kept here.
    if (storedSheet.isEmpty())
        m_statements->sheetsWritten.insert(rowId, board.sheet);
    return true;
}

bool LeagueStore::insertLog(qint64 rowId, const QList<LogEntry>& entries) {
    QSqlQuery& insert = m_statements->insertLog;
    for (const LogEntry& entry : entries) {
        insert.bindValue(0, rowId);
        insert.bindValue(1, rowId);
        insert.bindValue(2, text(entry.period));
        insert.bindValue(3, text(entry.clock));
        insert.bindValue(4, GameCodec::eventCode(entry.event));
        insert.bindValue(5, text(entry.details));
        if (!insert.exec()) {
            writingFailed(insert);
            return false;
        }
    }
    return true;
}

bool LeagueStore::insertWholeLog(qint64 rowId, const QList<LogEntry>& entries) {
    constexpr int rows = Statements::kLogRows;
    QSqlQuery& insert = m_statements->insertLogRows;
    const qsizetype whole = entries.size() - entries.size() % rows;
    for (qsizetype first = 0; first < whole; first += rows) {
        for (int row = 0; row < rows; ++row) {
            const LogEntry& entry = entries[first + row];
            const int at = row * 6;
            insert.bindValue(at, rowId);
            insert.bindValue(at + 1, first + row);
            insert.bindValue(at + 2, text(entry.period));
            insert.bindValue(at + 3, text(entry.clock));
            insert.bindValue(at + 4, GameCodec::eventCode(entry.event));
            insert.bindValue(at + 5, text(entry.details));
        }
        if (!insert.exec()) {
            writingFailed(insert);
            return false;
        }
    }
    // The rest follow the first ones, numbered on from them.
    return insertLog(rowId, entries.mid(whole));
}

bool LeagueStore::writeStep(const QString& gameId, const GameBoard& board, const QList<LogEntry>& added,
                            GameState state, std::optional<qsizetype> keptEntries) {
    return transaction([&] {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        qint64 rowId = 0;
        if (!upsertGame(gameId, board, state, now, now, rowId))
            return false;
        if (keptEntries) {
            QSqlQuery& cut = m_statements->cutLog;
            cut.bindValue(0, rowId);
            cut.bindValue(1, *keptEntries);
            if (!cut.exec()) {
                writingFailed(cut);
                return false;
            }
        }
        return insertLog(rowId, added);
    });
}

bool LeagueStore::writeGame(const GameRecord& record) {
    const bool written = transaction([&] {
        qint64 rowId = 0;
        if (!upsertGame(record.id, record.board, record.state, record.started, record.lastPlayed, rowId))
            return false;
        m_statements->deleteLog.bindValue(0, rowId);
        if (!m_statements->deleteLog.exec()) {
            writingFailed(m_statements->deleteLog);
            return false;
        }
        return insertWholeLog(rowId, record.log);
    });
    if (written)
        emit gamesChanged();
    return written;
}

bool LeagueStore::noteSave(const QString& gameId, const GameBoard& board, const QString& path,
                           const SavedGame::Lines& lines, GameState state) {
    return transaction([&] {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        qint64 rowId = 0;
        if (!upsertGame(gameId, board, state, now, now, rowId))
            return false;
        QSqlQuery& save = m_statements->upsertSave;
        save.bindValue(0, rowId);
        save.bindValue(1, msecs(now));
        save.bindValue(2, text(path));
        save.bindValue(3, digest(lines));
        save.bindValue(4, GameCodec::encodePenalties(board.penalties, board.nextPenaltyNumber));
        save.bindValue(5, rowId);
        save.bindValue(6, GameCodec::encodeSheet(board.sheet));
        if (!save.exec()) {
            writingFailed(save);
            return false;
        }
        return true;
    });
}

bool LeagueStore::deleteGame(const QString& gameId) {
    const bool deleted = transaction([&] {
        QSqlQuery& remove = m_statements->deleteGame;
        remove.bindValue(0, gameId);
        if (!remove.exec()) {
            writingFailed(remove);
            return false;
        }
        return true;
    });
    if (deleted) {
        // Its row number may be given to the next game.
        m_statements->sheetsWritten.clear();
        m_statements->resultsWritten.remove(gameId);
        emit gamesChanged();
        emit resultsChanged();
    }
    return deleted;
}

namespace {

QString teamNameOf(const GameBoard& board, Team team) {
    if (const std::optional<Roster>& roster = board.sheet.team(team).roster)
        return roster->name.trimmed();
    const QString typed =
        GameCodec::textOf(board.fields, team == Team::Away ? Control::AwayName : Control::HomeName, 1)
            .trimmed();
    return typed.isEmpty() ? teamLabel(team) : typed;
}

QString decidedCode(Decided decided) {
    switch (decided) {
        case Decided::Regulation: return QStringLiteral("regulation");
        case Decided::Overtime: return QStringLiteral("overtime");
        case Decided::Shootout: return QStringLiteral("shootout");
    }
    return {};
}

QString decisionCode(GoalieDecision decision) {
    switch (decision) {
        case GoalieDecision::Win: return QStringLiteral("W");
        case GoalieDecision::Loss: return QStringLiteral("L");
        case GoalieDecision::OvertimeLoss: return QStringLiteral("OTL");
        case GoalieDecision::None: break;
    }
    return QStringLiteral("");
}

}  // namespace

std::optional<LeagueStore::GameResult> LeagueStore::resultOf(const GameBoard& board,
                                                             const std::optional<GameOutcome>& final) {
    if (!final || !final->final)
        return std::nullopt;
    return GameResult{teamNameOf(board, Team::Away), teamNameOf(board, Team::Home), *final,
                      playerLines(board.sheet, *final)};
}

bool LeagueStore::writeResult(const QString& gameId, const GameBoard& board,
                              const std::optional<GameOutcome>& final) {
    if (!m_statements)
        return false;
    const std::optional<GameResult> result = resultOf(board, final);
    const auto written = m_statements->resultsWritten.constFind(gameId);
    if (written != m_statements->resultsWritten.cend() && *written == result)
        return true;
    const bool done = transaction([&] { return writeResultRows(gameId, result); });
    if (done)
        emit resultsChanged();
    return done;
}

bool LeagueStore::writeResultRows(const QString& gameId, const std::optional<GameResult>& result) {
    const bool done = [&] {
        for (QSqlQuery* remove : {&m_statements->deletePlayerGames, &m_statements->deleteResult}) {
            remove->bindValue(0, gameId);
            if (!remove->exec()) {
                writingFailed(*remove);
                return false;
            }
        }
        if (!result)
            return true;
        QSqlQuery& query = m_statements->insertResult;
        query.bindValue(0, text(result->away));
        query.bindValue(1, text(result->home));
        query.bindValue(2, result->outcome.awayGoals);
        query.bindValue(3, result->outcome.homeGoals);
        query.bindValue(4, decidedCode(result->outcome.decided));
        query.bindValue(5, gameId);
        if (!query.exec()) {
            writingFailed(query);
            return false;
        }
        QSqlQuery& player = m_statements->insertPlayerGame;
        for (const PlayerLine& line : std::as_const(result->players)) {
            const QVariantList values = {line.team == Team::Away ? result->away : result->home,
                                         line.number,
                                         text(line.name),
                                         positionCode(line.position),
                                         line.goals,
                                         line.assists,
                                         line.penaltyMinutes,
                                         line.plusMinus,
                                         line.inNet ? 1 : 0,
                                         line.shotsAgainst,
                                         line.goalsAgainst,
                                         decisionCode(line.decision),
                                         line.shutout ? 1 : 0,
                                         gameId};
            for (int i = 0; i < values.size(); ++i)
                player.bindValue(i, values[i]);
            if (!player.exec()) {
                writingFailed(player);
                return false;
            }
        }
        return true;
    }();
    if (done)
        m_statements->resultsWritten.insert(gameId, result);
    return done;
}

bool LeagueStore::writeMissingResults() {
    if (m_mode != Mode::ReadWrite || !m_statements)
        return false;
    QStringList missing;
    {
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        query.setForwardOnly(true);
        query.prepare(QStringLiteral(
            "SELECT uuid FROM games WHERE state = ? AND id NOT IN (SELECT game FROM results)"));
        query.bindValue(0, GameCodec::stateCode(GameState::Final));
        if (!query.exec())
            return false;
        while (query.next())
            missing << query.value(0).toString();
    }
    if (missing.isEmpty())
        return true;
    const bool done = transaction([&] {
        for (const QString& gameId : std::as_const(missing)) {
            const std::variant<GameRecord, GameRefusal> read = readGame(gameId);
            // A game that cannot be read cannot be counted either; the Games window says why.
            if (const auto* record = std::get_if<GameRecord>(&read);
                record && !writeResultRows(gameId, resultOf(record->board, verdictOf(record->board.fields,
                                                                                     record->board.sheet))))
                return false;
        }
        return true;
    });
    if (done)
        emit resultsChanged();
    return done;
}
