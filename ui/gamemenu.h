// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include "core/controls.h"

class FieldModel;
class MainWindow;
class QAction;
class QMenu;

// The Game menu beside File: the seven buttons' commands with their keys, Undo and Redo, and
// the tool windows. Its keys work wherever the focus is, a box of the score sheet or a tool
// window included: none of them types a character, so none is taken from a box.
//
// The keys: F5 and F6 are the flips. Shots are the most frequent score press and sit beside
// them, in the order of the window's rows: F7 away, F8 home. A goal is the same team's key
// with Shift, so that a slip of a finger adds a shot at most. Next Period is F9, in the next
// group of function keys, away from the flips. Undo and Redo keep the usual keys; a box with
// typing of its own to take back keeps them for that. The tool windows open with Ctrl and a
// letter of their names, L for the log and B for the box: with Ctrl a letter types nothing.
// On Ice is Ctrl+I and the goal's details Ctrl+G; Next Lines, the answer to CHANGE LINES, is
// F4, a key of its own beside the flips.
class GameMenu : public QObject {
    Q_OBJECT

public:
    // Adds the menu to the window's menu bar after File, opened with Alt+G. The timed flip is offered while
    // its button is shown, like the button itself.
    GameMenu(MainWindow& window, FieldModel& fields);

    QMenu* menu() const { return m_menu; }
    // "Undo Home Goal", or a disabled "Undo" when there is nothing to undo; the same for Redo.
    void showHistory(const QString& undoName, const QString& redoName);

signals:
    void buttonChosen(Control button);
    void undoChosen();
    void redoChosen();
    void gameLogChosen();
    void penaltyBoxChosen();
    void onIceChosen();
    void nextLinesChosen();
    void goalDetailsChosen();
    void gameSheetChosen();
    void endGameChosen();
    void shootoutChosen();

private:
    QAction* addCommand(const char* objectName, const QString& caption, void (GameMenu::*chosen)());
    void showButtonState(Control button, bool shown);

    FieldModel& m_fields;
    QMenu* m_menu = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QAction* m_buttonActions[kControlCount] = {};
};
