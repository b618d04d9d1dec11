// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include "game/outcome.h"

class QCheckBox;
class QComboBox;
class QLabel;

// The league's rules for overtime as a tool window. Every change is asked for at once through
// its signal; the window shows the rules it is given.
class LeagueSettingsWindow : public QWidget {
    Q_OBJECT

public:
    explicit LeagueSettingsWindow(QWidget* parent = nullptr);

    // The rules as the league file has them; a file that cannot be written shows them only,
    // and says why.
    void display(const OvertimeRules& rules, const QString& problem);

signals:
    void rulesChanged(const OvertimeRules& rules);

private:
    OvertimeRules chosen() const;

    QCheckBox* m_suddenDeath;
    QComboBox* m_minutes;
    QComboBox* m_skaters;
    QCheckBox* m_shootout;
    QLabel* m_note;
};
