// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/scoresheet.h"

#include <QCoreApplication>
#include <algorithm>

#include "game/cardpositions.h"

namespace {

Team otherTeam(Team team) {
    return team == Team::Away ? Team::Home : Team::Away;
}

constexpr IcePosition kSkaterPlaces[] = {IcePosition::LW, IcePosition::C, IcePosition::RW, IcePosition::LD,
                                         IcePosition::RD};

// The players of the team in the box, by number, who are off the ice: a substituted
// penalty sends another player on in his place, but not him.
QList<int> inBox(const PenaltyBox& box, Team team) {
    QList<int> numbers;
    for (const Penalty& penalty : box.penalties()) {
        if (penalty.team == team && penalty.number != kNobody)
            numbers.append(penalty.number);
    }
    return numbers;
}

QList<int> numbersOf(const QList<RosterEntry>& players) {
    QList<int> numbers;
    for (const RosterEntry& player : players)
        numbers.append(player.number);
    return numbers;
}

int startingGoalie(const Roster& roster) {
    for (const int line : {1, 2}) {
        const int number = roster.lines.player({line, IcePosition::G});
        if (number != kNobody && roster.player(number))
            return number;
    }
    for (const RosterEntry& player : roster.players) {
        if (player.position == Position::G)
            return player.number;
    }
    return kNobody;
}

}  // namespace

QString goalTypeCode(GoalStrength strength, bool emptyNet) {
    QString code;
    switch (strength) {
        case GoalStrength::Even: code = emptyNet ? QString() : QStringLiteral("EV"); break;
        case GoalStrength::PowerPlay: code = QStringLiteral("PP"); break;
        case GoalStrength::ShortHanded: code = QStringLiteral("SH"); break;
    }
    if (emptyNet)
        code += code.isEmpty() ? QStringLiteral("EN") : QStringLiteral(" EN");
    return code;
}

int penaltyMinutes(PenaltyKind kind) {
    switch (kind) {
        case PenaltyKind::Minor: return 2;
        case PenaltyKind::DoubleMinor: return 4;
        case PenaltyKind::Major: return 5;
        case PenaltyKind::Misconduct: return 10;
        case PenaltyKind::PenaltyShot: return 0;
    }
    return 0;
}

const GoalRow* ScoreSheet::goal(int id) const {
    const auto found =
        std::find_if(m_goals.cbegin(), m_goals.cend(), [id](const GoalRow& row) { return row.id == id; });
    return found == m_goals.cend() ? nullptr : &*found;
}

void ScoreSheet::setRoster(Team team, std::optional<Roster> roster) {
    SheetTeam& side = teamRef(team);
    if (side.roster == roster)
        return;
    const bool sameTeam =
        side.roster && roster &&
        side.roster->name.trimmed().compare(roster->name.trimmed(), Qt::CaseInsensitive) == 0;
    side.roster = std::move(roster);
    if (!side.roster) {
        side = SheetTeam();
        return;
    }
    if (!sameTeam) {
        side.onIce = LinesOnIce();
        side.goalie = startingGoalie(*side.roster);
        side.netEmpty = false;
        return;
    }
    const RosterEntry* goalie = side.roster->player(side.goalie);
    if (!goalie || goalie->position != Position::G)
        side.goalie = startingGoalie(*side.roster);
}

std::optional<RosterEntry> ScoreSheet::playerAt(Team team, IcePosition position,
                                                const PenaltyBox& box) const {
    const SheetTeam& side = this->team(team);
    if (!side.roster)
        return std::nullopt;
    if (position == IcePosition::G) {
        const RosterEntry* goalie = side.netEmpty ? nullptr : side.roster->player(side.goalie);
        return goalie ? std::optional<RosterEntry>(*goalie) : std::nullopt;
    }
    return playerOnIce(*side.roster, side.onIce, position, inBox(box, team));
}

