// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QLine>
#include <QList>
#include <QRect>
#include <QString>
#include <span>

#include "core/controls.h"

// Where every control sits on the main window and how it looks. Positions are in twips
// (1/1440 inch) from the top left of the client area, 15 twips to a pixel at 96 dpi.
namespace Layout {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidthTwips = 9915;
inline constexpr int kClientHeightTwips = 9630;

int pixels(int twips);
// The edges are rounded, not the width, so that fields meeting in twips meet in pixels.
QRect pixelRect(int left, int top, int width, int height);
QSize clientSize();

struct FontStyle {
    const char* family;
    double pointSize;
    bool bold;
};

enum class Border { None, Plain, Sunken };

struct ControlLook {
    Control ctl;
    int index;
    int left, top, width, height;  // twips
    FontStyle font;
    QColor text;
    QColor background;
    Qt::Alignment alignment;
    bool multiLine;
    Border border;
    bool tabStop;

    QRect pixelRect() const { return Layout::pixelRect(left, top, width, height); }
};

inline constexpr FontStyle kWindowFont{"Arial", 11.25, true};
// Menus and dialogs: the classic Windows dialog font.
inline constexpr FontStyle kDialogFont{"MS Sans Serif", 8.25, false};

// Every text field and button of the window.
std::span<const ControlLook> controlLooks();
const ControlLook& lookOf(Control ctl, int index);

// The painted labels: Label2 members 0 to 13, Label3 and Label4.
struct LabelLook {
    const char* name;
    int index;  // -1 for a label that is not a control-array member
    int left, top, width, height;
    const char* text;
    FontStyle font;
    QColor textColour;
    QColor background;

    QRect pixelRect() const { return Layout::pixelRect(left, top, width, height); }
};
std::span<const LabelLook> labelLooks();

enum class Picture { Image2, Image3, Image4, Image5, Image6 };
QRect pictureRect(Picture picture);

// Line1, one pixel wide, parting PassTo1 from PassTo3.
QLine line1();

// Tab order, first to last; hidden members and those that take no focus are skipped by Qt.
const QList<Member>& tabOrder();

// The font, in a metric-compatible stand-in where the family is a Windows font, so that
// texts take the room they were laid out for.
QFont makeFont(const FontStyle& style);

namespace Colours {
inline const QColor kBlack(0, 0, 0);
inline const QColor kWhite(255, 255, 255);
inline const QColor kSilver(192, 192, 192);
inline const QColor kCyan(210, 253, 253);
inline const QColor kGreen(206, 255, 200);
inline const QColor kYellowCell(252, 252, 160);
inline const QColor kYellow(255, 255, 0);
inline const QColor kRed(255, 0, 0);
}  // namespace Colours

}  // namespace Layout
