// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/controls.h"

#include <QCoreApplication>
#include <array>

namespace {

using enum Control;
constexpr auto Text = ControlKind::TextField;
constexpr auto Button = ControlKind::Button;

// clang-format off
constexpr std::array<ControlInfo, kControlCount> kControls{{
    {UpperNumber,         "txtNum",         Text, false, "", false, false},
    {PassTo1,     "txtPassTo1",     Text, false, "", true,  false},
    {PassTo3,     "txtPassTo3",     Text, false, "", true,  false},
    {Action,      "txtAction",      Text, false, "", true,  false},
    {Strategy1,   "txtStrategy1",   Text, false, "", true,  false},
    {Shots1,      "txtShots1",      Text, false, "", true,  false},
    {Rebound1,    "txtRebound1",    Text, false, "", true,  false},
    {LoosePuck,   "txtLoosePuck",   Text, false, "", true,  false},
    {Penalty,     "txtPenalty",     Text, false, "", true,  false},
    {LowerNumber,        "txtNum2",        Text, false, "", false, false},
    {PassTo2,     "txtPassTo2",     Text, false, "", true,  false},
    {Faceoff,     "txtFaceoff",     Text, false, "", true,  false},
    {Assists,     "txtAssists",     Text, false, "", true,  false},
    {Breakaway,       "txtBreak",       Text, false, "", true,  false},
    {BreakawayDefence,    "txtBreakDef",    Text, false, "", true,  false},
    {Shots2,      "txtShots2",      Text, false, "", true,  false},
    {Strategy2,   "txtStrategy2",   Text, false, "", true,  false},
    {Rebound2,    "txtRebound2",    Text, false, "", true,  false},
    {Shootout,          "txtSO",          Text, false, "", true,  false},
    {DumpIns,     "txtDumpIns",     Text, false, "", true,  false},
    {MinorPenalty,       "txtMinor",       Text, false, "", true,  false},
    {MajorPenalty,       "txtMajor",       Text, false, "", true,  false},
    {Clock,       "txtClock",       Text, false, "",      true, false},
    {Period,      "txtPeriod",      Text, false, "",      true, true},
    {SecondsLeft,       "txtTimer",       Text, false, "",      false, false},
    {ChangeLines, "txtChangeLines", Text, false, QT_TRANSLATE_NOOP("Control", "CHANGE LINES"), false, true},
    {AwayName,        "txtAway",        Text, true,  "", true, true},
    {HomeName,        "txtHome",        Text, true,  "", true, true},
    {AwayPeriod1,          "txt1V",          Text, true,  "", true, true},
    {AwayPeriod2,          "txt2V",          Text, true,  "", true, true},
    {AwayPeriod3,          "txt3V",          Text, true,  "", true, true},
    {AwayOvertime,         "txtOTV",         Text, true,  "", true, true},
    {AwayTotal,          "txtFV",          Text, true,  "", true, true},
    {HomePeriod1,          "txt1H",          Text, true,  "", true, true},
    {HomePeriod2,          "txt2H",          Text, true,  "", true, true},
    {HomePeriod3,          "txt3H",          Text, true,  "", true, true},
    {HomeOvertime,         "txtOTH",         Text, true,  "", true, true},
    {HomeTotal,          "txtFH",          Text, true,  "", true, true},
    {SavePath,          "Text1",          Text, false, "", false, false},
    {TimedFlipButton,        "cmdFlip",        Button, false, QT_TRANSLATE_NOOP("Control", "Flip FAC-Advance Timer"),    true, false},
    {FlipButton,       "cmdFlip2",       Button, false, QT_TRANSLATE_NOOP("Control", "Flip FAC-No Timer Advance"), true, false},
    {NextPeriodButton,       "cmdReset",       Button, false, QT_TRANSLATE_NOOP("Control", "Next Period"),               true, false},
    {HomeGoalButton,    "cmdHomeGoal",    Button, false, QT_TRANSLATE_NOOP("Control", "Home Goal"),                 true, false},
    {AwayGoalButton,    "cmdAwayGoal",    Button, false, QT_TRANSLATE_NOOP("Control", "Away Goal"),                 true, false},
    {HomeShotButton,    "cmdHomeShot",    Button, false, QT_TRANSLATE_NOOP("Control", "Home Shot"),                 true, false},
    {AwayShotButton,    "cmdAwayShot",    Button, false, QT_TRANSLATE_NOOP("Control", "Away Shot"),                 true, false},
}};
// clang-format on

constexpr bool tableMatchesEnum() {
    for (int i = 0; i < kControlCount; ++i) {
        if (static_cast<int>(kControls[i].ctl) != i)
            return false;
    }
    return true;
}
static_assert(tableMatchesEnum(), "the control table must list the controls in the order of Ctl");

}  // namespace

const ControlInfo& controlInfo(Control ctl) {
    return kControls[static_cast<int>(ctl)];
}

QString initialText(Control ctl) {
    const char* text = controlInfo(ctl).initialText;
    return *text ? QCoreApplication::translate("Control", text) : QString();
}

bool isMember(Control ctl, int index) {
    const int i = static_cast<int>(ctl);
    if (i < 0 || i >= kControlCount)
        return false;
    return kControls[i].isArray ? (index == 1 || index == 2) : index == 0;
}

QString memberName(Control ctl, int index) {
    const ControlInfo& info = controlInfo(ctl);
    const QString name = QString::fromLatin1(info.name);
    return info.isArray ? QStringLiteral("%1(%2)").arg(name).arg(index) : name;
}

const QList<Member>& allMembers() {
    static const QList<Member> members = [] {
        QList<Member> list;
        for (const ControlInfo& info : kControls) {
            if (info.isArray) {
                list.append({info.ctl, 1});
                list.append({info.ctl, 2});
            } else {
                list.append({info.ctl, 0});
            }
        }
        return list;
    }();
    return members;
}
