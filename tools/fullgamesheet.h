// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/sheetdocument.h"

// The game sheet of a whole game between two teams of 20 players: 10 goals with their
// scorers and assists, 20 penalties served, a goalie change and about 60 shots, the same
// every time. For the README's picture, the benchmark and the tests.
SheetContent fullGameSheet();
