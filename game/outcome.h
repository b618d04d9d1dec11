// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "game/team.h"

// How a league plays on when the third period ends level. The default is the game's own:
// a 20:00 overtime played to 0:00, and a game still level after it ends level.
struct OvertimeRules {
    static constexpr int kShortMinutes = 5;
    static constexpr int kFullMinutes = 20;

    bool suddenDeath = false;    // the first goal in overtime ends the game
    int minutes = kFullMinutes;  // 5 or 20: a 5:00 overtime is over when the clock reaches 15:00
    int skaters = 5;             // 5, 4 or 3 a side
    bool shootout = false;       // when overtime ends level

    bool operator==(const OvertimeRules&) const = default;
};

// The board as far as the league's verdict needs it.
struct Scoreline {
    QString period;            // "1", "2", "3", "OT"
    bool clockRunning = true;  // the period is not over
    double secondsLeft = 0;
    int awayGoals = 0, homeGoals = 0;  // the totals
    int awayOvertimeGoals = 0, homeOvertimeGoals = 0;
    bool endedByHand = false;            // Game > End Game
    std::optional<Team> shootoutWinner;  // a decided shoot-out

    bool operator==(const Scoreline&) const = default;
};

enum class Decided { Regulation, Overtime, Shootout };

// What the league makes of a game.
struct GameOutcome {
    bool final = false;
    Decided decided = Decided::Regulation;
    // The league's final score: the shoot-out's winner gets one goal more than the board shows.
    int awayGoals = 0, homeGoals = 0;
    bool shootoutNeeded = false;  // overtime ended level and the league breaks ties that way

    std::optional<Team> winner() const;
    bool operator==(const GameOutcome&) const = default;
};

GameOutcome outcomeOf(const Scoreline& board, const OvertimeRules& rules);

// One attempt of a shoot-out, in the order they were taken.
struct ShootoutAttempt {
    Team team = Team::Away;
    int shooter = -1;  // roster numbers; -1 when the team plays without one
    int goalie = -1;
    bool scored = false;

    bool operator==(const ShootoutAttempt&) const = default;
};

// The team that won the shoot-out: best of three rounds, decided as soon as one team cannot be
// caught, then round by round until a round is won. None while undecided.
std::optional<Team> shootoutWinner(const QList<ShootoutAttempt>& attempts);
