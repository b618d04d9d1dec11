#include "app/controls.h"

#include <array>

namespace {

using enum Ctl;
constexpr auto Text = ControlKind::TextField;
constexpr auto Button = ControlKind::Button;

// clang-format off
constexpr std::array<ControlInfo, kControlCount> kControls{{
    {txtNum,         "txtNum",         Text, false, "", false, false},
    {txtPassTo1,     "txtPassTo1",     Text, false, "", true,  false},
    {txtPassTo3,     "txtPassTo3",     Text, false, "", true,  false},
    {txtAction,      "txtAction",      Text, false, "", true,  false},
    {txtStrategy1,   "txtStrategy1",   Text, false, "", true,  false},
    {txtShots1,      "txtShots1",      Text, false, "", true,  false},
    {txtRebound1,    "txtRebound1",    Text, false, "", true,  false},
    {txtLoosePuck,   "txtLoosePuck",   Text, false, "", true,  false},
    {txtPenalty,     "txtPenalty",     Text, false, "", true,  false},
    {txtNum2,        "txtNum2",        Text, false, "", false, false},
    {txtPassTo2,     "txtPassTo2",     Text, false, "", true,  false},
    {txtFaceoff,     "txtFaceoff",     Text, false, "", true,  false},
    {txtAssists,     "txtAssists",     Text, false, "", true,  false},
    {txtBreak,       "txtBreak",       Text, false, "", true,  false},
    {txtBreakDef,    "txtBreakDef",    Text, false, "", true,  false},
    {txtShots2,      "txtShots2",      Text, false, "", true,  false},
    {txtStrategy2,   "txtStrategy2",   Text, false, "", true,  false},
    {txtRebound2,    "txtRebound2",    Text, false, "", true,  false},
    {txtSO,          "txtSO",          Text, false, "", true,  false},
    {txtDumpIns,     "txtDumpIns",     Text, false, "", true,  false},
    {txtMinor,       "txtMinor",       Text, false, "", true,  false},
    {txtMajor,       "txtMajor",       Text, false, "", true,  false},
    {txtClock,       "txtClock",       Text, false, "20:00", true, false},
    {txtPeriod,      "txtPeriod",      Text, false, "1",     true, true},
    {txtTimer,       "txtTimer",       Text, false, "",      false, false},
    {txtChangeLines, "txtChangeLines", Text, false, "CHANGE LINES", false, true},
    {txtAway,        "txtAway",        Text, true,  "", true, true},
    {txtHome,        "txtHome",        Text, true,  "", true, true},
    {txt1V,          "txt1V",          Text, true,  "", true, true},
    {txt2V,          "txt2V",          Text, true,  "", true, true},
    {txt3V,          "txt3V",          Text, true,  "", true, true},
    {txtOTV,         "txtOTV",         Text, true,  "", true, true},
    {txtFV,          "txtFV",          Text, true,  "", true, true},
    {txt1H,          "txt1H",          Text, true,  "", true, true},
    {txt2H,          "txt2H",          Text, true,  "", true, true},
    {txt3H,          "txt3H",          Text, true,  "", true, true},
    {txtOTH,         "txtOTH",         Text, true,  "", true, true},
    {txtFH,          "txtFH",          Text, true,  "", true, true},
    {Text1,          "Text1",          Text, false, "", false, false},
    {cmdFlip,        "cmdFlip",        Button, false, "Flip FAC-Advance Timer",    true, false},
    {cmdFlip2,       "cmdFlip2",       Button, false, "Flip FAC-No Timer Advance", true, false},
    {cmdReset,       "cmdReset",       Button, false, "Next Period",               true, false},
    {cmdHomeGoal,    "cmdHomeGoal",    Button, false, "Home Goal",                 true, false},
    {cmdAwayGoal,    "cmdAwayGoal",    Button, false, "Away Goal",                 true, false},
    {cmdHomeShot,    "cmdHomeShot",    Button, false, "Home Shot",                 true, false},
    {cmdAwayShot,    "cmdAwayShot",    Button, false, "Away Shot",                 true, false},
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

const ControlInfo& controlInfo(Ctl ctl) {
    return kControls[static_cast<int>(ctl)];
}

bool isMember(Ctl ctl, int index) {
    const int i = static_cast<int>(ctl);
    if (i < 0 || i >= kControlCount)
        return false;
    return kControls[i].isArray ? (index == 1 || index == 2) : index == 0;
}

QString memberName(Ctl ctl, int index) {
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
