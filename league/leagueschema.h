// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

class QSqlDatabase;

// The tables of the league file. The file carries the version of its tables (user_version),
// and every version has a step from the one before, so a file of any earlier version is
// brought up to this one, and an empty file is built by all the steps in turn.
namespace LeagueSchema {

// Version 1: the games, their boards and their logs. Version 2: which game was saved to
// which file, with the penalty box as it stood then. Version 3: each board's score sheet (an
// empty blob for a game kept before), the teams with their rosters, the league's settings.
// Version 4: the result of each final game and each player's part in it, for the standings
// and the leaders (games made final before are counted from their next step).
inline constexpr int kVersion = 4;

// "TVNL": marks the file as a league of this program (application_id).
inline constexpr qint32 kApplicationId = 0x54564E4C;

// Runs the steps from version `from` (0: an empty file) to kVersion, and marks the file as
// ours and of this version, all within the caller's transaction. Nothing on success, else
// the database's reason.
std::optional<QString> upgrade(QSqlDatabase& db, int from);

}  // namespace LeagueSchema
