// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The look the whole application shares: Qt's classic Windows style (raised buttons, sunken
// text boxes), and the Windows dialog font for menus and dialogs. Applied once, before the
// first window is built.
namespace ClassicStyle {
void applyToApplication();
}
