// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <optional>

#include "core/fieldmodel.h"
#include "core/savefolder.h"
#include "core/services.h"
#include "deck/cardrecord.h"
#include "deck/deck.h"
#include "game/clock.h"
#include "game/gamelog.h"
#include "game/history.h"
#include "game/penaltybox.h"
#include "game/roster.h"
#include "game/scoreboard.h"
#include "game/scoresheet.h"
#include "game/steprecorder.h"
#include "game/verdict.h"
#include "save/savedgame.h"

// Where games are kept beyond the run. The program plays on without one.
class GameArchive {
public:
    // A game's last save, as it stood then.
    struct Save {
        QString gameId;
        PenaltyBox penalties;
        ScoreSheet sheet;
        QList<LogEntry> log;
    };

    virtual ~GameArchive() = default;
    // The game whose last save wrote these 27 lines, if any.
    virtual std::optional<Save> lastSaveOf(const SavedGame::Lines& lines) = 0;
    // Save wrote the game on this board to path.
    virtual void saved(const BoardState& board, const QString& path, const SavedGame::Lines& lines) = 0;
};

// Runs the game's commands, one entry point each, on the window's fields, the card table
// and the deck. It draws nothing: the window shows the fields and forwards the player's
// clicks and menu choices here, and the tests do the same without a window.
class GameController {
    Q_DECLARE_TR_FUNCTIONS(GameController)

public:
    struct Services {
        Dialogs& dialogs;
        SoundPlayer& sound;
        RandomSource& random;
        std::function<void()> quit;  // ends the program at once
    };
    struct Places {
        QString programDir;  // the horn, and the saved game while this folder can be written to
        // Relative: the current directory; when it is not there, the same name in programDir.
        QString cardDataPath = QStringLiteral("FAC_Data.txt");
    };

    GameController(Services services, Places places);

    FieldModel& fields() { return m_fields; }
    const FieldModel& fields() const { return m_fields; }
    const CardTable& cardTable() const { return m_cardTable; }
    const Deck& deck() const { return m_deck; }
    const PenaltyBox& penaltyBox() const { return m_penalties; }
    const History& history() const { return m_steps.history(); }
    const GameLog& gameLog() const { return m_log; }
    // The board as it stands: the fields, the deck and the penalty box.
    BoardState board() const { return m_steps.board(); }

    // Seeds the generator, reads the cards, starts a new game and sets the default save path:
    // everything before the window is first shown.
    void start();
    // Ends the program at once, without a question and without saving.
    void quit();

    void timedFlip();
    void flip();
    void nextPeriod();
    void addGoal(Team team);
    void addShot(Team team);
    void newGame();
    // Saves to the default path and says where, or why not.
    void saveGame();
    // Asks, lets the player choose a saved game and loads it.
    void loadGame();

    // Help: what the program is, its version, licence and home, and the toolkit's version.
    void showAbout();
    void showAboutToolkit();

    // The command of one of the seven buttons.
    void press(Control button);

    void saveGameTo(const QString& path);
    void loadGameFrom(const QString& path);

    // A kept game back on the board as it stood, with its log: a step of its own.
    void resumeGame(const BoardState& board, const QList<LogEntry>& log);

    void setArchive(GameArchive* archive) { m_archive = archive; }

    // The score sheet of the game on the board.
    const ScoreSheet& scoreSheet() const { return m_sheet; }
    // The league's team whose name answers to a name typed into the window; none plays
    // without a roster. Asked at every command.
    using RosterSource = std::function<std::optional<Roster>(const QString& typedName)>;
    void setRosterSource(RosterSource source) { m_rosterSource = std::move(source); }
    // The league's rosters changed: the teams on the board take them up, as a step when that
    // changes the sheet.
    void updateRosters();
    // Both teams move to their next forward line and defence pair: the answer to CHANGE LINES.
    void nextLines();
    void pickLines(Team team, LinesOnIce onIce);
    // A goalie into the team's net, or kNobody to leave it empty for an extra attacker.
    void changeGoalie(Team team, int goalie);
    void editGoal(int goalId, int scorer, const QList<int>& assists);
    void pickStars(const std::array<std::optional<StarPick>, 3>& picks);

    // The league's rules: each game takes them up as it begins. So does the game on the board
    // while nothing has happened in it yet: the program starts its first game before the
    // league file is read.
    void setLeagueRules(const OvertimeRules& rules);
    const OvertimeRules& leagueRules() const { return m_leagueRules; }
    // The league's verdict on the game on the board.
    GameOutcome outcome() const { return verdictOf(m_fields.snapshot(), m_sheet); }
    // Asks, then makes the game final whatever the board shows. Another goal or period opens
    // it again.
    void endGame();
    // An attempt of the shoot-out, while one is to decide the game; nothing otherwise.
    void shootoutAttempt(const ShootoutAttempt& attempt);

    // A penalty shot is a command of its own, which puts nobody in the box. The number is the
    // player's in the team's roster, when he was picked from it.
    void addPenalty(Team team, const QString& player, PenaltyKind kind, const QString& infraction = {},
                    int number = kNobody);
    void removePenalty(int id);

    // Takes back the last step, or does again the last step taken back. Every command is a
    // step, and so is a correction typed into a box.
    void undo();
    void redo();
    // The player is done typing into a box (it lost the focus): what he changed is a step.
    void finishTyping();

    // Asks for a file and writes the game log there as CSV.
    void exportLog();
    void exportLogTo(const QString& path);

    // Runs after every step (a command, a correction, an undo or a redo) once the board shows
    // its outcome, and once at the end of start-up, until removed.
    int addStepListener(StepRecorder::Listener listener) { return m_steps.addListener(std::move(listener)); }
    void removeStepListener(int id) { m_steps.removeListener(id); }

    QString hornPath() const;
    // Where games are saved, and the league kept beside them.
    QString saveFolder() const { return m_saveFolder.path(); }
    // "Settings.TVN" in the save folder.
    QString defaultSavePath() const;

private:
    void readCards();
    void logPenalties(const QList<Penalty>& penalties, LogEvent event);
    // The teams whose names the window shows take up their league rosters, or play without.
    void takeUpRosters();
    // The penalty box plays overtime at the strength the game's rules set, other periods five
    // a side.
    void takeUpOvertimeStrength();
    // What the step's outcome adds to the log: the game became final.
    void logVerdict(const BoardState& before);

    Services m_services;
    Places m_places;
    SaveFolder m_saveFolder;
    FieldModel m_fields;
    CardTable m_cardTable;
    Deck m_deck;
    GameClock m_clock;
    PenaltyBox m_penalties;
    ScoreSheet m_sheet;
    RosterSource m_rosterSource;
    OvertimeRules m_leagueRules;
    GameLog m_log;
    StepRecorder m_steps;
    GameArchive* m_archive = nullptr;
};
