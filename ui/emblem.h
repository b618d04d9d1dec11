// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QIcon>
#include <QRectF>

class QPainter;

// The program's shield emblem, crossed by a diagonal band carrying the letters TVN. Its
// shapes are held once, as path data in a 100 by 100 box, so that the painted emblem and
// the scalable icon file cannot drift apart.
namespace Emblem {

// Paints the emblem as large as fits into the target, centred, keeping its proportions.
void paint(QPainter& painter, const QRectF& target);

// The emblem as an SVG document with a square 100 by 100 view box.
QByteArray svg();

// The window icon: painted at whatever size is asked for.
QIcon icon();

}  // namespace Emblem
