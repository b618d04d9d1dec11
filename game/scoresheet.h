// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <array>
#include <optional>

#include "game/outcome.h"
#include "game/penaltybox.h"
#include "game/roster.h"
#include "game/team.h"

// The strength a goal was scored at, from the penalty box as it stood: stored as numbers.
enum class GoalStrength { Even, PowerPlay, ShortHanded };

// "EV", "PP", "SH", with "EN" for an empty net: "EN", "PP EN". The sheet's own codes, not
// translated.
QString goalTypeCode(GoalStrength strength, bool emptyNet);

// A goal as the score sheet writes it. Players are numbers of the scoring team's roster
// (kNobody where none is known); the names are in the roster the sheet keeps.
struct GoalRow {
    int id = 0;  // 1, 2, ... in the order the goals were pressed
    QString period;
    QString clock;  // as the board showed them at the press
    Team team = Team::Away;
    GoalStrength strength = GoalStrength::Even;
    bool emptyNet = false;
    int scorer = kNobody;
    QList<int> assists;  // at most two
    // The skaters on the ice at the goal, for plus/minus: both empty at a power-play goal.
    QList<int> plus;              // of the scoring team
    QList<int> minus;             // of the other team
    int goalieAgainst = kNobody;  // in the other team's net; kNobody when it was empty

    bool operator==(const GoalRow&) const = default;
};

// A penalty as the sheet writes it: called (the player off) and served (back on).
struct PenaltyRow {
    int penaltyId = 0;      // the penalty box's number
    QString period, clock;  // when it was called
    Team team = Team::Away;
    int number = kNobody;  // the roster's player, when the box named one
    QString player;        // as the box names him: "9 Smith", or typed
    PenaltyKind kind = PenaltyKind::Minor;
    QString infraction;
    QString endPeriod, endClock;  // empty while it is served

    bool operator==(const PenaltyRow&) const = default;
};
// 2, 4, 5, 10; a penalty shot 0.
int penaltyMinutes(PenaltyKind kind);

// Who went into a team's net, or that it was left empty (kNobody) for an extra attacker.
struct GoalieChange {
    QString period, clock;
    Team team = Team::Away;
    int goalie = kNobody;

    bool operator==(const GoalieChange&) const = default;
};

// The shots a goalie faced in a period, as the shot buttons counted them.
struct ShotsFaced {
    Team team = Team::Away;  // the goalie's team
    QString period;
    int goalie = kNobody;  // kNobody: an empty net
    int shots = 0;

    bool operator==(const ShotsFaced&) const = default;
};

// A star the player picked, in place of the one the sheet proposes.
struct StarPick {
    Team team = Team::Away;
    int number = kNobody;

    bool operator==(const StarPick&) const = default;
};

// One team on the sheet: the roster of the league team whose name was typed into the window
// (none: the team plays without one, and the sheet keeps only what the buttons counted), the
// lines it has on the ice, and its goalie.
struct SheetTeam {
    std::optional<Roster> roster;
    LinesOnIce onIce;
    int goalie = kNobody;   // in net; the roster's starting goalie at first
    bool netEmpty = false;  // pulled for an extra attacker

    bool operator==(const SheetTeam&) const = default;
};

// The official score sheet of one game, as far as the buttons, the cards and the player fill
// it in. A value: copied with the board for undo, compared whole.
class ScoreSheet {
public:
    const SheetTeam& team(Team team) const { return m_teams[index(team)]; }
    const QList<GoalRow>& goals() const { return m_goals; }
    const QList<PenaltyRow>& penalties() const { return m_penalties; }
    const QList<GoalieChange>& goalieChanges() const { return m_goalieChanges; }
    const QList<ShotsFaced>& shotsFaced() const { return m_shotsFaced; }
    const std::array<std::optional<StarPick>, 3>& starPicks() const { return m_stars; }
    const GoalRow* goal(int id) const;
    // The last goal pressed; nullptr before the first.
    const GoalRow* lastGoal() const { return m_goals.isEmpty() ? nullptr : &m_goals.constLast(); }

    // The team now plays with this roster, or without one. A roster of another team starts
    // on its first lines with its starting goalie; the same team keeps its lines and goalie,
    // as far as the roster still has them.
    void setRoster(Team team, std::optional<Roster> roster);

