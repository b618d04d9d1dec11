// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <variant>

#include "game/roster.h"
#include "league/gamerecord.h"

// A roster's players and lines as the league file keeps them: a versioned JSON object
//   {"v": 1, "players": [{"number": 9, "name": "Smith", "position": "C"}, ...],
//    "lines": [{"line": 1, "at": "C", "number": 9}, ...]}
// The team's names are kept beside it. Reading checks every value and refuses the whole
// roster with a reason, never half of it; keys a later program adds are passed over.
namespace RosterCodec {

// No team has more: every number from 0 to 99 once.
inline constexpr int kMaxPlayers = Roster::kHighestNumber + 1;
inline constexpr qsizetype kMaxNameChars = 200;
inline constexpr qsizetype kMaxBytes = 1 << 20;

QJsonObject toJson(const Roster& roster);
// The players and lines, the names left empty. The reason is a phrase: "number 100 is not
// from 0 to 99".
std::variant<Roster, GameRefusal> fromJson(const QJsonValue& json);

QByteArray encode(const Roster& roster);
std::variant<Roster, GameRefusal> decode(const QByteArray& json);

}  // namespace RosterCodec
