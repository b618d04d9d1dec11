// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's own start-up, as main() runs it, ending once the window is first shown.
#include <QApplication>

#include "app/program.h"
#include "quitwhenshown.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Program::describeApplication();
    Program program;
    QuitWhenShown quitWhenShown;
    program.window().installEventFilter(&quitWhenShown);
    program.start();
    return QApplication::exec();
}
