// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/leaguekeeper.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "game/verdict.h"
#include "ui/toolwindows.h"

#include <utility>

namespace {

// The league in use, when it is not the one in the save folder.
const QString kLeagueFileKey = QStringLiteral("League/File");

GameBoard gameBoard(const BoardState& board) {
    return {board.fields, board.deck, board.penalties.penalties(), board.penalties.nextId(), board.sheet};
}

}  // namespace

LeagueKeeper::LeagueKeeper(GameController& controller, QString folder, QObject* parent)
    : QObject(parent), m_controller(controller), m_folder(std::move(folder)) {
    m_gameOnBoard = controller.board().gameId;
    m_listener = controller.addStepListener([this](const FinishedStep& step) { stepFinished(step); });
    // Asked at every command: the teams are read from the file only when they change.
    controller.setRosterSource([this](const QString& typedName) -> std::optional<Roster> {
        if (const Roster* roster = findRoster(m_teams, typedName))
            return *roster;
        return std::nullopt;
    });
}

LeagueKeeper::~LeagueKeeper() {
    m_controller.removeStepListener(m_listener);
    m_controller.setArchive(nullptr);
    m_controller.setRosterSource(nullptr);
}

QString LeagueKeeper::defaultFile() const {
    return QDir(m_folder).filePath(QLatin1String(LeagueStore::kFileName));
}

std::optional<QString> LeagueKeeper::open() {
    QString file = defaultFile();
    QStringList told;
    const QString remembered = ToolWindows::openSettings()->value(kLeagueFileKey).toString();
    if (!remembered.isEmpty() && QFileInfo(remembered).isFile()) {
        file = remembered;
    } else if (!remembered.isEmpty()) {
        told << tr("The league file %1 is no longer there. The league in %2 is used instead.")
                    .arg(QDir::toNativeSeparators(remembered), QDir::toNativeSeparators(file));
        remember(file);
    }
    m_store = std::make_unique<LeagueStore>(LeagueStore::AtPath{file});
    connect(m_store.get(), &LeagueStore::checked, this, &LeagueKeeper::checked);
    m_controller.setArchive(this);
    connect(m_store.get(), &LeagueStore::teamsChanged, this, &LeagueKeeper::readTeams);
    if (const std::optional<QString> opened = m_store->open())
        told << *opened;
    // Steps taken before the file was open are written now.
    writeUnkept();
    m_store->writeMissingResults();
    m_controller.setLeagueRules(m_store->overtimeRules());
    readTeams();
    if (told.isEmpty())
        return std::nullopt;
    return told.join(QStringLiteral("\n\n"));
}

std::optional<QString> LeagueKeeper::switchTo(const QString& file) {
    if (!m_store)
        return std::nullopt;
    const QString previous = m_store->filePath();
    const std::optional<QString> told = m_store->switchTo(file);
    if (m_store->mode() == LeagueStore::Mode::Closed) {
        m_store->switchTo(previous);
        return tr("%1\n\nThe league in use is still %2.")
            .arg(told.value_or(QString()), QDir::toNativeSeparators(previous));
    }
    remember(file);
    // The games of the run stay in the league they were played in; the one on the board
    // goes on in this one, whole.
    m_kept.clear();
    m_cutBack.clear();
    const bool played = m_played.contains(m_gameOnBoard);
    m_played.clear();
    m_unkept.clear();
    if (played) {
        m_played.insert(m_gameOnBoard);
        write(m_controller.board());
    }
    m_store->writeMissingResults();
    return told;
}

void LeagueKeeper::remember(const QString& file) const {
    const std::unique_ptr<QSettings> settings = ToolWindows::openSettings();
    if (QFileInfo(file) == QFileInfo(defaultFile()))
        settings->remove(kLeagueFileKey);
    else
        settings->setValue(kLeagueFileKey, QFileInfo(file).absoluteFilePath());
}

void LeagueKeeper::readTeams() {
    m_teams = m_store->teams();
    m_controller.updateRosters();
}

bool LeagueKeeper::writable() const {
    return m_store && m_store->mode() == LeagueStore::Mode::ReadWrite;
}

GameState LeagueKeeper::stateOf(const FieldModel::Snapshot& fields, const ScoreSheet& sheet) {
    return verdictOf(fields, sheet).final ? GameState::Final : GameState::InProgress;
}

