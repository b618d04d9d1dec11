// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The two teams of a game; V and H in the names of the score sheet's fields.
enum class Team { Away, Home };
