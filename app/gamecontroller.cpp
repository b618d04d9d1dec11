#include "app/gamecontroller.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "deck/cardreader.h"
#include "game/newgame.h"
#include "game/scoreboard.h"
#include "save/savedgame.h"

GameController::GameController(Services services, Places places)
    : m_services(std::move(services)),
      m_places(std::move(places)),
      m_saveFolder(chooseSaveFolder(m_places.programDir)),
      m_deck(m_cardTable, m_fields, m_services.random),
      m_clock(m_fields, [this] { m_services.sound.playSound(hornPath()); }) {
    // The goals table shows the names typed into the shots table.
    for (Control name : {Control::AwayName, Control::HomeName})
        m_fields.setChangeHandler(name, [this, name](int) { Scoreboard::mirrorTeamName(m_fields, name); });
}

QString GameController::hornPath() const {
    return QDir(m_places.programDir).filePath(QStringLiteral("horn.wav"));
}

namespace {

bool canCreateFilesIn(const QString& folder) {
    if (!QFileInfo(folder).isWritable())
        return false;
    // The permission bits do not tell the whole story: root passes them even on a read-only
    // file system. Creating a file does.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".torvane-write-check-XXXXXX")));
    return probe.open();
}

}  // namespace

QString GameController::chooseSaveFolder(const QString& programDir) {
    if (canCreateFilesIn(programDir))
        return programDir;
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // Should this fail too, Save says so when it cannot write there.
    QDir().mkpath(dataFolder);
    return dataFolder;
}

QString GameController::defaultSavePath() const {
    return QDir::toNativeSeparators(QDir(m_saveFolder).filePath(QStringLiteral("Settings.TVN")));
}

void GameController::start() {
    m_services.random.seedFromClock();
    readCards();
    newGame();
    m_fields.setText(Control::SavePath, defaultSavePath());
    startHistory();
}

void GameController::quit() {
    m_services.quit();
}

void GameController::readCards() {
    CardReadResult result = readCardFile(m_places.cardDataPath);
    m_cardTable = std::move(result.table);
    if (result.error)
        m_services.dialogs.message(cardReadErrorMessage(*result.error), MessageButtons::Ok);
}

void GameController::newGame() {
    beginCommand();
    m_deck.deal();
    m_deck.showFirstCard();
    resetClockAndScores(m_fields);
    finishCommand(Command::NewGame);
}

void GameController::timedFlip() {
    if (!m_clock.isRunning())
        return;
    beginCommand();
    m_deck.flip();
    m_clock.runFlip();
    finishCommand(Command::TimedFlip);
}

void GameController::flip() {
    beginCommand();
    m_deck.flip();
    finishCommand(Command::Flip);
}

void GameController::nextPeriod() {
    beginCommand();
    m_clock.nextPeriod();
    finishCommand(Command::NextPeriod);
}

void GameController::addGoal(Team team) {
    beginCommand();
    Scoreboard::addOne(m_fields, team, Scoreboard::Tally::Goals);
    finishCommand(team == Team::Home ? Command::HomeGoal : Command::AwayGoal);
}

void GameController::addShot(Team team) {
    beginCommand();
    Scoreboard::addOne(m_fields, team, Scoreboard::Tally::Shots);
    finishCommand(team == Team::Home ? Command::HomeShot : Command::AwayShot);
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

void GameController::saveGame() {
    saveGameTo(m_fields.text(Control::SavePath));
}

void GameController::saveGameTo(const QString& path) {
    if (const auto failure = SavedGame::writeFile(SavedGame::linesOf(m_fields), path)) {
        m_services.dialogs.message(
            QCoreApplication::translate("GameController",
                                        "The game could not be saved to %1.\n%2\nAny earlier saved game "
                                        "there is unchanged.")
                .arg(path, *failure),
            MessageButtons::Ok);
        return;
    }
    m_services.dialogs.message(tr("The settings were saved to ") + path, MessageButtons::Ok);
}

void GameController::loadGame() {
    if (m_services.dialogs.message(tr("Are you sure you want to Load game?"), MessageButtons::YesNo) !=
        MessageAnswer::Yes) {
        return;
    }
    const std::optional<QString> chosen = m_services.dialogs.openFile(tr("TVN (*.TVN)"), m_saveFolder);
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
    beginCommand();
    SavedGame::apply(m_fields, std::get<SavedGame::Lines>(read));
    finishCommand(Command::LoadGame, path);
}
