// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes a picture of the penalty box window with a sample box, drawn offscreen in the
// application's own look, so that it does not depend on a desktop, its theme or its frame.
//
// Usage: make_penaltybox_picture <output png>

#include <QApplication>
#include <cstdio>

#include "ui/classicstyle.h"
#include "ui/penaltyboxwindow.h"

namespace {

// Two away minors running and one waiting, a home major: 3 on 4.
PenaltyBox sampleBox() {
    PenaltyBox box;
    box.add(Team::Away, QStringLiteral("#12 Lindqvist"), PenaltyKind::Minor);
    box.elapse(40);
    box.add(Team::Home, QStringLiteral("#27 Brandt"), PenaltyKind::Major);
    box.add(Team::Away, QStringLiteral("#4 Okafor"), PenaltyKind::Minor);
    box.elapse(20);
    box.add(Team::Away, QStringLiteral("#19 Duval"), PenaltyKind::Minor);
    return box;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: make_penaltybox_picture <output png>\n");
        return 2;
    }
    ClassicStyle::applyToApplication();
    PenaltyBoxWindow window;
    window.display(sampleBox());
    window.show();
    QApplication::processEvents();
    return window.grab().save(args.at(0), "PNG") ? 0 : 1;
}
