// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QRegion>

class QPainter;

// The window's decoration, painted rather than loaded, so that it stays sharp at any
// device pixel ratio: the card face, the two scoreboard panels, the emblems, the labels
// and the line that parts the two pass-to fields. All coordinates are client-area pixels.
namespace Pictures {

// Paints, back to front, every decoration that meets the exposed region: Image2,
// Image3, Image4, Label2, Image6, Label3, Label4, Image5 and Line1.
void paintDecorations(QPainter& painter, const QRegion& exposed);

// Image6: the seven-row card grid in its white margin.
void paintCardFace(QPainter& painter, const QRegion& exposed);

// Image3 and Image4: the word over a black table of a header row and two team rows.
void paintScorePanel(QPainter& painter, const QRect& rect, const char* word);

}  // namespace Pictures
