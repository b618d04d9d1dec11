// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "deck/cardrecord.h"

// Reading the card file "FAC_Data.txt".
//
// Records follow one another with no header: a card number and 20 texts, 21 fields in
// all. A field ends at a comma or a line end, so a record may run over several lines and
// the fields beyond the 21st of a line belong to the next record. Spaces before a field
// are skipped; a text in double quotes keeps its commas. Before each record the reader
// asks whether anything is left; if anything is, even an empty line, it is a record.

struct CardReadError {
    int number;
    QString description;

    bool operator==(const CardReadError&) const = default;
};

struct CardReadResult {
    CardTable table;
    std::optional<CardReadError> error;  // reading stopped here; the table keeps what was read
};

namespace CardReadErrors {
inline const CardReadError kFileNotFound{53, QStringLiteral("File not found")};
inline const CardReadError kPastEndOfFile{62, QStringLiteral("Input past end of file")};
inline const CardReadError kTableFull{9, QStringLiteral("Subscript out of range")};
inline const CardReadError kNotAWholeNumber{13, QStringLiteral("Type mismatch")};
inline const CardReadError kNumberOutOfRange{6, QStringLiteral("Overflow")};
inline const CardReadError kCannotRead{75, QStringLiteral("Path/File access error")};
inline const CardReadError kTooLarge{7, QStringLiteral("File too large to be a card file (over 16 MB)")};
}  // namespace CardReadErrors

// A card file is a few dozen kilobytes; anything past this is refused without being read.
inline constexpr qint64 kMaxCardFileBytes = 16 * 1024 * 1024;

CardReadResult parseCardData(const QString& text);
CardReadResult parseCardBytes(const QByteArray& bytes);
CardReadResult readCardFile(const QString& path);

// "Error 53 trying to read FACs." "\n" "File not found", in the player's language.
QString cardReadErrorMessage(const CardReadError& error);
