// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/gamecontroller.h"
#include "ui/gamelogwindow.h"
#include "ui/gamemenu.h"
#include "ui/mainwindow.h"
#include "ui/penaltyboxwindow.h"
#include "ui/toolwindows.h"

// What sits beside the main window: the Game menu and the tool windows of the game log and
// the penalty box, wired to the controller. The windows belong to the main window and close
// with it; their places are kept when the tools go.
class GameTools {
public:
    GameTools(MainWindow& window, GameController& controller);

    GameMenu& menu() { return *m_menu; }
    GameLogWindow& logWindow();
    PenaltyBoxWindow& penaltyBoxWindow();

private:
    // Undo and Redo name their steps; the penalty box shows the box as it is now.
    void showStep();

    MainWindow& m_window;
    GameController& m_controller;
    GameMenu* m_menu;
    ToolWindows m_toolWindows;
    GameLogWindow* m_logWindow = nullptr;
    PenaltyBoxWindow* m_penaltyBoxWindow = nullptr;
};
