// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <variant>

#include "core/controls.h"

class FieldModel;

// The saved game: 27 lines, one field's text per line, each ending in CR LF, with no
// header: the shots table, the goals table (each: the two team names, then away and home
// for periods 1, 2, 3, OT and the total), then the seconds, the clock and the period.
namespace SavedGame {

inline constexpr int kLineCount = 27;
// The seconds left in the period: a number from 0 to 1200, or the file is refused.
inline constexpr int kSecondsLine = 24;
// No saved game comes near this; a larger file is refused without being read.
inline constexpr qint64 kMaxFileBytes = 1024 * 1024;

using Lines = std::array<QString, kLineCount>;

// The field behind each line, in file order.
const std::array<Member, kLineCount>& lineFields();

Lines linesOf(const FieldModel& fields);
QByteArray encode(const Lines& lines);

// The reason a file cannot be a saved game, in words for the player.
struct Refusal {
    QString reason;
};
using ParseResult = std::variant<Lines, Refusal>;

// The first 27 lines of a file's bytes (LF or CR LF; decoded as decodeText does). Later lines
// are ignored; a NUL anywhere (bytes that are not text), fewer than 27 lines, or seconds that
// no clock can run, is a refusal.
ParseResult parse(const QByteArray& bytes);

// Reads and checks the whole file; touches no field.
ParseResult readFile(const QString& path);

// Writes the file safely: either the whole new file is in place, or the earlier file is
// left as it was. Nothing on success, else the reason.
std::optional<QString> writeFile(const Lines& lines, const QString& path);

// Sets the 27 fields in file order, each right after the one before.
void apply(FieldModel& fields, const Lines& lines);

}  // namespace SavedGame
