// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/fieldmodel.h"

FieldModel::FieldModel() {
    for (int i = 0; i < kControlCount; ++i) {
        const ControlInfo& info = controlInfo(static_cast<Control>(i));
        m_firstSlot[i] = static_cast<int>(m_slots.size());
        const int members = info.isArray ? 2 : 1;
        for (int m = 0; m < members; ++m) {
            m_slots.push_back({initialText(info.ctl), info.shown});
        }
    }
}

int FieldModel::slotOf(Control ctl, int index) const {
    if (!isMember(ctl, index))
        return -1;
    const int first = m_firstSlot[static_cast<int>(ctl)];
    return controlInfo(ctl).isArray ? first + index - 1 : first;
}

QString FieldModel::text(Control ctl, int index) const {
    const int slot = slotOf(ctl, index);
    Q_ASSERT_X(slot >= 0, "FieldModel::text", "no such control member");
    return slot >= 0 ? m_slots[slot].text : QString();
}

void FieldModel::setText(Control ctl, int index, const QString& text) {
    const int slot = slotOf(ctl, index);
    Q_ASSERT_X(slot >= 0, "FieldModel::setText", "no such control member");
    if (slot < 0 || m_slots[slot].text == text)
        return;
    m_slots[slot].text = text;
    emit textChanged(ctl, index, text);
    if (const ChangeHandler& handler = m_changeHandlers[static_cast<int>(ctl)])
        handler(index);
}

bool FieldModel::isVisible(Control ctl, int index) const {
    const int slot = slotOf(ctl, index);
    Q_ASSERT_X(slot >= 0, "FieldModel::isVisible", "no such control member");
    return slot >= 0 && m_slots[slot].visible;
}

void FieldModel::setVisible(Control ctl, int index, bool visible) {
    const int slot = slotOf(ctl, index);
    Q_ASSERT_X(slot >= 0, "FieldModel::setVisible", "no such control member");
    if (slot < 0 || m_slots[slot].visible == visible)
        return;
    m_slots[slot].visible = visible;
    emit visibleChanged(ctl, index, visible);
}

void FieldModel::setChangeHandler(Control ctl, ChangeHandler handler) {
    m_changeHandlers[static_cast<int>(ctl)] = std::move(handler);
}

void FieldModel::restore(const Snapshot& snapshot) {
    Q_ASSERT_X(snapshot.size() == m_slots.size(), "FieldModel::restore", "not a snapshot of these fields");
    if (snapshot.size() != m_slots.size())
        return;
    const QList<Member>& members = allMembers();
    for (qsizetype i = 0; i < members.size(); ++i) {
        Slot& slot = m_slots[static_cast<size_t>(i)];
        const FieldState& wanted = snapshot[static_cast<size_t>(i)];
        if (slot.text != wanted.text) {
            slot.text = wanted.text;
            emit textChanged(members[i].ctl, members[i].index, slot.text);
        }
        if (slot.visible != wanted.visible) {
            slot.visible = wanted.visible;
            emit visibleChanged(members[i].ctl, members[i].index, slot.visible);
        }
    }
}
