// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/gametools.h"

namespace {

void bringUp(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace

GameTools::GameTools(MainWindow& window, GameController& controller)
    : m_controller(controller),
      m_menu(new GameMenu(window, controller.fields())),
      m_logWindow(new GameLogWindow(controller.gameLog(), &window)),
      m_penaltyBoxWindow(new PenaltyBoxWindow(&window)) {
    QObject::connect(m_menu, &GameMenu::buttonChosen, m_menu,
                     [&controller](Control button) { controller.press(button); });
    QObject::connect(m_menu, &GameMenu::undoChosen, m_menu, [&controller] { controller.undo(); });
    QObject::connect(m_menu, &GameMenu::redoChosen, m_menu, [&controller] { controller.redo(); });
    QObject::connect(m_menu, &GameMenu::gameLogChosen, m_menu, [this] { bringUp(*m_logWindow); });
    QObject::connect(m_menu, &GameMenu::penaltyBoxChosen, m_menu, [this] { bringUp(*m_penaltyBoxWindow); });
    QObject::connect(m_logWindow, &GameLogWindow::exportRequested, m_logWindow,
                     [&controller] { controller.exportLog(); });
    QObject::connect(m_penaltyBoxWindow, &PenaltyBoxWindow::addRequested, m_penaltyBoxWindow,
                     [&controller](Team team, const QString& player, PenaltyKind kind) {
                         controller.addPenalty(team, player, kind);
                     });
    QObject::connect(m_penaltyBoxWindow, &PenaltyBoxWindow::removeRequested, m_penaltyBoxWindow,
                     [&controller](int id) { controller.removePenalty(id); });
    QObject::connect(&window, &MainWindow::typingFinished, &window,
                     [&controller] { controller.finishTyping(); });
    controller.setStepListener([this] { showStep(); });
    showStep();
}

void GameTools::showStep() {
    const History& history = m_controller.history();
    m_menu->showHistory(history.undoName(), history.redoName());
    m_penaltyBoxWindow->display(m_controller.penaltyBox());
}