    // The skaters on the ice, LW C RW LD RD, that the lines and the box leave there: a place
    // empty or its player in the box is left out.
    QList<RosterEntry> skatersOnIce(Team team, const PenaltyBox& box) const;
    // The player at a place on the ice: the goalie in net for G.
    std::optional<RosterEntry> playerAt(Team team, IcePosition position, const PenaltyBox& box) const;
    // The team's roster players, those on the ice first, then by number.
    QList<RosterEntry> onIceFirst(Team team, const PenaltyBox& box) const;

    // A goal pressed: its row, typed from the box as it stood before the goal, and with the
    // assists that the card's assist cell names among the scoring team's players on the ice.
    // Returns its id.
    int addGoal(Team team, const QString& period, const QString& clock, const PenaltyBox& boxBefore,
                const QString& assistCell);
    // The player picked the scorer and the assists. The assists that are the scorer, or twice
    // the same player, are dropped; at most two are kept. False when there is no such goal.
    bool editGoal(int id, int scorer, QList<int> assists);
    // A shot on the goal of the other team, at the period on the board.
    void addShot(Team shooting, const QString& period);
    // A penalty the box took; its player number, if any, is the penalty's.
    void addPenalty(const Penalty& penalty, const QString& period, const QString& clock);
    // The box let it go: time off ends here.
    void penaltyEnded(int penaltyId, const QString& period, const QString& clock);
    // It was entered by mistake.
    void removePenalty(int penaltyId);
    // Both teams change: each moves to its next forward line and its next pair.
    void nextLines();
    void setLines(Team team, LinesOnIce onIce);
    // A goalie into the net, or the net left empty (kNobody): noted at the period and clock.
    void setGoalie(Team team, int goalie, const QString& period, const QString& clock);
    // Three stars, first to third; nothing where the sheet's own pick stands.
    void setStarPicks(const std::array<std::optional<StarPick>, 3>& picks) { m_stars = picks; }

    // "9 Smith"; the number alone for a player the roster no longer has; empty for kNobody.
    QString playerLabel(Team team, int number) const;
    // "EV, assists 12 Jones, 4 Brown", "PP, scored by 9 Smith, no assist": a goal's row for
    // the game log.
    QString goalText(const GoalRow& goal) const;

    // Penalty minutes of a player of the team.
    int penaltyMinutesOf(Team team, int number) const;

    // The league's rules the game plays under: those in force when it began.
    const OvertimeRules& rules() const { return m_rules; }
    void setRules(const OvertimeRules& rules) { m_rules = rules; }
    // Game > End Game: final whatever the board shows.
    bool endedByHand() const { return m_endedByHand; }
    void endByHand() { m_endedByHand = true; }
    // Play went on after End Game.
    void reopen() { m_endedByHand = false; }
    const QList<ShootoutAttempt>& shootout() const { return m_shootout; }
    void addShootoutAttempt(const ShootoutAttempt& attempt) { m_shootout.append(attempt); }

    // The sheet as a game kept it; the codec checks what it puts in.
    struct Parts {
        std::array<SheetTeam, 2> teams;
        QList<GoalRow> goals;
        QList<PenaltyRow> penalties;
        QList<GoalieChange> goalieChanges;
        QList<ShotsFaced> shotsFaced;
        std::array<std::optional<StarPick>, 3> stars;
        OvertimeRules rules;
        bool endedByHand = false;
        QList<ShootoutAttempt> shootout;
    };
    static ScoreSheet kept(Parts parts);
    Parts parts() const;

    bool operator==(const ScoreSheet&) const = default;

private:
    static size_t index(Team team) { return team == Team::Away ? 0 : 1; }
    SheetTeam& teamRef(Team team) { return m_teams[index(team)]; }

    std::array<SheetTeam, 2> m_teams;
    QList<GoalRow> m_goals;
    QList<PenaltyRow> m_penalties;
    QList<GoalieChange> m_goalieChanges;
    QList<ShotsFaced> m_shotsFaced;
    std::array<std::optional<StarPick>, 3> m_stars;
    OvertimeRules m_rules;
    bool m_endedByHand = false;
    QList<ShootoutAttempt> m_shootout;
};
