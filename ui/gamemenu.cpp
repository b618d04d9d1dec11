// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gamemenu.h"

#include <QAction>
#include <QMenu>

#include "core/fieldmodel.h"
#include "ui/mainwindow.h"

namespace {

struct ButtonItem {
    Control button;
    const char* objectName;
    QKeySequence key;
};

const ButtonItem kButtonItems[] = {
    {Control::TimedFlipButton, "mnuTimedFlip", QKeySequence(Qt::Key_F5)},
    {Control::FlipButton, "mnuFlip", QKeySequence(Qt::Key_F6)},
    {Control::AwayShotButton, "mnuAwayShot", QKeySequence(Qt::Key_F7)},
    {Control::HomeShotButton, "mnuHomeShot", QKeySequence(Qt::Key_F8)},
    {Control::AwayGoalButton, "mnuAwayGoal", QKeySequence(Qt::SHIFT | Qt::Key_F7)},
    {Control::HomeGoalButton, "mnuHomeGoal", QKeySequence(Qt::SHIFT | Qt::Key_F8)},
    {Control::NextPeriodButton, "mnuNextPeriod", QKeySequence(Qt::Key_F9)},
};

}  // namespace

GameMenu::GameMenu(MainWindow& window, FieldModel& fields) : QObject(&window), m_fields(fields) {
    m_menu = window.addMenu(tr("&Game"), QStringLiteral("mnuGame"));

    for (const ButtonItem& item : kButtonItems) {
        QAction* action = m_menu->addAction(controlName(item.button, 0));
        action->setObjectName(QString::fromLatin1(item.objectName));
        action->setShortcut(item.key);
        action->setShortcutContext(Qt::ApplicationShortcut);
        connect(action, &QAction::triggered, this,
                [this, button = item.button] { emit buttonChosen(button); });
        m_buttonActions[static_cast<int>(item.button)] = action;
        showButtonState(item.button, m_fields.isVisible(item.button));
        if (item.button == Control::FlipButton || item.button == Control::HomeGoalButton)
            m_menu->addSeparator();
    }
    connect(&m_fields, &FieldModel::visibleChanged, this,
            [this](Control ctl, int, bool visible) { showButtonState(ctl, visible); });
    m_menu->addSeparator();

    m_undo = addCommand("mnuUndo", tr("Undo"), &GameMenu::undoChosen);
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redo = addCommand("mnuRedo", tr("Redo"), &GameMenu::redoChosen);
    m_redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    m_menu->addSeparator();
    addCommand("mnuGameLog", tr("Game Log…"), &GameMenu::gameLogChosen)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    addCommand("mnuPenaltyBox", tr("Penalty Box…"), &GameMenu::penaltyBoxChosen)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    addCommand("mnuOnIce", tr("On Ice…"), &GameMenu::onIceChosen)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    addCommand("mnuNextLines", tr("Next Lines"), &GameMenu::nextLinesChosen)
        ->setShortcut(QKeySequence(Qt::Key_F4));
    addCommand("mnuGoalDetails", tr("Goal Details…"), &GameMenu::goalDetailsChosen)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    addCommand("mnuGameSheet", tr("Game Sheet…"), &GameMenu::gameSheetChosen);
    // The end of the game as the league counts it.
    m_menu->addSeparator();
    addCommand("mnuEndGame", tr("End Game…"), &GameMenu::endGameChosen);
    addCommand("mnuShootout", tr("Shoot-out…"), &GameMenu::shootoutChosen);
    showHistory({}, {});
}

QAction* GameMenu::addCommand(const char* objectName, const QString& caption, void (GameMenu::*chosen)()) {
    QAction* action = m_menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    action->setShortcutContext(Qt::ApplicationShortcut);
    connect(action, &QAction::triggered, this, chosen);
    return action;
}

void GameMenu::showButtonState(Control button, bool shown) {
    if (QAction* action = m_buttonActions[static_cast<int>(button)])
        action->setEnabled(shown);
}

void GameMenu::showHistory(const QString& undoName, const QString& redoName) {
    m_undo->setText(undoName.isEmpty() ? tr("Undo") : tr("Undo %1").arg(undoName));
    m_undo->setEnabled(!undoName.isEmpty());
    m_redo->setText(redoName.isEmpty() ? tr("Redo") : tr("Redo %1").arg(redoName));
    m_redo->setEnabled(!redoName.isEmpty());
}
