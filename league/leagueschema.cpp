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
    // 3 -> 4: what the standings and the leaders count, written for each game while it is final:
    // its result, and each player's part in it. played orders a team's games (the game's start).
    {QStringLiteral("CREATE TABLE results ("
                    " game INTEGER PRIMARY KEY REFERENCES games(id) ON DELETE CASCADE,"
                    " played INTEGER NOT NULL,"
                    " away_team TEXT NOT NULL,"
                    " home_team TEXT NOT NULL,"
                    " away_goals INTEGER NOT NULL,"
                    " home_goals INTEGER NOT NULL,"
                    " decided TEXT NOT NULL)"),
     QStringLiteral("CREATE INDEX results_by_away ON results (away_team, played)"),
     QStringLiteral("CREATE INDEX results_by_home ON results (home_team, played)"),
     QStringLiteral("CREATE TABLE player_games ("
                    " game INTEGER NOT NULL REFERENCES games(id) ON DELETE CASCADE,"
                    " team TEXT NOT NULL,"
                    " number INTEGER NOT NULL,"
                    " name TEXT NOT NULL,"
                    " position TEXT NOT NULL,"
                    " goals INTEGER NOT NULL,"
                    " assists INTEGER NOT NULL,"
                    " pim INTEGER NOT NULL,"
                    " plus_minus INTEGER NOT NULL,"
                    " in_net INTEGER NOT NULL,"
                    " shots_against INTEGER NOT NULL,"
                    " goals_against INTEGER NOT NULL,"
                    " decision TEXT NOT NULL,"
                    " shutout INTEGER NOT NULL)"),
     QStringLiteral("CREATE INDEX player_games_by_game ON player_games (game)"),
     // The leaders group a season's rows by player: read in this order from the index alone.
     QStringLiteral("CREATE INDEX player_games_by_player ON player_games (in_net, team, number, name, goals,"
                    " assists, pim, plus_minus, position, decision, shots_against, goals_against, shutout)")},
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
