// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "league/leagueschema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <array>

namespace LeagueSchema {

namespace {

// Each step as it was first shipped; a step never changes once a file of its version exists.
// Times are milliseconds since 1970 (UTC). The games table holds what the list of games
// shows and stays small; a game's board and its log live beside it.
const std::array<QStringList, kVersion> kSteps = {{
    // 0 -> 1
    {QStringLiteral("CREATE TABLE games ("
                    " id INTEGER PRIMARY KEY,"
                    " uuid TEXT NOT NULL UNIQUE,"
                    " started INTEGER NOT NULL,"
                    " last_played INTEGER NOT NULL,"
                    " state TEXT NOT NULL,"
                    " away_name TEXT NOT NULL,"
                    " home_name TEXT NOT NULL,"
                    " away_goals TEXT NOT NULL,"
                    " home_goals TEXT NOT NULL,"
                    " period TEXT NOT NULL,"
                    " clock TEXT NOT NULL)"),
     QStringLiteral("CREATE TABLE boards ("
                    " game INTEGER PRIMARY KEY REFERENCES games(id) ON DELETE CASCADE,"
                    " fields BLOB NOT NULL,"
                    " deck_order BLOB NOT NULL,"
                    " deck_position INTEGER NOT NULL,"
                    " current_card INTEGER NOT NULL,"
                    " penalties BLOB NOT NULL)"),
     QStringLiteral("CREATE TABLE log_entries ("
                    " game INTEGER NOT NULL REFERENCES games(id) ON DELETE CASCADE,"
                    " seq INTEGER NOT NULL,"
                    " period TEXT NOT NULL,"
                    " clock TEXT NOT NULL,"
                    " event TEXT NOT NULL,"
                    " details TEXT NOT NULL,"
                    " PRIMARY KEY (game, seq)) WITHOUT ROWID")},
    // 1 -> 2: a game's last save
    {QStringLiteral("CREATE TABLE saves ("
                    " game INTEGER PRIMARY KEY REFERENCES games(id) ON DELETE CASCADE,"
                    " saved_at INTEGER NOT NULL,"
                    " path TEXT NOT NULL,"
                    " digest BLOB NOT NULL,"
                    " penalties BLOB NOT NULL,"
                    " log_length INTEGER NOT NULL)"),
     QStringLiteral("CREATE INDEX saves_by_digest ON saves (digest)")},
    // 2 -> 3: the score sheet beside each board and each save, the league's teams with their rosters, and
    // the league's own settings
    {QStringLiteral("ALTER TABLE boards ADD COLUMN sheet BLOB NOT NULL DEFAULT X''"),
     QStringLiteral("ALTER TABLE saves ADD COLUMN sheet BLOB NOT NULL DEFAULT X''"),
     QStringLiteral("CREATE TABLE teams ("
                    " id INTEGER PRIMARY KEY,"
                    " name TEXT NOT NULL,"
                    " short_name TEXT NOT NULL,"
                    " roster BLOB NOT NULL)"),
     QStringLiteral("CREATE TABLE league_settings ("
                    " key TEXT PRIMARY KEY,"
                    " value TEXT NOT NULL) WITHOUT ROWID")},
}};

}  // namespace

std::optional<QString> upgrade(QSqlDatabase& db, int from) {
    QSqlQuery query(db);
    for (int version = from; version < kVersion; ++version) {
        for (const QString& statement : kSteps[static_cast<size_t>(version)]) {
            if (!query.exec(statement))
                return query.lastError().text();
        }
    }
    if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(kVersion)) ||
        !query.exec(QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId)))
        return query.lastError().text();
    return std::nullopt;
}

}  // namespace LeagueSchema
