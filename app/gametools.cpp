// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/gametools.h"

#include <QLocale>

#include <algorithm>

#include <QApplication>
#include <QDate>
#include <QThread>
#include <utility>

#include "app/leaguefiles.h"
#include "ui/layout.h"
#include "ui/typingundo.h"

namespace {

// The shots table's names are the ones typed; the goals table's follow them.
PenaltyBoxWindow::Sheet penaltySheet(const FieldModel& fields) {
    return {fields.text(Control::AwayName, 1), fields.text(Control::HomeName, 1),
            fields.text(Control::Penalty), fields.text(Control::MinorPenalty),
            fields.text(Control::MajorPenalty)};
}

OnIceWindow::Sheet onIceSheet(const GameController& controller) {
    const FieldModel& fields = controller.fields();
    return {fields.text(Control::AwayName, 1), fields.text(Control::HomeName, 1),
            cardPositionsOnShow(fields, controller.cardTable())};
}

// The league team's name where the name typed found one, else the name as typed.
QString teamName(const GameController& controller, Team team) {
    if (const std::optional<Roster>& roster = controller.scoreSheet().team(team).roster)
        return roster->name;
    return controller.fields().text(team == Team::Away ? Control::AwayName : Control::HomeName, 1);
}

// The league's name, the day the game began (today for a game not yet kept), and the names
// typed into the shots table.
SheetContent sheetContent(const GameController& controller, const LeagueKeeper& league) {
    const FieldModel& fields = controller.fields();
    const QDateTime started = league.startedOf(controller.board().gameId);
    return {league.store() ? league.store()->leagueName() : QString(),
            QLocale().toString(started.isValid() ? started.toLocalTime().date() : QDate::currentDate(),
                               QLocale::ShortFormat),
            teamName(controller, Team::Away),
            teamName(controller, Team::Home),
            controller.scoreSheet(),
            SheetStats::countsOf(fields, Team::Away),
            SheetStats::countsOf(fields, Team::Home)};
}

// What a tool window never opens over: the card, and beside it as far as the line-change
// prompt reaches, which shows at every even minute.
QRect cardAndPrompt() {
    QRect keepClear = Layout::pictureRect(Layout::Picture::Image6);
    keepClear.setRight(
        std::max(keepClear.right(), Layout::lookOf(Control::ChangeLines, 0).pixelRect().right()));
    return keepClear;
}

}  // namespace

