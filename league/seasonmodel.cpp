// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "league/seasonmodel.h"

#include <QLocale>

#include "league/leaguestore.h"

namespace {

enum class Shown { Text, Number, Signed, Average, Percentage };

struct Column {
    const char* heading;
    const char* tip;
    Shown shown = Shown::Number;
};

// The headings are the abbreviations leagues print; the tips spell them out.
const QList<Column>& columnsOf(SeasonModel::Table table) {
    static const QList<Column> standings = {
        {QT_TRANSLATE_NOOP("SeasonModel", "Team"), "", Shown::Text},
        {QT_TRANSLATE_NOOP("SeasonModel", "GP"), QT_TRANSLATE_NOOP("SeasonModel", "Games played")},
        {QT_TRANSLATE_NOOP("SeasonModel", "W"), QT_TRANSLATE_NOOP("SeasonModel", "Wins")},
        {QT_TRANSLATE_NOOP("SeasonModel", "L"), QT_TRANSLATE_NOOP("SeasonModel", "Losses in regulation")},
        {QT_TRANSLATE_NOOP("SeasonModel", "OTL"),
         QT_TRANSLATE_NOOP("SeasonModel", "Losses in overtime or the shoot-out")},
        {QT_TRANSLATE_NOOP("SeasonModel", "T"), QT_TRANSLATE_NOOP("SeasonModel", "Games ended level")},
        {QT_TRANSLATE_NOOP("SeasonModel", "PTS"), QT_TRANSLATE_NOOP("SeasonModel", "Points")},
        {QT_TRANSLATE_NOOP("SeasonModel", "GF"), QT_TRANSLATE_NOOP("SeasonModel", "Goals for")},
        {QT_TRANSLATE_NOOP("SeasonModel", "GA"), QT_TRANSLATE_NOOP("SeasonModel", "Goals against")},
        {QT_TRANSLATE_NOOP("SeasonModel", "DIFF"), QT_TRANSLATE_NOOP("SeasonModel", "Goal difference"),
         Shown::Signed},
        {QT_TRANSLATE_NOOP("SeasonModel", "Last 10"),
         QT_TRANSLATE_NOOP("SeasonModel", "The last ten games: wins, losses, overtime losses (and ties)"),
         Shown::Text},
    };
    static const QList<Column> skaters = {
        {QT_TRANSLATE_NOOP("SeasonModel", "Player"), "", Shown::Text},
        {QT_TRANSLATE_NOOP("SeasonModel", "Team"), "", Shown::Text},
        {QT_TRANSLATE_NOOP("SeasonModel", "Pos"), QT_TRANSLATE_NOOP("SeasonModel", "Position"), Shown::Text},
        {QT_TRANSLATE_NOOP("SeasonModel", "GP"), QT_TRANSLATE_NOOP("SeasonModel", "Games played")},
        {QT_TRANSLATE_NOOP("SeasonModel", "G"), QT_TRANSLATE_NOOP("SeasonModel", "Goals")},
        {QT_TRANSLATE_NOOP("SeasonModel", "A"), QT_TRANSLATE_NOOP("SeasonModel", "Assists")},
        {QT_TRANSLATE_NOOP("SeasonModel", "PTS"), QT_TRANSLATE_NOOP("SeasonModel", "Points")},
        {QT_TRANSLATE_NOOP("SeasonModel", "PIM"), QT_TRANSLATE_NOOP("SeasonModel", "Penalty minutes")},
        {QT_TRANSLATE_NOOP("SeasonModel", "+/-"), QT_TRANSLATE_NOOP("SeasonModel", "Plus/minus"),
         Shown::Signed},
    };
    static const QList<Column> goalies = {
        {QT_TRANSLATE_NOOP("SeasonModel", "Player"), "", Shown::Text},
        {QT_TRANSLATE_NOOP("SeasonModel", "Team"), "", Shown::Text},
        {QT_TRANSLATE_NOOP("SeasonModel", "GP"), QT_TRANSLATE_NOOP("SeasonModel", "Games played")},
        {QT_TRANSLATE_NOOP("SeasonModel", "W"), QT_TRANSLATE_NOOP("SeasonModel", "Wins")},
        {QT_TRANSLATE_NOOP("SeasonModel", "L"), QT_TRANSLATE_NOOP("SeasonModel", "Losses in regulation")},
        {QT_TRANSLATE_NOOP("SeasonModel", "OTL"),
         QT_TRANSLATE_NOOP("SeasonModel", "Losses in overtime or the shoot-out")},
        {QT_TRANSLATE_NOOP("SeasonModel", "SA"), QT_TRANSLATE_NOOP("SeasonModel", "Shots against")},
        {QT_TRANSLATE_NOOP("SeasonModel", "GA"), QT_TRANSLATE_NOOP("SeasonModel", "Goals against")},
        {QT_TRANSLATE_NOOP("SeasonModel", "GAA"),
         QT_TRANSLATE_NOOP("SeasonModel", "Goals against per game played"), Shown::Average},
        {QT_TRANSLATE_NOOP("SeasonModel", "SV%"), QT_TRANSLATE_NOOP("SeasonModel", "Saves per shot against"),
         Shown::Percentage},
        {QT_TRANSLATE_NOOP("SeasonModel", "SO"), QT_TRANSLATE_NOOP("SeasonModel", "Shutouts")},
    };
    switch (table) {
        case SeasonModel::Table::Standings: return standings;
        case SeasonModel::Table::Skaters: return skaters;
        case SeasonModel::Table::Goalies: break;
    }
    return goalies;
}

QString playerName(int number, const QString& name) {
    return QStringLiteral("%1 %2").arg(number).arg(name);
}

}  // namespace

