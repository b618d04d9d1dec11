// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

#include "game/roster.h"

// A team's roster as a table the player edits: number, name, position. The lines follow the
// players: a new number takes the old one's places, and a player removed, or moved to a
// position that cannot play a place, leaves it.
class RosterModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Number, Name, PositionColumn, ColumnCount };

    explicit RosterModel(QObject* parent = nullptr);

    const Roster& roster() const { return m_roster; }
    void setRoster(const Roster& roster);

    // A player at the lowest number no one has, with no name yet; his row.
    int addPlayer();
    void removePlayers(QList<int> rows);
    void setLinePlayer(LinePlace place, int number);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // The roster or its lines changed by an edit.
    void edited();

private:
    void freePlacesOf(int number, Position position);

    Roster m_roster;
};

// A number from 0 to 99 in a spin box, a position from a list.
class RosterDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
};
