// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/gametools.h"

#include "ui/layout.h"
#include "ui/typingundo.h"

namespace {

// The shots table's names are the ones typed; the goals table's follow them.
PenaltyBoxWindow::Sheet penaltySheet(const FieldModel& fields) {
    return {fields.text(Control::AwayName, 1), fields.text(Control::HomeName, 1),
            fields.text(Control::Penalty), fields.text(Control::MinorPenalty),
            fields.text(Control::MajorPenalty)};
}

}  // namespace

GameTools::GameTools(MainWindow& window, GameController& controller)
    : m_window(window),
      m_controller(controller),
      m_menu(new GameMenu(window, controller.fields())),
      m_toolWindows(window, Layout::pictureRect(Layout::Picture::Image6)) {
    QObject::connect(m_menu, &GameMenu::buttonChosen, m_menu,
                     [&controller](Control button) { controller.press(button); });
    QObject::connect(m_menu, &GameMenu::undoChosen, m_menu, [&controller] { controller.undo(); });
    QObject::connect(m_menu, &GameMenu::redoChosen, m_menu, [&controller] { controller.redo(); });
    QObject::connect(m_menu, &GameMenu::gameLogChosen, m_menu,
                     [this] { m_toolWindows.bringUp(logWindow()); });
    QObject::connect(m_menu, &GameMenu::penaltyBoxChosen, m_menu,
                     [this] { m_toolWindows.bringUp(penaltyBoxWindow()); });
    QObject::connect(&window, &MainWindow::typingFinished, &window,
                     [&controller] { controller.finishTyping(); });
    m_stepListener = controller.addStepListener([this](const FinishedStep&) { showStep(); });
    showStep();
}

// The window outlives the tools, and a box that loses the focus as it closes still finishes
// its typing.
GameTools::~GameTools() {
    m_controller.removeStepListener(m_stepListener);
}

// The tool windows are built when first asked for, not at start-up: most evenings never
// open them, and a player waits for the main window.
GameLogWindow& GameTools::logWindow() {
    if (!m_logWindow) {
        m_logWindow = new GameLogWindow(m_controller.gameLog(), &m_window);
        QObject::connect(m_logWindow, &GameLogWindow::exportRequested, m_logWindow,
                         [this] { m_controller.exportLog(); });
        m_toolWindows.adopt(*m_logWindow, QStringLiteral("GameLog"));
    }
    return *m_logWindow;
}

PenaltyBoxWindow& GameTools::penaltyBoxWindow() {
    if (!m_penaltyBoxWindow) {
        m_penaltyBoxWindow = new PenaltyBoxWindow(&m_window);
        QObject::connect(
            m_penaltyBoxWindow, &PenaltyBoxWindow::addRequested, m_penaltyBoxWindow,
            [this](Team team, const QString& player, PenaltyKind kind, const QString& infraction) {
                m_controller.addPenalty(team, player, kind, infraction);
            });
        QObject::connect(m_penaltyBoxWindow, &PenaltyBoxWindow::removeRequested, m_penaltyBoxWindow,
                         [this](int id) { m_controller.removePenalty(id); });
        m_penaltyBoxWindow->display(m_controller.penaltyBox(), penaltySheet(m_controller.fields()));
        m_toolWindows.adopt(*m_penaltyBoxWindow, QStringLiteral("PenaltyBox"));
    }
    return *m_penaltyBoxWindow;
}

void GameTools::showStep() {
    TypingUndo::stepTaken();
    const History& history = m_controller.history();
    m_menu->showHistory(history.undoName(), history.redoName());
    if (m_penaltyBoxWindow)
        m_penaltyBoxWindow->display(m_controller.penaltyBox(), penaltySheet(m_controller.fields()));
}
