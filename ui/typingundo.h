// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

// Ctrl+Z and its redo in a text box. The box's own undo takes back only what was typed into it
// since it took the focus or since the game's last step; with nothing of that to take back, the
// keys are the game's Undo and Redo. One filter on the application covers every box, the score
// sheet's and the tool windows' alike, and the text of an editable list.
class TypingUndo : public QObject {
    Q_OBJECT

public:
    // Watches the application's boxes while it lives.
    explicit TypingUndo(QObject* parent = nullptr);

    // The game took a step: the typing in the focused box before it is the game's to undo.
    static void stepTaken();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
