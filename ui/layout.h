#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <span>

#include "app/controls.h"

// Where every control sits on the main window and how it looks. Positions are in twips
// (1/1440 inch) from the top left of the client area, 15 twips to a pixel at 96 dpi.
namespace Layout {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidthTwips = 9915;
inline constexpr int kClientHeightTwips = 9630;

int pixels(int twips);
QRect pixelRect(int left, int top, int width, int height);
QSize clientSize();

struct FontSpec {
    const char* family;
    double pointSize;
    bool bold;
};

enum class Border { None, Plain, Sunken };

struct ControlLook {
    Ctl ctl;
    int index;
    int left, top, width, height;  // twips
    FontSpec font;
    QColor text;
    QColor background;
    Qt::Alignment alignment;
    bool multiLine;
    Border border;
    bool tabStop;
};

inline const FontSpec kWindowFont{"Arial", 11.25, true};

// Every text field and button of the window.
std::span<const ControlLook> controlLooks();
const ControlLook& lookOf(Ctl ctl, int index);

QFont makeFont(const FontSpec& spec);

}  // namespace Layout
