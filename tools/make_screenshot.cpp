// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes a picture of the main window as a player first sees it, drawn offscreen so that
// it does not depend on a desktop, its theme or its window frame. The deal is fixed, so
// the same card shows every time.
//
// Usage: make_screenshot <card data file> <output png>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <random>

#include "app/gamecontroller.h"
#include "app/gametools.h"
#include "ui/classicstyle.h"
#include "ui/mainwindow.h"
#include "ui/qtdialogs.h"

namespace {

class FixedRandom : public RandomSource {
public:
    void seedFromClock() override {}
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine); }

private:
    std::mt19937 m_engine{2026};
};

class Silence : public SoundPlayer {
public:
    void playSound(const QString&) override {}
};

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: make_screenshot <card data file> <output png>\n");
        return 2;
    }
    ClassicStyle::applyToApplication();
    QTemporaryDir programDir;
    QtDialogs dialogs;
    Silence sound;
    FixedRandom random;
    GameController controller({dialogs, sound, random, [] {}}, {programDir.path(), args.at(0)});
    MainWindow window(controller.fields());
    // The Game menu beside File, as a player sees the menu bar.
    GameTools tools(window, controller);
    dialogs.setParentWindow(&window);
    controller.start();
    window.show();
    QApplication::processEvents();
    return window.grab().save(args.at(1), "PNG") ? 0 : 1;
}
