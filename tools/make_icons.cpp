// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the program's icon into a hicolor icon tree: the emblem as PNG at every size the
// desktop asks for, and as a scalable SVG, both from the emblem's one set of shapes.
//
// Usage: make_icons <icon root>            writes <root>/hicolor/...
//        make_icons --check <icon root>    renders in memory and compares with the files there

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

#include "ui/emblem.h"

namespace {

constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr const char* kIconName = "org.torvane.fac";
// Anti-aliased edges may differ by a step or two between CPUs' raster paths.
constexpr int kTolerance = 2;

QImage render(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    Emblem::paint(painter, QRectF(0, 0, size, size));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QString pngPath(const QString& root, int size) {
    return QStringLiteral("%1/hicolor/%2x%2/apps/%3.png").arg(root).arg(size).arg(QLatin1String(kIconName));
}

QString svgPath(const QString& root) {
    return QStringLiteral("%1/hicolor/scalable/apps/%2.svg").arg(root, QLatin1String(kIconName));
}

bool write(const QString& root) {
    for (int size : kSizes) {
        const QString path = pngPath(root, size);
        if (!QDir().mkpath(QFileInfo(path).path()) || !render(size).save(path, "PNG"))
            return false;
    }
    const QString path = svgPath(root);
    QFile svg(path);
    return QDir().mkpath(QFileInfo(path).path()) && svg.open(QIODevice::WriteOnly) &&
           svg.write(Emblem::svg()) == Emblem::svg().size();
}

bool samePixels(const QImage& made, const QImage& shipped) {
    if (made.size() != shipped.size())
        return false;
    for (int y = 0; y < made.height(); ++y) {
        for (int x = 0; x < made.width(); ++x) {
            const QRgb a = made.pixel(x, y);
            const QRgb b = shipped.pixel(x, y);
            if (std::abs(qRed(a) - qRed(b)) > kTolerance || std::abs(qGreen(a) - qGreen(b)) > kTolerance ||
                std::abs(qBlue(a) - qBlue(b)) > kTolerance || std::abs(qAlpha(a) - qAlpha(b)) > kTolerance)
                return false;
        }
    }
    return true;
}

bool check(const QString& root) {
    bool same = true;
    for (int size : kSizes) {
        const QImage shipped(pngPath(root, size));
        if (!samePixels(render(size), shipped.convertToFormat(QImage::Format_ARGB32))) {
            std::fprintf(stderr, "differs: %s\n", qPrintable(pngPath(root, size)));
            same = false;
        }
    }
    QFile svg(svgPath(root));
    if (!svg.open(QIODevice::ReadOnly) || svg.readAll() != Emblem::svg()) {
        std::fprintf(stderr, "differs: %s\n", qPrintable(svgPath(root)));
        same = false;
    }
    return same;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args.at(0) == u"--check")
        return check(args.at(1)) ? 0 : 1;
    if (args.size() == 1)
        return write(args.at(0)) ? 0 : 1;
    std::fprintf(stderr, "usage: make_icons [--check] <icon root>\n");
    return 2;
}
