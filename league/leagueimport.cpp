// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// League > Import Games: the final games and the teams of another league file, brought in
// whole or not at all, each game with the checks of readGame().
#include <QCoreApplication>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include "league/leaguestore.h"

#include "game/verdict.h"

namespace {

// How many reasons and differences the summary shows; the rest are counted.
constexpr qsizetype kShownLines = 5;

QString described(const RosterEntry& player) {
    return QStringLiteral("%1 (%2)").arg(player.name, positionCode(player.position));
}

// The players of one team, as the two leagues have them: empty when they are the same.
QString rosterDifference(const Roster& ours, const Roster& theirs) {
    QStringList parts;
    for (const RosterEntry& mine : ours.players) {
        const RosterEntry* other = theirs.player(mine.number);
        if (!other)
            parts << QCoreApplication::translate("LeagueImport", "number %1, %2, only here")
                         .arg(mine.number)
                         .arg(described(mine));
        else if (*other != mine)
            parts << QCoreApplication::translate("LeagueImport", "number %1 is %2 here and %3 there")
                         .arg(mine.number)
                         .arg(described(mine), described(*other));
    }
    for (const RosterEntry& other : theirs.players) {
        if (!ours.player(other.number))
            parts << QCoreApplication::translate("LeagueImport", "number %1, %2, only there")
                         .arg(other.number)
                         .arg(described(other));
    }
    if (parts.isEmpty())
        return {};
    return QCoreApplication::translate("LeagueImport", "%1: %2")
        .arg(ours.name, parts.join(QStringLiteral("; ")));
}

void appendSome(QStringList& lines, const QStringList& items) {
    for (const QString& item : items.mid(0, kShownLines))
        lines << QStringLiteral("– ") + item;
    if (items.size() > kShownLines)
        lines
            << QCoreApplication::translate("LeagueImport", "– and %1 more.").arg(items.size() - kShownLines);
}

}  // namespace

QString LeagueImport::summary() const {
    QStringList lines;
    if (!failure.isEmpty())
        return QCoreApplication::translate("LeagueImport", "No game was imported. %1").arg(failure);
    lines << QCoreApplication::translate("LeagueImport",
                                         "Games imported: %1. Already in this league: %2. Refused: %3.")
                 .arg(imported)
                 .arg(alreadyHere)
                 .arg(refused.size());
    appendSome(lines, refused);
    if (!teamsAdded.isEmpty())
        lines << QCoreApplication::translate("LeagueImport", "Teams added: %1.")
                     .arg(teamsAdded.join(QStringLiteral(", ")));
    if (!rosterDifferences.isEmpty()) {
        lines << QCoreApplication::translate(
            "LeagueImport",
            "These teams' players differ between the two leagues; this league's rosters are left as "
            "they are:");
        appendSome(lines, rosterDifferences);
    }
    if (!teamsRefused.isEmpty()) {
        lines << QCoreApplication::translate("LeagueImport", "Teams not imported:");
        appendSome(lines, teamsRefused);
    }
    return lines.join(QLatin1Char('\n'));
}

