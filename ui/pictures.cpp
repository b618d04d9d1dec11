// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pictures.h"

#include <QPainter>

#include "ui/emblem.h"
#include "ui/layout.h"

namespace Pictures {

namespace {

using namespace Layout::Colours;
using Layout::pixelRect;
using Layout::pixels;

// The card grid in twips. Each line sits on the last pixel before the field that follows
// it, so the fields laid over the cells never hide a line.
constexpr int kGridLeft = 1485;
constexpr int kGridRight = 8430;
constexpr int kGridTop = 450;
constexpr int kRowHeight = 780;
constexpr int kTitleRight = 2475;  // the left part's title column
constexpr int kMiddle = 4965;      // upper half | lower half
constexpr int kFaceoffRight = 5962;
constexpr int kAssistsRight = 6945;
constexpr int kPassTitleLeft = 7440;
constexpr int kDumpTitleLeft = 7425;
constexpr int kShootoutBottom = 4020;
constexpr int kMinorBottom = 5557;

constexpr int rowTop(int row) {
    return kGridTop + (row - 1) * kRowHeight;
}

struct Cell {
    int row;
    int left, right;
    QColor colour;
    const char* title;          // grey title cells only
    int top = -1, bottom = -1;  // a cell less high than its row
};

const Cell kCells[] = {
    {1, kGridLeft, kTitleRight, kSilver, "PASS TO"},
    {1, kTitleRight, kMiddle, kCyan, nullptr},
    {1, kMiddle, kPassTitleLeft, kCyan, nullptr},
    {1, kPassTitleLeft, kGridRight, kSilver, "PASS TO"},
    {2, kGridLeft, kMiddle, kCyan, nullptr},
    {2, kMiddle, kFaceoffRight, kSilver, "FO"},
    {2, kFaceoffRight, kAssistsRight, kSilver, "AST"},
    {2, kAssistsRight, kGridRight, kSilver, "BREAK AWAY"},
    {3, kGridLeft, kMiddle, kCyan, nullptr},
    {3, kMiddle, kGridRight, kWhite, nullptr},
    {4, kGridLeft, kTitleRight, kSilver, "SHOTS"},
    {4, kTitleRight, kGridRight, kGreen, nullptr},
    {5, kGridLeft, kTitleRight, kSilver, "REB"},
    {5, kTitleRight, kFaceoffRight, kYellowCell, nullptr},
    {5, kFaceoffRight, kAssistsRight, kSilver, "REB"},
    {5, kAssistsRight, kGridRight, kSilver, "SHOOTOUT", rowTop(5), kShootoutBottom},
    {5, kAssistsRight, kGridRight, kWhite, nullptr, kShootoutBottom, rowTop(6)},
    {6, kGridLeft, kTitleRight, kSilver, "LOOSE PUCK"},
    {6, kTitleRight, kDumpTitleLeft, kWhite, nullptr},
    {6, kDumpTitleLeft, kGridRight, kSilver, "DUMP INS"},
    {7, kGridLeft, kTitleRight, kSilver, "PEN"},
    {7, kTitleRight, kDumpTitleLeft, kWhite, nullptr},
    {7, kDumpTitleLeft, kGridRight, kSilver, nullptr},  // MINOR and MAJOR are labels
};

// The inner lines, in twips: vertical ones (x, first row, last row) and horizontal
// ones within a row (y, left, right).
struct VLine {
    int x, firstRow, lastRow;
};
const VLine kVLines[] = {
    {kTitleRight, 1, 1},   {kTitleRight, 4, 7},    {kMiddle, 1, 7},
    {kFaceoffRight, 2, 3}, {kFaceoffRight, 5, 5},  {kAssistsRight, 2, 3},
    {kAssistsRight, 5, 5}, {kPassTitleLeft, 1, 1}, {kDumpTitleLeft, 6, 7},
};
struct HLine {
    int y, left, right;
};
const HLine kHLines[] = {
    {kShootoutBottom, kAssistsRight, kGridRight},
    {kMinorBottom, kMiddle, kGridRight},
};

void fillLine(QPainter& painter, int x1, int y1, int x2, int y2, const QColor& colour) {
    painter.fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), colour);
}

void drawFrame(QPainter& painter, const QRect& rect, const QColor& colour) {
    fillLine(painter, rect.left(), rect.top(), rect.right(), rect.top(), colour);
    fillLine(painter, rect.left(), rect.bottom(), rect.right(), rect.bottom(), colour);
    fillLine(painter, rect.left(), rect.top(), rect.left(), rect.bottom(), colour);
    fillLine(painter, rect.right(), rect.top(), rect.right(), rect.bottom(), colour);
}

