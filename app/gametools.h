// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>
#include <QTimer>

#include "app/gamecontroller.h"
#include "app/leaguekeeper.h"
#include "league/gamesmodel.h"
#include "ui/gamelogwindow.h"
#include "ui/gamemenu.h"
#include "ui/gamesheetwindow.h"
#include "ui/gameswindow.h"
#include "ui/goaldetailswindow.h"
#include "ui/leaguemenu.h"
#include "ui/leaguesettingswindow.h"
#include "ui/mainwindow.h"
#include "ui/onicewindow.h"
#include "ui/penaltyboxwindow.h"
#include "ui/seasonwindows.h"
#include "ui/shootoutwindow.h"
#include "ui/teamswindow.h"
#include "ui/toolwindows.h"

// What sits beside the main window: the Game menu and the tool windows of the game log, the
// penalty box, the players on the ice and the goals' details, wired to the controller. The windows belong to
// the main window and close with it; their places are kept when the tools go.
class GameTools {
public:
    GameTools(MainWindow& window, GameController& controller, Dialogs& dialogs);
    ~GameTools();
    GameTools(const GameTools&) = delete;
    GameTools& operator=(const GameTools&) = delete;

    GameMenu& menu() { return *m_menu; }
    GameLogWindow& logWindow();
    PenaltyBoxWindow& penaltyBoxWindow();
    OnIceWindow& onIceWindow();
    GoalDetailsWindow& goalDetailsWindow();
    GameSheetWindow& gameSheetWindow();
    LeagueMenu& leagueMenu() { return *m_leagueMenu; }
    LeagueKeeper& league() { return m_league; }
    // Opens the league file, once the window is shown; tells what went wrong, if anything.
    void openLeague();
    // Nothing before the league is open.
    GamesWindow* gamesWindow();
    TeamsWindow* teamsWindow();
    StandingsWindow* standingsWindow();
    LeadersWindow* leadersWindow();
    ShootoutWindow& shootoutWindow();
    // Nothing before the league is open.
    LeagueSettingsWindow* settingsWindow();

private:
    // Undo and Redo name their steps; the penalty box shows the box as it is now; the typing
    // in the focused box so far is the game's to undo.
    void showStep();
    // The windows of the score sheet, those built, show it as it is now.
    void showOnIce();
    void showPenaltyBox();
    void showLeagueProblem(const QString& problem);
    // The league's verdict on the game, in every tool window, and the shoot-out as it stands.
    void showVerdict();
    void showSettings();
    // Tells what the league's own work found once the player is back at the window: never
    // over another box, nor inside a command waiting in one of its own.
    void tellWhenFree(const QString& text);
    void tellWaiting();

    MainWindow& m_window;
    GameController& m_controller;
    GameMenu* m_menu;
    ToolWindows m_toolWindows;
    GameLogWindow* m_logWindow = nullptr;
    PenaltyBoxWindow* m_penaltyBoxWindow = nullptr;
    OnIceWindow* m_onIceWindow = nullptr;
    GoalDetailsWindow* m_goalDetailsWindow = nullptr;
    GameSheetWindow* m_gameSheetWindow = nullptr;
    int m_stepListener = 0;
    Dialogs& m_dialogs;
    LeagueMenu* m_leagueMenu;
    LeagueKeeper m_league;
    GamesModel* m_gamesModel = nullptr;
    GamesWindow* m_gamesWindow = nullptr;
    TeamsWindow* m_teamsWindow = nullptr;
    StandingsWindow* m_standingsWindow = nullptr;
    LeadersWindow* m_leadersWindow = nullptr;
    ShootoutWindow* m_shootoutWindow = nullptr;
    LeagueSettingsWindow* m_settingsWindow = nullptr;
    QStringList m_toTell;
    QTimer m_tellTimer;
};