LeagueImport LeagueStore::importGames(const LeagueStore& from) {
    LeagueImport result;
    struct Candidate {
        QString id;
        QString named;  // "Bears at Lynx, 2025-09-01", for a refusal
    };
    QList<Candidate> candidates;
    {
        QSqlQuery query(QSqlDatabase::database(from.m_connection, false));
        query.setForwardOnly(true);
        query.prepare(
            QStringLiteral("SELECT CASE WHEN typeof(uuid) = 'text' AND length(uuid) <= 64 THEN uuid END,"
                           " substr(away_name, 1, 60), substr(home_name, 1, 60), started FROM games WHERE "
                           "state = ? ORDER BY id"));
        query.bindValue(0, GameCodec::stateCode(GameState::Final));
        if (!query.exec()) {
            result.failure = QCoreApplication::translate(
                                 "LeagueStore", "The games of the other league file cannot be read: %1.")
                                 .arg(query.lastError().databaseText());
            return result;
        }
        while (query.next()) {
            const QString named =
                QCoreApplication::translate("LeagueStore", "%1 at %2, %3")
                    .arg(query.value(1).toString(), query.value(2).toString(),
                         QDateTime::fromMSecsSinceEpoch(query.value(3).toLongLong(), Qt::UTC)
                             .toString(QStringLiteral("yyyy-MM-dd")));
            if (query.value(0).isNull())
                result.refused << QCoreApplication::translate("LeagueStore",
                                                              "%1: its id is none this program writes.")
                                      .arg(named);
            else
                candidates.append({query.value(0).toString(), named});
        }
    }
    QSet<QString> here;
    {
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        query.setForwardOnly(true);
        if (query.exec(QStringLiteral("SELECT uuid FROM games"))) {
            while (query.next())
                here.insert(query.value(0).toString());
        }
    }

    const LeagueTeams theirs = from.readTeams();
    result.teamsRefused = theirs.refused;
    QList<Roster> known = teams();
    QList<LeagueTeam> added;
    for (const LeagueTeam& team : theirs.teams) {
        if (const Roster* ours = findRoster(known, team.roster.name)) {
            if (const QString difference = rosterDifference(*ours, team.roster); !difference.isEmpty())
                result.rosterDifferences << difference;
            continue;
        }
        known.append(team.roster);
        added.append({0, team.roster});
        result.teamsAdded << team.roster.name;
    }

    // The other file is read through this connection, in the snapshot of the import's own
    // transaction: each game is checked and its log copied by SQL as it stands in that file.
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    const QString schema = QStringLiteral("imported");
    QSqlQuery attach(db);
    attach.prepare(QStringLiteral("ATTACH DATABASE ? AS %1").arg(schema));
    attach.bindValue(
        0, QUrl::fromLocalFile(from.filePath()).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=ro"));
    if (!attach.exec()) {
        result.failure = QCoreApplication::translate("LeagueStore",
                                                     "The games of the other league file cannot be read: %1.")
                             .arg(attach.lastError().databaseText());
        return result;
    }
    const bool written = transaction([&] {
        // Each game's row here, by its row there, for the logs copied at the end.
        QSqlQuery rows(db);
        if (!rows.exec(
                QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS imported_rows (there INTEGER PRIMARY KEY,"
                               " here INTEGER NOT NULL, renumbered INTEGER NOT NULL)")) ||
            !rows.exec(QStringLiteral("DELETE FROM temp.imported_rows")) ||
            !rows.prepare(QStringLiteral(
                "INSERT INTO temp.imported_rows (there, here, renumbered) VALUES (?, ?, ?)"))) {
            writingFailed(rows);
            return false;
        }
        const std::variant<LogsCheck, GameRefusal> logs = checkLogsAt(db, schema);
        QSet<qint64> rowsTaken;
        for (const Candidate& candidate : std::as_const(candidates)) {
            if (here.contains(candidate.id)) {
                ++result.alreadyHere;
                continue;
            }
            qint64 rowThere = 0;
            QByteArray storedSheet;
            const std::variant<GameRecord, GameRefusal> read =
                readGameAt(db, schema, candidate.id, WithLog::No, rowThere, &storedSheet);
            std::optional<GameRefusal> refusal;
            if (const auto* unread = std::get_if<GameRefusal>(&read))
                refusal = *unread;
            else if (const auto* unreadLogs = std::get_if<GameRefusal>(&logs))
                refusal = *unreadLogs;
            else if (const auto found = std::get<LogsCheck>(logs).refused.constFind(rowThere);
                     found != std::get<LogsCheck>(logs).refused.cend())
                refusal = *found;
            else if (rowsTaken.contains(rowThere))
                refusal = GameRefusal{
                    QCoreApplication::translate("LeagueImport", "Its game log is another game's too.")};
            if (refusal) {
                result.refused << QCoreApplication::translate("LeagueStore", "%1: %2")
                                      .arg(candidate.named, refusal->reason);
                continue;
            }
            const GameRecord& record = std::get<GameRecord>(read);
            qint64 rowHere = 0;
            if (!upsertGame(record.id, record.board, record.state, record.started, record.lastPlayed, rowHere,
                            storedSheet) ||
                !writeResultRows(record.id,
                                 resultOf(record.board, verdictOf(record.board.fields, record.board.sheet))))
                return false;
            rows.bindValue(0, rowThere);
            rows.bindValue(1, rowHere);
            rows.bindValue(2, std::get<LogsCheck>(logs).renumbered.contains(rowThere) ? 1 : 0);
            if (!rows.exec()) {
                writingFailed(rows);
                return false;
            }
            rowsTaken.insert(rowThere);
            here.insert(candidate.id);
            ++result.imported;
        }
        // The logs as they stand there, checked above in this transaction's view of that file;
        // the few numbered otherwise are numbered from 0 in their order, as readGame() reads them.
        const QString copyLogs = QStringLiteral(
            "INSERT INTO log_entries (game, seq, period, clock, event, details) SELECT r.here, %1,"
            " CAST(l.period AS TEXT), CAST(l.clock AS TEXT), CAST(l.event AS TEXT), CAST(l.details AS TEXT)"
            " FROM temp.imported_rows r JOIN %3.log_entries l ON l.game = r.there WHERE r.renumbered = %2");
        QSqlQuery copy(db);
        if (!copy.exec(copyLogs.arg(QStringLiteral("l.seq"), QStringLiteral("0"), schema)) ||
            !copy.exec(
                copyLogs.arg(QStringLiteral("row_number() OVER (PARTITION BY r.here ORDER BY l.seq) - 1"),
                             QStringLiteral("1"), schema)) ||
            !copy.exec(QStringLiteral("DELETE FROM temp.imported_rows"))) {
            writingFailed(copy);
            return false;
        }
        QList<qint64> ids;
        return writeTeamRows(added, {}, ids);
    });
    attach.finish();
    QSqlQuery(db).exec(QStringLiteral("DETACH DATABASE %1").arg(schema));
    if (!written) {
        LeagueImport failed;
        failed.failure = m_problem.isEmpty() ? QCoreApplication::translate(
                                                   "LeagueStore", "This league file cannot be written.")
                                             : m_problem;
        return failed;
    }
    if (result.imported > 0) {
        emit gamesChanged();
        emit resultsChanged();
    }
    if (!added.isEmpty())
        emit teamsChanged();
    return result;
}
