// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "core/controls.h"
#include "game/roster.h"

struct CardRecord;

// Whose player a card's text means: the team with the puck, the other one, or a team by name
// ("Home C wins").
enum class CardTeam { Attacking, Defending, Home, Away };

struct CardPosition {
    CardTeam team = CardTeam::Attacking;
    IcePosition position = IcePosition::C;

    bool operator==(const CardPosition&) const = default;
};

// A position named on the card face, and the field that names it.
struct NamedPosition {
    Control field = Control::PassTo1;
    CardPosition named;

    bool operator==(const NamedPosition&) const = default;
};

// The assist cell: "LW + C" is the LW and the C, "C only" the C, "No assist" nobody.
QList<IcePosition> assistPositions(const QString& assistCell);
// A pass cell: "RW".
std::optional<IcePosition> passTarget(const QString& passCell);
// The loose puck cell: "Defence - RD" is the defending team's RD; "Frozen - faceoff" nobody.
std::optional<CardPosition> loosePuckPosition(const QString& loosePuckCell);
// The faceoff cell: "Home C wins" is the home team's C; "Top FO wins" nobody.
std::optional<CardPosition> faceoffWinner(const QString& faceoffCell);

// The positions the card face names, the upper half's first: its passes and loose puck, then
// the lower half's pass, faceoff and assists. The halves may be of different cards.
QList<NamedPosition> positionsOnShow(const CardRecord& upper, const CardRecord& lower);

// The assistants of a goal as the assist cell names them: the scoring team's players on the
// ice at those positions. A place that is empty, whose player is in the penalty box, or who
// scored the goal gives no assist.
QList<RosterEntry> assistsFor(const QString& assistCell, const Roster& scoringTeam, const LinesOnIce& onIce,
                              const QList<int>& inBox, int scorer = kNobody);
