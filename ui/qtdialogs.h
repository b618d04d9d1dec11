// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/services.h"

class QWidget;

// Message boxes and the file dialogs, shown modally over the main window.
class QtDialogs : public Dialogs {
public:
    void setParentWindow(QWidget* parent) { m_parent = parent; }
    void about(const QString& title, const QString& text) override;
    void aboutToolkit() override;
    MessageAnswer message(const QString& text, MessageButtons buttons) override;
    MessageAnswer windowMessage(const QString& text, MessageButtons buttons) override;
    std::optional<QString> openFile(const QString& filter, const QString& directory) override;
    std::optional<QString> saveFile(const QString& filter, const QString& directory) override;

private:
    MessageAnswer showMessage(const QString& text, MessageButtons buttons, bool englishButtons);

    QWidget* m_parent = nullptr;
};
