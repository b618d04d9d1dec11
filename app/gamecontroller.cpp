// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/gamecontroller.h"

#include <QDir>
#include <QUuid>

#include "deck/cardreader.h"
#include "game/newgame.h"
#include "game/scoreboard.h"
#include "save/savedgame.h"

GameController::GameController(Services services, Places places)
    : m_services(std::move(services)),
      m_places(std::move(places)),
      m_saveFolder(m_places.programDir),
      m_deck(m_cardTable, m_fields, m_services.random),
      m_clock(m_fields, [this] { m_services.sound.playSound(hornPath()); }),
      m_steps(m_fields, m_deck, m_penalties, m_sheet, m_log) {
    Scoreboard::followChanges(m_fields);
    m_steps.setBeforeStep([this] { takeUpRosters(); });
    m_steps.setClosing([this](const BoardState& before) { logVerdict(before); });
}

QString GameController::hornPath() const {
    return QDir(m_places.programDir).filePath(QStringLiteral("horn.wav"));
}

QString GameController::defaultSavePath() const {
    return QDir::toNativeSeparators(QDir(m_saveFolder.path()).filePath(QStringLiteral("Settings.TVN")));
}

void GameController::start() {
    m_services.random.seedFromClock();
    readCards();
    newGame();
    m_fields.setText(Control::SavePath, defaultSavePath());
    m_steps.start(Command::NewGame);
}

void GameController::quit() {
    m_services.quit();
}

void GameController::readCards() {
    // From the working folder, as always, and else from beside the program, so that a
    // launcher or a file manager that starts it elsewhere still finds its deck.
    const QFileInfo inWorkingFolder(m_places.cardDataPath);
    const QFileInfo besideProgram(QDir(m_places.programDir).filePath(inWorkingFolder.fileName()));
    const bool oneFolder = inWorkingFolder.absoluteFilePath() == besideProgram.absoluteFilePath();
    CardReadResult result = readCardFile(inWorkingFolder.absoluteFilePath());
    if (result.error == CardReadErrors::kFileNotFound && !oneFolder)
        result = readCardFile(besideProgram.absoluteFilePath());
    m_cardTable = std::move(result.table);
    if (!result.error)
        return;
    QString message = cardReadErrorMessage(*result.error);
    if (result.error == CardReadErrors::kFileNotFound) {
        const QString first = QDir::toNativeSeparators(inWorkingFolder.absolutePath());
        const QString second = QDir::toNativeSeparators(besideProgram.absolutePath());
        message +=
            u'\n' +
            (oneFolder
                 ? tr("%1 was looked for in %2.").arg(inWorkingFolder.fileName(), first)
                 : tr("%1 was looked for in %2 and in %3.").arg(inWorkingFolder.fileName(), first, second));
    }
    m_services.dialogs.windowMessage(message, MessageButtons::Ok);
}

namespace {

QString newGameId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

}  // namespace

void GameController::newGame() {
    m_steps.begin(Command::NewGame);
    m_log.switchTo(newGameId());
    m_deck.deal();
    m_deck.showFirstCard();
    startNewGame(m_fields);
    m_penalties = PenaltyBox();
    m_sheet = ScoreSheet();
    m_sheet.setRules(m_leagueRules);
    takeUpRosters();
    m_steps.log(LogText::cards(m_fields));
    m_steps.finish();
}

void GameController::timedFlip() {
    if (!m_clock.isRunning())
        return;
    m_steps.begin(Command::TimedFlip);
    m_deck.flip();
    const double secondsPlayed = m_clock.runFlip();
    m_steps.log(LogText::cards(m_fields));
    if (!m_clock.isRunning())
        m_steps.log(LogEvent::PeriodEnd);
    else if (m_fields.isVisible(Control::ChangeLines))
        m_steps.log(LogEvent::ChangeLines);
    logPenalties(m_penalties.elapse(secondsPlayed), LogEvent::PenaltyExpired);
    m_steps.finish();
}

void GameController::flip() {
    m_steps.begin(Command::Flip);
    m_deck.flip();
    m_penalties.nextStoppage();
    m_steps.log(LogText::cards(m_fields));
    m_steps.finish();
}

void GameController::nextPeriod() {
    m_steps.begin(Command::NextPeriod);
    m_clock.nextPeriod();
    m_sheet.reopen();
    takeUpOvertimeStrength();
    m_steps.log();
    m_steps.finish();
}

void GameController::addGoal(Team team) {
    m_steps.begin(team == Team::Home ? Command::HomeGoal : Command::AwayGoal);
    const int goal = m_sheet.addGoal(team, m_fields.text(Control::Period), m_fields.text(Control::Clock),
                                     m_penalties, m_fields.text(Control::Assists));
    Scoreboard::addOne(m_fields, team, Scoreboard::Tally::Goals);
    m_sheet.reopen();
    m_steps.log(LogText::goals(m_fields) + QStringLiteral("; ") + m_sheet.goalText(*m_sheet.goal(goal)));
    if (const std::optional<Penalty> ended = m_penalties.goalScored(team))
        logPenalties({*ended}, m_penalties.find(ended->id) ? LogEvent::FirstMinorEndedByGoal
                                                           : LogEvent::PenaltyEndedByGoal);
    m_steps.finish();
}

