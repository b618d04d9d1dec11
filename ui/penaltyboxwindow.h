// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include "game/penaltybox.h"
#include "game/roster.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// The penalty box as a tool window beside the main window: each penalty with its time left,
// the waiting ones, the teams' strength, and a form to add a penalty. It changes nothing
// itself: it asks for changes through its signals and shows the box it is given.
class PenaltyBoxWindow : public QWidget {
    Q_OBJECT

public:
    // What the window shows of the score sheet: the team names as typed, and the penalty
    // cells of the card on show.
    struct Sheet {
        QString awayName, homeName;
        QString penaltyCell, minorCell, majorCell;
    };

    explicit PenaltyBoxWindow(QWidget* parent = nullptr);

    // Shows this state of the box.
    void display(const PenaltyBox& box, const Sheet& sheet = {});
    // The teams' rosters to pick the player from, those on the ice first; empty for a team
    // without one.
    void showRosters(const QList<RosterEntry>& away, const QList<RosterEntry>& home);

signals:
    // number: the roster's player the text names, else kNobody.
    void addRequested(Team team, const QString& player, PenaltyKind kind, const QString& infraction,
                      int number);
    void removeRequested(int id);

private:
    void requestAdd();
    void requestRemove();
    void fillFromCard();
    std::optional<int> selectedId() const;
    // The chosen team's roster to pick from, keeping what is typed.
    void listPlayers();
    const QList<RosterEntry>& playersOf(Team team) const;
    // The name on the sheet, or "Away" and "Home" while it is empty.
    QString teamName(Team team) const;

    QButtonGroup* m_team;
    QComboBox* m_playerList;
    QLineEdit* m_player;  // the list's own text, free to type
    QLineEdit* m_infraction;
    QButtonGroup* m_kind;
    QPushButton* m_fromCard;
    QTreeWidget* m_list;
    QPushButton* m_remove;
    QLabel* m_teams;
    QLabel* m_strength;
    Sheet m_sheet;
    QList<RosterEntry> m_awayPlayers, m_homePlayers;
};
