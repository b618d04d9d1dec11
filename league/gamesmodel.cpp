// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "league/gamesmodel.h"

#include <QLocale>

#include "game/team.h"

GamesModel::GamesModel(const LeagueStore& store, QObject* parent)
    : QAbstractTableModel(parent), m_store(store) {}

void GamesModel::reload() {
    beginResetModel();
    m_games = m_store.games();
    endResetModel();
}

QString GamesModel::gameId(int row) const {
    return row >= 0 && row < m_games.size() ? m_games[row].id : QString();
}

int GamesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_games.size());
}

int GamesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant GamesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_games.size())
        return {};
    const GameSummary& game = m_games[index.row()];
    if (role == kGameIdRole)
        return game.id;
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
        case LastPlayed: return QLocale().toString(game.lastPlayed.toLocalTime(), QLocale::ShortFormat);
        case Away: return game.awayName.isEmpty() ? teamLabel(Team::Away) : game.awayName;
        case Home: return game.homeName.isEmpty() ? teamLabel(Team::Home) : game.homeName;
        case Score:
            return tr("%1 – %2").arg(game.awayGoals.isEmpty() ? QStringLiteral("0") : game.awayGoals,
                                     game.homeGoals.isEmpty() ? QStringLiteral("0") : game.homeGoals);
        case Period: return game.period;
        case Clock: return game.clock;
        case State:
            if (!game.state)
                return tr("Unknown");
            return *game.state == GameState::Final ? tr("Final") : tr("In progress");
        default: return {};
    }
}

QVariant GamesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
        case LastPlayed: return tr("Last played");
        case Away: return tr("Away");
        case Home: return tr("Home");
        case Score: return tr("Score");
        case Period: return tr("Period");
        case Clock: return tr("Clock");
        case State: return tr("State");
        default: return {};
    }
}
