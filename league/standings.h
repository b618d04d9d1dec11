// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

// A team's line of the standings, over the league's final games. A game ended level (overtime
// run out with no shoot-out to follow, or ended by hand at a tie) is a tie, worth a point.
struct StandingRow {
    QString team;
    int played = 0, wins = 0, losses = 0, overtimeLosses = 0, ties = 0;
    int goalsFor = 0, goalsAgainst = 0;
    // The team's last ten games: wins, losses, losses in overtime or the shoot-out, ties.
    int lastWins = 0, lastLosses = 0, lastOvertimeLosses = 0, lastTies = 0;

    // Two for a win, one for a loss in overtime or the shoot-out, one for a tie.
    int points() const { return 2 * wins + overtimeLosses + ties; }
    int difference() const { return goalsFor - goalsAgainst; }
    // "6-3-1", with the ties as a fourth figure when there are any: "5-3-1-1".
    QString lastTen() const;
};

// A skater's season over the final games, by team, number and name.
struct SkaterRow {
    QString team;
    int number = 0;
    QString name, position;
    int played = 0, goals = 0, assists = 0, penaltyMinutes = 0, plusMinus = 0;

    int points() const { return goals + assists; }
};

// A goalie's season: the games he was in net.
struct GoalieRow {
    QString team;
    int number = 0;
    QString name;
    int played = 0, wins = 0, losses = 0, overtimeLosses = 0;
    int shotsAgainst = 0, goalsAgainst = 0, shutouts = 0;

    // Goals against per game played: the sheet does not keep each goalie's minutes.
    double goalsAgainstAverage() const { return played > 0 ? double(goalsAgainst) / played : 0; }
    // None before the first shot.
    std::optional<double> savePercentage() const {
        if (shotsAgainst <= 0)
            return std::nullopt;
        return double(shotsAgainst - goalsAgainst) / shotsAgainst;
    }
};
