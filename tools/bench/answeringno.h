// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/services.h"

// The dialogs of a timed window: every question answered No, every file dialog cancelled,
// so that nothing waits for a player.
class AnsweringNo : public Dialogs {
public:
    void about(const QString&, const QString&) override {}
    void aboutToolkit() override {}
    MessageAnswer message(const QString&, MessageButtons) override { return MessageAnswer::No; }
    std::optional<QString> openFile(const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> saveFile(const QString&, const QString&) override { return std::nullopt; }
};