QList<RosterEntry> ScoreSheet::skatersOnIce(Team team, const PenaltyBox& box) const {
    QList<RosterEntry> skaters;
    for (const IcePosition place : kSkaterPlaces) {
        if (const std::optional<RosterEntry> player = playerAt(team, place, box))
            skaters.append(*player);
    }
    return skaters;
}

QList<RosterEntry> ScoreSheet::onIceFirst(Team team, const PenaltyBox& box) const {
    const SheetTeam& side = this->team(team);
    if (!side.roster)
        return {};
    QList<RosterEntry> ordered = skatersOnIce(team, box);
    if (const std::optional<RosterEntry> goalie = playerAt(team, IcePosition::G, box))
        ordered.append(*goalie);
    const QList<int> first = numbersOf(ordered);
    QList<RosterEntry> rest;
    for (const RosterEntry& player : side.roster->players) {
        if (!first.contains(player.number))
            rest.append(player);
    }
    std::sort(rest.begin(), rest.end(),
              [](const RosterEntry& a, const RosterEntry& b) { return a.number < b.number; });
    return ordered + rest;
}

int ScoreSheet::addGoal(Team team, const QString& period, const QString& clock, const PenaltyBox& boxBefore,
                        const QString& assistCell) {
    const Team other = otherTeam(team);
    GoalRow row;
    row.id = m_goals.isEmpty() ? 1 : m_goals.constLast().id + 1;
    row.period = period;
    row.clock = clock;
    row.team = team;
    const int ours = boxBefore.skaters(team);
    const int theirs = boxBefore.skaters(other);
    row.strength = ours > theirs   ? GoalStrength::PowerPlay
                   : ours < theirs ? GoalStrength::ShortHanded
                                   : GoalStrength::Even;
    const SheetTeam& against = this->team(other);
    row.emptyNet = against.netEmpty;
    row.goalieAgainst = against.netEmpty ? kNobody : against.goalie;
    if (const SheetTeam& scoring = this->team(team); scoring.roster)
        row.assists =
            numbersOf(assistsFor(assistCell, *scoring.roster, scoring.onIce, inBox(boxBefore, team)));
    if (row.strength != GoalStrength::PowerPlay) {
        row.plus = numbersOf(skatersOnIce(team, boxBefore));
        row.minus = numbersOf(skatersOnIce(other, boxBefore));
    }
    m_goals.append(row);
    return row.id;
}

bool ScoreSheet::editGoal(int id, int scorer, QList<int> assists) {
    const auto found =
        std::find_if(m_goals.begin(), m_goals.end(), [id](const GoalRow& row) { return row.id == id; });
    if (found == m_goals.end())
        return false;
    found->scorer = scorer;
    found->assists.clear();
    for (const int assist : assists) {
        if (assist != kNobody && assist != scorer && !found->assists.contains(assist) &&
            found->assists.size() < 2)
            found->assists.append(assist);
    }
    return true;
}

void ScoreSheet::addShot(Team shooting, const QString& period) {
    const Team facing = otherTeam(shooting);
    const SheetTeam& side = team(facing);
    const int goalie = side.netEmpty ? kNobody : side.goalie;
    const auto found = std::find_if(m_shotsFaced.begin(), m_shotsFaced.end(), [&](const ShotsFaced& tally) {
        return tally.team == facing && tally.period == period && tally.goalie == goalie;
    });
    if (found != m_shotsFaced.end())
        ++found->shots;
    else
        m_shotsFaced.append({facing, period, goalie, 1});
}

void ScoreSheet::addPenalty(const Penalty& penalty, const QString& period, const QString& clock) {
    PenaltyRow row;
    row.penaltyId = penalty.id;
    row.period = period;
    row.clock = clock;
    row.team = penalty.team;
    row.number = penalty.number;
    row.player = penalty.player;
    row.kind = penalty.kind;
    row.infraction = penalty.infraction;
    m_penalties.append(row);
}

