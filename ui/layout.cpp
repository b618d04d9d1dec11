#include "ui/layout.h"

#include <QList>
#include <cmath>

namespace Layout {

int pixels(int twips) {
    return static_cast<int>(std::lround(twips / double(kTwipsPerPixel)));
}

QRect pixelRect(int left, int top, int width, int height) {
    const int x = pixels(left);
    const int y = pixels(top);
    return QRect(x, y, pixels(left + width) - x, pixels(top + height) - y);
}

QSize clientSize() {
    return QSize(pixels(kClientWidthTwips), pixels(kClientHeightTwips));
}

namespace {

// The family a font of the layout is drawn in. "Arial", "Arial Narrow" and "MS Sans Serif"
// are rarely installed outside Windows; their metric-compatible stand-ins are named
// outright, because asking for a family that is not installed costs a search through the
// fallback fonts for every new font size.
QString installedFamily(const char* family) {
    const QLatin1String name(family);
    if (name == QLatin1String("Arial Narrow"))
        return QStringLiteral("Liberation Sans Narrow");
    // MS Sans Serif, the Windows dialog font: its outline successor has Arial's metrics.
    if (name == QLatin1String("Arial") || name == QLatin1String("MS Sans Serif"))
        return QStringLiteral("Liberation Sans");
    return name.toString();
}

}  // namespace

QFont makeFont(const FontSpec& style) {
    QFont font(installedFamily(style.family));
    // Sizes such as 11.25 point must not be rounded to whole points.
    font.setPointSizeF(style.pointSize);
    font.setBold(style.bold);
    return font;
}

namespace {

using enum Ctl;

using namespace Colours;

constexpr FontSpec kSmallBold{"Arial", 9.75, true};
constexpr FontSpec kBreakFont{"Arial", 9, true};
constexpr FontSpec kNumberFont{"Arial Narrow", 8.25, true};
constexpr FontSpec kBoardFont{"Arial", 12, true};
constexpr FontSpec kButtonFont{"MS Sans Serif", 8.25, false};
constexpr FontSpec kPlayButtonFont{"MS Sans Serif", 8.25, true};
constexpr FontSpec kPromptFont{"Arial", 15.75, true};

constexpr Qt::Alignment kCentre = Qt::AlignHCenter | Qt::AlignTop;
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignTop;

ControlLook card(Ctl ctl, int l, int t, int w, int h, FontSpec font, QColor bg, bool multiLine) {
    return {ctl, 0, l, t, w, h, font, kBlack, bg, kCentre, multiLine, Border::None, false};
}

ControlLook board(Ctl ctl, int index, int l, int t, int w, Qt::Alignment align) {
    return {ctl, index, l, t, w, 285, kBoardFont, kYellow, kBlack, align, false, Border::None, true};
}

ControlLook button(Ctl ctl, int l, int t, int w, int h, FontSpec font) {
    return {ctl, 0, l, t, w, h, font, kBlack, QColor(), Qt::AlignCenter, false, Border::None, true};
}

QList<ControlLook> buildLooks() {
    const FontSpec win = kWindowFont;
    QList<ControlLook> looks = {
        card(txtPassTo1, 2490, 720, 1270, 270, win, kCyan, false),
        card(txtPassTo3, 3780, 720, 1170, 270, win, kCyan, false),
        card(txtPassTo2, 4980, 720, 2460, 345, win, kCyan, false),
        card(txtAction, 1500, 1515, 3450, 345, kSmallBold, kCyan, false),
        card(txtStrategy1, 1500, 2115, 3450, 585, win, kCyan, true),
        card(txtFaceoff, 4980, 2100, 945, 630, win, kWhite, true),
        card(txtAssists, 6000, 2100, 945, 630, win, kWhite, true),
        card(txtBreak, 6960, 2020, 1470, 500, kBreakFont, kWhite, true),
        card(txtBreakDef, 6960, 2520, 1470, 270, kSmallBold, kWhite, false),
        card(txtShots2, 4980, 2865, 3450, 300, win, kGreen, false),
        card(txtShots1, 2490, 3045, 2460, 300, win, kGreen, false),
        card(txtStrategy2, 4980, 3255, 3450, 300, kSmallBold, kGreen, false),
        card(txtRebound1, 2490, 3825, 2460, 390, win, kYellowCell, false),
        card(txtRebound2, 4980, 3825, 980, 390, win, kYellowCell, false),
        card(txtSO, 6960, 4035, 1455, 300, kSmallBold, kWhite, false),
        card(txtDumpIns, 4980, 4455, 2415, 615, win, kWhite, true),
        card(txtLoosePuck, 2490, 4620, 2460, 345, win, kWhite, false),
        card(txtMinor, 4980, 5175, 2415, 345, kSmallBold, kWhite, false),
        card(txtPenalty, 2490, 5280, 2460, 585, win, kWhite, true),
        card(txtMajor, 4980, 5595, 2415, 270, kSmallBold, kWhite, false),
        card(txtNum, 1485, 120, 570, 330, kNumberFont, kWhite, false),
        card(txtNum2, 7870, 120, 570, 330, kNumberFont, kWhite, false),

        {txtChangeLines, 0, 6840, 6050, 2655, 375, kPromptFont, kWhite, kRed, kCentre, false, Border::None,
         true},
        {txtClock, 0, 6900, 6720, 1575, 405, kBoardFont, kYellow, kBlack, kCentre, false, Border::Sunken,
         true},
        {txtPeriod, 0, 8520, 6720, 975, 405, kBoardFont, kYellow, kBlack, kCentre, false, Border::Sunken,
         true},
        {txtTimer,
         0,
         5880,
         7920,
         735,
         285,
         {"MS Sans Serif", 8.25, false},
         kBlack,
         kWhite,
         kCentre,
         false,
         Border::Plain,
         true},
        {Text1, 0, 120, 120, 1215, 390, win, kBlack, kWhite, kLeft, false, Border::Plain, true},

        button(cmdFlip, 6840, 7320, 2655, 615, kPlayButtonFont),
        button(cmdFlip2, 6840, 7935, 2655, 615, kPlayButtonFont),
        button(cmdReset, 6840, 8550, 2655, 495, kPlayButtonFont),
        button(cmdAwayShot, 5640, 6885, 975, 375, kButtonFont),
        button(cmdHomeShot, 5640, 7305, 975, 375, kButtonFont),
        button(cmdAwayGoal, 5640, 8460, 975, 375, kButtonFont),
        button(cmdHomeGoal, 5640, 8880, 975, 375, kButtonFont),
    };

    struct Column {
        Ctl away, home;
        int left, width;
    };
    const Column columns[] = {
        {txtAway, txtHome, 600, 2800}, {txt1V, txt1H, 3480, 285},   {txt2V, txt2H, 3870, 285},
        {txt3V, txt3H, 4260, 285},     {txtOTV, txtOTH, 4650, 285}, {txtFV, txtFH, 5040, 525},
    };
    const int awayTop[] = {0, 6980, 8550};
    const int homeTop[] = {0, 7380, 8940};
    for (int member : {1, 2}) {
        for (const Column& c : columns) {
            const Qt::Alignment align = c.away == txtAway ? kLeft : kCentre;
            looks.append(board(c.away, member, c.left, awayTop[member], c.width, align));
            looks.append(board(c.home, member, c.left, homeTop[member], c.width, align));
        }
    }
    return looks;
}

}  // namespace

std::span<const ControlLook> controlLooks() {
    static const QList<ControlLook> looks = buildLooks();
    return {looks.constData(), static_cast<size_t>(looks.size())};
}

const ControlLook& lookOf(Ctl ctl, int index) {
    for (const ControlLook& look : controlLooks()) {
        if (look.ctl == ctl && look.index == index)
            return look;
    }
    Q_UNREACHABLE();
}

namespace {

QList<LabelLook> buildLabels() {
    constexpr FontSpec kTitleFont{"MS Sans Serif", 9.75, true};
    constexpr FontSpec kHeaderFont{"Arial", 12, true};
    QList<LabelLook> labels = {
        {"Label2", 0, 6900, 6480, 1575, 255, "TIME", kTitleFont, kBlack, kWhite},
        {"Label2", 1, 8520, 6480, 975, 255, "PERIOD", kTitleFont, kBlack, kWhite},
    };
    struct Header {
        const char* text;
        int shotsLeft, goalsLeft, width;
    };
    const Header headers[] = {
        {"TEAM", 600, 600, 2775}, {"1", 3465, 3480, 300},  {"2", 3855, 3855, 300},
        {"3", 4260, 4275, 300},   {"OT", 4605, 4605, 390}, {"F", 5130, 5145, 300},
    };
    // TEAM is member 2 (shots) and 3 (goals); the counts follow as 4 to 8 and 9 to 13.
    for (int column = 0; column < 6; ++column) {
        const Header& h = headers[column];
        const int shotsMember = column == 0 ? 2 : 3 + column;
        const int goalsMember = column == 0 ? 3 : 8 + column;
        labels.append(
            {"Label2", shotsMember, h.shotsLeft, 6570, h.width, 285, h.text, kHeaderFont, kYellow, kBlack});
        labels.append(
            {"Label2", goalsMember, h.goalsLeft, 8150, h.width, 285, h.text, kHeaderFont, kYellow, kBlack});
    }
    labels.append({"Label3", -1, 7455, 5205, 975, 240, "MINOR", kWindowFont, kBlack, kSilver});
    labels.append({"Label4", -1, 7450, 5580, 975, 285, "MAJOR", kWindowFont, kBlack, kSilver});
    return labels;
}

}  // namespace

std::span<const LabelLook> labelLooks() {
    static const QList<LabelLook> labels = buildLabels();
    return {labels.constData(), static_cast<size_t>(labels.size())};
}

QRect pictureRect(Picture picture) {
    switch (picture) {
        case Picture::Image2: return pixelRect(4320, 11000, 2160, 2250);
        case Picture::Image3: return pixelRect(360, 6240, 5430, 1650);
        case Picture::Image4: return pixelRect(360, 7815, 5430, 1650);
        case Picture::Image5: return pixelRect(4800, 0, 360, 390);
        case Picture::Image6: return pixelRect(1200, 120, 7500, 6180);
    }
    Q_UNREACHABLE();
}

QLine line1() {
    return QLine(pixels(3770), pixels(460), pixels(3770), pixels(1220));
}

namespace {

QList<Member> buildTabOrder() {
    QList<Member> order = {
        {txtAssists, 0},   {txtNum, 0},      {txtPassTo1, 0},   {txtAction, 0},  {txtStrategy1, 0},
        {txtShots1, 0},    {txtRebound1, 0}, {txtLoosePuck, 0}, {txtFaceoff, 0}, {txtPassTo2, 0},
        {txtStrategy2, 0}, {txtShots2, 0},   {txtRebound2, 0},  {txtDumpIns, 0}, {txtPenalty, 0},
        {txtMinor, 0},     {txtMajor, 0},    {cmdFlip, 0},      {txtClock, 0},   {txtTimer, 0},
        {cmdFlip2, 0},     {cmdReset, 0},    {txtBreak, 0},     {txtAway, 1},    {txtAway, 2},
        {txtHome, 1},      {txtHome, 2},     {txt1V, 1},        {txt2V, 1},      {txt3V, 1},
        {txtOTV, 1},       {txtFV, 1},       {txtFV, 2},        {txt1V, 2},      {txt2V, 2},
        {txt3V, 2},        {txtOTV, 2},
    };
    for (int member : {1, 2}) {
        for (Ctl ctl : {txt1H, txt2H, txt3H, txtOTH, txtFH})
            order.append({ctl, member});
    }
    order += QList<Member>{
        {txtPeriod, 0},   {cmdAwayShot, 0}, {cmdHomeShot, 0}, {cmdAwayGoal, 0},
        {cmdHomeGoal, 0}, {txtSO, 0},       {txtBreakDef, 0}, {txtChangeLines, 0},
        {txtNum2, 0},     {txtPassTo3, 0},  {Text1, 0},
    };
    return order;
}

QString scoreboardName(Ctl ctl, int index) {
    struct Count {
        Ctl away, home;
        const char* column;
    };
    const Count counts[] = {
        {txt1V, txt1H, "period 1"},   {txt2V, txt2H, "period 2"}, {txt3V, txt3H, "period 3"},
        {txtOTV, txtOTH, "overtime"}, {txtFV, txtFH, "total"},
    };
    const QString table = index == 1 ? QStringLiteral("shots") : QStringLiteral("goals");
    if (ctl == txtAway || ctl == txtHome) {
        return QStringLiteral("%1 team name, %2 table")
            .arg(ctl == txtAway ? QStringLiteral("Away") : QStringLiteral("Home"), table);
    }
    for (const Count& count : counts) {
        if (ctl == count.away || ctl == count.home) {
            return QStringLiteral("%1 %2, %3")
                .arg(ctl == count.away ? QStringLiteral("Away") : QStringLiteral("Home"), table,
                     QString::fromLatin1(count.column));
        }
    }
    return {};
}

}  // namespace

const QList<Member>& tabOrder() {
    static const QList<Member> order = buildTabOrder();
    return order;
}

QString accessibleName(Ctl ctl, int index) {
    switch (ctl) {
        case txtNum: return QStringLiteral("Card number");
        case txtPassTo1: return QStringLiteral("Pass to");
        case txtPassTo3: return QStringLiteral("Pass to, second choice");
        case txtAction: return QStringLiteral("Action");
        case txtStrategy1: return QStringLiteral("Strategy");
        case txtShots1: return QStringLiteral("Shots");
        case txtRebound1: return QStringLiteral("Rebound");
        case txtLoosePuck: return QStringLiteral("Loose puck");
        case txtPenalty: return QStringLiteral("Penalty");
        case txtNum2: return QStringLiteral("Lower half card number");
        case txtPassTo2: return QStringLiteral("Lower half pass to");
        case txtFaceoff: return QStringLiteral("Faceoff");
        case txtAssists: return QStringLiteral("Assists");
        case txtBreak: return QStringLiteral("Breakaway");
        case txtBreakDef: return QStringLiteral("Breakaway defence");
        case txtShots2: return QStringLiteral("Lower half shots");
        case txtStrategy2: return QStringLiteral("Lower half strategy");
        case txtRebound2: return QStringLiteral("Lower half rebound");
        case txtSO: return QStringLiteral("Shoot-out");
        case txtDumpIns: return QStringLiteral("Dump-ins");
        case txtMinor: return QStringLiteral("Minor penalty");
        case txtMajor: return QStringLiteral("Major penalty");
        case txtClock: return QStringLiteral("Clock");
        case txtPeriod: return QStringLiteral("Period");
        case txtTimer: return QStringLiteral("Seconds left");
        case txtChangeLines: return QStringLiteral("Change lines");
        case Text1: return QStringLiteral("Saved game path");
        case cmdFlip:
        case cmdFlip2:
        case cmdReset:
        case cmdHomeGoal:
        case cmdAwayGoal:
        case cmdHomeShot:
        case cmdAwayShot: return QString::fromLatin1(controlInfo(ctl).initialText);
        default: return scoreboardName(ctl, index);
    }
}

}  // namespace Layout
