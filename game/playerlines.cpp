// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/playerlines.h"

#include <QHash>
#include <QSet>

#include "game/sheetstats.h"

namespace {

Team otherSide(Team team) {
    return team == Team::Away ? Team::Home : Team::Away;
}

// The numbers a team's sheet names: in its lines, on its goals and its penalties.
QSet<int> namedOnSheet(const ScoreSheet& sheet, Team team) {
    QSet<int> named;
    if (const std::optional<Roster>& roster = sheet.team(team).roster) {
        for (const LinePlace& place : Lines::places())
            named.insert(roster->lines.player(place));
    }
    for (const GoalRow& goal : sheet.goals()) {
        if (goal.team == team) {
            named.insert(goal.scorer);
            named.unite(QSet<int>(goal.assists.cbegin(), goal.assists.cend()));
            named.unite(QSet<int>(goal.plus.cbegin(), goal.plus.cend()));
        } else {
            named.unite(QSet<int>(goal.minus.cbegin(), goal.minus.cend()));
            named.insert(goal.goalieAgainst);
        }
    }
    for (const PenaltyRow& penalty : sheet.penalties()) {
        if (penalty.team == team)
            named.insert(penalty.number);
    }
    return named;
}

QSet<int> goaliesInNet(const ScoreSheet& sheet, Team team) {
    QSet<int> inNet{sheet.team(team).goalie};
    for (const ShotsFaced& tally : sheet.shotsFaced())
        if (tally.team == team)
            inNet.insert(tally.goalie);
    for (const GoalieChange& change : sheet.goalieChanges())
        if (change.team == team)
            inNet.insert(change.goalie);
    for (const GoalRow& goal : sheet.goals())
        if (goal.team != team)
            inNet.insert(goal.goalieAgainst);
    inNet.remove(kNobody);
    return inNet;
}

}  // namespace

QList<PlayerLine> playerLines(const ScoreSheet& sheet, const GameOutcome& outcome) {
    QList<PlayerLine> lines;
    const std::optional<Team> winner = outcome.winner();
    for (const Team team : {Team::Away, Team::Home}) {
        const std::optional<Roster>& roster = sheet.team(team).roster;
        if (!roster)
            continue;
        const Team other = otherSide(team);
        const QSet<int> named = namedOnSheet(sheet, team);
        const QSet<int> inNet = goaliesInNet(sheet, team);
        // The goals the other team scored on the ice; a shoot-out's goal is no goal against.
        const int conceded = (other == Team::Away ? outcome.awayGoals : outcome.homeGoals) -
                             (outcome.decided == Decided::Shootout && winner == other ? 1 : 0);
        // The figures are the game sheet's box score, so that the season counts what it shows.
        QHash<int, SheetStats::PlayerLine> box;
        for (const SheetStats::PlayerLine& counted : SheetStats::boxScore(sheet, team))
            box.insert(counted.player.number, counted);
        for (const RosterEntry& player : roster->players) {
            const bool goalie = player.position == Position::G;
            if (goalie ? !inNet.contains(player.number) : !named.contains(player.number))
                continue;
            const SheetStats::PlayerLine counted = box.value(player.number);
            PlayerLine line;
            line.team = team;
            line.number = player.number;
            line.name = player.name;
            line.position = player.position;
            line.goals = counted.goals;
            line.assists = counted.assists;
            line.penaltyMinutes = counted.penaltyMinutes;
            line.plusMinus = counted.plusMinus;
            line.inNet = goalie;
            if (goalie && counted.goalkeeping) {
                line.shotsAgainst = counted.goalkeeping->totalShotsAgainst();
                line.goalsAgainst = counted.goalkeeping->totalGoalsAgainst();
            }
            // The decision goes to the goalie each team had in net last (one pulled for an
            // extra attacker still counts): the sheet knows the order of changes, not the time
            // each goalie spent in net, so this is the one rule it can apply to every game alike.
            if (goalie && outcome.final && player.number == sheet.team(team).goalie) {
                if (winner == team)
                    line.decision = GoalieDecision::Win;
                else if (winner)
                    line.decision = outcome.decided == Decided::Regulation ? GoalieDecision::Loss
                                                                           : GoalieDecision::OvertimeLoss;
            }
            // A shutout: the only goalie of his team, which conceded nothing on the ice.
            line.shutout = goalie && outcome.final && inNet.size() == 1 && conceded == 0;
            lines.append(line);
        }
    }
    return lines;
}
