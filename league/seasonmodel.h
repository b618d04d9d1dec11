// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QVariantList>

class LeagueStore;

// One of the season's tables over the league's final games: the standings, or the skaters or
// the goalies among the leaders. It holds a copy read in one query. The display role is the
// text a table shows; kSortRole the number (or name) that orders a column.
class SeasonModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum class Table { Standings, Skaters, Goalies };
    static constexpr int kSortRole = Qt::UserRole;
    // The shown text with a dot for decimals whatever the language, as files keep numbers.
    static constexpr int kFileTextRole = Qt::UserRole + 1;

    SeasonModel(const LeagueStore& store, Table table, QObject* parent = nullptr);

    Table table() const { return m_table; }
    // The leaders of one team from the next reload(); an empty name for the whole league. The
    // standings take no team.
    void setTeam(const QString& team);
    // Reads the table from the league.
    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const LeagueStore& m_store;
    Table m_table;
    QString m_team;
    QList<QVariantList> m_rows;  // the values of each row, by column, as they sort
};
