// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include "league/seasonmodel.h"

class Dialogs;
class LeagueStore;
class QComboBox;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;

// A table of the season as the windows show it: the columns sort on a click, and the first
// order is the league's own.
class SeasonTable : public QWidget {
    Q_OBJECT

public:
    SeasonTable(const LeagueStore& store, SeasonModel::Table table, QWidget* parent = nullptr);

    SeasonModel& model() { return *m_model; }
    // The rows in the order shown.
    const QAbstractItemModel& shown() const;
    QTableView* view() const { return m_view; }

private:
    SeasonModel* m_model;
    QSortFilterProxyModel* m_sorted;
    QTableView* m_view;
};

enum class TableFormat { Csv, Pdf };

// The table as a CSV file (escaped as every export of the program is) or a printable PDF
// (A4, or Letter in the United States and Canada), in the order shown. Nothing on success,
// else the reason.
std::optional<QString> writeTable(const QString& path, TableFormat format, const QString& title,
                                  const QAbstractItemModel& table);

// League > Standings: every team's record over the final games, read again when the window
// opens and whenever a result changes while it is open.
class StandingsWindow : public QWidget {
    Q_OBJECT

public:
    StandingsWindow(LeagueStore& store, Dialogs& dialogs, QWidget* parent = nullptr);

    SeasonTable& table() { return *m_table; }
    void reload();
    void exportAs(TableFormat format);

protected:
    void showEvent(QShowEvent* event) override;

private:
    LeagueStore& m_store;
    Dialogs& m_dialogs;
    SeasonTable* m_table;
};

// League > Leaders: skaters and goalies on two tabs, all teams' or one team's.
class LeadersWindow : public QWidget {
    Q_OBJECT

public:
    LeadersWindow(LeagueStore& store, Dialogs& dialogs, QWidget* parent = nullptr);

    SeasonTable& skaters() { return *m_skaters; }
    SeasonTable& goalies() { return *m_goalies; }
    QComboBox* teamFilter() const { return m_team; }
    QTabWidget* tabs() const { return m_tabs; }
    void reload();
    // The table on the tab shown.
    void exportAs(TableFormat format);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void teamPicked();

    LeagueStore& m_store;
    Dialogs& m_dialogs;
    QComboBox* m_team;
    QTabWidget* m_tabs;
    SeasonTable* m_skaters;
    SeasonTable* m_goalies;
};