void GameController::addShot(Team team) {
    m_steps.begin(team == Team::Home ? Command::HomeShot : Command::AwayShot);
    Scoreboard::addOne(m_fields, team, Scoreboard::Tally::Shots);
    m_sheet.addShot(team, m_fields.text(Control::Period));
    m_steps.log(LogText::shots(m_fields));
    m_steps.finish();
}

void GameController::press(Control button) {
    switch (button) {
        case Control::TimedFlipButton: timedFlip(); break;
        case Control::FlipButton: flip(); break;
        case Control::NextPeriodButton: nextPeriod(); break;
        case Control::HomeGoalButton: addGoal(Team::Home); break;
        case Control::AwayGoalButton: addGoal(Team::Away); break;
        case Control::HomeShotButton: addShot(Team::Home); break;
        case Control::AwayShotButton: addShot(Team::Away); break;
        default: Q_ASSERT_X(false, "GameController::press", "not a button"); break;
    }
}

void GameController::showAbout() {
    const QString text =
        tr("<p><b>Torvane FAC %1</b></p>"
           "<p>The 200 action cards and the score sheet of a tabletop ice-hockey game.</p>"
           "<p>Licensed under the GNU General Public License, version 3 or later. The card texts, "
           "the horn and the pictures are licensed under CC BY-SA 4.0.</p>"
           "<p>Built with Qt %2, running on Qt %3.</p>"
           "<p><a href=\"%4\">%4</a></p>")
            .arg(QCoreApplication::applicationVersion(), QStringLiteral(QT_VERSION_STR),
                 QString::fromLatin1(qVersion()), QStringLiteral("https://torvane.example.org"));
    m_services.dialogs.about(tr("About Torvane FAC"), text);
}

void GameController::showAboutToolkit() {
    m_services.dialogs.aboutToolkit();
}

void GameController::saveGame() {
    saveGameTo(m_fields.text(Control::SavePath));
}

void GameController::saveGameTo(const QString& path) {
    std::optional<QString> failure = m_saveFolder.makeFor(path);
    if (!failure)
        failure = SavedGame::writeFile(SavedGame::linesOf(m_fields), path);
    if (failure) {
        m_services.dialogs.message(tr("The game could not be saved to %1.\n%2\nAny earlier saved game "
                                      "there is unchanged.")
                                       .arg(path, *failure),
                                   MessageButtons::Ok);
        return;
    }
    if (m_archive)
        m_archive->saved(board(), path, SavedGame::linesOf(m_fields));
    m_services.dialogs.windowMessage(QStringLiteral("The settings were saved to ") + path,
                                     MessageButtons::Ok);
}

void GameController::loadGame() {
    if (m_services.dialogs.windowMessage(QStringLiteral("Are you sure you want to Load game?"),
                                         MessageButtons::YesNo) != MessageAnswer::Yes) {
        return;
    }
    const std::optional<QString> chosen = m_services.dialogs.openFile(tr("TVN (*.TVN)"), m_saveFolder.path());
    if (!chosen || chosen->isEmpty())
        return;
    loadGameFrom(*chosen);
}

void GameController::loadGameFrom(const QString& path) {
    const SavedGame::ParseResult read = SavedGame::readFile(path);
    if (const auto* refusal = std::get_if<SavedGame::Refusal>(&read)) {
        m_services.dialogs.message(
            tr("The game could not be loaded from %1.\n%2\nNothing was changed.").arg(path, refusal->reason),
            MessageButtons::Ok);
        return;
    }
    const SavedGame::Lines& lines = std::get<SavedGame::Lines>(read);
    const std::optional<GameArchive::Save> save = m_archive ? m_archive->lastSaveOf(lines) : std::nullopt;
    m_steps.begin(Command::LoadGame);
    SavedGame::apply(m_fields, lines);
    m_fields.setVisible(Control::TimedFlipButton, m_clock.isRunning());
    // The file holds no penalties; the game that saved it kept them.
    if (save) {
        m_log.switchTo(save->gameId, save->log);
        m_penalties = save->penalties;
        m_sheet = save->sheet;
    } else {
        m_log.switchTo(newGameId());
        m_penalties = PenaltyBox();
        m_sheet = ScoreSheet();
    }
    takeUpRosters();
    takeUpOvertimeStrength();
    m_steps.log(path);
    m_steps.finish();
}

void GameController::resumeGame(const BoardState& board, const QList<LogEntry>& log) {
    m_steps.begin(Command::ResumeGame);
    m_fields.restore(board.fields);
    m_deck.restore(board.deck);
    m_penalties = board.penalties;
    m_sheet = board.sheet;
    m_log.switchTo(board.gameId, log);
    takeUpOvertimeStrength();
    m_steps.log(LogText::goals(m_fields));
    m_steps.finish();
}
