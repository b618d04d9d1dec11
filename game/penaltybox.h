// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <memory>
#include <optional>

#include "game/team.h"

// Stored as numbers: new kinds go at the end.
enum class PenaltyKind { Minor, Major, DoubleMinor, Misconduct, PenaltyShot };

// One penalty in the box: who, what, and how much of it is left to serve.
struct Penalty {
    int id = 0;  // unique within a game, in the order penalties were added
    Team team = Team::Away;
    QString player;  // free text, may be empty
    PenaltyKind kind = PenaltyKind::Minor;
    double secondsLeft = 0;
    bool running = false;  // false while it waits for a place
    QString infraction;    // "Tripping"; free text, may be empty
    // Matched with a penalty of the other team called at the same stoppage: no goal ends it.
    bool coincidental = false;
    // A substitute took the player's place on the ice: it costs no skater and takes no place,
    // and runs from the start. Misconducts, and coincidental penalties that cancel.
    bool substituted = false;
    // Called at the stoppage that is still on: a later call there is matched with it.
    bool atThisStoppage = false;
    int number = -1;  // the player's number in the team's roster; -1 when typed

    bool operator==(const Penalty&) const = default;
};

// What "From card" fills in: the kind the upper half's penalty cell calls, or else the one
// chosen; the team where the text names one; the infraction from the lower half's minor or
// major cell, as the kind is (empty when the card has none for it).
struct PenaltyCall {
    PenaltyKind kind = PenaltyKind::Minor;
    std::optional<Team> team;
    QString infraction;
};
PenaltyCall penaltyFromCard(const QString& penaltyCell, const QString& minorCell, const QString& majorCell,
                            PenaltyKind chosen);

// The penalty box: the penalties of both teams, which run with the game clock. A team serves
// at most two at once; a further one waits and starts when one ends. A minor ends early when
// the other team scores while the penalised team is short-handed; a major is served in full.
// Penalties of both teams called at one stoppage are matched: equal numbers of minors, and of
// majors, cancel, and substitutes keep the strength, except that one minor a team with
// nothing else in effect plays four on four.
// A value: copied whole for undo, compared whole in tests.
class PenaltyBox {
public:
    static constexpr double kMinorSeconds = 120;
    static constexpr double kDoubleMinorSeconds = 240;
    static constexpr double kMajorSeconds = 300;
    static constexpr double kMisconductSeconds = 600;
    static constexpr int kMaxRunningPerTeam = 2;
    static constexpr int kFullStrength = 5;
    static constexpr int kFewestSkaters = 3;

    static double fullSeconds(PenaltyKind kind);

    // Adds a penalty at the stoppage that is on, running at once when its team has a place,
    // otherwise waiting. Returns its id. A penalty shot is no time in the box: nothing is
    // added and the id is 0.
    int add(Team team, const QString& player, PenaltyKind kind, const QString& infraction = {},
            int number = -1);
    // Takes a penalty out of the box (entered by mistake); waiting ones move up, and the
    // penalties still at the stoppage it was called at are matched again. False when there is
    // no penalty with this id.
    bool remove(int id);
    // Play resumes: later calls are matched apart from the earlier ones.
    void nextStoppage();
    // Game time passes, which ends the stoppage: the seconds come off every running penalty.
    // Returns the penalties that ended, in the order they ended; waiting penalties take their
    // places.
    QList<Penalty> elapse(double seconds);
    // A goal by the scoring team, which ends the stoppage: when the other team is
    // short-handed, its running minor closest to its end ends, or of a double minor the minor
    // being served. Returns that penalty as it stood before the goal; a double minor still in
    // the box has its second minor to serve.
    std::optional<Penalty> goalScored(Team scoringTeam);
    // Empties the box; the ids keep counting.
    void clear();
    // A box as a game kept it: its penalties, and the number the next one takes.
    static PenaltyBox kept(QList<Penalty> penalties, int nextId);
    int nextId() const { return *m_nextId; }

    // Running and waiting penalties, in the order they were added.
    const QList<Penalty>& penalties() const { return m_penalties; }
    std::optional<Penalty> find(int id) const;
    // Skaters a side while neither team is short: 5, or 4 or 3 in an overtime played so.
    void setEvenStrength(int skaters);
    int evenStrength() const { return m_evenStrength; }
    // Skaters on the ice: the even strength less the team's running penalties that cost one,
    // but never fewer than three. A team that would go below three stays at three, and the
    // other team adds a skater for every penalty it has fewer, up to five: in a 3-on-3
    // overtime a minor gives 4 on 3.
    int skaters(Team team) const;
    // "5 on 4": the away team's skaters, then the home team's.
    QString strength() const;

    // Boxes of two games differ even when both are empty: each game numbers its own.
    bool operator==(const PenaltyBox&) const = default;

private:
    void matchStoppage();

    QList<Penalty> m_penalties;
    int m_evenStrength = kFullStrength;
    // Shared by every copy of one game's box, the copies an undo puts back included, so that
    // no number is given out twice in a game. A new box is a new game, numbered from 1.
    std::shared_ptr<int> m_nextId = std::make_shared<int>(1);
};
