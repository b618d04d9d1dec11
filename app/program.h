// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/gamecontroller.h"
#include "app/gametools.h"
#include "app/qtsoundplayer.h"
#include "app/timerrandom.h"
#include "app/translations.h"
#include "ui/mainwindow.h"
#include "ui/qtdialogs.h"

// Connects the window's buttons and menu items to the controller's commands, and its close
// button to the end of the program.
void connectCommands(MainWindow& window, GameController& controller);

// The running program: the Qt dialogs, horn and random generator, the controller, its
// window and the tools beside it. main() and the start-up benchmark both start it here, so
// the benchmark times what ships.
class Program {
public:
    // Names the application for the desktop (title, desktop entry id, per-user data folder)
    // and gives it its classic look.
    static void describeApplication();

    Program();  // needs the QApplication
    // Starts the game, shows the window, and opens the league once its first frame is drawn.
    void start();

    MainWindow& window() { return m_window; }

private:
    Translations m_translations;  // first: every text after it is made in the player's language
    QtDialogs m_dialogs;
    QtSoundPlayer m_sound;
    TimerSeededRandom m_random;
    GameController m_controller;
    MainWindow m_window;
    GameTools m_tools;
};
