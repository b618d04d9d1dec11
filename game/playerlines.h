// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

#include "game/outcome.h"
#include "game/roster.h"
#include "game/scoresheet.h"
#include "game/team.h"

// A goalie's decision in a final game.
enum class GoalieDecision { None, Win, Loss, OvertimeLoss };

// One player's part in one game, as the season's figures count it.
struct PlayerLine {
    Team team = Team::Away;
    int number = kNobody;
    QString name;
    Position position = Position::C;
    int goals = 0, assists = 0, penaltyMinutes = 0, plusMinus = 0;
    // Goalies: he was in net at some time of the game.
    bool inNet = false;
    int shotsAgainst = 0, goalsAgainst = 0;
    GoalieDecision decision = GoalieDecision::None;
    bool shutout = false;

    bool operator==(const PlayerLine&) const = default;
};

// The players of each team the sheet keeps a roster for: every skater in its lines or named
// on the sheet, and every goalie who was in net, in the order of the rosters. A team without
// a roster has no players to count. The outcome is the game's final one.
QList<PlayerLine> playerLines(const ScoreSheet& sheet, const GameOutcome& outcome);
