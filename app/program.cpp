// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/program.h"

#include <QApplication>
#include <QTimer>

#include "ui/classicstyle.h"

void connectCommands(MainWindow& window, GameController& controller) {
    QObject::connect(&window, &MainWindow::buttonClicked, &window,
                     [&controller](Control button) { controller.press(button); });
    QObject::connect(&window, &MainWindow::newGameChosen, &window, [&controller] { controller.newGame(); });
    QObject::connect(&window, &MainWindow::loadGameChosen, &window, [&controller] { controller.loadGame(); });
    QObject::connect(&window, &MainWindow::saveGameChosen, &window, [&controller] { controller.saveGame(); });
    QObject::connect(&window, &MainWindow::exitChosen, &window, [&controller] { controller.quit(); });
    QObject::connect(&window, &MainWindow::aboutChosen, &window, [&controller] { controller.showAbout(); });
    QObject::connect(&window, &MainWindow::aboutToolkitChosen, &window,
                     [&controller] { controller.showAboutToolkit(); });
    QObject::connect(&window, &MainWindow::closed, &window, [&controller] { controller.quit(); });
}

void Program::describeApplication() {
    QApplication::setApplicationName(QStringLiteral("Torvane FAC"));
    QApplication::setApplicationVersion(QStringLiteral(TORVANE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.torvane.fac"));
    ClassicStyle::applyToApplication();
}

Program::Program()
    : m_controller({m_dialogs, m_sound, m_random, [] { QApplication::exit(0); }},
                   {QApplication::applicationDirPath()}),
      m_window(m_controller.fields()),
      m_tools(m_window, m_controller, m_dialogs) {
    m_dialogs.setParentWindow(&m_window);
    connectCommands(m_window, m_controller);
}

void Program::start() {
    m_controller.start();
    m_window.show();
    // The league waits for the window: a player waits for the cards, not for the file.
    QTimer::singleShot(0, &m_window, [this] { m_tools.openLeague(); });
}