void LeagueKeeper::stepFinished(const FinishedStep& step) {
    m_gameOnBoard = step.board.gameId;
    if (step.command == Command::NewGame) {
        // A game enters the league at its first step, not at its start: a game begun and
        // left untouched leaves nothing behind.
        if (m_store && !m_store->problem().isEmpty() && m_store->mode() != LeagueStore::Mode::ReadOnly) {
            m_store->retry();
            writeUnkept();
        }
        return;
    }
    m_played.insert(m_gameOnBoard);
    write(step.board);
}

void LeagueKeeper::writeUnkept() {
    const QHash<QString, BoardState> unkept = m_unkept;
    for (const BoardState& board : unkept)
        write(board);
}

void LeagueKeeper::write(const BoardState& board) {
    const QString& id = board.gameId;
    if (!writable()) {
        m_unkept.insert(id, board);
        return;
    }
    const QList<LogEntry> log = m_controller.gameLog().entriesOf(id);
    const GameState state = stateOf(board.fields, board.sheet);
    bool written = false;
    if (const auto kept = m_kept.constFind(id); kept != m_kept.cend() && *kept <= log.size()) {
        const std::optional<qsizetype> cut = m_cutBack.contains(id) ? std::optional(*kept) : std::nullopt;
        written = m_store->writeStep(id, gameBoard(board), log.mid(*kept), state, cut);
    } else {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        const QDateTime started = m_started.value(id, now);
        written = m_store->writeGame({id, started, now, state, gameBoard(board), log});
        if (written)
            m_started.insert(id, started);
    }
    m_cutBack.remove(id);
    // The standings follow the game: counted while it is final, taken out when it is reopened.
    if (written)
        written = m_store->writeResult(id, gameBoard(board), verdictOf(board.fields, board.sheet));
    if (written) {
        m_kept.insert(id, log.size());
        m_unkept.remove(id);
    } else {
        m_kept.remove(id);
        m_unkept.insert(id, board);
    }
}

void LeagueKeeper::checked(const QString& told) {
    if (told.isEmpty())
        return;
    // A fresh file holds none of the games of this run: each is written whole at its next
    // step, the one on the board at once.
    m_kept.clear();
    if (m_played.contains(m_gameOnBoard))
        write(m_controller.board());
    // The teams as last read go into the fresh file too.
    QList<LeagueTeam> teams;
    for (const Roster& roster : std::as_const(m_teams))
        teams.append({0, roster});
    if (!teams.isEmpty() && writable())
        m_store->writeTeams(teams);
    emit damageFound(told);
}

std::optional<QString> LeagueKeeper::resume(const QString& gameId) {
    if (!m_store)
        return std::nullopt;
    std::variant<GameRecord, GameRefusal> read = m_store->readGame(gameId);
    if (const auto* refusal = std::get_if<GameRefusal>(&read))
        return refusal->reason;
    GameRecord& record = std::get<GameRecord>(read);
    GameCodec::keepProgramFields(record.board.fields, m_controller.fields().snapshot());
    const BoardState board{record.board.fields, record.board.deck,
                           PenaltyBox::kept(record.board.penalties, record.board.nextPenaltyNumber), gameId,
                           record.board.sheet};
    m_kept.insert(gameId, record.log.size());
    m_started.insert(gameId, record.started);
    m_controller.resumeGame(board, record.log);
    return std::nullopt;
}

bool LeagueKeeper::remove(const QString& gameId) {
    if (!writable() || gameId == m_gameOnBoard)
        return false;
    if (!m_store->deleteGame(gameId))
        return false;
    m_kept.remove(gameId);
    m_played.remove(gameId);
    m_unkept.remove(gameId);
    return true;
}

std::optional<GameArchive::Save> LeagueKeeper::lastSaveOf(const SavedGame::Lines& lines) {
    if (!m_store)
        return std::nullopt;
    const auto found = m_store->findSave(lines);
    if (!found)
        return std::nullopt;
    const auto* match = std::get_if<SaveMatch>(&*found);
    if (!match)
        return std::nullopt;
    // The log as it stood at the save replaces what the league holds after it: the league
    // keeps its first entries and drops the rest at the next write.
    m_kept.insert(match->gameId, match->logLengthAtSave);
    m_cutBack.insert(match->gameId);
    return Save{match->gameId, PenaltyBox::kept(match->penalties, match->nextPenaltyNumber), match->sheet,
                match->log.mid(0, match->logLengthAtSave)};
}

void LeagueKeeper::saved(const BoardState& board, const QString& path, const SavedGame::Lines& lines) {
    if (!writable())
        return;
    m_played.insert(board.gameId);
    write(board);
    m_store->noteSave(board.gameId, gameBoard(board), path, lines, stateOf(board.fields, board.sheet));
}
