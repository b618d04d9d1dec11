// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/program.h"

#include <QApplication>
#include <QEvent>
#include <QLocale>
#include <QTimer>
#include <functional>
#include <utility>

#include "ui/classicstyle.h"

namespace {

// Runs a task once the window has painted its first frame: on a timer started by a timer, so
// that the frame is handed to the screen, and what else was due then is done, first. A window
// started minimised opens the league when first drawn; steps before then are kept in memory.
class AfterFirstFrame : public QObject {
public:
    AfterFirstFrame(QWidget& window, std::function<void()> task) : QObject(&window), m_task(std::move(task)) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { QTimer::singleShot(0, this, [this] { run(); }); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void run() {
        m_task();
        deleteLater();
    }

    std::function<void()> m_task;
};

}  // namespace

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
    : m_translations(QLocale::system().uiLanguages(), QApplication::applicationDirPath()),
      m_controller({m_dialogs, m_sound, m_random, [] { QApplication::exit(0); }},
                   {QApplication::applicationDirPath()}),
      m_window(m_controller.fields()),
      m_tools(m_window, m_controller, m_dialogs) {
    m_dialogs.setParentWindow(&m_window);
    connectCommands(m_window, m_controller);
}

void Program::start() {
    m_controller.start();
    // The league waits for the window's first frame: a player waits for the cards, not for
    // the file.
    new AfterFirstFrame(m_window, [this] { m_tools.openLeague(); });
    m_window.show();
}
