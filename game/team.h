// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>

// The two teams of a game; V and H in the names of the score sheet's fields.
enum class Team { Away, Home };

// "Away" or "Home", in the player's language.
inline QString teamLabel(Team team) {
    return team == Team::Away ? QCoreApplication::translate("Team", "Away")
                              : QCoreApplication::translate("Team", "Home");
}
