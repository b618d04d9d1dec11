// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/rostermodel.h"

#include <QComboBox>
#include <QSpinBox>
#include <algorithm>
#include <utility>

#include "league/rostercodec.h"

RosterModel::RosterModel(QObject* parent) : QAbstractTableModel(parent) {}

void RosterModel::setRoster(const Roster& roster) {
    beginResetModel();
    m_roster = roster;
    endResetModel();
}

int RosterModel::addPlayer() {
    int number = 0;
    while (m_roster.player(number) && number < Roster::kHighestNumber)
        ++number;
    const int row = static_cast<int>(m_roster.players.size());
    beginInsertRows({}, row, row);
    m_roster.players.append({number, QString(), Position::C});
    endInsertRows();
    emit edited();
    return row;
}

void RosterModel::removePlayers(QList<int> rows) {
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (const int row : rows) {
        if (row < 0 || row >= m_roster.players.size())
            continue;
        const int number = m_roster.players[row].number;
        beginRemoveRows({}, row, row);
        m_roster.players.removeAt(row);
        endRemoveRows();
        if (m_roster.player(number))
            continue;  // another player still has the number, and the places
        for (const LinePlace place : Lines::places()) {
            if (m_roster.lines.player(place) == number)
                m_roster.lines.setPlayer(place, kNobody);
        }
    }
    emit edited();
}

void RosterModel::setLinePlayer(LinePlace place, int number) {
    if (m_roster.lines.player(place) == number)
        return;
    m_roster.lines.setPlayer(place, number);
    emit edited();
}

void RosterModel::freePlacesOf(int number, Position position) {
    for (const LinePlace place : Lines::places()) {
        if (m_roster.lines.player(place) == number && !canPlay(position, place.at))
            m_roster.lines.setPlayer(place, kNobody);
    }
}

int RosterModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_roster.players.size());
}

int RosterModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RosterModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_roster.players.size() ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const RosterEntry& entry = m_roster.players[index.row()];
    switch (index.column()) {
        case Number: return entry.number;
        case Name: return entry.name;
        case PositionColumn: return positionCode(entry.position);
        default: return {};
    }
}

QVariant RosterModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
        case Number: return tr("No.");
        case Name: return tr("Name");
        case PositionColumn: return tr("Position");
        default: return {};
    }
}

Qt::ItemFlags RosterModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool RosterModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.row() >= m_roster.players.size())
        return false;
    RosterEntry& entry = m_roster.players[index.row()];
    switch (index.column()) {
        case Number: {
            bool ok = false;
            const int number = value.toInt(&ok);
            if (!ok || number < 0 || number > Roster::kHighestNumber)
                return false;
            const int old = std::exchange(entry.number, number);
            if (old == number)
                return true;
            // His places go with him, unless another player still has the old number.
            if (!m_roster.player(old)) {
                for (const LinePlace place : Lines::places()) {
                    if (m_roster.lines.player(place) == old)
                        m_roster.lines.setPlayer(place, number);
                }
            }
            break;
        }
        case Name: entry.name = value.toString().left(RosterCodec::kMaxNameChars); break;
        case PositionColumn: {
            const std::optional<Position> position = positionFromCode(value.toString());
            if (!position)
                return false;
            entry.position = *position;
            freePlacesOf(entry.number, entry.position);
            break;
        }
        default: return false;
    }
    emit dataChanged(index, index);
    emit edited();
    return true;
}

QWidget* RosterDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    if (index.column() == RosterModel::Number) {
        auto* number = new QSpinBox(parent);
        number->setRange(0, Roster::kHighestNumber);
        return number;
    }
    if (index.column() == RosterModel::PositionColumn) {
        auto* position = new QComboBox(parent);
        for (const Position p : {Position::C, Position::LW, Position::RW, Position::D, Position::G})
            position->addItem(positionCode(p));
        return position;
    }
    return QStyledItemDelegate::createEditor(parent, option, index);
}
