// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/sheetstats.h"

#include <algorithm>

#include "core/fieldmodel.h"
#include "core/numbertext.h"
#include "game/period.h"
#include "game/scoreboard.h"

namespace SheetStats {

namespace {

ByPeriod byPeriod(const FieldModel& fields, const std::array<Control, kPeriodColumns>& periods, Control total,
                  int member) {
    ByPeriod counts;
    for (int column = 0; column < kPeriodColumns; ++column)
        counts.periods[column] = readNumber(fields.text(periods[column], member));
    counts.total = readNumber(fields.text(total, member));
    return counts;
}

GoalieLine& lineOf(QList<GoalieLine>& lines, Team team, int number) {
    for (GoalieLine& line : lines) {
        if (line.number == number)
            return line;
    }
    lines.append({team, number, {}, {}});
    return lines.last();
}

template <typename Values>
int sum(const Values& values) {
    int total = 0;
    for (const int value : values)
        total += value;
    return total;
}

struct Candidate {
    Star star;
    int rating = 0;
    int goals = 0;
    int saves = 0;
};

// The number of the winning team's goalie who faced the most shots; kNobody when the game is
// tied or he faced none.
int winningGoalie(const ScoreSheet& sheet, Team team, const TeamCounts& ours, const TeamCounts& theirs) {
    if (ours.goals.total <= theirs.goals.total)
        return kNobody;
    int best = kNobody, mostShots = 0;
    for (const GoalieLine& line : goalkeeping(sheet, team)) {
        if (line.number != kNobody && line.totalShotsAgainst() > mostShots) {
            best = line.number;
            mostShots = line.totalShotsAgainst();
        }
    }
    return best;
}

}  // namespace

TeamCounts countsOf(const FieldModel& fields, Team team) {
    const bool away = team == Team::Away;
    const std::array<Control, kPeriodColumns> periods =
        away ? std::array{Control::AwayPeriod1, Control::AwayPeriod2, Control::AwayPeriod3,
                          Control::AwayOvertime}
             : std::array{Control::HomePeriod1, Control::HomePeriod2, Control::HomePeriod3,
                          Control::HomeOvertime};
    const Control total = away ? Control::AwayTotal : Control::HomeTotal;
    return {byPeriod(fields, periods, total, static_cast<int>(Scoreboard::Tally::Goals)),
            byPeriod(fields, periods, total, static_cast<int>(Scoreboard::Tally::Shots))};
}

int GoalieLine::saves(int column) const {
    return std::max(0, shotsAgainst[column] - goalsAgainst[column]);
}

int GoalieLine::totalSaves() const {
    int total = 0;
    for (int column = 0; column < kPeriodColumns; ++column)
        total += saves(column);
    return total;
}

int GoalieLine::totalShotsAgainst() const {
    return sum(shotsAgainst);
}

int GoalieLine::totalGoalsAgainst() const {
    return sum(goalsAgainst);
}

QList<GoalieLine> goalkeeping(const ScoreSheet& sheet, Team team) {
    QList<GoalieLine> lines;
    // The board counts only the periods it has columns for; so does its goalkeeping.
    for (const ShotsFaced& faced : sheet.shotsFaced()) {
        const int column = Period::columnOf(faced.period);
        if (faced.team == team && column >= 0)
            lineOf(lines, team, faced.goalie).shotsAgainst[column] += faced.shots;
    }
    for (const GoalRow& goal : sheet.goals()) {
        const int column = Period::columnOf(goal.period);
        if (goal.team != team && column >= 0)
            ++lineOf(lines, team, goal.emptyNet ? kNobody : goal.goalieAgainst).goalsAgainst[column];
    }
    std::stable_partition(lines.begin(), lines.end(),
                          [](const GoalieLine& line) { return line.number != kNobody; });
    return lines;
}

QList<PlayerLine> boxScore(const ScoreSheet& sheet, Team team) {
    const std::optional<Roster>& roster = sheet.team(team).roster;
    if (!roster)
        return {};
    QList<PlayerLine> lines;
    for (const RosterEntry& player : roster->players)
        lines.append({team, player, 0, 0, sheet.penaltyMinutesOf(team, player.number), 0, std::nullopt});
    std::sort(lines.begin(), lines.end(), [](const PlayerLine& a, const PlayerLine& b) {
        const bool aGoalie = a.player.position == Position::G, bGoalie = b.player.position == Position::G;
        return aGoalie != bGoalie ? bGoalie : a.player.number < b.player.number;
    });
    const auto find = [&lines](int number) -> PlayerLine* {
        for (PlayerLine& line : lines) {
            if (line.player.number == number)
                return &line;
        }
        return nullptr;
    };
    for (const GoalRow& goal : sheet.goals()) {
        const bool ours = goal.team == team;
        if (PlayerLine* scorer = ours ? find(goal.scorer) : nullptr)
            ++scorer->goals;
        for (const int number : ours ? goal.assists : QList<int>()) {
            if (PlayerLine* assist = find(number))
                ++assist->assists;
        }
        for (const int number : ours ? goal.plus : goal.minus) {
            if (PlayerLine* skater = find(number))
                skater->plusMinus += ours ? 1 : -1;
        }
    }
    for (const GoalieLine& net : goalkeeping(sheet, team)) {
        if (PlayerLine* goalie = find(net.number))
            goalie->goalkeeping = net;
    }
    return lines;
}

// The proposal rates each player in tenths of a point: a goal or an assist is 10, a save 1
// (ten saves make a point), and the winning team's goalie who faced the most shots 10 more for
// the win. Ties go to more goals, then more saves, then the order of the box scores, away first.
Stars threeStars(const ScoreSheet& sheet, const std::array<std::optional<StarPick>, 3>& picks,
                 const TeamCounts& away, const TeamCounts& home) {
    QList<Candidate> candidates;
    for (const Team team : {Team::Away, Team::Home}) {
        const int winner = team == Team::Away ? winningGoalie(sheet, team, away, home)
                                              : winningGoalie(sheet, team, home, away);
        for (const PlayerLine& line : boxScore(sheet, team)) {
            const int saves = line.goalkeeping ? line.goalkeeping->totalSaves() : 0;
            const int rating = 10 * line.points() + saves + (line.player.number == winner ? 10 : 0);
            if (rating > 0)
                candidates.append({{team, line.player.number, false}, rating, line.goals, saves});
        }
    }
    std::stable_sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        if (a.rating != b.rating)
            return a.rating > b.rating;
        if (a.goals != b.goals)
            return a.goals > b.goals;
        return a.saves > b.saves;
    });

    Stars stars;
    for (size_t place = 0; place < stars.size(); ++place) {
        if (picks[place])
            stars[place] = Star{picks[place]->team, picks[place]->number, true};
    }
    const auto taken = [&stars](const Star& star) {
        return std::any_of(stars.cbegin(), stars.cend(), [&star](const std::optional<Star>& given) {
            return given && given->team == star.team && given->number == star.number;
        });
    };
    qsizetype next = 0;
    for (std::optional<Star>& place : stars) {
        while (!place && next < candidates.size()) {
            const Star& candidate = candidates.at(next++).star;
            if (!taken(candidate))
                place = candidate;
        }
    }
    return stars;
}

}  // namespace SheetStats
