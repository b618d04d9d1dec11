// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/newgame.h"

#include "core/fieldmodel.h"
#include "game/period.h"
#include "game/scoreboard.h"

void startNewGame(FieldModel& fields) {
    Period::startFirst(fields);
    Scoreboard::clearCounts(fields);
    fields.setVisible(Control::TimedFlipButton, true);
}
