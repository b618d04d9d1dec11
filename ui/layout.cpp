// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/layout.h"

#include <QCoreApplication>
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

QFont makeFont(const FontStyle& style) {
    QFont font(installedFamily(style.family));
    // Sizes such as 11.25 point must not be rounded to whole points.
    font.setPointSizeF(style.pointSize);
    font.setBold(style.bold);
    return font;
}

namespace {

using enum Control;

using namespace Colours;

constexpr FontStyle kSmallBold{"Arial", 9.75, true};
constexpr FontStyle kBreakFont{"Arial", 9, true};
constexpr FontStyle kNumberFont{"Arial Narrow", 8.25, true};
constexpr FontStyle kBoardFont{"Arial", 12, true};
constexpr FontStyle kButtonFont{"MS Sans Serif", 8.25, false};
constexpr FontStyle kPlayButtonFont{"MS Sans Serif", 8.25, true};
constexpr FontStyle kPromptFont{"Arial", 15.75, true};

constexpr Qt::Alignment kCentre = Qt::AlignHCenter | Qt::AlignTop;
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignTop;

ControlLook card(Control ctl, int l, int t, int w, int h, FontStyle font, QColor bg, bool multiLine) {
    return {ctl, 0, l, t, w, h, font, kBlack, bg, kCentre, multiLine, Border::None, false};
}

ControlLook board(Control ctl, int index, int l, int t, int w, Qt::Alignment align) {
    return {ctl, index, l, t, w, 285, kBoardFont, kYellow, kBlack, align, false, Border::None, true};
}

ControlLook button(Control ctl, int l, int t, int w, int h, FontStyle font) {
    return {ctl, 0, l, t, w, h, font, kBlack, QColor(), Qt::AlignCenter, false, Border::None, true};
}

QList<ControlLook> buildLooks() {
    const FontStyle win = kWindowFont;
    QList<ControlLook> looks = {
        card(PassTo1, 2490, 720, 1270, 270, win, kCyan, false),
        card(PassTo3, 3780, 720, 1170, 270, win, kCyan, false),
        card(PassTo2, 4980, 720, 2460, 345, win, kCyan, false),
        card(Action, 1500, 1515, 3450, 345, kSmallBold, kCyan, false),
        card(Strategy1, 1500, 2115, 3450, 585, win, kCyan, true),
        card(Faceoff, 4980, 2100, 945, 630, win, kWhite, true),
        card(Assists, 6000, 2100, 945, 630, win, kWhite, true),
        card(Breakaway, 6960, 2020, 1470, 500, kBreakFont, kWhite, true),
        card(BreakawayDefence, 6960, 2520, 1470, 270, kSmallBold, kWhite, false),
        card(Shots2, 4980, 2865, 3450, 300, win, kGreen, false),
        card(Shots1, 2490, 3045, 2460, 300, win, kGreen, false),
        card(Strategy2, 4980, 3255, 3450, 300, kSmallBold, kGreen, false),
        card(Rebound1, 2490, 3825, 2460, 390, win, kYellowCell, false),
        card(Rebound2, 4980, 3825, 980, 390, win, kYellowCell, false),
        card(Shootout, 6960, 4035, 1455, 300, kSmallBold, kWhite, false),
        card(DumpIns, 4980, 4455, 2415, 615, win, kWhite, true),
        card(LoosePuck, 2490, 4620, 2460, 345, win, kWhite, false),
        card(MinorPenalty, 4980, 5175, 2415, 345, kSmallBold, kWhite, false),
        card(Penalty, 2490, 5280, 2460, 585, win, kWhite, true),
        card(MajorPenalty, 4980, 5595, 2415, 270, kSmallBold, kWhite, false),
        card(UpperNumber, 1485, 120, 570, 330, kNumberFont, kWhite, false),
        card(LowerNumber, 7870, 120, 570, 330, kNumberFont, kWhite, false),

        {ChangeLines, 0, 6840, 6050, 2655, 375, kPromptFont, kWhite, kRed, kCentre, false, Border::None,
         true},
        {Clock, 0, 6900, 6720, 1575, 405, kBoardFont, kYellow, kBlack, kCentre, false, Border::Sunken, true},
        {Period, 0, 8520, 6720, 975, 405, kBoardFont, kYellow, kBlack, kCentre, false, Border::Sunken, true},
        {SecondsLeft,
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
        {SavePath, 0, 120, 120, 1215, 390, win, kBlack, kWhite, kLeft, false, Border::Plain, true},

        button(TimedFlipButton, 6840, 7320, 2655, 615, kPlayButtonFont),
        button(FlipButton, 6840, 7935, 2655, 615, kPlayButtonFont),
        button(NextPeriodButton, 6840, 8550, 2655, 495, kPlayButtonFont),
        button(AwayShotButton, 5640, 6885, 975, 375, kButtonFont),
        button(HomeShotButton, 5640, 7305, 975, 375, kButtonFont),
        button(AwayGoalButton, 5640, 8460, 975, 375, kButtonFont),
        button(HomeGoalButton, 5640, 8880, 975, 375, kButtonFont),
    };

    struct Column {
        Control away, home;
        int left, width;
    };
    const Column columns[] = {
        {AwayName, HomeName, 600, 2800},         {AwayPeriod1, HomePeriod1, 3480, 285},
        {AwayPeriod2, HomePeriod2, 3870, 285},   {AwayPeriod3, HomePeriod3, 4260, 285},
        {AwayOvertime, HomeOvertime, 4650, 285}, {AwayTotal, HomeTotal, 5040, 525},
    };
    const int awayTop[] = {0, 6980, 8550};
    const int homeTop[] = {0, 7380, 8940};
    for (int member : {1, 2}) {
        for (const Column& c : columns) {
            const Qt::Alignment align = c.away == AwayName ? kLeft : kCentre;
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

const ControlLook& lookOf(Control ctl, int index) {
    for (const ControlLook& look : controlLooks()) {
        if (look.ctl == ctl && look.index == index)
            return look;
    }
    Q_UNREACHABLE();
}

namespace {

QList<LabelLook> buildLabels() {
    constexpr FontStyle kTitleFont{"MS Sans Serif", 9.75, true};
    constexpr FontStyle kHeaderFont{"Arial", 12, true};
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
        {Assists, 0},      {UpperNumber, 0},      {PassTo1, 0},         {Action, 0},      {Strategy1, 0},
        {Shots1, 0},       {Rebound1, 0},         {LoosePuck, 0},       {Faceoff, 0},     {PassTo2, 0},
        {Strategy2, 0},    {Shots2, 0},           {Rebound2, 0},        {DumpIns, 0},     {Penalty, 0},
        {MinorPenalty, 0}, {MajorPenalty, 0},     {TimedFlipButton, 0}, {Clock, 0},       {SecondsLeft, 0},
        {FlipButton, 0},   {NextPeriodButton, 0}, {Breakaway, 0},       {AwayName, 1},    {AwayName, 2},
        {HomeName, 1},     {HomeName, 2},         {AwayPeriod1, 1},     {AwayPeriod2, 1}, {AwayPeriod3, 1},
        {AwayOvertime, 1}, {AwayTotal, 1},        {AwayTotal, 2},       {AwayPeriod1, 2}, {AwayPeriod2, 2},
        {AwayPeriod3, 2},  {AwayOvertime, 2},
    };
    for (int member : {1, 2}) {
        for (Control ctl : {HomePeriod1, HomePeriod2, HomePeriod3, HomeOvertime, HomeTotal})
            order.append({ctl, member});
    }
    order += QList<Member>{
        {Period, 0},         {AwayShotButton, 0}, {HomeShotButton, 0},   {AwayGoalButton, 0},
        {HomeGoalButton, 0}, {Shootout, 0},       {BreakawayDefence, 0}, {ChangeLines, 0},
        {LowerNumber, 0},    {PassTo3, 0},        {SavePath, 0},
    };
    return order;
}

}  // namespace

const QList<Member>& tabOrder() {
    static const QList<Member> order = buildTabOrder();
    return order;
}

}  // namespace Layout