void ScoreSheet::penaltyEnded(int penaltyId, const QString& period, const QString& clock) {
    for (PenaltyRow& row : m_penalties) {
        if (row.penaltyId == penaltyId && penaltyId != 0) {
            row.endPeriod = period;
            row.endClock = clock;
        }
    }
}

void ScoreSheet::removePenalty(int penaltyId) {
    m_penalties.removeIf([penaltyId](const PenaltyRow& row) { return row.penaltyId == penaltyId; });
}

void ScoreSheet::nextLines() {
    for (SheetTeam& side : m_teams) {
        if (side.roster)
            side.onIce = ::nextLines(side.roster->lines, side.onIce);
    }
}

void ScoreSheet::setLines(Team team, LinesOnIce onIce) {
    SheetTeam& side = teamRef(team);
    onIce.forwardLine = std::clamp(onIce.forwardLine, 1, Lines::kForwardLines);
    onIce.defencePair = std::clamp(onIce.defencePair, 1, Lines::kDefencePairs);
    onIce.goalie = std::clamp(onIce.goalie, 1, 2);
    side.onIce = onIce;
}

void ScoreSheet::setGoalie(Team team, int goalie, const QString& period, const QString& clock) {
    SheetTeam& side = teamRef(team);
    side.netEmpty = goalie == kNobody;
    if (goalie != kNobody)
        side.goalie = goalie;
    m_goalieChanges.append({period, clock, team, goalie});
}

QString ScoreSheet::playerLabel(Team team, int number) const {
    if (number == kNobody)
        return {};
    const std::optional<Roster>& roster = this->team(team).roster;
    const RosterEntry* player = roster ? roster->player(number) : nullptr;
    return player ? QStringLiteral("%1 %2").arg(number).arg(player->name) : QString::number(number);
}

QString ScoreSheet::goalText(const GoalRow& goal) const {
    QStringList parts{goalTypeCode(goal.strength, goal.emptyNet)};
    // A team without a roster has nobody to name.
    if (!team(goal.team).roster && goal.scorer == kNobody && goal.assists.isEmpty())
        return parts.constFirst();
    if (goal.scorer != kNobody)
        parts.append(QCoreApplication::translate("ScoreSheet", "scored by %1")
                         .arg(playerLabel(goal.team, goal.scorer)));
    QStringList assists;
    for (const int assist : goal.assists)
        assists.append(playerLabel(goal.team, assist));
    parts.append(assists.isEmpty() ? QCoreApplication::translate("ScoreSheet", "no assist")
                                   : QCoreApplication::translate("ScoreSheet", "assists %1")
                                         .arg(assists.join(QStringLiteral(", "))));
    return parts.join(QStringLiteral(", "));
}

int ScoreSheet::penaltyMinutesOf(Team team, int number) const {
    int minutes = 0;
    for (const PenaltyRow& row : m_penalties) {
        if (row.team == team && row.number == number && number != kNobody)
            minutes += penaltyMinutes(row.kind);
    }
    return minutes;
}

ScoreSheet ScoreSheet::kept(Parts parts) {
    ScoreSheet sheet;
    sheet.m_teams = std::move(parts.teams);
    sheet.m_goals = std::move(parts.goals);
    sheet.m_penalties = std::move(parts.penalties);
    sheet.m_goalieChanges = std::move(parts.goalieChanges);
    sheet.m_shotsFaced = std::move(parts.shotsFaced);
    sheet.m_stars = parts.stars;
    sheet.m_rules = parts.rules;
    sheet.m_endedByHand = parts.endedByHand;
    sheet.m_shootout = std::move(parts.shootout);
    return sheet;
}

ScoreSheet::Parts ScoreSheet::parts() const {
    return {m_teams, m_goals, m_penalties,   m_goalieChanges, m_shotsFaced,
            m_stars, m_rules, m_endedByHand, m_shootout};
}
