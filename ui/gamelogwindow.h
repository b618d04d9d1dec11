// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include "game/gamelog.h"

class QTableView;
class GameLogModel;

// The game log as a tool window beside the main window: one row per entry, the newest at the
// bottom and kept in view while the game goes on, and a button to export the log.
class GameLogWindow : public QWidget {
    Q_OBJECT

public:
    explicit GameLogWindow(const GameLog& log, QWidget* parent = nullptr);

    QTableView* table() const { return m_table; }

signals:
    void exportRequested();

private:
    void entryAdded();

    QTableView* m_table = nullptr;
    GameLogModel* m_model = nullptr;
};
