// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/penaltybox.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

// Time left below this counts as served: fractions of a second added up in binary leave
// crumbs, and a penalty should not stay in the box at 0:00 because of one.
constexpr double kServedSeconds = 1e-6;

Team otherTeam(Team team) {
    return team == Team::Away ? Team::Home : Team::Away;
}

bool costsSkater(const Penalty& p) {
    return p.running && !p.substituted;
}

int runningCount(const QList<Penalty>& penalties, Team team) {
    return static_cast<int>(std::count_if(penalties.cbegin(), penalties.cend(), [team](const Penalty& p) {
        return p.team == team && costsSkater(p);
    }));
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

void endStoppage(QList<Penalty>& penalties) {
    for (Penalty& p : penalties)
        p.atThisStoppage = false;
}

bool isMinor(PenaltyKind kind) {
    return kind == PenaltyKind::Minor || kind == PenaltyKind::DoubleMinor;
}

// A double minor is two minors back to back; a goal ends the one being served.
double secondsOfMinorServed(const Penalty& p) {
    return p.kind == PenaltyKind::DoubleMinor && p.secondsLeft > PenaltyBox::kMinorSeconds
               ? p.secondsLeft - PenaltyBox::kMinorSeconds
               : p.secondsLeft;
}

// Cancels one team's calls worth `count` units (a double minor is worth two minors), the
// first called first. Where half a double minor is left to cancel, its other half is served.
void cancel(const QList<Penalty*>& called, int count, int (*units)(const Penalty&)) {
    for (Penalty* p : called) {
        if (count > 0 && units(*p) > 0 && units(*p) <= count) {
            p->coincidental = p->substituted = true;
            count -= units(*p);
        }
    }
    for (Penalty* p : called) {
        if (count > 0 && !p->substituted && units(*p) > count) {
            p->secondsLeft = PenaltyBox::kMinorSeconds;
            count = 0;
        }
    }
}

int minorUnits(const Penalty& p) {
    return p.kind == PenaltyKind::Minor ? 1 : p.kind == PenaltyKind::DoubleMinor ? 2 : 0;
}

int majorUnits(const Penalty& p) {
    return p.kind == PenaltyKind::Major ? 1 : 0;
}

int total(const QList<Penalty*>& called, int (*units)(const Penalty&)) {
    int sum = 0;
    for (const Penalty* p : called)
        sum += units(*p);
    return sum;
}

}  // namespace

double PenaltyBox::fullSeconds(PenaltyKind kind) {
    switch (kind) {
        case PenaltyKind::Minor: return kMinorSeconds;
        case PenaltyKind::DoubleMinor: return kDoubleMinorSeconds;
        case PenaltyKind::Major: return kMajorSeconds;
        case PenaltyKind::Misconduct: return kMisconductSeconds;
        case PenaltyKind::PenaltyShot: break;
    }
    return 0;
}

int PenaltyBox::add(Team team, const QString& player, PenaltyKind kind, const QString& infraction,
                    int number) {
    if (kind == PenaltyKind::PenaltyShot)
        return 0;
    Penalty penalty;
    penalty.id = (*m_nextId)++;
    penalty.team = team;
    penalty.player = player;
    penalty.number = number;
    penalty.kind = kind;
    penalty.infraction = infraction;
    penalty.atThisStoppage = true;
    m_penalties.append(penalty);
    matchStoppage();
    return penalty.id;
}

// The calls of the stoppage are matched afresh after every change to them. No time has run
// since they were called, so each starts again from its full time.
void PenaltyBox::matchStoppage() {
    QList<Penalty*> called[2];
    for (Penalty& p : m_penalties) {
        if (!p.atThisStoppage)
            continue;
        p.secondsLeft = fullSeconds(p.kind);
        p.coincidental = false;
        p.substituted = p.kind == PenaltyKind::Misconduct;
        p.running = p.substituted;
        called[static_cast<int>(p.team)].append(&p);
    }
    const QList<Penalty*>& away = called[static_cast<int>(Team::Away)];
    const QList<Penalty*>& home = called[static_cast<int>(Team::Home)];

    const auto oneMinorAlone = [](const QList<Penalty*>& team) {
        return total(team, minorUnits) == 1 && total(team, majorUnits) == 0;
    };
    // One minor each with nothing else in effect: both teams play four on four.
    const bool fourOnFour = oneMinorAlone(away) && oneMinorAlone(home) &&
                            std::none_of(m_penalties.cbegin(), m_penalties.cend(), [](const Penalty& p) {
                                return !p.atThisStoppage && !p.substituted;
                            });
    if (fourOnFour) {
        for (Penalty* p : away + home)
            p->coincidental = isMinor(p->kind);
    } else {
        for (auto units : {majorUnits, minorUnits}) {
            const int equal = std::min(total(away, units), total(home, units));
            cancel(away, equal, units);
            cancel(home, equal, units);
        }
    }
    for (Penalty& p : m_penalties)
        p.running = p.running || p.substituted;
    startWaiting(m_penalties, Team::Away);
    startWaiting(m_penalties, Team::Home);
}

