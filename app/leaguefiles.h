// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/leaguekeeper.h"
#include "core/services.h"

// League > New League, Open League and Import Games: the file dialogs and questions around
// switching the league in use and bringing in another league's games. Each does nothing
// before the league is open.
namespace LeagueFiles {

void newLeague(LeagueKeeper& league, Dialogs& dialogs);
void openLeague(LeagueKeeper& league, Dialogs& dialogs);
void importGames(LeagueKeeper& league, Dialogs& dialogs);

}  // namespace LeagueFiles
