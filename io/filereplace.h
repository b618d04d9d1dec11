// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Puts the bytes in the file at path through a new file renamed over it: either the whole new
// file is in place, or the earlier file is left as it was. Nothing on success, else the
// reason, in the system's words.
std::optional<QString> replaceFile(const QString& path, const QByteArray& bytes);
