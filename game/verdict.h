// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "core/fieldmodel.h"
#include "game/outcome.h"
#include "game/scoresheet.h"

// The league's verdict on the game a board shows: the score and the clock of the window, and
// the rules, End Game and the shoot-out of the sheet.
GameOutcome verdictOf(const FieldModel::Snapshot& fields, const ScoreSheet& sheet);

// "Final: Toronto 3, Detroit 2, OT", with "SO" after a shoot-out; empty while the game goes on.
// The names are those typed into the window, or Away and Home.
QString verdictText(const GameOutcome& outcome, const FieldModel::Snapshot& fields);
