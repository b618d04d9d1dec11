// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the league gives back: whole games, checked before anything of them is used, a
// game's last save, and the list of games.
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include "league/leaguestore.h"

namespace {

QDateTime timeOf(const QVariant& value) {
    return QDateTime::fromMSecsSinceEpoch(value.toLongLong(), Qt::UTC);
}

std::optional<qint64> integerOf(const QVariant& value) {
    bool ok = false;
    const qint64 number = value.toLongLong(&ok);
    if (!ok || value.typeId() != QMetaType::LongLong)
        return std::nullopt;
    return number;
}

// A part of the game that the query hands over only when it is not too large to be ours.
constexpr const char* kPartTooLarge =
    QT_TRANSLATE_NOOP("League", "Its %1 is larger than any this program writes.");

QString tooLarge(const char* part) {
    return QCoreApplication::translate("League", kPartTooLarge)
        .arg(QCoreApplication::translate("League", part));
}

QString logTooLarge() {
    return tooLarge(QT_TRANSLATE_NOOP("League", "game log"));
}

QString unknownEvent(const QString& code) {
    return QCoreApplication::translate("League",
                                       "Its game log holds an event this program "
                                       "does not know: %1.")
        .arg(code.left(40));
}

QString logUnreadable(const QSqlError& error) {
    return QCoreApplication::translate("League", "Its game log cannot be read: %1.")
        .arg(error.databaseText());
}

// The log of the game with this row id, each text checked for its size before it is read.
std::variant<QList<LogEntry>, GameRefusal> readLog(const QSqlDatabase& db, const QString& schema,
                                                   qint64 rowId) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT event, fits, CASE WHEN fits THEN period END, CASE WHEN fits THEN clock END,"
                       " CASE WHEN fits THEN details END FROM (SELECT seq, event, period, clock, details,"
                       " max(length(event), length(period), length(clock), length(details)) <= ? AS fits"
                       " FROM %1.log_entries WHERE game = ?) ORDER BY seq")
            .arg(schema));
    query.bindValue(0, GameCodec::kMaxTextChars);
    query.bindValue(1, rowId);
    if (!query.exec())
        return GameRefusal{logUnreadable(query.lastError())};
    QList<LogEntry> log;
    while (query.next()) {
        if (log.size() >= GameCodec::kMaxLogEntries || !query.value(1).toBool())
            return GameRefusal{logTooLarge()};
        const QString code = query.value(0).toString();
        const std::optional<LogEntry::Event> event = GameCodec::eventFromCode(code);
        if (!event)
            return GameRefusal{unknownEvent(code)};
        log.append({query.value(2).toString(), query.value(3).toString(), *event, query.value(4).toString()});
    }
    if (query.lastError().isValid())
        return GameRefusal{logUnreadable(query.lastError())};
    return log;
}

struct BoxAndLog {
    GameCodec::StoredPenalties box;
    ScoreSheet sheet;
    QList<LogEntry> log;
};

// A game's penalty box and score sheet, from their stored forms, and its log, all checked.
std::variant<BoxAndLog, GameRefusal> readBoxAndLog(const QSqlDatabase& db, const QString& schema,
                                                   qint64 rowId, const QByteArray& box,
                                                   const QByteArray& sheet, LeagueStore::WithLog withLog) {
    auto penalties = GameCodec::decodePenalties(box);
    if (auto* refusal = std::get_if<GameRefusal>(&penalties))
        return *refusal;
    auto decodedSheet = GameCodec::decodeSheet(sheet);
    if (auto* refusal = std::get_if<GameRefusal>(&decodedSheet))
        return *refusal;
    BoxAndLog read{std::move(std::get<GameCodec::StoredPenalties>(penalties)),
                   std::move(std::get<ScoreSheet>(decodedSheet)),
                   {}};
    if (withLog == LeagueStore::WithLog::Yes) {
        auto log = readLog(db, schema, rowId);
        if (auto* refusal = std::get_if<GameRefusal>(&log))
            return *refusal;
        read.log = std::move(std::get<QList<LogEntry>>(log));
    }
    return read;
}

}  // namespace

std::variant<GameRecord, GameRefusal> LeagueStore::readGame(const QString& gameId) const {
    if (m_mode == Mode::Closed)
        return GameRefusal{tr("The league file is not open.")};
    qint64 rowId = 0;
    return readGameAt(QSqlDatabase::database(m_connection, false), QStringLiteral("main"), gameId,
                      WithLog::Yes, rowId);
}

