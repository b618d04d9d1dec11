// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>

#include "game/outcome.h"
#include "game/scoresheet.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

// The shoot-out as a tool window: the attempts taken, round by round, and the next one to
// take, its shooter and goalie picked from the rosters, with the card's SHOOTOUT cell beside
// it to take the result from. It changes nothing itself: it asks through its signal and
// shows the sheet it is given.
class ShootoutWindow : public QWidget {
    Q_OBJECT

public:
    explicit ShootoutWindow(QWidget* parent = nullptr);

    // The names as typed into the shots table; cardCell is the SHOOTOUT cell of the card on show.
    struct Board {
        QString awayName, homeName;
        QString cardCell;
    };
    void display(const ScoreSheet& sheet, const GameOutcome& outcome, const Board& board);

signals:
    void attemptTaken(const ShootoutAttempt& attempt);

private:
    void listAttempts();
    void fillPickers();
    void take(bool scored);
    Team chosenTeam() const;
    QString nameOf(Team team) const;

    QLabel* m_status;
    QTableWidget* m_attempts;
    QComboBox* m_team;
    QComboBox* m_shooter;
    QComboBox* m_goalie;
    QLabel* m_card;
    QPushButton* m_goal;
    QPushButton* m_noGoal;
    ScoreSheet m_sheet;
    GameOutcome m_outcome;
    Board m_board;
};