bool PenaltyBox::remove(int id) {
    const auto it =
        std::find_if(m_penalties.begin(), m_penalties.end(), [id](const Penalty& p) { return p.id == id; });
    if (it == m_penalties.end())
        return false;
    const Team team = it->team;
    const bool atThisStoppage = it->atThisStoppage;
    m_penalties.erase(it);
    if (atThisStoppage)
        matchStoppage();
    else
        startWaiting(m_penalties, team);
    return true;
}

void PenaltyBox::nextStoppage() {
    endStoppage(m_penalties);
}

// Time runs from one end to the next: penalties that end make way for waiting ones, which
// then serve what is left of the seconds, so elapse(a + b) leaves the box as elapse(a)
// followed by elapse(b) does.
QList<Penalty> PenaltyBox::elapse(double seconds) {
    QList<Penalty> ended;
    // Also refuses NaN; an infinite stretch serves everything, one end at a time.
    if (!(seconds > 0))
        return ended;
    endStoppage(m_penalties);
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
    endStoppage(m_penalties);
    const Team shortHanded = otherTeam(scoringTeam);
    if (skaters(shortHanded) >= skaters(scoringTeam))
        return std::nullopt;
    // Closest to its end; on a tie the one added first, which comes first in the list.
    auto closest = m_penalties.end();
    for (auto it = m_penalties.begin(); it != m_penalties.end(); ++it) {
        if (it->team == shortHanded && costsSkater(*it) && !it->coincidental && isMinor(it->kind) &&
            (closest == m_penalties.end() || secondsOfMinorServed(*it) < secondsOfMinorServed(*closest)))
            closest = it;
    }
    if (closest == m_penalties.end())
        return std::nullopt;
    const Penalty ended = *closest;
    if (secondsOfMinorServed(ended) < ended.secondsLeft) {
        closest->secondsLeft = kMinorSeconds;
        return ended;
    }
    m_penalties.erase(closest);
    startWaiting(m_penalties, shortHanded);
    return ended;
}

void PenaltyBox::clear() {
    m_penalties.clear();
}

PenaltyBox PenaltyBox::kept(QList<Penalty> penalties, int nextId) {
    PenaltyBox box;
    box.m_penalties = std::move(penalties);
    box.m_nextId = std::make_shared<int>(nextId);
    return box;
}

std::optional<Penalty> PenaltyBox::find(int id) const {
    for (const Penalty& p : m_penalties) {
        if (p.id == id)
            return p;
    }
    return std::nullopt;
}

void PenaltyBox::setEvenStrength(int skaters) {
    m_evenStrength = std::clamp(skaters, kFewestSkaters, kFullStrength);
}

int PenaltyBox::skaters(Team team) const {
    const int ours = runningCount(m_penalties, team);
    const int theirs = runningCount(m_penalties, otherTeam(team));
    const int shortSide = std::max(kFewestSkaters, m_evenStrength - std::max(ours, theirs));
    return ours >= theirs ? shortSide : std::min(kFullStrength, shortSide + theirs - ours);
}

QString PenaltyBox::strength() const {
    return QCoreApplication::translate("PenaltyBox", "%1 on %2")
        .arg(skaters(Team::Away))
        .arg(skaters(Team::Home));
}

PenaltyCall penaltyFromCard(const QString& penaltyCell, const QString& minorCell, const QString& majorCell,
                            PenaltyKind chosen) {
    const auto says = [&penaltyCell](const char* pattern) {
        return penaltyCell.contains(
            QRegularExpression(QLatin1String(pattern), QRegularExpression::CaseInsensitiveOption));
    };
    PenaltyCall call;
    call.kind = chosen;
    // The deck's cells read "Minor on defence", "Coincidental minors" or "No penalty", which
    // leaves the kind chosen; "Tripped - PS" is a penalty shot.
    static const QRegularExpression penaltyShot(QStringLiteral("^(.*?)\\s*-\\s*PS$|penalty shot"),
                                                QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch shot = penaltyShot.match(penaltyCell.trimmed());
    if (shot.hasMatch()) {
        call.kind = PenaltyKind::PenaltyShot;
        call.infraction = shot.captured(1);
    } else if (says("\\bdouble minor")) {
        call.kind = PenaltyKind::DoubleMinor;
    } else if (says("\\bmisconduct")) {
        call.kind = PenaltyKind::Misconduct;
    } else if (says("\\bmajor")) {
        call.kind = PenaltyKind::Major;
    } else if (says("\\bminor")) {
        call.kind = PenaltyKind::Minor;
    }
    if (says("\\baway\\b"))
        call.team = Team::Away;
    else if (says("\\bhome\\b"))
        call.team = Team::Home;
    if (call.kind == PenaltyKind::Major)
        call.infraction = majorCell.trimmed();
    else if (isMinor(call.kind))
        call.infraction = minorCell.trimmed();
    return call;
}
