// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QWidget>
#include <optional>

#include "game/roster.h"

class Dialogs;
class LeagueStore;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableView;
class RosterModel;

// The league's teams as a tool window: the league's name, the teams with their names, each
// team's roster and lines, and a roster's CSV file in and out. Edits are kept in the window
// until Apply writes them; a team with something wrong is not written, and says what.
class TeamsWindow : public QWidget {
    Q_OBJECT

public:
    TeamsWindow(LeagueStore& store, Dialogs& dialogs, QWidget* parent = nullptr);

    // The file's teams and name again, unless the window holds edits not yet applied.
    void reload();
    // Writes the league's name and every team edited that has nothing wrong.
    void apply();
    void importCsv();
    void exportCsv();
    // What the window says above its buttons: what was written, or why not.
    QString notice() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct EditedTeam {
        qint64 id = 0;
        Roster roster;
        std::optional<Roster> stored;  // as the file holds it; none for a team not written yet

        bool edited() const { return !stored || *stored != roster; }
    };

    QWidget* buildLines();
    bool hasEdits() const;
    int current() const;
    void showTeam();
    void fillLineBoxes();
    void rosterEdited();
    void teamNamesEdited();
    void addTeam();
    void removeTeam();
    // What Roster::problems() finds, and a name another team has, in the player's words.
    QStringList problemsOf(int row) const;
    void showState();
    void setNotice(const QString& text);

    LeagueStore& m_store;
    Dialogs& m_dialogs;
    QLineEdit* m_leagueName;
    QLabel* m_notice;
    QListWidget* m_teamList;
    QPushButton* m_removeTeam;
    QWidget* m_teamPane;
    QLineEdit* m_name;
    QLineEdit* m_shortName;
    QTableView* m_players;
    RosterModel* m_roster;
    QPushButton* m_removePlayer;
    QList<std::pair<LinePlace, QComboBox*>> m_lineBoxes;
    QLabel* m_problems;
    QPushButton* m_apply;

    QList<EditedTeam> m_teams;
    QList<qint64> m_removed;
    QString m_storedLeagueName;
    bool m_showing = false;  // the window fills its controls: their signals are no edits
};
