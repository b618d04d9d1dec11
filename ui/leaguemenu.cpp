// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/leaguemenu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>

LeagueMenu::LeagueMenu(QMainWindow& window) : QObject(&window) {
    m_menu = new QMenu(tr("&League"), &window);
    m_menu->setObjectName(QStringLiteral("mnuLeague"));
    const QMenu* help = window.findChild<QMenu*>(QStringLiteral("mnuHelp"));
    window.menuBar()->insertMenu(help ? help->menuAction() : nullptr, m_menu);

    QAction* games = m_menu->addAction(tr("Games…"));
    games->setObjectName(QStringLiteral("mnuLeagueGames"));
    connect(games, &QAction::triggered, this, &LeagueMenu::gamesChosen);
    QAction* teams = m_menu->addAction(tr("Teams…"));
    teams->setObjectName(QStringLiteral("mnuLeagueTeams"));
    connect(teams, &QAction::triggered, this, &LeagueMenu::teamsChosen);
    QAction* standings = m_menu->addAction(tr("Standings…"));
    standings->setObjectName(QStringLiteral("mnuLeagueStandings"));
    connect(standings, &QAction::triggered, this, &LeagueMenu::standingsChosen);
    QAction* leaders = m_menu->addAction(tr("Leaders…"));
    leaders->setObjectName(QStringLiteral("mnuLeagueLeaders"));
    connect(leaders, &QAction::triggered, this, &LeagueMenu::leadersChosen);
    QAction* settings = m_menu->addAction(tr("Settings…"));
    settings->setObjectName(QStringLiteral("mnuLeagueSettings"));
    connect(settings, &QAction::triggered, this, &LeagueMenu::settingsChosen);

    m_menu->addSeparator();
    QAction* newLeague = m_menu->addAction(tr("New League…"));
    newLeague->setObjectName(QStringLiteral("mnuLeagueNew"));
    connect(newLeague, &QAction::triggered, this, &LeagueMenu::newLeagueChosen);
    QAction* openLeague = m_menu->addAction(tr("Open League…"));
    openLeague->setObjectName(QStringLiteral("mnuLeagueOpen"));
    connect(openLeague, &QAction::triggered, this, &LeagueMenu::openLeagueChosen);
    QAction* importGames = m_menu->addAction(tr("Import Games…"));
    importGames->setObjectName(QStringLiteral("mnuLeagueImport"));
    connect(importGames, &QAction::triggered, this, &LeagueMenu::importChosen);

    m_problem = new QAction(m_menu);
    m_problem->setObjectName(QStringLiteral("mnuLeagueProblem"));
    m_problem->setIconVisibleInMenu(true);
    connect(m_problem, &QAction::triggered, this, &LeagueMenu::problemChosen);
}

void LeagueMenu::showProblem(const QString& problem) {
    m_problem->setText(problem);
    m_problem->setToolTip(problem);
    // The warning sign is looked up when first needed: under X11 the style searches the icon
    // themes for it, which cost start-up a third of its time.
    if (!problem.isEmpty() && m_problem->icon().isNull())
        m_problem->setIcon(m_menu->style()->standardIcon(QStyle::SP_MessageBoxWarning));
    if (problem.isEmpty())
        m_menu->removeAction(m_problem);
    else if (!m_menu->actions().contains(m_problem))
        m_menu->addAction(m_problem);
}
