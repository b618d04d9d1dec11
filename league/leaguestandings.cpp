// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The standings and the leaders, each computed by one query over the results of the final
// games and the players' parts in them.
#include <QSqlDatabase>
#include <QSqlQuery>

#include "league/leaguestore.h"

namespace {

// A name as far as a table shows it: a name of a megabyte stays in the file.
constexpr int kShownNameChars = 100;

int number(const QSqlQuery& query, int column) {
    return query.value(column).toInt();
}

// The condition on the team, when one is picked, bound as the query's last value.
QString teamCondition(const QString& team) {
    return team.isEmpty() ? QString() : QStringLiteral(" AND team = ?");
}

}  // namespace

QString StandingRow::lastTen() const {
    QString text = QStringLiteral("%1-%2-%3").arg(lastWins).arg(lastLosses).arg(lastOvertimeLosses);
    if (lastTies > 0)
        text += QStringLiteral("-%1").arg(lastTies);
    return text;
}

QList<StandingRow> LeagueStore::standings() const {
    QList<StandingRow> rows;
    if (m_mode == Mode::Closed)
        return rows;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "WITH sides AS ("
        " SELECT game, played, away_team AS team, away_goals AS gf, home_goals AS ga, decided FROM results"
        " UNION ALL"
        " SELECT game, played, home_team, home_goals, away_goals, decided FROM results),"
        " counted AS (SELECT *, gf > ga AS w, gf < ga AND decided = 'regulation' AS l,"
        " gf < ga AND decided <> 'regulation' AS otl, gf = ga AS t,"
        " row_number() OVER (PARTITION BY team ORDER BY played DESC, game DESC) <= 10 AS recent FROM sides)"
        " SELECT substr(team, 1, ?), count(*), sum(w), sum(l), sum(otl), sum(t), sum(gf), sum(ga),"
        " sum(recent AND w), sum(recent AND l), sum(recent AND otl), sum(recent AND t)"
        " FROM counted GROUP BY team"
        " ORDER BY 2 * sum(w) + sum(otl) + sum(t) DESC, sum(w) DESC, sum(gf) - sum(ga) DESC, team"));
    query.bindValue(0, kShownNameChars);
    if (!query.exec())
        return rows;
    while (query.next()) {
        StandingRow row;
        row.team = query.value(0).toString();
        row.played = number(query, 1);
        row.wins = number(query, 2);
        row.losses = number(query, 3);
        row.overtimeLosses = number(query, 4);
        row.ties = number(query, 5);
        row.goalsFor = number(query, 6);
        row.goalsAgainst = number(query, 7);
        row.lastWins = number(query, 8);
        row.lastLosses = number(query, 9);
        row.lastOvertimeLosses = number(query, 10);
        row.lastTies = number(query, 11);
        rows.append(row);
    }
    return rows;
}

namespace {

// A leaders query, for the league or one team: the team's and the player's names cut short.
bool runLeaders(QSqlQuery& query, const QString& sql, const QString& team) {
    query.setForwardOnly(true);
    query.prepare(sql.arg(teamCondition(team)));
    query.bindValue(0, kShownNameChars);
    query.bindValue(1, kShownNameChars);
    if (!team.isEmpty())
        query.bindValue(2, team);
    return query.exec();
}

}  // namespace

QList<SkaterRow> LeagueStore::skaters(const QString& team) const {
    QList<SkaterRow> rows;
    if (m_mode == Mode::Closed)
        return rows;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!runLeaders(
            query,
            QStringLiteral("SELECT substr(team, 1, ?), number, substr(name, 1, ?),"
                           " substr(max(position), 1, 4), count(*), sum(goals), sum(assists), sum(pim),"
                           " sum(plus_minus) FROM player_games WHERE in_net = 0%1"
                           " GROUP BY team, number, name"
                           " ORDER BY sum(goals) + sum(assists) DESC, sum(goals) DESC, name"),
            team))
        return rows;
    while (query.next()) {
        SkaterRow row;
        row.team = query.value(0).toString();
        row.number = number(query, 1);
        row.name = query.value(2).toString();
        row.position = query.value(3).toString();
        row.played = number(query, 4);
        row.goals = number(query, 5);
        row.assists = number(query, 6);
        row.penaltyMinutes = number(query, 7);
        row.plusMinus = number(query, 8);
        rows.append(row);
    }
    return rows;
}

QList<GoalieRow> LeagueStore::goalies(const QString& team) const {
    QList<GoalieRow> rows;
    if (m_mode == Mode::Closed)
        return rows;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!runLeaders(query,
                    QStringLiteral("SELECT substr(team, 1, ?), number, substr(name, 1, ?), count(*),"
                                   " sum(decision = 'W'), sum(decision = 'L'), sum(decision = 'OTL'),"
                                   " sum(shots_against), sum(goals_against), sum(shutout)"
                                   " FROM player_games WHERE in_net = 1%1 GROUP BY team, number, name"
                                   " ORDER BY sum(decision = 'W') DESC, count(*) DESC, name"),
                    team))
        return rows;
    while (query.next()) {
        GoalieRow row;
        row.team = query.value(0).toString();
        row.number = number(query, 1);
        row.name = query.value(2).toString();
        row.played = number(query, 3);
        row.wins = number(query, 4);
        row.losses = number(query, 5);
        row.overtimeLosses = number(query, 6);
        row.shotsAgainst = number(query, 7);
        row.goalsAgainst = number(query, 8);
        row.shutouts = number(query, 9);
        rows.append(row);
    }
    return rows;
}

QStringList LeagueStore::leaderTeams() const {
    QStringList teams;
    if (m_mode == Mode::Closed)
        return teams;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    if (!query.exec(
            QStringLiteral("SELECT DISTINCT team FROM player_games WHERE length(team) <= %1 ORDER BY team")
                .arg(kShownNameChars)))
        return teams;
    while (query.next())
        teams.append(query.value(0).toString());
    return teams;
}
