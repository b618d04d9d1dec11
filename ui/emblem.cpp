// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/emblem.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStringList>
#include <array>

namespace Emblem {

namespace {

// Absolute SVG path commands (M, L, C, Z) in the 100 by 100 box.
constexpr const char* kShieldPath =
    "M 14 12 C 30 12 42 8 50 3 C 58 8 70 12 86 12 L 86 46 C 86 70 70 86 50 97 C 30 86 14 70 14 46 Z";

struct Shape {
    const char* path;
    const char* fill;    // "#rrggbb" or nullptr
    const char* stroke;  // "#rrggbb" or nullptr
    double strokeWidth;
    bool alongBand;  // drawn in the band's frame, turned about the centre
    bool inShield;   // clipped to the shield
};

constexpr double kBandAngle = -32;  // degrees; the band climbs to the right

constexpr std::array<Shape, 5> kShapes{{
    {kShieldPath, "#15306e", nullptr, 0, false, false},
    {"M -20 37 L 120 37 L 120 63 L -20 63 Z", "#c8102e", nullptr, 0, true, true},
    {"M -20 37 L 120 37 M -20 63 L 120 63", nullptr, "#ffffff", 3, true, true},
    // T, V and N as strokes, so that no font is needed to draw them.
    {"M 23 43 L 37 43 M 30 43 L 30 57 M 43 43 L 50 57 L 57 43 M 63 57 L 63 43 L 76 57 L 76 43", nullptr,
     "#ffffff", 4.5, true, false},
    {kShieldPath, nullptr, "#c0c6d0", 4, false, false},
}};

QPainterPath toPainterPath(const char* data) {
    const QStringList tokens = QString::fromLatin1(data).split(u' ', Qt::SkipEmptyParts);
    QPainterPath path;
    auto number = [&](qsizetype& i) { return tokens.at(i++).toDouble(); };
    qsizetype i = 0;
    while (i < tokens.size()) {
        const QString command = tokens.at(i++);
        if (command == u"M") {
            const double x = number(i);
            path.moveTo(x, number(i));
        } else if (command == u"L") {
            const double x = number(i);
            path.lineTo(x, number(i));
        } else if (command == u"C") {
            double c[6];
            for (double& value : c)
                value = number(i);
            path.cubicTo(c[0], c[1], c[2], c[3], c[4], c[5]);
        } else {
            path.closeSubpath();
        }
    }
    return path;
}

QTransform bandFrame() {
    return QTransform().translate(50, 50).rotate(kBandAngle).translate(-50, -50);
}

class EmblemIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        Emblem::paint(*painter, rect);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, pixmap.rect(), mode, state);
        return pixmap;
    }
    // The sizes handed to a window system for its title bars and task bars; any other size
    // is painted when asked for. Without them X11 would be handed the emblem painted four
    // times up to 128 pixels at every start; launchers take the installed icon instead.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48)};
    }
    QIconEngine* clone() const override { return new EmblemIconEngine; }
};

// Each shape's path, read from its path data once.
const std::array<QPainterPath, kShapes.size()>& shapePaths() {
    static const std::array<QPainterPath, kShapes.size()> paths = [] {
        std::array<QPainterPath, kShapes.size()> read;
        for (size_t i = 0; i < kShapes.size(); ++i)
            read[i] = toPainterPath(kShapes[i].path);
        return read;
    }();
    return paths;
}

}  // namespace

void paint(QPainter& painter, const QRectF& target) {
    // The shield fills 80 by 100 of the box; scale that part to the target.
    const QRectF used(10, 0, 80, 100);
    const double scale = std::min(target.width() / used.width(), target.height() / used.height());
    const QPointF origin = target.center() - used.center() * scale;

    // On top of whatever transform and clip the caller has set.
    const QTransform toTarget = QTransform().translate(origin.x(), origin.y()).scale(scale, scale);
    const auto& paths = shapePaths();
    const QPainterPath& shield = paths[0];  // the first shape is the shield
    for (size_t i = 0; i < kShapes.size(); ++i) {
        const Shape& shape = kShapes[i];
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setTransform(toTarget, true);
        if (shape.inShield)
            painter.setClipPath(shield, Qt::IntersectClip);
        if (shape.alongBand)
            painter.setTransform(bandFrame(), true);
        painter.setBrush(shape.fill ? QBrush(QColor::fromString(shape.fill)) : QBrush(Qt::NoBrush));
        if (shape.stroke) {
            painter.setPen(QPen(QColor::fromString(shape.stroke), shape.strokeWidth, Qt::SolidLine,
                                Qt::RoundCap, Qt::RoundJoin));
        } else {
            painter.setPen(Qt::NoPen);
        }
        painter.drawPath(paths[i]);
        painter.restore();
    }
}

QByteArray svg() {
    QByteArray out;
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out +=
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 100 100\">\n";
    out += "  <title>Torvane FAC</title>\n";
    out +=
        QByteArray("  <defs><clipPath id=\"shield\"><path d=\"") + kShieldPath + "\"/></clipPath></defs>\n";
    const QByteArray band = "rotate(" + QByteArray::number(kBandAngle) + " 50 50)";
    for (const Shape& shape : kShapes) {
        QByteArray element = QByteArray("<path d=\"") + shape.path + "\"";
        element += QByteArray(" fill=\"") + (shape.fill ? shape.fill : "none") + "\"";
        if (shape.stroke) {
            element += QByteArray(" stroke=\"") + shape.stroke + "\" stroke-width=\"" +
                       QByteArray::number(shape.strokeWidth) +
                       "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"";
        }
        if (shape.alongBand)
            element += " transform=\"" + band + "\"";
        element += "/>";
        // The clip belongs outside the turned frame: it is the shield as it stands.
        if (shape.inShield)
            element = "<g clip-path=\"url(#shield)\">" + element + "</g>";
        out += "  " + element + "\n";
    }
    out += "</svg>\n";
    return out;
}

QIcon icon() {
    return QIcon(new EmblemIconEngine);
}

}  // namespace Emblem
