// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "core/controls.h"

// The single home of the main window's state: the text and the visible flag of every
// named control. The window only shows this state and forwards the user's typing to it.
//
// Change rule: setting a text field to a different text raises that control's change
// handler at once, inside setText, whether the user typed or the program set it; setting
// the text it already holds raises nothing.
class FieldModel : public QObject {
    Q_OBJECT

public:
    using ChangeHandler = std::function<void(int index)>;

    FieldModel();

    QString text(Control ctl, int index = 0) const;
    void setText(Control ctl, int index, const QString& text);
    void setText(Control ctl, const QString& text) { setText(ctl, 0, text); }

    bool isVisible(Control ctl, int index = 0) const;
    void setVisible(Control ctl, int index, bool visible);
    void setVisible(Control ctl, bool visible) { setVisible(ctl, 0, visible); }

    void setChangeHandler(Control ctl, ChangeHandler handler);

    // One member's text and visible flag.
    struct FieldState {
        QString text;
        bool visible = true;
        bool operator==(const FieldState&) const = default;
    };
    // Every member's state, in the order of allMembers().
    using Snapshot = std::vector<FieldState>;
    Snapshot snapshot() const { return m_slots; }
    // Puts every member back as the snapshot holds it, announcing what differs. No change
    // handler runs: the snapshot already holds what they did, and a handler would overwrite
    // it (the goals table's name would follow the shots table's).
    void restore(const Snapshot& snapshot);

signals:
    void textChanged(Control ctl, int index, const QString& text);
    void visibleChanged(Control ctl, int index, bool visible);

private:
    using Slot = FieldState;
    int slotOf(Control ctl, int index) const;

    std::vector<Slot> m_slots;
    std::array<int, kControlCount> m_firstSlot{};
    std::array<ChangeHandler, kControlCount> m_changeHandlers;
};
