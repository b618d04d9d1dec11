// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class FieldModel;
struct CardRecord;

// The one writer of the two card halves. A half is always written whole, every field from
// the same record, with its decorations also when the text is empty.

// UpperNumber, PassTo1, Action, Strategy1, Shots1, Rebound1, LoosePuck,
// Penalty, and "(" PassTo3 ")" into PassTo3.
void writeUpperHalf(FieldModel& fields, const CardRecord& card);

// LowerNumber, "#" PassTo2 into PassTo2, Faceoff, Assists, Breakaway, BreakawayDefence,
// Shots2, Strategy2, Rebound2, Shootout, DumpIns, MinorPenalty, MajorPenalty.
void writeLowerHalf(FieldModel& fields, const CardRecord& card);

// The lower half when there is no card to take it from: the number and texts empty, the
// "#" kept.
void writeEmptyLowerHalf(FieldModel& fields);