SeasonModel::SeasonModel(const LeagueStore& store, Table table, QObject* parent)
    : QAbstractTableModel(parent), m_store(store), m_table(table) {}

void SeasonModel::setTeam(const QString& team) {
    m_team = team;
}

void SeasonModel::reload() {
    beginResetModel();
    m_rows.clear();
    switch (m_table) {
        case Table::Standings:
            for (const StandingRow& r : m_store.standings())
                m_rows.append({r.team, r.played, r.wins, r.losses, r.overtimeLosses, r.ties, r.points(),
                               r.goalsFor, r.goalsAgainst, r.difference(), r.lastTen()});
            break;
        case Table::Skaters:
            for (const SkaterRow& r : m_store.skaters(m_team))
                m_rows.append({playerName(r.number, r.name), r.team, r.position, r.played, r.goals, r.assists,
                               r.points(), r.penaltyMinutes, r.plusMinus});
            break;
        case Table::Goalies:
            for (const GoalieRow& r : m_store.goalies(m_team)) {
                const std::optional<double> saves = r.savePercentage();
                m_rows.append({playerName(r.number, r.name), r.team, r.played, r.wins, r.losses,
                               r.overtimeLosses, r.shotsAgainst, r.goalsAgainst, r.goalsAgainstAverage(),
                               saves ? QVariant(*saves) : QVariant(), r.shutouts});
            }
            break;
    }
    endResetModel();
}

int SeasonModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int SeasonModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columnsOf(m_table).size());
}

QVariant SeasonModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows.size() || index.column() >= columnCount())
        return {};
    const QVariant& value = m_rows[index.row()][index.column()];
    const Shown shown = columnsOf(m_table)[index.column()].shown;
    if (role == kSortRole)
        return value;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(shown == Shown::Text ? Qt::AlignLeft | Qt::AlignVCenter
                                                        : Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != kFileTextRole)
        return {};
    // On screen and on paper in the player's language; in a file with a dot.
    const QLocale locale = role == kFileTextRole ? QLocale::c() : QLocale();
    switch (shown) {
        case Shown::Text: return value.toString();
        case Shown::Number: return QString::number(value.toInt());
        case Shown::Signed:
            return value.toInt() > 0 ? QStringLiteral("+%1").arg(value.toInt())
                                     : QString::number(value.toInt());
        case Shown::Average: return locale.toString(value.toDouble(), 'f', 2);
        case Shown::Percentage:
            // ".912", as leagues print it; a goalie who faced no shot has none.
            if (value.isNull())
                return QString();
            if (QString text = locale.toString(value.toDouble(), 'f', 3); text.startsWith(u'0'))
                return text.mid(1);
            else
                return text;
    }
    return {};
}

QVariant SeasonModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    const Column& column = columnsOf(m_table)[section];
    if (role == Qt::DisplayRole)
        return tr(column.heading);
    if (role == Qt::ToolTipRole && *column.tip)
        return tr(column.tip);
    return {};
}