GameTools::GameTools(MainWindow& window, GameController& controller, Dialogs& dialogs)
    : m_window(window),
      m_controller(controller),
      m_menu(new GameMenu(window, controller.fields())),
      m_toolWindows(window, cardAndPrompt()),
      m_dialogs(dialogs),
      m_leagueMenu(new LeagueMenu(window)),
      m_league(controller, controller.saveFolder()) {
    QObject::connect(m_menu, &GameMenu::buttonChosen, m_menu,
                     [&controller](Control button) { controller.press(button); });
    QObject::connect(m_menu, &GameMenu::undoChosen, m_menu, [&controller] { controller.undo(); });
    QObject::connect(m_menu, &GameMenu::redoChosen, m_menu, [&controller] { controller.redo(); });
    QObject::connect(m_menu, &GameMenu::gameLogChosen, m_menu,
                     [this] { m_toolWindows.bringUp(logWindow()); });
    QObject::connect(m_menu, &GameMenu::penaltyBoxChosen, m_menu,
                     [this] { m_toolWindows.bringUp(penaltyBoxWindow()); });
    QObject::connect(m_menu, &GameMenu::onIceChosen, m_menu,
                     [this] { m_toolWindows.bringUp(onIceWindow()); });
    QObject::connect(m_menu, &GameMenu::nextLinesChosen, m_menu, [&controller] { controller.nextLines(); });
    QObject::connect(m_menu, &GameMenu::goalDetailsChosen, m_menu, [this] {
        GoalDetailsWindow& details = goalDetailsWindow();
        details.showLastGoal();
        m_toolWindows.bringUp(details);
    });
    QObject::connect(m_menu, &GameMenu::gameSheetChosen, m_menu,
                     [this] { m_toolWindows.bringUp(gameSheetWindow()); });
    QObject::connect(m_menu, &GameMenu::endGameChosen, m_menu, [&controller] { controller.endGame(); });
    QObject::connect(m_menu, &GameMenu::shootoutChosen, m_menu,
                     [this] { m_toolWindows.bringUp(shootoutWindow()); });
    QObject::connect(m_leagueMenu, &LeagueMenu::settingsChosen, m_leagueMenu, [this] {
        if (LeagueSettingsWindow* settings = settingsWindow())
            m_toolWindows.bringUp(*settings);
    });
    QObject::connect(&window, &MainWindow::typingFinished, &window,
                     [&controller] { controller.finishTyping(); });
    QObject::connect(m_leagueMenu, &LeagueMenu::gamesChosen, m_leagueMenu, [this] {
        if (GamesWindow* games = gamesWindow())
            m_toolWindows.bringUp(*games);
    });
    QObject::connect(m_leagueMenu, &LeagueMenu::teamsChosen, m_leagueMenu, [this] {
        if (TeamsWindow* teams = teamsWindow())
            m_toolWindows.bringUp(*teams);
    });
    QObject::connect(m_leagueMenu, &LeagueMenu::standingsChosen, m_leagueMenu, [this] {
        if (StandingsWindow* standings = standingsWindow())
            m_toolWindows.bringUp(*standings);
    });
    QObject::connect(m_leagueMenu, &LeagueMenu::leadersChosen, m_leagueMenu, [this] {
        if (LeadersWindow* leaders = leadersWindow())
            m_toolWindows.bringUp(*leaders);
    });
    QObject::connect(m_leagueMenu, &LeagueMenu::problemChosen, m_leagueMenu, [this] {
        if (GamesWindow* games = gamesWindow())
            m_toolWindows.bringUp(*games);
    });
    QObject::connect(m_leagueMenu, &LeagueMenu::newLeagueChosen, m_leagueMenu,
                     [this] { LeagueFiles::newLeague(m_league, m_dialogs); });
    QObject::connect(m_leagueMenu, &LeagueMenu::openLeagueChosen, m_leagueMenu,
                     [this] { LeagueFiles::openLeague(m_league, m_dialogs); });
    QObject::connect(m_leagueMenu, &LeagueMenu::importChosen, m_leagueMenu,
                     [this] { LeagueFiles::importGames(m_league, m_dialogs); });
    QObject::connect(&m_league, &LeagueKeeper::damageFound, &m_league,
                     [this](const QString& told) { tellWhenFree(told); });
    // Looked at again a few times a second while a box is open, not at every pass of its loop.
    m_tellTimer.setInterval(100);
    QObject::connect(&m_tellTimer, &QTimer::timeout, m_leagueMenu, [this] { tellWaiting(); });
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
            [this](Team team, const QString& player, PenaltyKind kind, const QString& infraction,
                   int number) { m_controller.addPenalty(team, player, kind, infraction, number); });
        QObject::connect(m_penaltyBoxWindow, &PenaltyBoxWindow::removeRequested, m_penaltyBoxWindow,
                         [this](int id) { m_controller.removePenalty(id); });
        showPenaltyBox();
        m_toolWindows.adopt(*m_penaltyBoxWindow, QStringLiteral("PenaltyBox"));
    }
    return *m_penaltyBoxWindow;
}

OnIceWindow& GameTools::onIceWindow() {
    if (!m_onIceWindow) {
        m_onIceWindow = new OnIceWindow(&m_window);
        QObject::connect(m_onIceWindow, &OnIceWindow::nextLinesRequested, m_onIceWindow,
                         [this] { m_controller.nextLines(); });
        QObject::connect(m_onIceWindow, &OnIceWindow::linesPicked, m_onIceWindow,
                         [this](Team team, LinesOnIce onIce) { m_controller.pickLines(team, onIce); });
        QObject::connect(m_onIceWindow, &OnIceWindow::goalieChosen, m_onIceWindow,
                         [this](Team team, int goalie) { m_controller.changeGoalie(team, goalie); });
        showOnIce();
        m_toolWindows.adopt(*m_onIceWindow, QStringLiteral("OnIce"));
    }
    return *m_onIceWindow;
}

GoalDetailsWindow& GameTools::goalDetailsWindow() {
    if (!m_goalDetailsWindow) {
        m_goalDetailsWindow = new GoalDetailsWindow(&m_window);
        QObject::connect(m_goalDetailsWindow, &GoalDetailsWindow::goalEdited, m_goalDetailsWindow,
                         [this](int goalId, int scorer, const QList<int>& assists) {
                             m_controller.editGoal(goalId, scorer, assists);
                         });
        showOnIce();
        m_toolWindows.adopt(*m_goalDetailsWindow, QStringLiteral("GoalDetails"));
    }
    return *m_goalDetailsWindow;
}

