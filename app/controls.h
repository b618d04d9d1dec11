#pragma once

#include <QList>
#include <QString>

// The named controls of the main window that hold state: text fields and buttons.
// The scoreboard names are control arrays with exactly the members 1 and 2
// (1: shots table, 2: goals table); every other name is a single control (member 0).
enum class Ctl : int {
    // Card face, upper half
    txtNum,
    txtPassTo1,
    txtPassTo3,
    txtAction,
    txtStrategy1,
    txtShots1,
    txtRebound1,
    txtLoosePuck,
    txtPenalty,
    // Card face, lower half
    txtNum2,
    txtPassTo2,
    txtFaceoff,
    txtAssists,
    txtBreak,
    txtBreakDef,
    txtShots2,
    txtStrategy2,
    txtRebound2,
    txtSO,
    txtDumpIns,
    txtMinor,
    txtMajor,
    // Clock and period
    txtClock,
    txtPeriod,
    txtTimer,
    txtChangeLines,
    // Scoreboard
    txtAway,
    txtHome,
    txt1V,
    txt2V,
    txt3V,
    txtOTV,
    txtFV,
    txt1H,
    txt2H,
    txt3H,
    txtOTH,
    txtFH,
    // Service
    Text1,
    // Buttons
    cmdFlip,
    cmdFlip2,
    cmdReset,
    cmdHomeGoal,
    cmdAwayGoal,
    cmdHomeShot,
    cmdAwayShot,
};

inline constexpr int kControlCount = static_cast<int>(Ctl::cmdAwayShot) + 1;

enum class ControlKind { TextField, Button };

struct ControlInfo {
    Ctl ctl;
    const char* name;
    ControlKind kind;
    bool isArray;             // members 1 and 2, no member 0
    const char* initialText;  // a button's caption
    bool shown;
    bool typing;  // the user may type into it (text fields only)
};

const ControlInfo& controlInfo(Ctl ctl);

// True when (ctl, index) names a member that exists.
bool isMember(Ctl ctl, int index);

// "txtHome(2)" for a member of a control array, "txtClock" otherwise.
QString memberName(Ctl ctl, int index);

// One entry per existing member, in the order of Ctl.
struct Member {
    Ctl ctl;
    int index;
};
const QList<Member>& allMembers();
