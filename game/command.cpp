// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/command.h"

#include <QCoreApplication>
#include <iterator>

namespace {

struct Names {
    Command command;
    const char* step;
    const char* log;
};

// In the order of the enum, one row for every command.
constexpr Names kNames[] = {
    {Command::NewGame, QT_TRANSLATE_NOOP("Command", "New Game"), QT_TRANSLATE_NOOP("GameLog", "New game")},
    {Command::LoadGame, QT_TRANSLATE_NOOP("Command", "Load Game"), QT_TRANSLATE_NOOP("GameLog", "Load game")},
    {Command::ResumeGame, QT_TRANSLATE_NOOP("Command", "Resume Game"),
     QT_TRANSLATE_NOOP("GameLog", "Resume game")},
    {Command::TimedFlip, QT_TRANSLATE_NOOP("Command", "Timed Flip"),
     QT_TRANSLATE_NOOP("GameLog", "Timed flip")},
    {Command::Flip, QT_TRANSLATE_NOOP("Command", "Flip"), QT_TRANSLATE_NOOP("GameLog", "Flip")},
    {Command::NextPeriod, QT_TRANSLATE_NOOP("Command", "Next Period"),
     QT_TRANSLATE_NOOP("GameLog", "Next period")},
    {Command::AwayShot, QT_TRANSLATE_NOOP("Command", "Away Shot"), QT_TRANSLATE_NOOP("GameLog", "Away shot")},
    {Command::HomeShot, QT_TRANSLATE_NOOP("Command", "Home Shot"), QT_TRANSLATE_NOOP("GameLog", "Home shot")},
    {Command::AwayGoal, QT_TRANSLATE_NOOP("Command", "Away Goal"), QT_TRANSLATE_NOOP("GameLog", "Away goal")},
    {Command::HomeGoal, QT_TRANSLATE_NOOP("Command", "Home Goal"), QT_TRANSLATE_NOOP("GameLog", "Home goal")},
    {Command::AddPenalty, QT_TRANSLATE_NOOP("Command", "Add Penalty"),
     QT_TRANSLATE_NOOP("GameLog", "Penalty")},
    {Command::RemovePenalty, QT_TRANSLATE_NOOP("Command", "Remove Penalty"),
     QT_TRANSLATE_NOOP("GameLog", "Penalty removed")},
    {Command::PenaltyShot, QT_TRANSLATE_NOOP("Command", "Penalty Shot"),
     QT_TRANSLATE_NOOP("GameLog", "Penalty shot")},
    {Command::NextLines, QT_TRANSLATE_NOOP("Command", "Next Lines"),
     QT_TRANSLATE_NOOP("GameLog", "Next lines")},
    {Command::PickLines, QT_TRANSLATE_NOOP("Command", "Pick Lines"), QT_TRANSLATE_NOOP("GameLog", "Lines")},
    {Command::ChangeGoalie, QT_TRANSLATE_NOOP("Command", "Change Goalie"),
     QT_TRANSLATE_NOOP("GameLog", "Goalie")},
    {Command::EditGoal, QT_TRANSLATE_NOOP("Command", "Edit Goal"),
     QT_TRANSLATE_NOOP("GameLog", "Goal details")},
    {Command::ThreeStars, QT_TRANSLATE_NOOP("Command", "Three Stars"),
     QT_TRANSLATE_NOOP("GameLog", "Three stars")},
    {Command::UpdateRosters, QT_TRANSLATE_NOOP("Command", "Update Rosters"),
     QT_TRANSLATE_NOOP("GameLog", "Rosters")},
    {Command::EndGame, QT_TRANSLATE_NOOP("Command", "End Game"), QT_TRANSLATE_NOOP("GameLog", "End game")},
    {Command::ShootoutAttempt, QT_TRANSLATE_NOOP("Command", "Shoot-out Attempt"),
     QT_TRANSLATE_NOOP("GameLog", "Shoot-out attempt")},
    {Command::Correction, QT_TRANSLATE_NOOP("Command", "Correction"),
     QT_TRANSLATE_NOOP("GameLog", "Correction")},
    {Command::Undo, QT_TRANSLATE_NOOP("Command", "Undo"), QT_TRANSLATE_NOOP("GameLog", "Undo")},
    {Command::Redo, QT_TRANSLATE_NOOP("Command", "Redo"), QT_TRANSLATE_NOOP("GameLog", "Redo")},
};

constexpr bool inEnumOrder() {
    for (size_t i = 0; i < std::size(kNames); ++i) {
        if (static_cast<size_t>(kNames[i].command) != i)
            return false;
    }
    return std::size(kNames) == static_cast<size_t>(Command::Redo) + 1;
}
static_assert(inEnumOrder(), "every command has its row, in the order of the enum");

const Names& namesOf(Command command) {
    return kNames[static_cast<size_t>(command)];
}

}  // namespace

QString stepName(Command command) {
    return QCoreApplication::translate("Command", namesOf(command).step);
}

QString logName(Command command) {
    return QCoreApplication::translate("GameLog", namesOf(command).log);
}
