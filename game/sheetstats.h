// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <array>
#include <optional>

#include "game/scoresheet.h"

class FieldModel;

// What the score sheet adds up to: the counts by period from the board, each roster player's
// line of the box score, the goalkeeping, and the three stars.
namespace SheetStats {

// Periods 1, 2, 3 and overtime: the board's columns.
inline constexpr int kPeriodColumns = 4;

// A count of the board by period, and its total, read as numbers.
struct ByPeriod {
    std::array<double, kPeriodColumns> periods{};
    double total = 0;

    bool operator==(const ByPeriod&) const = default;
};

struct TeamCounts {
    ByPeriod goals;
    ByPeriod shots;

    bool operator==(const TeamCounts&) const = default;
};

// The board's goals and shots of the team.
TeamCounts countsOf(const FieldModel& fields, Team team);

// A goalie's shots and goals against by period; kNobody is the net with no goalie named (a
// team without a roster) or left empty.
struct GoalieLine {
    Team team = Team::Away;
    int number = kNobody;
    std::array<int, kPeriodColumns> shotsAgainst{};
    std::array<int, kPeriodColumns> goalsAgainst{};

    // Shots against less goals against, never below 0.
    int saves(int column) const;
    // The periods' saves added up, so that the total is what the columns show.
    int totalSaves() const;
    int totalShotsAgainst() const;
    int totalGoalsAgainst() const;
};

// One roster player's line of the box score.
struct PlayerLine {
    Team team = Team::Away;
    RosterEntry player;
    int goals = 0;
    int assists = 0;
    int penaltyMinutes = 0;
    int plusMinus = 0;
    std::optional<GoalieLine> goalkeeping;  // a goalie who was in net

    int points() const { return goals + assists; }
};

// The team's roster, skaters by number and then the goalies; empty without a roster. A goal
// or a penalty of a player the roster no longer has counts for nobody here.
QList<PlayerLine> boxScore(const ScoreSheet& sheet, Team team);

// Every net the team had shots or goals against in: its goalies in the order they first
// faced a shot or a goal, with the empty net last.
QList<GoalieLine> goalkeeping(const ScoreSheet& sheet, Team team);

struct Star {
    Team team = Team::Away;
    int number = kNobody;
    bool picked = false;  // by the player, not proposed

    bool operator==(const Star&) const = default;
};
using Stars = std::array<std::optional<Star>, 3>;

// The three stars: the player's picks where he made them, and the best of the others by the
// proposal in the remaining places, none where nobody earned one. The winner is the team with
// more goals on the board.
Stars threeStars(const ScoreSheet& sheet, const std::array<std::optional<StarPick>, 3>& picks,
                 const TeamCounts& away, const TeamCounts& home);
inline Stars threeStars(const ScoreSheet& sheet, const TeamCounts& away, const TeamCounts& home) {
    return threeStars(sheet, sheet.starPicks(), away, home);
}

}  // namespace SheetStats
