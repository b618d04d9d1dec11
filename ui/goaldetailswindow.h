// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <optional>

#include "game/scoresheet.h"

class QComboBox;
class QLabel;
class QPushButton;

// A goal of the game as a tool window: its type, and its scorer and assists for the player
// to pick from the scoring team's roster, those on the ice first. It changes nothing itself:
// it asks through its signal and shows the sheet it is given.
class GoalDetailsWindow : public QWidget {
    Q_OBJECT

public:
    explicit GoalDetailsWindow(QWidget* parent = nullptr);

    // The names as typed into the shots table.
    void display(const ScoreSheet& sheet, const PenaltyBox& box, const QString& awayName,
                 const QString& homeName);
    // Picks the last goal of the game.
    void showLastGoal();

signals:
    void goalEdited(int goalId, int scorer, const QList<int>& assists);

private:
    void listGoals();
    // The picks of the chosen goal; kept while neither the goal nor its team's players change.
    void showGoal();
    void apply();
    std::optional<int> chosenGoal() const;

    QComboBox* m_goal;
    QLabel* m_type;
    QLabel* m_note;
    QComboBox* m_scorer;
    QComboBox* m_assist1;
    QComboBox* m_assist2;
    QPushButton* m_ok;
    QPushButton* m_apply;
    ScoreSheet m_sheet;
    PenaltyBox m_box;
    QString m_awayName, m_homeName;
    std::optional<GoalRow> m_shownGoal;
    QList<RosterEntry> m_shownPlayers;
};
