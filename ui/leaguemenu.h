// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;

// The League menu, between Game and Help: the list of games first, the teams, the league files
// (a new one, another one, another's games brought in), and, while the league file cannot keep
// the games, a marked item that says what is wrong and where.
class LeagueMenu : public QObject {
    Q_OBJECT

public:
    // Adds the menu to the window's menu bar before Help, or last when there is no Help.
    explicit LeagueMenu(QMainWindow& window);

    QMenu* menu() const { return m_menu; }
    QAction* problemItem() const { return m_problem; }
    // What stands in the way of keeping games; empty takes the item away.
    void showProblem(const QString& problem);

signals:
    void gamesChosen();
    void teamsChosen();
    void standingsChosen();
    void leadersChosen();
    void settingsChosen();
    void problemChosen();
    void newLeagueChosen();
    void openLeagueChosen();
    void importChosen();

private:
    QMenu* m_menu;
    QAction* m_problem;
};