void GameTools::showOnIce() {
    const FieldModel& fields = m_controller.fields();
    if (m_onIceWindow)
        m_onIceWindow->display(m_controller.scoreSheet(), m_controller.penaltyBox(),
                               onIceSheet(m_controller));
    if (m_goalDetailsWindow)
        m_goalDetailsWindow->display(m_controller.scoreSheet(), m_controller.penaltyBox(),
                                     fields.text(Control::AwayName, 1), fields.text(Control::HomeName, 1));
}

void GameTools::showPenaltyBox() {
    const ScoreSheet& sheet = m_controller.scoreSheet();
    const PenaltyBox& box = m_controller.penaltyBox();
    m_penaltyBoxWindow->showRosters(sheet.onIceFirst(Team::Away, box), sheet.onIceFirst(Team::Home, box));
    m_penaltyBoxWindow->display(box, penaltySheet(m_controller.fields()));
}

GameSheetWindow& GameTools::gameSheetWindow() {
    if (!m_gameSheetWindow) {
        m_gameSheetWindow = new GameSheetWindow([this] { return sheetContent(m_controller, m_league); },
                                                m_dialogs, m_controller.saveFolder(), &m_window);
        QObject::connect(m_gameSheetWindow, &GameSheetWindow::starsPicked, m_gameSheetWindow,
                         [this](const GameSheetWindow::StarPicks& picks) { m_controller.pickStars(picks); });
        m_toolWindows.adopt(*m_gameSheetWindow, QStringLiteral("GameSheet"));
    }
    return *m_gameSheetWindow;
}

void GameTools::openLeague() {
    const std::optional<QString> told = m_league.open();
    LeagueStore* store = m_league.store();
    QObject::connect(store, &LeagueStore::problemChanged, m_leagueMenu,
                     [this](const QString& problem) { showLeagueProblem(problem); });
    showLeagueProblem(store->problem());
    QObject::connect(store, &LeagueStore::leagueNameChanged, m_leagueMenu,
                     [this] { m_toolWindows.nameLeague(m_league.store()->shownName()); });
    m_toolWindows.nameLeague(store->shownName());
    if (told)
        m_dialogs.message(*told, MessageButtons::Ok);
}

GamesWindow* GameTools::gamesWindow() {
    LeagueStore* store = m_league.store();
    if (!store)
        return nullptr;
    if (!m_gamesWindow) {
        m_gamesModel = new GamesModel(*store, &m_window);
        m_gamesWindow = new GamesWindow(*m_gamesModel, m_dialogs, &m_window);
        QObject::connect(
            m_gamesWindow, &GamesWindow::resumeRequested, m_gamesWindow, [this](const QString& gameId) {
                const std::optional<QString> refused = m_league.resume(gameId);
                m_gamesWindow->showProblem(refused
                                               ? QObject::tr("This game cannot be resumed. %1").arg(*refused)
                                               : m_league.store()->problem());
            });
        QObject::connect(m_gamesWindow, &GamesWindow::deleteRequested, m_gamesWindow,
                         [this](const QString& gameId) {
                             if (m_league.remove(gameId))
                                 m_gamesModel->reload();
                         });
        QObject::connect(store, &LeagueStore::gamesChanged, m_gamesWindow, [this] {
            if (m_gamesWindow->isVisible())
                m_gamesModel->reload();
        });
        m_toolWindows.adopt(*m_gamesWindow, QStringLiteral("Games"));
        showLeagueProblem(store->problem());
    }
    m_gamesWindow->setGameOnBoard(m_controller.board().gameId);
    return m_gamesWindow;
}

TeamsWindow* GameTools::teamsWindow() {
    LeagueStore* store = m_league.store();
    if (!store)
        return nullptr;
    if (!m_teamsWindow) {
        m_teamsWindow = new TeamsWindow(*store, m_dialogs, &m_window);
        m_toolWindows.adopt(*m_teamsWindow, QStringLiteral("Teams"));
    }
    return m_teamsWindow;
}