std::variant<GameRecord, GameRefusal> LeagueStore::readGameAt(const QSqlDatabase& db, const QString& schema,
                                                              const QString& gameId, WithLog withLog,
                                                              qint64& rowId, QByteArray* storedSheet) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral(
            "SELECT g.id, g.started, g.last_played, g.state, length(b.fields), length(b.deck_order),"
            " length(b.penalties), CASE WHEN length(b.fields) <= ? THEN b.fields END,"
            " CASE WHEN length(b.deck_order) <= ? THEN b.deck_order END, b.deck_position, b.current_card,"
            " CASE WHEN length(b.penalties) <= ? THEN b.penalties END,"
            " length(b.sheet), CASE WHEN length(b.sheet) <= ? THEN b.sheet END"
            " FROM %1.games g JOIN %1.boards b ON b.game = g.id WHERE g.uuid = ?")
            .arg(schema));
    for (int i = 0; i < 4; ++i)
        query.bindValue(i, GameCodec::kMaxPartBytes);
    query.bindValue(4, gameId);
    if (!query.exec())
        return GameRefusal{tr("The game cannot be read: %1.").arg(query.lastError().databaseText())};
    if (!query.next())
        return GameRefusal{tr("The game is not in the league.")};

    GameRecord record;
    record.id = gameId;
    rowId = query.value(0).toLongLong();
    record.started = timeOf(query.value(1));
    record.lastPlayed = timeOf(query.value(2));
    const std::optional<GameState> state = GameCodec::stateFromCode(query.value(3).toString().left(40));
    if (!state)
        return GameRefusal{
            tr("Its state is none this program knows: %1.").arg(query.value(3).toString().left(40))};
    record.state = *state;
    if (query.value(4).toLongLong() > GameCodec::kMaxPartBytes)
        return GameRefusal{tooLarge(QT_TRANSLATE_NOOP("League", "board"))};
    if (query.value(5).toLongLong() > GameCodec::kMaxPartBytes)
        return GameRefusal{tooLarge(QT_TRANSLATE_NOOP("League", "deck"))};
    if (query.value(6).toLongLong() > GameCodec::kMaxPartBytes)
        return GameRefusal{tooLarge(QT_TRANSLATE_NOOP("League", "penalty box"))};
    if (query.value(12).toLongLong() > GameCodec::kMaxPartBytes)
        return GameRefusal{tooLarge(QT_TRANSLATE_NOOP("League", "score sheet"))};

    auto fields = GameCodec::decodeFields(query.value(7).toByteArray());
    if (auto* refusal = std::get_if<GameRefusal>(&fields))
        return *refusal;
    const std::optional<qint64> position = integerOf(query.value(9));
    const std::optional<qint64> currentCard = integerOf(query.value(10));
    auto deck =
        GameCodec::decodeDeck(query.value(8).toByteArray(), position.value_or(0), currentCard.value_or(0));
    if (auto* refusal = std::get_if<GameRefusal>(&deck))
        return *refusal;
    const QByteArray box = query.value(11).toByteArray();
    const QByteArray sheet = query.value(13).toByteArray();
    query.finish();
    auto rest = readBoxAndLog(db, schema, rowId, box, sheet, withLog);
    if (auto* refusal = std::get_if<GameRefusal>(&rest))
        return *refusal;
    if (storedSheet)
        *storedSheet = sheet;

    BoxAndLog& boxAndLog = std::get<BoxAndLog>(rest);
    record.board.fields = std::move(std::get<FieldModel::Snapshot>(fields));
    record.board.deck = std::get<Deck::State>(deck);
    record.board.penalties = std::move(boxAndLog.box.penalties);
    record.board.nextPenaltyNumber = boxAndLog.box.nextNumber;
    record.board.sheet = std::move(boxAndLog.sheet);
    record.log = std::move(boxAndLog.log);
    return record;
}

std::optional<std::variant<SaveMatch, GameRefusal>> LeagueStore::findSave(
    const SavedGame::Lines& lines) const {
    if (m_mode == Mode::Closed)
        return std::nullopt;
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT g.uuid, g.id, s.saved_at, substr(s.path, 1, 4096), s.log_length,"
        " CASE WHEN length(s.penalties) <= ? THEN s.penalties END,"
        " CASE WHEN length(s.sheet) <= ? THEN s.sheet END"
        " FROM saves s JOIN games g ON g.id = s.game WHERE s.digest = ? ORDER BY s.saved_at DESC, s.game DESC"
        " LIMIT 1"));
    query.bindValue(0, GameCodec::kMaxPartBytes);
    query.bindValue(1, GameCodec::kMaxPartBytes);
    query.bindValue(2, digest(lines));
    if (!query.exec() || !query.next())
        return std::nullopt;

    SaveMatch match;
    match.gameId = query.value(0).toString();
    const qint64 rowId = query.value(1).toLongLong();
    match.savedAt = timeOf(query.value(2));
    match.path = query.value(3).toString();
    const qint64 logLength = query.value(4).toLongLong();
    const QByteArray box = query.value(5).toByteArray();
    const QByteArray sheet = query.value(6).toByteArray();
    query.finish();
    auto rest = readBoxAndLog(db, QStringLiteral("main"), rowId, box, sheet, WithLog::Yes);
    if (auto* refusal = std::get_if<GameRefusal>(&rest))
        return *refusal;
    BoxAndLog& boxAndLog = std::get<BoxAndLog>(rest);
    match.penalties = std::move(boxAndLog.box.penalties);
    match.nextPenaltyNumber = boxAndLog.box.nextNumber;
    match.sheet = std::move(boxAndLog.sheet);
    match.log = std::move(boxAndLog.log);
    match.logLengthAtSave = std::clamp<qint64>(logLength, 0, match.log.size());
    return match;
}

