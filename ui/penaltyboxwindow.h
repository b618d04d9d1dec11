// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include "game/penaltybox.h"

class QButtonGroup;
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
    explicit PenaltyBoxWindow(QWidget* parent = nullptr);

    // Shows this state of the box.
    void display(const PenaltyBox& box);

signals:
    void addRequested(Team team, const QString& player, PenaltyKind kind);
    void removeRequested(int id);

private:
    void requestAdd();
    void requestRemove();
    std::optional<int> selectedId() const;

    QButtonGroup* m_team;
    QLineEdit* m_player;
    QButtonGroup* m_kind;
    QTreeWidget* m_list;
    QPushButton* m_remove;
    QLabel* m_strength;
};
