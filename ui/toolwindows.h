// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <memory>
#include <utility>

class QAction;
class QMainWindow;
class QSettings;
class QWidget;

// Where a tool window may open: rectangles in screen coordinates, frames included.
struct ToolWindowRoom {
    QRect screen;         // the screen's available area
    QRect main;           // the main window
    QRect keepClear;      // the part of the main window no tool window opens over
    QList<QRect> others;  // the tool windows already open
};

// Where a tool window of this size opens the first time: beside the main window, covering
// neither the part kept clear nor another tool window. Where no such place is, the window
// may shrink, down to `smallest`, into one; failing that it goes where it covers least of
// them. It always lies wholly on the screen.
QRect firstToolWindowPlace(const ToolWindowRoom& room, QSize size, QSize smallest);

// The frame moved, and shrunk where it is larger than the screen, to lie wholly on it.
QRect ontoScreen(QRect frame, const QRect& screen);

// The windows beside a main window that the player opens and closes while he plays: each a
// Qt::Tool window, a child of the main window, so that Alt with the letter of a main window's
// menu opens that menu from it too. Each opens where it leaves the card in view, remembers
// its place and size across runs in the player's settings, and closes on Escape.
class ToolWindows : public QObject {
    Q_OBJECT

public:
    // keepClear is in the coordinates of the main window's central widget.
    ToolWindows(QMainWindow& main, const QRect& keepClear);
    // Keeps the places of the windows still open, as closing each of them would.
    ~ToolWindows() override;

    // Takes in a tool window once it is built; `name` keys its place in the settings. A letter
    // the window uses for a control of its own stays the window's while it is active.
    void adopt(QWidget& window, const QString& name);
    // Shows an adopted window, raised and active: where it was last (on a screen still), or
    // the first time at firstToolWindowPlace().
    void bringUp(QWidget& window);
    // The title of every tool window, those adopted later too, names the league after its
    // own: "Games — Season 2026". Empty: the window's own title alone.
    void nameLeague(const QString& league);

    // One line at the top of every adopted window that has room for it, such as "Final:
    // Toronto 3, Detroit 2, OT"; empty hides it.
    void showStatus(const QString& status);

    // The player's settings file, ~/.config/Torvane/Torvane FAC.conf.
    static std::unique_ptr<QSettings> openSettings();

private:
    struct Adopted {
        QPointer<QWidget> window;
        QString name;
        QString title;       // the window's own
        bool shown = false;  // in this run
    };

    bool eventFilter(QObject* watched, QEvent* event) override;
    Adopted* find(const QObject* window);
    void yieldLettersTo(const QWidget& window);
    void takeLettersBack();
    void restore(Adopted& adopted);
    QRect cardOnScreen() const;
    // The place firstToolWindowPlace() finds for the window beside the main one and the other
    // tool windows shown.
    QRect freePlace(const QWidget& window, QSize size, QSize smallest) const;
    void keepInPlace(QWidget& window, QSize oldSize);
    void keep(const Adopted& adopted) const;
    void showTitle(const Adopted& adopted) const;
    QMargins frameMarginsOf(const QWidget& window) const;
    void showStatusIn(QWidget& window) const;

    QMainWindow& m_main;
    QRect m_keepClear;
    bool m_placing = false;  // a window is being placed anew: its resize is ours
    QString m_league;
    QList<Adopted> m_windows;
    QString m_status;
    QList<std::pair<QPointer<QAction>, QString>> m_yielded;  // menu titles and their own texts
};
