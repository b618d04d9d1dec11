// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/outcome.h"

#include <array>

namespace {

constexpr int kShootoutRounds = 3;
constexpr double kShortOvertimeEnds = (OvertimeRules::kFullMinutes - OvertimeRules::kShortMinutes) * 60.0;

}  // namespace

std::optional<Team> GameOutcome::winner() const {
    if (awayGoals == homeGoals)
        return std::nullopt;
    return awayGoals > homeGoals ? Team::Away : Team::Home;
}

GameOutcome outcomeOf(const Scoreline& board, const OvertimeRules& rules) {
    GameOutcome outcome;
    outcome.awayGoals = board.awayGoals;
    outcome.homeGoals = board.homeGoals;
    const bool level = board.awayGoals == board.homeGoals;
    const bool inOvertime = board.period == QLatin1String("OT");
    if (inOvertime) {
        outcome.decided = Decided::Overtime;
        const bool overtimeScored = board.awayOvertimeGoals + board.homeOvertimeGoals > 0;
        const bool overtimeOver = !board.clockRunning || (rules.minutes == OvertimeRules::kShortMinutes &&
                                                          board.secondsLeft <= kShortOvertimeEnds);
        if (!level) {
            outcome.final = overtimeOver || (rules.suddenDeath && overtimeScored);
        } else if (overtimeOver && rules.shootout) {
            outcome.shootoutNeeded = !board.shootoutWinner;
            if (board.shootoutWinner) {
                outcome.final = true;
                outcome.decided = Decided::Shootout;
                (*board.shootoutWinner == Team::Away ? outcome.awayGoals : outcome.homeGoals) += 1;
            }
        } else {
            outcome.final = overtimeOver;
        }
    } else {
        outcome.final = board.period == QLatin1String("3") && !board.clockRunning && !level;
    }
    outcome.final = outcome.final || board.endedByHand;
    return outcome;
}

std::optional<Team> shootoutWinner(const QList<ShootoutAttempt>& attempts) {
    std::array<int, 2> shots{}, goals{};
    for (const ShootoutAttempt& attempt : attempts) {
        const size_t side = attempt.team == Team::Away ? 0 : 1;
        ++shots[side];
        goals[side] += attempt.scored ? 1 : 0;
        const std::array<int, 2> left = {std::max(0, kShootoutRounds - shots[0]),
                                         std::max(0, kShootoutRounds - shots[1])};
        if (shots[0] <= kShootoutRounds && shots[1] <= kShootoutRounds) {
            // Within the three rounds: over once the leader cannot be caught.
            if (goals[0] > goals[1] + left[1])
                return Team::Away;
            if (goals[1] > goals[0] + left[0])
                return Team::Home;
        } else if (shots[0] == shots[1] && goals[0] != goals[1]) {
            // Beyond them, a round both teams have shot in decides.
            return goals[0] > goals[1] ? Team::Away : Team::Home;
        }
    }
    return std::nullopt;
}
