// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <memory>
#include <optional>

#include "app/gamecontroller.h"
#include "game/outcome.h"
#include "league/gamerecord.h"
#include "league/leaguestore.h"

// Keeps every game of the run in the league file, step by step, and takes kept games back out
// for Resume and for Load. The league is opened only when open() is called, after the window
// is first shown; until then, and whenever the file cannot be written, the game is played in
// memory alone, and the games of the run are written whole once writing works again.
class LeagueKeeper : public QObject, public GameArchive {
    Q_OBJECT

public:
    LeagueKeeper(GameController& controller, QString folder, QObject* parent = nullptr);
    ~LeagueKeeper() override;

    // Opens the league in use at the last run, or else the one in the save folder. Returns
    // what the player is to be told, once, if anything.
    std::optional<QString> open();
    // Goes on in the league of that file, made when missing: the game on the board, once it
    // has taken a step, is written there whole, and the file is the one opened at the next
    // run. A file that cannot be opened at all leaves the league in use as it was. Returns
    // what the player is to be told, if anything.
    std::optional<QString> switchTo(const QString& file);
    // The league in the save folder.
    QString defaultFile() const;
    // Nothing before open().
    LeagueStore* store() const { return m_store.get(); }

    // When a game of this run, or one resumed, began; invalid for one the league has not kept.
    QDateTime startedOf(const QString& gameId) const { return m_started.value(gameId); }

    // Puts the kept game back on the board, or says why it cannot be.
    std::optional<QString> resume(const QString& gameId);
    // False when the game is on the board or could not be taken out.
    bool remove(const QString& gameId);

    std::optional<Save> lastSaveOf(const SavedGame::Lines& lines) override;
    void saved(const BoardState& board, const QString& path, const SavedGame::Lines& lines) override;

    // The league's teams as last read: the rosters the names typed on the board find.
    const QList<Roster>& teams() const { return m_teams; }

    // A final game, as the league counts it under the game's own rules: see verdictOf().
    static GameState stateOf(const FieldModel::Snapshot& fields, const ScoreSheet& sheet);

signals:
    // A check after open() found the file damaged and started a fresh one: told once.
    void damageFound(const QString& told);

private:
    void stepFinished(const FinishedStep& step);
    bool writable() const;
    void write(const BoardState& board);
    void writeUnkept();
    void checked(const QString& told);
    // Reads the teams again, and the game on the board takes up their rosters.
    void readTeams();
    void remember(const QString& file) const;

    GameController& m_controller;
    QString m_folder;
    std::unique_ptr<LeagueStore> m_store;
    int m_listener = 0;
    QString m_gameOnBoard;
    QSet<QString> m_played;  // games of this run with a step beyond their start
    QHash<QString, qsizetype>
        m_kept;  // log entries the league holds of each game, when they are all it holds
    QHash<QString, QDateTime> m_started;
    QSet<QString> m_cutBack;              // games whose stored log goes on from an earlier save
    QHash<QString, BoardState> m_unkept;  // the last board of each game the league missed a step of
    QList<Roster> m_teams;
};
