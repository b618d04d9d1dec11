// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QMainWindow>

#include "core/controls.h"

class FieldModel;

// Moves a window, shown or about to be, to the middle of its screen.
void centreOnScreen(QWidget& window);
class QAction;
class QMenu;

// The main window: a thin view over the fields. It shows every field's text and visible
// flag, passes the player's typing back to the fields, and announces clicks and menu choices
// as signals, which the program connects to its commands.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(FieldModel& fields, QWidget* parent = nullptr);

    // The widget that shows a control member (a text field's widget or a button).
    QWidget* widgetOf(Control control, int index = 0) const;
    // A menu item, by its object name ("mnuNewGame").
    QAction* action(const QString& objectName) const;
    QMenu* fileMenu() const { return m_fileMenu; }
    // A menu of the game's own, after File and those added before it, before Help. An access
    // letter in the title ("&League") opens it with Alt, from the tool windows too.
    QMenu* addMenu(const QString& title, const QString& objectName);

signals:
    void buttonClicked(Control button);
    void newGameChosen();
    void loadGameChosen();
    void saveGameChosen();
    void exitChosen();
    void aboutChosen();
    void aboutToolkitChosen();
    // The player closed the window.
    void closed();
    // A box the player can type into lost the focus, or he pressed Enter in it.
    void typingFinished();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenu();
    void buildControls(QWidget* client);
    void showText(Control control, int index, const QString& text);
    void applyTabOrder();

    static int key(Control control, int index) { return static_cast<int>(control) * 4 + index; }

    FieldModel& m_fields;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    QHash<int, QWidget*> m_widgets;
    bool m_placed = false;
};