void paintLabel(QPainter& painter, const Layout::LabelLook& label) {
    const QRect rect = label.pixelRect();
    painter.fillRect(rect, label.background);
    painter.setFont(Layout::makeFont(label.font));
    painter.setPen(label.textColour);
    painter.drawText(rect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     QString::fromLatin1(label.text));
}

void paintLabels(QPainter& painter, const QRegion& exposed, bool label2) {
    for (const Layout::LabelLook& label : Layout::labelLooks()) {
        if ((qstrcmp(label.name, "Label2") == 0) == label2 && exposed.intersects(label.pixelRect()))
            paintLabel(painter, label);
    }
}

void paintEmblem(QPainter& painter, Layout::Picture picture, const QRegion& exposed) {
    const QRect rect = Layout::pictureRect(picture);
    if (exposed.intersects(rect))
        Emblem::paint(painter, rect);
}

}  // namespace

void paintCardFace(QPainter& painter, const QRegion& exposed) {
    painter.fillRect(Layout::pictureRect(Layout::Picture::Image6), kWhite);

    QFont titleFont = Layout::makeFont({"Arial", 8.25, true});
    painter.setFont(titleFont);
    painter.setPen(kBlack);
    for (const Cell& cell : kCells) {
        const int top = cell.top >= 0 ? cell.top : rowTop(cell.row);
        const int bottom = cell.bottom >= 0 ? cell.bottom : rowTop(cell.row + 1);
        const QRect rect(QPoint(pixels(cell.left), pixels(top)), QPoint(pixels(cell.right), pixels(bottom)));
        painter.fillRect(rect, cell.colour);
        // A flip repaints the card under its fields; titles outside them need no new layout.
        if (cell.title && exposed.intersects(rect)) {
            painter.drawText(rect.adjusted(2, 1, -1, 0), Qt::AlignCenter | Qt::TextWordWrap,
                             QString::fromLatin1(cell.title));
        }
    }

    for (const VLine& line : kVLines)
        fillLine(painter, pixels(line.x), pixels(rowTop(line.firstRow)), pixels(line.x),
                 pixels(rowTop(line.lastRow + 1)), kBlack);
    for (const HLine& line : kHLines)
        fillLine(painter, pixels(line.left), pixels(line.y), pixels(line.right), pixels(line.y), kBlack);
    for (int row = 2; row <= 7; ++row)
        fillLine(painter, pixels(kGridLeft), pixels(rowTop(row)), pixels(kGridRight), pixels(rowTop(row)),
                 kBlack);

    // A frame two pixels wide: the grid's outermost pixels and one more outside them.
    const QRect grid(QPoint(pixels(kGridLeft), pixels(kGridTop)),
                     QPoint(pixels(kGridRight), pixels(rowTop(8))));
    drawFrame(painter, grid, kBlack);
    drawFrame(painter, grid.adjusted(-1, -1, 1, 1), kBlack);
}

void paintScorePanel(QPainter& painter, const QRect& rect, const char* word) {
    painter.save();
    painter.translate(rect.topLeft());
    painter.fillRect(QRect(QPoint(0, 0), rect.size()), kWhite);

    // The table in panel pixels; its lines fall in the gaps between the fields and
    // labels laid over it.
    const QRect table(QPoint(10, 20), QPoint(350, 99));
    painter.fillRect(table, kBlack);
    drawFrame(painter, table, kWhite);
    for (int y : {45, 72})
        fillLine(painter, table.left(), y, table.right(), y, kWhite);
    for (int x : {205, 230, 256, 282, 309})
        fillLine(painter, x, table.top(), x, table.bottom(), kWhite);

    painter.setFont(Layout::makeFont({"Arial", 12, true}));
    painter.setPen(kBlack);
    painter.drawText(QRect(table.left(), 0, table.width(), table.top()), Qt::AlignCenter,
                     QString::fromLatin1(word));
    painter.restore();
}

void paintDecorations(QPainter& painter, const QRegion& exposed) {
    using Layout::Picture;
    paintEmblem(painter, Picture::Image2, exposed);
    if (exposed.intersects(Layout::pictureRect(Picture::Image3)))
        paintScorePanel(painter, Layout::pictureRect(Picture::Image3), "SHOTS");
    if (exposed.intersects(Layout::pictureRect(Picture::Image4)))
        paintScorePanel(painter, Layout::pictureRect(Picture::Image4), "SCORE");
    paintLabels(painter, exposed, true);
    if (exposed.intersects(Layout::pictureRect(Picture::Image6)))
        paintCardFace(painter, exposed);
    paintLabels(painter, exposed, false);
    paintEmblem(painter, Picture::Image5, exposed);

    const QLine line = Layout::line1();
    fillLine(painter, line.x1(), line.y1(), line.x2(), line.y2(), kBlack);
}

}  // namespace Pictures
