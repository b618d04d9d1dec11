// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class Dialogs;
class GamesModel;
class QLabel;
class QPushButton;
class QTableView;

// The league's games as a tool window: the one played last first, with Resume and Delete.
// It changes nothing itself: it asks through its signals, a deletion only after the player
// said yes to the question.
class GamesWindow : public QWidget {
    Q_OBJECT

public:
    GamesWindow(GamesModel& model, Dialogs& dialogs, QWidget* parent = nullptr);

    QTableView* table() const { return m_table; }
    // What stands in the way of keeping games, above the list; empty hides it.
    void showProblem(const QString& problem);
    // A league that cannot be written keeps its games: Delete is off.
    void setDeleteAllowed(bool allowed);
    // The game on the board is played on, not deleted.
    void setGameOnBoard(const QString& gameId);

signals:
    void resumeRequested(const QString& gameId);
    void deleteRequested(const QString& gameId);

protected:
    // The list is read again each time the window opens.
    void showEvent(QShowEvent* event) override;

private:
    int selectedRow() const;
    void requestResume();
    void requestDelete();
    void showSelection();

    GamesModel& m_model;
    Dialogs& m_dialogs;
    QLabel* m_problem;
    QTableView* m_table;
    QPushButton* m_resume;
    QPushButton* m_delete;
    bool m_deleteAllowed = true;
    QString m_gameOnBoard;
};
