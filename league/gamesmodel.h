// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractTableModel>
#include <QList>

#include "league/leaguestore.h"

// The league's games for the list of games, the one played last first: when it was last
// played, the teams, the score, the period and the clock, and whether it is over. It holds
// a copy of the list, read in one query, so that it never keeps the file busy.
class GamesModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { LastPlayed, Away, Home, Score, Period, Clock, State, ColumnCount };
    // The game's id, on every column.
    static constexpr int kGameIdRole = Qt::UserRole;

    // Empty until the first reload().
    explicit GamesModel(const LeagueStore& store, QObject* parent = nullptr);

    // Reads the list of games from the league.
    void reload();
    QString gameId(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const LeagueStore& m_store;
    QList<GameSummary> m_games;
};
