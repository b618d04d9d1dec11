// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class FieldModel;

// The clock, the period and the scoreboard at the first second of a game: "1200",
// "20:00", "1", and the twenty score fields emptied. Team names and every visible flag
// stay as they are.
void resetClockAndScores(FieldModel& fields);