QList<GameSummary> LeagueStore::games() const {
    QList<GameSummary> games;
    if (m_mode == Mode::Closed)
        return games;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral(
            "SELECT substr(uuid, 1, 64), started, last_played, substr(state, 1, 40), substr(away_name, 1, "
            "100),"
            " substr(home_name, 1, 100), substr(away_goals, 1, 20), substr(home_goals, 1, 20),"
            " substr(period, 1, 20), substr(clock, 1, 20) FROM games ORDER BY last_played DESC, id DESC")))
        return games;
    while (query.next()) {
        games.append({query.value(0).toString(), timeOf(query.value(1)), timeOf(query.value(2)),
                      query.value(4).toString(), query.value(5).toString(), query.value(6).toString(),
                      query.value(7).toString(), query.value(8).toString(), query.value(9).toString(),
                      GameCodec::stateFromCode(query.value(3).toString())});
    }
    return games;
}

std::variant<LeagueStore::LogsCheck, GameRefusal> LeagueStore::checkLogsAt(const QSqlDatabase& db,
                                                                           const QString& schema) {
    const QStringList codes = GameCodec::knownEventCodes();
    const QString known = QStringList(codes.size(), QStringLiteral("?")).join(QLatin1Char(','));
    QSqlQuery query(db);
    query.setForwardOnly(true);
    // A log is numbered as this program numbers logs when its numbers are whole and run from
    // 0 without a gap; they are unique when the table's key is the game and the number.
    query.prepare(
        QStringLiteral("SELECT coalesce(sum(name = 'game' AND pk = 1) + sum(name = 'seq' AND pk = 2)"
                       " = 2 AND sum(pk > 0) = 2, 0) FROM pragma_table_info('log_entries', ?)"));
    query.bindValue(0, schema);
    if (!query.exec() || !query.next())
        return GameRefusal{logUnreadable(query.lastError())};
    const bool keyed = query.value(0).toBool();
    query.prepare(
        QStringLiteral("SELECT game, count(*), coalesce(sum(NOT coalesce(max(length(event), "
                       "length(period), length(clock), length(details)) <= ?, 0)), 0),"
                       " coalesce(sum(CAST(event AS TEXT) NOT IN (%2)), 0),"
                       " sum(typeof(seq) = 'integer') = count(*) AND min(seq) = 0 AND max(seq) = count(*) - 1"
                       " FROM %1.log_entries GROUP BY game")
            .arg(schema, known));
    query.bindValue(0, GameCodec::kMaxTextChars);
    for (qsizetype i = 0; i < codes.size(); ++i)
        query.bindValue(1 + int(i), codes[i]);
    if (!query.exec())
        return GameRefusal{logUnreadable(query.lastError())};
    LogsCheck check;
    QList<qint64> unknown;
    while (query.next()) {
        const qint64 game = query.value(0).toLongLong();
        if (query.value(1).toLongLong() > GameCodec::kMaxLogEntries || query.value(2).toLongLong() > 0)
            check.refused.insert(game, GameRefusal{logTooLarge()});
        else if (query.value(3).toLongLong() > 0)
            unknown << game;
        else if (!keyed || !query.value(4).toBool())
            check.renumbered.insert(game);
    }
    if (query.lastError().isValid())
        return GameRefusal{logUnreadable(query.lastError())};

    // The first event of each such log that the program does not know, to name it.
    query.prepare(QStringLiteral("SELECT CAST(event AS TEXT) FROM %1.log_entries WHERE game = ? AND"
                                 " CAST(event AS TEXT) NOT IN (%2) ORDER BY seq LIMIT 1")
                      .arg(schema, known));
    for (const qint64 game : std::as_const(unknown)) {
        query.bindValue(0, game);
        for (qsizetype i = 0; i < codes.size(); ++i)
            query.bindValue(1 + int(i), codes[i]);
        check.refused.insert(
            game, GameRefusal{query.exec() && query.next() ? unknownEvent(query.value(0).toString())
                                                           : logUnreadable(query.lastError())});
    }
    return check;
}
