// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The game's commands: each is one step of the history and opens its entries in the log.
enum class Command {
    NewGame,
    LoadGame,
    ResumeGame,  // a game of the league back on the board
    TimedFlip,
    Flip,
    NextPeriod,
    AwayShot,
    HomeShot,
    AwayGoal,
    HomeGoal,
    AddPenalty,
    RemovePenalty,
    PenaltyShot,
    NextLines,
    PickLines,
    ChangeGoalie,
    EditGoal,
    ThreeStars,
    UpdateRosters,  // the league's rosters changed under the game on the board
    EndGame,        // final whatever the board shows
    ShootoutAttempt,
    Correction,  // what the player typed into the boxes
    Undo,
    Redo,
};

// What Undo and Redo call the step: "Home Goal", as the button says.
QString stepName(Command command);
// The command's entry in the log's event column: "Home goal".
QString logName(Command command);
