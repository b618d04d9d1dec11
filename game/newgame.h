// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class FieldModel;

// The clock, the period and the scoreboard at the first second of a game: "1200",
// "20:00", "1", the twenty score fields emptied, and the timed flip ready even after a
// period ended. Team names and the line-change prompt stay as they are.
void startNewGame(FieldModel& fields);
