#include "app/facform.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "deck/facreader.h"
#include "game/newgame.h"
#include "game/scoreboard.h"
#include "save/savedgame.h"

FacForm::FacForm(Services services, Places places)
    : m_services(std::move(services)),
      m_places(std::move(places)),
      m_saveFolder(chooseSaveFolder(m_places.programDir)),
      m_deck(m_facTable, m_fields, m_services.random),
      m_clock(m_fields, m_deck, [this] { playSound(hornPath()); }) {
    m_fields.setChangeHandler(Ctl::txtAway, [this](int index) { txtAway_Change(index); });
    m_fields.setChangeHandler(Ctl::txtHome, [this](int index) { txtHome_Change(index); });
}

QString FacForm::hornPath() const {
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

QString FacForm::chooseSaveFolder(const QString& programDir) {
    if (canCreateFilesIn(programDir))
        return programDir;
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // Should this fail too, Save says so when it cannot write there.
    QDir().mkpath(dataFolder);
    return dataFolder;
}

QString FacForm::defaultSavePath() const {
    return QDir::toNativeSeparators(QDir(m_saveFolder).filePath(QStringLiteral("Settings.TVN")));
}

void FacForm::Form_Load() {
    m_services.random.seedFromClock();
    readFACs();
    mnuNewGame_Click();
    m_fields.setText(Ctl::Text1, defaultSavePath());
}

void FacForm::Form_Unload() {
    m_services.quit();
}
void FacForm::mnuExit_Click() {
    m_services.quit();
}

void FacForm::readFACs() {
    FacReadResult result = readFacFile(m_places.cardDataPath);
    m_facTable = std::move(result.table);
    if (result.error)
        m_services.dialogs.message(facErrorMessage(*result.error), MessageButtons::Ok);
}

void FacForm::mnuNewGame_Click() {
    m_deck.deal();
    m_deck.pickFirstFAC();
    resetClockAndScores(m_fields);
}

void FacForm::cmdFlip_Click() {
    m_clock.timedFlip();
}
void FacForm::cmdFlip2_Click() {
    m_deck.flip();
}
void FacForm::cmdReset_Click() {
    m_clock.nextPeriod();
}

void FacForm::cmdHomeGoal_Click() {
    Scoreboard::addOne(m_fields, Scoreboard::Team::Home, Scoreboard::Tally::Goals);
}
void FacForm::cmdAwayGoal_Click() {
    Scoreboard::addOne(m_fields, Scoreboard::Team::Away, Scoreboard::Tally::Goals);
}
void FacForm::cmdHomeShot_Click() {
    Scoreboard::addOne(m_fields, Scoreboard::Team::Home, Scoreboard::Tally::Shots);
}
void FacForm::cmdAwayShot_Click() {
    Scoreboard::addOne(m_fields, Scoreboard::Team::Away, Scoreboard::Tally::Shots);
}

void FacForm::click(Ctl button) {
    switch (button) {
        case Ctl::cmdFlip: cmdFlip_Click(); break;
        case Ctl::cmdFlip2: cmdFlip2_Click(); break;
        case Ctl::cmdReset: cmdReset_Click(); break;
        case Ctl::cmdHomeGoal: cmdHomeGoal_Click(); break;
        case Ctl::cmdAwayGoal: cmdAwayGoal_Click(); break;
        case Ctl::cmdHomeShot: cmdHomeShot_Click(); break;
        case Ctl::cmdAwayShot: cmdAwayShot_Click(); break;
        default: Q_ASSERT_X(false, "FacForm::click", "not a button"); break;
    }
}

void FacForm::txtAway_Change(int) {
    Scoreboard::mirrorName(m_fields, Ctl::txtAway);
}
void FacForm::txtHome_Change(int) {
    Scoreboard::mirrorName(m_fields, Ctl::txtHome);
}

void FacForm::mnuSave_Click() {
    saveGame(m_fields.text(Ctl::Text1));
}

void FacForm::saveGame(const QString& path) {
    if (const auto failure = SavedGame::writeFile(SavedGame::linesOf(m_fields), path)) {
        m_services.dialogs.message(
            QStringLiteral("The game could not be saved to %1.\r\n%2\r\nAny earlier saved game "
                           "there is unchanged.")
                .arg(path, *failure),
            MessageButtons::Ok);
        return;
    }
    m_services.dialogs.message(QStringLiteral("The settings were saved to ") + path, MessageButtons::Ok);
}

void FacForm::mnuLoad_Click() {
    if (m_services.dialogs.message(QStringLiteral("Are you sure you want to Load game?"),
                                   MessageButtons::YesNo) != MessageAnswer::Yes) {
        return;
    }
    const std::optional<QString> chosen =
        m_services.dialogs.openFile(QStringLiteral("TVN (*.TVN)"), m_saveFolder);
    if (!chosen || chosen->isEmpty())
        return;
    loadGame(*chosen);
}

void FacForm::loadGame(const QString& path) {
    const SavedGame::ParseResult read = SavedGame::readFile(path);
    if (const auto* refusal = std::get_if<SavedGame::Refusal>(&read)) {
        m_services.dialogs.message(
            QStringLiteral("The game could not be loaded from %1.\r\n%2\r\nNothing was changed.")
                .arg(path, refusal->reason),
            MessageButtons::Ok);
        return;
    }
    SavedGame::apply(m_fields, std::get<SavedGame::Lines>(read));
}
