// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <variant>

// Reading a file that a player may have edited, chosen or replaced by hand: the card file and
// saved games. Only a regular file is read (never a folder, pipe or device, which could hang
// or never end), and never more than a size that no such file comes near.
namespace SmallFile {

enum class Failure { NotFound, NotAFile, TooLarge, CannotRead };

struct Refusal {
    Failure failure;
    QString systemReason;  // what the system said, when it could not be read
};

using ReadResult = std::variant<QByteArray, Refusal>;

ReadResult read(const QString& path, qint64 sizeLimit);

}  // namespace SmallFile
