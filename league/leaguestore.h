// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <variant>

#include "game/outcome.h"
#include "game/playerlines.h"
#include "game/roster.h"
#include "league/gamerecord.h"
#include "league/standings.h"
#include "save/savedgame.h"

class QSqlDatabase;
class QSqlQuery;
class QThread;

// A team of the league and its row in the file; id 0 for one not written yet.
struct LeagueTeam {
    qint64 id = 0;
    Roster roster;

    bool operator==(const LeagueTeam&) const = default;
};

// The league's teams as read: each team whole, and for each row that cannot be taken, why,
// in a sentence for the player. Rows refused are left in the file as they are.
struct LeagueTeams {
    QList<LeagueTeam> teams;
    QStringList refused;
};

// One game as the list of games shows it. Texts are cut short: the list is no place for a
// name of a megabyte.
struct GameSummary {
    QString id;
    QDateTime started;
    QDateTime lastPlayed;
    QString awayName, homeName;
    QString awayGoals, homeGoals;
    QString period, clock;
    std::optional<GameState> state;  // nothing when the file names a state this program does not know
};

// What League > Import Games brought in from another league file, and what it left out.
struct LeagueImport {
    int imported = 0;
    int alreadyHere = 0;
    QStringList refused;            // each refused game, and why
    QStringList teamsAdded;         // the names of the teams new to this league
    QStringList rosterDifferences;  // each team of both leagues whose players differ, and how
    QStringList teamsRefused;       // the other file's teams that cannot be read, and why
    QString failure;                // why nothing was imported; empty when the rest holds

    // The whole of it, in words for the player.
    QString summary() const;
};

// A game's last save whose 27 lines a loaded file repeats: the penalty box as it stood at
// the save, and the game's log.
struct SaveMatch {
    QString gameId;
    QDateTime savedAt;
    QString path;
    QList<Penalty> penalties;
    int nextPenaltyNumber = 1;
    ScoreSheet sheet;               // as it stood at the save
    QList<LogEntry> log;            // the whole log, as the league holds it now
    qsizetype logLengthAtSave = 0;  // the entries it held at the save
};

// The league file: every game kept whole, written at every step. One SQLite file through
// Qt SQL, in write-ahead mode; one connection, made by open() on the thread that uses the
// store. Nothing here asks the player anything: a problem is told once by what open()
// returns, and then stands in problem() until writing works again.
class LeagueStore : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kFileName = "league.sqlite";
    // A step of another copy of the program holds the file a millisecond; a second's wait
    // is far beyond any of them, and still no wait a player would notice at a flip.
    static constexpr int kBusyTimeoutMs = 2000;

    enum class Mode {
        Closed,     // no file: play goes on unsaved
        ReadWrite,  // every step is kept
        ReadOnly,   // a file of a later program: games can be resumed, nothing is written
    };

    // The file league.sqlite in the folder (made when missing); the folder is the saved
    // game's. Nothing is opened yet.
    explicit LeagueStore(const QString& folder, QObject* parent = nullptr);
    // The league file at this path, of any name, anywhere.
    struct AtPath {
        QString file;
    };
    explicit LeagueStore(const AtPath& path, QObject* parent = nullptr);
    ~LeagueStore() override;

    QString filePath() const { return m_path; }
    Mode mode() const { return m_mode; }

    // Opens the file, or makes it. A damaged file, or one that is not a league, is kept
    // beside it under a new name and a fresh file is started; a file of a later program is
    // opened read-only. Returns what the player is to be told, once, if anything.
    // The check of every page of the file takes its time on a large league: it runs on a
    // thread of its own, and checked() tells its outcome.
    std::optional<QString> open();
    // After a failure to write (a full disk, a folder that cannot be written): opens the
    // file again and takes up writing. Returns what open() returns; nothing when all is well.
    std::optional<QString> retry();
    // Closes this file and opens that one, as open() does; the games and teams shown are
    // those of the new file.
    std::optional<QString> switchTo(const QString& file);
    // Opens the file only to read it: nothing is made, moved aside, brought up to date or
    // written. Returns why it cannot be read as a league, if so.
    std::optional<QString> openToRead();

    // What stands in the way of keeping games, in words for the player, naming the file;
    // empty when there is nothing.
    QString problem() const { return m_problem; }

    static QString newGameId();

    // One step of a game, as one transaction: the board it left and the entries it added
    // to the log. The game enters the league at its first step. False when nothing was
    // written; problem() then says why, and writing stays off until retry(). With keptEntries,
    // the stored log is first cut back to its first keptEntries entries (a game loaded from
    // an earlier save goes on from there).
    bool writeStep(const QString& gameId, const GameBoard& board, const QList<LogEntry>& added,
                   GameState state = GameState::InProgress, std::optional<qsizetype> keptEntries = {});
    // A whole game, its log replacing what the league held of it, as one transaction.
    bool writeGame(const GameRecord& record);
    // Save wrote this game's 27 lines to path: notes it, with the penalty box as it stands.
    // A game that has taken no step yet enters the league here.
    bool noteSave(const QString& gameId, const GameBoard& board, const QString& path,
                  const SavedGame::Lines& lines, GameState state = GameState::InProgress);
    // Takes the game out of the league, its log and its save with it.
    bool deleteGame(const QString& gameId);

    // A game whole, checked, or why it cannot be taken back.
    std::variant<GameRecord, GameRefusal> readGame(const QString& gameId) const;
    enum class WithLog { Yes, No };
    // The game whose last save holds these lines; the latest save when several do.
    std::optional<std::variant<SaveMatch, GameRefusal>> findSave(const SavedGame::Lines& lines) const;
    // Every game, the one played last first.
    QList<GameSummary> games() const;

    // What the standings and the leaders count of the game: its result and each player's part,
    // written when `final` is its final outcome, taken out when it is none (a game reopened).
    // Team names are the league team's when the sheet has its roster, else the name typed.
    // Nothing is written when nothing changed since the last call; false when writing failed.
    bool writeResult(const QString& gameId, const GameBoard& board, const std::optional<GameOutcome>& final);
    // The results of the final games that have none: games kept before results were, or
    // brought in from another league. False when they could not be written.
    bool writeMissingResults();
    // Sorted by points, then wins, then goal difference.
    QList<StandingRow> standings() const;
    // The leaders of one team, or of the league for an empty name: skaters by points, goalies
    // by wins.
    QList<SkaterRow> skaters(const QString& team = {}) const;
    QList<GoalieRow> goalies(const QString& team = {}) const;
    // The teams of the players counted, by name.
    QStringList leaderTeams() const;

    // The league's teams, in the order they were first written.
    LeagueTeams readTeams() const;
    QList<Roster> teams() const;
    static QList<Roster> teams(const LeagueTeams& read);
    // As one transaction: each team written to its row, a team of id 0 to a new row (its id set
    // here), and the rows of `removed` taken out. Rows not named stay as they are. The rosters
    // are to be without problems, their names unique: what is written must read back.
    bool writeTeams(QList<LeagueTeam>& teams, const QList<qint64>& removed = {});
    // The league's own name; empty when it has none.
    QString leagueName() const;
    bool setLeagueName(const QString& name);
    // How the league plays overtime; the default rules where the file says nothing, or
    // nothing it could mean.
    OvertimeRules overtimeRules() const;
    bool setOvertimeRules(const OvertimeRules& rules);
    // The league's name, or else the name of its file without the extension.
    QString shownName() const;

    // As one transaction: the final games of `from` that this league does not hold, each
    // read with readGame()'s checks and refused alone when it fails them, and the teams of
    // `from` that this league has no team of that name of. A game or team already here is
    // left as it is. Nothing is written to `from`.
    LeagueImport importGames(const LeagueStore& from);

    // SHA-256 of the 27 lines as Save writes them.
    static QByteArray digest(const SavedGame::Lines& lines);

    // Which file stands at a path (device and inode).
    struct FileId {
        quint64 device = 0, inode = 0;
        bool operator==(const FileId&) const = default;
    };

