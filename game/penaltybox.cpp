// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/penaltybox.h"

#include <algorithm>

namespace {

// Time left below this counts as served: fractions of a second added up in binary leave
// crumbs, and a penalty should not stay in the box at 0:00 because of one.
constexpr double kServedSeconds = 1e-6;

Team otherTeam(Team team) {
    return team == Team::Away ? Team::Home : Team::Away;
}

int runningCount(const QList<Penalty>& penalties, Team team) {
    return static_cast<int>(std::count_if(penalties.cbegin(), penalties.cend(),
                                          [team](const Penalty& p) { return p.team == team && p.running; }));
}

// Fills the team's free places with its waiting penalties, first added first. The list is
// in the order penalties were added, so the first waiting ones found are the oldest.
void startWaiting(QList<Penalty>& penalties, Team team) {
    int places = PenaltyBox::kMaxRunningPerTeam - runningCount(penalties, team);
    for (Penalty& p : penalties) {
        if (places <= 0)
            break;
        if (p.team == team && !p.running) {
            p.running = true;
            --places;
        }
    }
}

}  // namespace

int PenaltyBox::add(Team team, const QString& player, PenaltyKind kind) {
    Penalty penalty;
    penalty.id = m_nextId++;
    penalty.team = team;
    penalty.player = player;
    penalty.kind = kind;
    penalty.secondsLeft = kind == PenaltyKind::Minor ? kMinorSeconds : kMajorSeconds;
    penalty.running = runningCount(m_penalties, team) < kMaxRunningPerTeam;
    m_penalties.append(penalty);
    return penalty.id;
}

bool PenaltyBox::remove(int id) {
    const auto it =
        std::find_if(m_penalties.begin(), m_penalties.end(), [id](const Penalty& p) { return p.id == id; });
    if (it == m_penalties.end())
        return false;
    const Team team = it->team;
    m_penalties.erase(it);
    startWaiting(m_penalties, team);
    return true;
}

// Time runs from one end to the next: penalties that end make way for waiting ones, which
// then serve what is left of the seconds, so elapse(a + b) leaves the box as elapse(a)
// followed by elapse(b) does.
QList<Penalty> PenaltyBox::elapse(double seconds) {
    QList<Penalty> ended;
    // Also refuses NaN; an infinite stretch serves everything, one end at a time.
    if (!(seconds > 0))
        return ended;
    double remaining = seconds;
    while (remaining > 0) {
        double toNextEnd = -1;
        for (const Penalty& p : m_penalties) {
            if (p.running && (toNextEnd < 0 || p.secondsLeft < toNextEnd))
                toNextEnd = p.secondsLeft;
        }
        if (toNextEnd < 0)
            break;
        const double step = std::min(remaining, toNextEnd);
        remaining -= step;

        QList<Penalty> endedNow;
        for (Penalty& p : m_penalties) {
            if (!p.running)
                continue;
            p.secondsLeft -= step;
            if (p.secondsLeft < kServedSeconds) {
                p.secondsLeft = 0;
                endedNow.append(p);
            }
        }
        if (endedNow.isEmpty())
            break;  // the seconds ran out before the next end
        m_penalties.removeIf([](const Penalty& p) { return p.running && p.secondsLeft == 0; });
        startWaiting(m_penalties, Team::Away);
        startWaiting(m_penalties, Team::Home);
        ended.append(endedNow);
    }
    return ended;
}

std::optional<Penalty> PenaltyBox::goalScored(Team scoringTeam) {
    const Team shortHanded = otherTeam(scoringTeam);
    if (skaters(shortHanded) >= skaters(scoringTeam))
        return std::nullopt;
    // Closest to its end; on a tie the one added first, which comes first in the list.
    auto closest = m_penalties.end();
    for (auto it = m_penalties.begin(); it != m_penalties.end(); ++it) {
        if (it->team == shortHanded && it->running && it->kind == PenaltyKind::Minor &&
            (closest == m_penalties.end() || it->secondsLeft < closest->secondsLeft))
            closest = it;
    }
    if (closest == m_penalties.end())
        return std::nullopt;
    const Penalty ended = *closest;
    m_penalties.erase(closest);
    startWaiting(m_penalties, shortHanded);
    return ended;
}

// The ids keep counting, so an id from before the clear never names a later penalty.
void PenaltyBox::clear() {
    m_penalties.clear();
    m_nextId = 1;
}

PenaltyBox PenaltyBox::kept(QList<Penalty> penalties, int nextId) {
    PenaltyBox box;
    box.m_penalties = std::move(penalties);
    box.m_nextId = nextId;
    return box;
}

std::optional<Penalty> PenaltyBox::find(int id) const {
    for (const Penalty& p : m_penalties) {
        if (p.id == id)
            return p;
    }
    return std::nullopt;
}

int PenaltyBox::skaters(Team team) const {
    return 5 - runningCount(m_penalties, team);
}

QString PenaltyBox::strength() const {
    return QCoreApplication::translate("PenaltyBox", "%1 on %2")
        .arg(skaters(Team::Away))
        .arg(skaters(Team::Home));
}
