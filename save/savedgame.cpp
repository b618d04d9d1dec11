// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "save/savedgame.h"

#include <QCoreApplication>

#include "core/fieldmodel.h"
#include "core/numbertext.h"
#include "game/period.h"
#include "io/filereplace.h"
#include "io/smallfile.h"
#include "io/textdecoder.h"

namespace SavedGame {

const std::array<Member, kLineCount>& lineFields() {
    using enum Control;
    static const std::array<Member, kLineCount> fields = {{
        {AwayName, 1},     {HomeName, 1},     {AwayPeriod1, 1}, {HomePeriod1, 1},  {AwayPeriod2, 1},
        {HomePeriod2, 1},  {AwayPeriod3, 1},  {HomePeriod3, 1}, {AwayOvertime, 1}, {HomeOvertime, 1},
        {AwayTotal, 1},    {HomeTotal, 1},    {AwayName, 2},    {HomeName, 2},     {AwayPeriod1, 2},
        {HomePeriod1, 2},  {AwayPeriod2, 2},  {HomePeriod2, 2}, {AwayPeriod3, 2},  {HomePeriod3, 2},
        {AwayOvertime, 2}, {HomeOvertime, 2}, {AwayTotal, 2},   {HomeTotal, 2},    {SecondsLeft, 0},
        {Clock, 0},        {Period, 0},
    }};
    return fields;
}

Lines linesOf(const FieldModel& fields) {
    Lines lines;
    for (int i = 0; i < kLineCount; ++i)
        lines[i] = fields.text(lineFields()[i].ctl, lineFields()[i].index);
    return lines;
}

QByteArray encode(const Lines& lines) {
    QByteArray bytes;
    // Reading drops one leading byte-order mark; a first line that begins with one (a team
    // name loaded from a file that had two) keeps it only if the file carries another.
    if (lines[0].startsWith(QChar(0xFEFF)))
        bytes += "\xEF\xBB\xBF";
    for (const QString& line : lines) {
        // A pasted line break would split the field over two lines and shift every later
        // field of the file, and a pasted NUL would make it a file that Load refuses; each
        // is written as a blank.
        QString text = line;
        text.replace(u'\r', u' ').replace(u'\n', u' ').replace(QChar(u'\0'), u' ');
        bytes += text.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

ParseResult parse(const QByteArray& bytes) {
    const QString text = decodeText(bytes);
    // No text holds a NUL. A file that does is something else, most often UTF-16 written
    // without a byte-order mark, whose every other byte is 0.
    if (text.contains(QChar(u'\0')))
        return Refusal{
            QCoreApplication::translate("SavedGame", "The file is not text this program can read.")};
    Lines lines;
    int count = 0;
    qsizetype pos = 0;
    while (count < kLineCount && pos < text.size()) {
        qsizetype end = pos;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        lines[count++] = text.mid(pos, end - pos);
        if (end < text.size() && text[end] == u'\r')
            ++end;
        if (end < text.size() && text[end] == u'\n')
            ++end;
        pos = end;
    }
    if (count < kLineCount) {
        return Refusal{
            QCoreApplication::translate("SavedGame", "It holds %1 of the %2 lines of a saved game.")
                .arg(count)
                .arg(kLineCount)};
    }
    // The program only ever writes whole seconds from 0 to 1200. An empty line is 0, as an
    // empty field is; anything else ("1e16", "-40", "inf") would give a clock that never ends
    // or never moves.
    const std::optional<double> seconds = readWholeNumber(lines[kSecondsLine]);
    if (!seconds || *seconds < 0 || *seconds > Period::kSeconds) {
        return Refusal{QCoreApplication::translate("SavedGame",
                                                   "Its line %1, the seconds left in the period, is not a "
                                                   "number from 0 to %2.")
                           .arg(kSecondsLine + 1)
                           .arg(Period::kSeconds)};
    }
    return lines;
}

ParseResult readFile(const QString& path) {
    SmallFile::ReadResult read = SmallFile::read(path, kMaxFileBytes);
    if (const auto* refusal = std::get_if<SmallFile::Refusal>(&read)) {
        switch (refusal->failure) {
            case SmallFile::Failure::NotFound:
                return Refusal{QCoreApplication::translate("SavedGame", "The file does not exist.")};
            case SmallFile::Failure::NotAFile:
                return Refusal{QCoreApplication::translate("SavedGame", "It is not a file.")};
            case SmallFile::Failure::TooLarge:
                return Refusal{
                    QCoreApplication::translate("SavedGame", "It is too large to be a saved game.")};
            case SmallFile::Failure::CannotRead: break;
        }
        return Refusal{
            QCoreApplication::translate("SavedGame", "It cannot be read: %1.").arg(refusal->systemReason)};
    }
    return parse(std::get<QByteArray>(read));
}

std::optional<QString> writeFile(const Lines& lines, const QString& path) {
    return replaceFile(path, encode(lines));
}

void apply(FieldModel& fields, const Lines& lines) {
    for (int i = 0; i < kLineCount; ++i)
        fields.setText(lineFields()[i].ctl, lineFields()[i].index, lines[i]);
}

}  // namespace SavedGame
