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

// The log of the game with this row id, each text checked for its size before it is read.
std::variant<QList<LogEntry>, GameRefusal> readLog(QSqlDatabase db, qint64 rowId) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT event, fits, CASE WHEN fits THEN period END, CASE WHEN fits THEN clock END,"
                       " CASE WHEN fits THEN details END FROM (SELECT seq, event, period, clock, details,"
                       " max(length(event), length(period), length(clock), length(details)) <= ? AS fits"
                       " FROM log_entries WHERE game = ?) ORDER BY seq"));
    query.bindValue(0, GameCodec::kMaxTextChars);
    query.bindValue(1, rowId);
    if (!query.exec())
        return GameRefusal{QCoreApplication::translate("League", "Its game log cannot be read: %1.")
                               .arg(query.lastError().databaseText())};
    QList<LogEntry> log;
    while (query.next()) {
        if (log.size() >= GameCodec::kMaxLogEntries)
            return GameRefusal{tooLarge(QT_TRANSLATE_NOOP("League", "game log"))};
        if (!query.value(1).toBool())
            return GameRefusal{tooLarge(QT_TRANSLATE_NOOP("League", "game log"))};
        const QString code = query.value(0).toString();
        const std::optional<LogEntry::Event> event = GameCodec::eventFromCode(code);
        if (!event) {
            return GameRefusal{QCoreApplication::translate("League",
                                                           "Its game log holds an event this program "
                                                           "does not know: %1.")
                                   .arg(code.left(40))};
        }
        log.append({query.value(2).toString(), query.value(3).toString(), *event, query.value(4).toString()});
    }
    if (query.lastError().isValid())
        return GameRefusal{QCoreApplication::translate("League", "Its game log cannot be read: %1.")
                               .arg(query.lastError().databaseText())};
    return log;
}

struct BoxAndLog {
    GameCodec::StoredPenalties box;
    ScoreSheet sheet;
    QList<LogEntry> log;
};

// A game's penalty box and score sheet, from their stored forms, and its log, all checked.
std::variant<BoxAndLog, GameRefusal> readBoxAndLog(const QSqlDatabase& db, qint64 rowId,
                                                   const QByteArray& box, const QByteArray& sheet) {
    auto penalties = GameCodec::decodePenalties(box);
    if (auto* refusal = std::get_if<GameRefusal>(&penalties))
        return *refusal;
    auto decodedSheet = GameCodec::decodeSheet(sheet);
    if (auto* refusal = std::get_if<GameRefusal>(&decodedSheet))
        return *refusal;
    auto log = readLog(db, rowId);
    if (auto* refusal = std::get_if<GameRefusal>(&log))
        return *refusal;
    return BoxAndLog{std::move(std::get<GameCodec::StoredPenalties>(penalties)),
                     std::move(std::get<ScoreSheet>(decodedSheet)),
                     std::move(std::get<QList<LogEntry>>(log))};
}

}  // namespace

std::variant<GameRecord, GameRefusal> LeagueStore::readGame(const QString& gameId) const {
    if (m_mode == Mode::Closed)
        return GameRefusal{tr("The league file is not open.")};
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT g.id, g.started, g.last_played, g.state, length(b.fields), length(b.deck_order),"
        " length(b.penalties), CASE WHEN length(b.fields) <= ? THEN b.fields END,"
        " CASE WHEN length(b.deck_order) <= ? THEN b.deck_order END, b.deck_position, b.current_card,"
        " CASE WHEN length(b.penalties) <= ? THEN b.penalties END,"
        " length(b.sheet), CASE WHEN length(b.sheet) <= ? THEN b.sheet END"
        " FROM games g JOIN boards b ON b.game = g.id WHERE g.uuid = ?"));
    for (int i = 0; i < 4; ++i)
        query.bindValue(i, GameCodec::kMaxPartBytes);
    query.bindValue(4, gameId);
    if (!query.exec())
        return GameRefusal{tr("The game cannot be read: %1.").arg(query.lastError().databaseText())};
    if (!query.next())
        return GameRefusal{tr("The game is not in the league.")};

    GameRecord record;
    record.id = gameId;
    const qint64 rowId = query.value(0).toLongLong();
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
    auto rest = readBoxAndLog(db, rowId, box, sheet);
    if (auto* refusal = std::get_if<GameRefusal>(&rest))
        return *refusal;

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
    auto rest = readBoxAndLog(db, rowId, box, sheet);
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
