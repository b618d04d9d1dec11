// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "game/team.h"

class FieldModel;
enum class Control : int;

// The scoreboard: shots (member 1) and goals (member 2) by period for the away and the
// home team, and their totals.
namespace Scoreboard {

enum class Tally { Shots = 1, Goals = 2 };

// The twenty count fields emptied, away before home, shots before goals: a count shows
// nothing until its first goal or shot.
void clearCounts(FieldModel& fields);

// One more for the period that Period names ("1", "2", "3", "OT"; any other text adds
// to no period), then the team's total of that tally recomputed from its four periods.
void addOne(FieldModel& fields, Team team, Tally tally);

// The team's total of that tally, the sum of its four periods read as numbers. A press ends
// with it, and so does a count the player corrects.
void recomputeTotal(FieldModel& fields, Team team, Tally tally);

// Installs the score sheet's change rules on the fields: the goals table shows the names
// typed into the shots table, and a corrected count moves its total at once. Load and New
// Game set the totals after the counts, so theirs are the totals that stay.
void followChanges(FieldModel& fields);

// The goals table shows the names typed into the shots table: member 1 is copied into
// member 2 of AwayName or HomeName, whichever member changed.
void mirrorTeamName(FieldModel& fields, Control name);

}  // namespace Scoreboard
