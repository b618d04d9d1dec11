// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

// The named controls of the main window that hold state: text fields and buttons.
// The scoreboard names are control arrays with exactly the members 1 and 2
// (1: shots table, 2: goals table); every other name is a single control (member 0).
enum class Control : int {
    // Card face, upper half
    UpperNumber,
    PassTo1,
    PassTo3,
    Action,
    Strategy1,
    Shots1,
    Rebound1,
    LoosePuck,
    Penalty,
    // Card face, lower half
    LowerNumber,
    PassTo2,
    Faceoff,
    Assists,
    Breakaway,
    BreakawayDefence,
    Shots2,
    Strategy2,
    Rebound2,
    Shootout,
    DumpIns,
    MinorPenalty,
    MajorPenalty,
    // Clock and period
    Clock,
    Period,
    SecondsLeft,
    ChangeLines,
    // Scoreboard
    AwayName,
    HomeName,
    AwayPeriod1,
    AwayPeriod2,
    AwayPeriod3,
    AwayOvertime,
    AwayTotal,
    HomePeriod1,
    HomePeriod2,
    HomePeriod3,
    HomeOvertime,
    HomeTotal,
    // Service
    SavePath,
    // Buttons
    TimedFlipButton,
    FlipButton,
    NextPeriodButton,
    HomeGoalButton,
    AwayGoalButton,
    HomeShotButton,
    AwayShotButton,
};

inline constexpr int kControlCount = static_cast<int>(Control::AwayShotButton) + 1;

enum class ControlKind { TextField, Button };

struct ControlInfo {
    Control ctl;
    const char* name;
    ControlKind kind;
    bool isArray;             // members 1 and 2, no member 0
    const char* initialText;  // a button's caption, or a prompt; the window shows it in English
    bool shown;
    bool typing;  // the user may type into it (text fields only)
    // What a player or a screen reader calls it; in a scoreboard array "%1" is the table
    // ("shots" or "goals"). Empty for a button, which is called by its caption.
    const char* playerName;
};

const ControlInfo& controlInfo(Control ctl);

// "Away shots, period 1", "Clock", "Home Goal": a control member as the player calls it, in
// the player's language.
QString controlName(Control ctl, int index);

// The text a control starts with, as the window shows it in every language: a button's
// caption, the prompt.
QString initialText(Control ctl);

// True when (ctl, index) names a member that exists.
bool isMember(Control ctl, int index);

// "txtHome(2)" for a member of a control array, "txtClock" otherwise.
QString memberName(Control ctl, int index);

// One entry per existing member, in the order of Control.
struct Member {
    Control ctl;
    int index;
};
const QList<Member>& allMembers();
