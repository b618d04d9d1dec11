#include "ui/layout.h"

#include <QList>
#include <cmath>

namespace Layout {

int pixels(int twips) {
    return static_cast<int>(std::lround(twips / double(kTwipsPerPixel)));
}

QRect pixelRect(int left, int top, int width, int height) {
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

QSize clientSize() {
    return QSize(pixels(kClientWidthTwips), pixels(kClientHeightTwips));
}

QFont makeFont(const FontSpec& spec) {
    QFont font(QString::fromLatin1(spec.family));
    // Sizes such as 11.25 point must not be rounded to whole points.
    font.setPointSizeF(spec.pointSize);
    font.setBold(spec.bold);
    return font;
}

namespace {

using enum Ctl;

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kCyan(210, 253, 253);
const QColor kGreen(206, 255, 200);
const QColor kYellowCell(252, 252, 160);
const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);

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

}  // namespace Layout
