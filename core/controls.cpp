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
    {UpperNumber,       "txtNum",          Text,    false,  "",                                                         false,  false,  QT_TRANSLATE_NOOP("Control", "Card number")},
    {PassTo1,           "txtPassTo1",      Text,    false,  "",                                                         true,   false,  QT_TRANSLATE_NOOP("Control", "Pass to")},
    {PassTo3,           "txtPassTo3",      Text,    false,  "",                                                         true,   false,  QT_TRANSLATE_NOOP("Control", "Pass to, second choice")},
    {Action,            "txtAction",       Text,    false,  "",                                                         true,   false,  QT_TRANSLATE_NOOP("Control", "Action")},
    {Strategy1,         "txtStrategy1",    Text,    false,  "",                                                         true,   false,  QT_TRANSLATE_NOOP("Control", "Strategy")},
    {Shots1,            "txtShots1",       Text,    false,  "",                                                         true,   false,  QT_TRANSLATE_NOOP("Control", "Shots")},
    {Rebound1,          "txtRebound1",     Text,    false,  "",                                                         true,   false,  QT_TRANSLATE_NOOP("Control", "Rebound")},
    {LoosePuck,         "txtLoosePuck",    Text,    false,  "",                                                         true,   false,  QT_TRANSLATE_NOOP("Control", "Loose puck")},
    {Penalty,           "txtPenalty",      Text,    false,  "",                                                         true,   false,  QT_TRANSLATE_NOOP("Control", "Penalty")},
    {LowerNumber,       "txtNum2",         Text,    false,  "",                                                         false,  false,  QT_TRANSLATE_NOOP("Control", "Lower half card number")},
    {PassTo2,           "txtPassTo2",      Text,    false,  "",                                                         true,   false,  QT_TRANSLATE_NOOP("Control", "Lower half pass to")},
    {Faceoff,           "txtFaceoff",      Text,    false,  "",                                                         true,   false,  QT_TRANSLATE_NOOP("Control", "Faceoff")},
    {Assists,           "txtAssists",      Text,    false,  "",                                                         true,   false,  QT_TRANSLATE_NOOP("Control", "Assists")},
    {Breakaway,         "txtBreak",        Text,    false,  "",                                                         true,   false,  QT_TRANSLATE_NOOP("Control", "Breakaway")},
    {BreakawayDefence,  "txtBreakDef",     Text,    false,  "",                                                         true,   false,  QT_TRANSLATE_NOOP("Control", "Breakaway defence")},
    {Shots2,            "txtShots2",       Text,    false,  "",                                                         true,   false,  QT_TRANSLATE_NOOP("Control", "Lower half shots")},
    {Strategy2,         "txtStrategy2",    Text,    false,  "",                                                         true,   false,  QT_TRANSLATE_NOOP("Control", "Lower half strategy")},
    {Rebound2,          "txtRebound2",     Text,    false,  "",                                                         true,   false,  QT_TRANSLATE_NOOP("Control", "Lower half rebound")},
    {Shootout,          "txtSO",           Text,    false,  "",                                                         true,   false,  QT_TRANSLATE_NOOP("Control", "Shoot-out")},
    {DumpIns,           "txtDumpIns",      Text,    false,  "",                                                         true,   false,  QT_TRANSLATE_NOOP("Control", "Dump-ins")},
    {MinorPenalty,      "txtMinor",        Text,    false,  "",                                                         true,   false,  QT_TRANSLATE_NOOP("Control", "Minor penalty")},
    {MajorPenalty,      "txtMajor",        Text,    false,  "",                                                         true,   false,  QT_TRANSLATE_NOOP("Control", "Major penalty")},
    {Clock,             "txtClock",        Text,    false,  "",                                                         true,   false,  QT_TRANSLATE_NOOP("Control", "Clock")},
    {Period,            "txtPeriod",       Text,    false,  "",                                                         true,   true,   QT_TRANSLATE_NOOP("Control", "Period")},
    {SecondsLeft,       "txtTimer",        Text,    false,  "",                                                         false,  false,  QT_TRANSLATE_NOOP("Control", "Seconds left")},
    {ChangeLines,       "txtChangeLines",  Text,    false,  "CHANGE LINES",                                             false,  true,   QT_TRANSLATE_NOOP("Control", "Change lines")},
    {AwayName,          "txtAway",         Text,    true,   "",                                                         true,   true,   QT_TRANSLATE_NOOP("Control", "Away team name, %1 table")},
    {HomeName,          "txtHome",         Text,    true,   "",                                                         true,   true,   QT_TRANSLATE_NOOP("Control", "Home team name, %1 table")},
    {AwayPeriod1,       "txt1V",           Text,    true,   "",                                                         true,   true,   QT_TRANSLATE_NOOP("Control", "Away %1, period 1")},
    {AwayPeriod2,       "txt2V",           Text,    true,   "",                                                         true,   true,   QT_TRANSLATE_NOOP("Control", "Away %1, period 2")},
    {AwayPeriod3,       "txt3V",           Text,    true,   "",                                                         true,   true,   QT_TRANSLATE_NOOP("Control", "Away %1, period 3")},
    {AwayOvertime,      "txtOTV",          Text,    true,   "",                                                         true,   true,   QT_TRANSLATE_NOOP("Control", "Away %1, overtime")},
    {AwayTotal,         "txtFV",           Text,    true,   "",                                                         true,   true,   QT_TRANSLATE_NOOP("Control", "Away %1, total")},
    {HomePeriod1,       "txt1H",           Text,    true,   "",                                                         true,   true,   QT_TRANSLATE_NOOP("Control", "Home %1, period 1")},
    {HomePeriod2,       "txt2H",           Text,    true,   "",                                                         true,   true,   QT_TRANSLATE_NOOP("Control", "Home %1, period 2")},
    {HomePeriod3,       "txt3H",           Text,    true,   "",                                                         true,   true,   QT_TRANSLATE_NOOP("Control", "Home %1, period 3")},
    {HomeOvertime,      "txtOTH",          Text,    true,   "",                                                         true,   true,   QT_TRANSLATE_NOOP("Control", "Home %1, overtime")},
    {HomeTotal,         "txtFH",           Text,    true,   "",                                                         true,   true,   QT_TRANSLATE_NOOP("Control", "Home %1, total")},
    {SavePath,          "Text1",           Text,    false,  "",                                                         false,  false,  QT_TRANSLATE_NOOP("Control", "Saved game path")},
    {TimedFlipButton,   "cmdFlip",         Button,  false,  QT_TRANSLATE_NOOP("Control", "Flip FAC-Advance Timer"),     true,   false,  ""},
    {FlipButton,        "cmdFlip2",        Button,  false,  QT_TRANSLATE_NOOP("Control", "Flip FAC-No Timer Advance"),  true,   false,  ""},
    {NextPeriodButton,  "cmdReset",        Button,  false,  QT_TRANSLATE_NOOP("Control", "Next Period"),                true,   false,  ""},
    {HomeGoalButton,    "cmdHomeGoal",     Button,  false,  QT_TRANSLATE_NOOP("Control", "Home Goal"),                  true,   false,  ""},
    {AwayGoalButton,    "cmdAwayGoal",     Button,  false,  QT_TRANSLATE_NOOP("Control", "Away Goal"),                  true,   false,  ""},
    {HomeShotButton,    "cmdHomeShot",     Button,  false,  QT_TRANSLATE_NOOP("Control", "Home Shot"),                  true,   false,  ""},
    {AwayShotButton,    "cmdAwayShot",     Button,  false,  QT_TRANSLATE_NOOP("Control", "Away Shot"),                  true,   false,  ""},
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

QString controlName(Control ctl, int index) {
    const ControlInfo& info = controlInfo(ctl);
    // A button is called by its caption, which the Game menu shows too.
    if (!*info.playerName)
        return *info.initialText ? QCoreApplication::translate("Control", info.initialText) : QString();
    const QString name = QCoreApplication::translate("Control", info.playerName);
    if (!info.isArray)
        return name;
    return name.arg(index == 1 ? QCoreApplication::translate("Control", "shots")
                               : QCoreApplication::translate("Control", "goals"));
}

QString initialText(Control ctl) {
    const char* text = controlInfo(ctl).initialText;
    return QString::fromLatin1(text);
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
