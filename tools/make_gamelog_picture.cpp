// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes a picture of the game log window after the first minutes of a game, drawn offscreen
// with a fixed deal and a fixed course of play, so that it comes out the same every time.
//
// Usage: make_gamelog_picture <card data file> <output png>

#include <QApplication>
#include <QTableView>
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

void play(GameController& game) {
    game.fields().setText(Control::AwayName, 1, QStringLiteral("Bears"));
    game.fields().setText(Control::HomeName, 1, QStringLiteral("Owls"));
    game.finishTyping();
    for (int i = 0; i < 4; ++i)
        game.timedFlip();
    game.addShot(Team::Home);
    game.timedFlip();
    game.flip();
    game.timedFlip();
    game.addShot(Team::Away);
    game.addGoal(Team::Away);
    game.addPenalty(Team::Home, QStringLiteral("#8 Lindqvist"), PenaltyKind::Minor);
    game.timedFlip();
    game.addGoal(Team::Home);
    game.undo();
    game.timedFlip();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: make_gamelog_picture <card data file> <output png>\n");
        return 2;
    }
    ClassicStyle::applyToApplication();
    QTemporaryDir programDir;
    QtDialogs dialogs;
    Silence sound;
    FixedRandom random;
    GameController controller({dialogs, sound, random, [] {}}, {programDir.path(), args.at(0)});
    MainWindow window(controller.fields());
    dialogs.setParentWindow(&window);
    GameTools tools(window, controller);
    controller.start();
    play(controller);
    GameLogWindow& log = tools.logWindow();
    log.resize(600, 470);
    log.table()->setCurrentIndex({});
    log.show();
    QApplication::processEvents();
    return log.grab().save(args.at(1), "PNG") ? 0 : 1;
}