StandingsWindow* GameTools::standingsWindow() {
    LeagueStore* store = m_league.store();
    if (!store)
        return nullptr;
    if (!m_standingsWindow) {
        m_standingsWindow = new StandingsWindow(*store, m_dialogs, &m_window);
        m_toolWindows.adopt(*m_standingsWindow, QStringLiteral("Standings"));
    }
    return m_standingsWindow;
}

LeadersWindow* GameTools::leadersWindow() {
    LeagueStore* store = m_league.store();
    if (!store)
        return nullptr;
    if (!m_leadersWindow) {
        m_leadersWindow = new LeadersWindow(*store, m_dialogs, &m_window);
        m_toolWindows.adopt(*m_leadersWindow, QStringLiteral("Leaders"));
    }
    return m_leadersWindow;
}

ShootoutWindow& GameTools::shootoutWindow() {
    if (!m_shootoutWindow) {
        m_shootoutWindow = new ShootoutWindow(&m_window);
        QObject::connect(m_shootoutWindow, &ShootoutWindow::attemptTaken, m_shootoutWindow,
                         [this](const ShootoutAttempt& attempt) { m_controller.shootoutAttempt(attempt); });
        m_toolWindows.adopt(*m_shootoutWindow, QStringLiteral("Shootout"));
        showVerdict();
    }
    return *m_shootoutWindow;
}

LeagueSettingsWindow* GameTools::settingsWindow() {
    LeagueStore* store = m_league.store();
    if (!store)
        return nullptr;
    if (!m_settingsWindow) {
        m_settingsWindow = new LeagueSettingsWindow(&m_window);
        QObject::connect(m_settingsWindow, &LeagueSettingsWindow::rulesChanged, m_settingsWindow,
                         [this](const OvertimeRules& rules) {
                             LeagueStore* store = m_league.store();
                             if (store->setOvertimeRules(rules))
                                 m_controller.setLeagueRules(store->overtimeRules());
                             showSettings();
                         });
        m_toolWindows.adopt(*m_settingsWindow, QStringLiteral("LeagueSettings"));
    }
    showSettings();
    return m_settingsWindow;
}

void GameTools::showSettings() {
    if (!m_settingsWindow)
        return;
    const LeagueStore* store = m_league.store();
    const bool writable = store->mode() == LeagueStore::Mode::ReadWrite && store->problem().isEmpty();
    const QString problem = writable ? QString()
                            : store->problem().isEmpty()
                                ? QObject::tr("The league file cannot be written to.")
                                : store->problem();
    m_settingsWindow->display(writable ? store->overtimeRules() : m_controller.leagueRules(), problem);
}

void GameTools::showVerdict() {
    const GameOutcome outcome = m_controller.outcome();
    const FieldModel& fields = m_controller.fields();
    m_toolWindows.showStatus(verdictText(outcome, fields.snapshot()));
    if (m_shootoutWindow)
        m_shootoutWindow->display(m_controller.scoreSheet(), outcome,
                                  {fields.text(Control::AwayName, 1), fields.text(Control::HomeName, 1),
                                   fields.text(Control::Shootout)});
}

void GameTools::showLeagueProblem(const QString& problem) {
    m_leagueMenu->showProblem(problem);
    showSettings();
    if (m_gamesWindow) {
        m_gamesWindow->showProblem(problem);
        m_gamesWindow->setDeleteAllowed(m_league.store()->mode() == LeagueStore::Mode::ReadWrite);
    }
}

void GameTools::tellWhenFree(const QString& text) {
    m_toTell.append(text);
    m_tellTimer.start();
}

void GameTools::tellWaiting() {
    // A loop beyond the program's own is a box's, a file dialog of the desktop's included,
    // which is not always a widget of this program.
    if (QApplication::activeModalWidget() || QThread::currentThread()->loopLevel() > 1)
        return;
    m_tellTimer.stop();
    for (const QString& text : std::exchange(m_toTell, {}))
        m_dialogs.message(text, MessageButtons::Ok);
}

void GameTools::showStep() {
    TypingUndo::stepTaken();
    const History& history = m_controller.history();
    m_menu->showHistory(history.undoName(), history.redoName());
    if (m_penaltyBoxWindow)
        showPenaltyBox();
    showOnIce();
    showVerdict();
    if (m_gamesWindow)
        m_gamesWindow->setGameOnBoard(m_controller.board().gameId);
    if (m_gameSheetWindow)
        m_gameSheetWindow->stepTaken();
}
