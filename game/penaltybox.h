// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "game/team.h"

enum class PenaltyKind { Minor, Major };

// One penalty in the box: who, what, and how much of it is left to serve.
struct Penalty {
    int id = 0;  // unique within a game, in the order penalties were added
    Team team = Team::Away;
    QString player;  // free text, may be empty
    PenaltyKind kind = PenaltyKind::Minor;
    double secondsLeft = 0;
    bool running = false;  // false while it waits for a place

    bool operator==(const Penalty&) const = default;
};

// The penalty box: the penalties of both teams, which run with the game clock. A team serves
// at most two at once; a further one waits and starts when one ends. A minor ends early when
// the other team scores while the penalised team is short-handed; a major is served in full.
// A value: copied whole for undo, compared whole in tests.
class PenaltyBox {
public:
    static constexpr double kMinorSeconds = 120;
    static constexpr double kMajorSeconds = 300;
    static constexpr int kMaxRunningPerTeam = 2;

    // Adds a penalty, running at once when its team has a place, otherwise waiting.
    // Returns its id.
    int add(Team team, const QString& player, PenaltyKind kind);
    // Takes a penalty out of the box (entered by mistake); waiting ones move up. False when
    // there is no penalty with this id.
    bool remove(int id);
    // Game time passes: the seconds come off every running penalty. Returns the penalties
    // that ended, in the order they ended; waiting penalties take their places.
    QList<Penalty> elapse(double seconds);
    // A goal by the scoring team: when the other team is short-handed, its running minor
    // closest to its end ends. Returns that penalty, if any.
    std::optional<Penalty> goalScored(Team scoringTeam);
    // Empties the box, for a new game or a loaded one; numbers start again at 1.
    void clear();
    // A box as a game kept it: its penalties, and the number the next one takes.
    static PenaltyBox kept(QList<Penalty> penalties, int nextId);
    int nextId() const { return m_nextId; }

    // Running and waiting penalties, in the order they were added.
    const QList<Penalty>& penalties() const { return m_penalties; }
    std::optional<Penalty> find(int id) const;
    // Skaters on the ice: 5 less the team's running penalties.
    int skaters(Team team) const;
    // "5 on 4": the away team's skaters, then the home team's.
    QString strength() const;

    bool operator==(const PenaltyBox&) const = default;

private:
    QList<Penalty> m_penalties;
    int m_nextId = 1;
};
