// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/typingundo.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

// Forgets what the box could undo and redo; its text, cursor and selection stay.
void forgetTyping(QLineEdit& box) {
    if (!box.isUndoAvailable() && !box.isRedoAvailable())
        return;
    const int cursor = box.cursorPosition();
    const int start = box.selectionStart();
    const int end = box.selectionEnd();
    // Setting the text empties the undo history; the same text changes nothing else.
    box.setText(box.text());
    if (start < 0)
        box.setCursorPosition(cursor);
    else if (cursor == start)
        box.setSelection(end, start - end);
    else
        box.setSelection(start, end - start);
}

// The box typed into: an editable list takes the focus and the keys for its text.
QLineEdit* textBox(QObject* widget) {
    if (auto* list = qobject_cast<QComboBox*>(widget))
        return list->lineEdit();
    return qobject_cast<QLineEdit*>(widget);
}

}  // namespace

TypingUndo::TypingUndo(QObject* parent) : QObject(parent) {
    QCoreApplication::instance()->installEventFilter(this);
}

void TypingUndo::stepTaken() {
    if (QLineEdit* box = textBox(QApplication::focusWidget()))
        forgetTyping(*box);
}

bool TypingUndo::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::FocusIn && type != QEvent::ShortcutOverride)
        return false;
    QLineEdit* box = textBox(watched);
    if (!box)
        return false;
    if (type == QEvent::FocusIn) {
        forgetTyping(*box);
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->matches(QKeySequence::Undo) && !box->isUndoAvailable()) ||
        (key->matches(QKeySequence::Redo) && !box->isRedoAvailable())) {
        // Not the box's: the shortcut of the game's Undo or Redo takes the key.
        event->ignore();
        return true;
    }
    return false;
}
