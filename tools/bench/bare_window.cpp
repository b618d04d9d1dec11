// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor of the toolkit: an empty Qt window that shows itself and quits.
#include <QApplication>
#include <QWidget>

#include "quitwhenshown.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    QuitWhenShown quitWhenShown;
    window.installEventFilter(&quitWhenShown);
    window.show();
    return QApplication::exec();
}