signals:
    void problemChanged(const QString& problem);
    // The check that open() began is done. When it found the file damaged, the file is kept
    // beside it under a new name and a fresh one is open (the games of this run are to be
    // written again), and told says so, to be told once; otherwise told is empty.
    void checked(const QString& told);
    void gamesChanged();
    void teamsChanged();
    void resultsChanged();
    void leagueNameChanged();

private:
    struct Statements;
    enum class Failure { None, Damaged, CannotWrite, Newer, NotOurs };

    Failure openConnection(QString& reason);
    void closeConnection();
    std::optional<QString> keepDamagedFile(QString& keptAs);
    void startCheck();
    void checkDone();
    bool transaction(const std::function<bool()>& work);
    // readGame() from the tables of `schema` on db; the game's row id there in rowId, and its
    // score sheet as it is stored in storedSheet. Without its log the record's log is empty
    // and unchecked: checkLogsAt() checks the logs where they lie.
    static std::variant<GameRecord, GameRefusal> readGameAt(const QSqlDatabase& db, const QString& schema,
                                                            const QString& gameId, WithLog withLog,
                                                            qint64& rowId, QByteArray* storedSheet = nullptr);
    // The logs of `schema` as readGame() would take them, by their game's row id: those it
    // would refuse, and those numbered otherwise than 0, 1, 2… that it would number so.
    struct LogsCheck {
        QHash<qint64, GameRefusal> refused;
        QSet<qint64> renumbered;
    };
    // Or why the logs cannot be read.
    static std::variant<LogsCheck, GameRefusal> checkLogsAt(const QSqlDatabase& db, const QString& schema);
    // storedSheet, when not empty, is board.sheet as another league file holds it, checked: it
    // is written as it stands.
    bool upsertGame(const QString& gameId, const GameBoard& board, GameState state, const QDateTime& started,
                    const QDateTime& lastPlayed, qint64& rowId, const QByteArray& storedSheet = {});
    bool insertLog(qint64 rowId, const QList<LogEntry>& entries);
    // What writeResult() writes of the game, none unless `final` is a final outcome.
    struct GameResult {
        QString away, home;
        GameOutcome outcome;
        QList<PlayerLine> players;
        bool operator==(const GameResult&) const = default;
    };
    static std::optional<GameResult> resultOf(const GameBoard& board,
                                              const std::optional<GameOutcome>& final);
    // The rows of writeResult(), within the caller's transaction.
    bool writeResultRows(const QString& gameId, const std::optional<GameResult>& result);
    // The log of a game that holds none yet.
    bool insertWholeLog(qint64 rowId, const QList<LogEntry>& entries);
    bool writeTeamRows(const QList<LeagueTeam>& teams, const QList<qint64>& removed, QList<qint64>& ids);
    void writingFailed(const QSqlQuery& query);
    void setProblem(const QString& problem);
    void scheduleCheckpoint();

    QString m_folder;
    QString m_path;
    QString m_connection;
    FileId m_fileId;  // the file the connection opened
    Mode m_mode = Mode::Closed;
    QString m_problem;
    std::unique_ptr<Statements> m_statements;
    QTimer m_checkpoint;
    QThread* m_check = nullptr;
    int m_checks = 0;        // each check's number, so that the outcome of a forgotten one is passed over
    QString m_checkVerdict;  // why the check found the file damaged; written by its thread
};
