// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The saved-game reader on any bytes: a file is refused with a reason, or its 27 lines are
// such that saving them and loading the result gives the same lines back.
#include <cstddef>
#include <cstdint>
#include <variant>

#include "core/fieldmodel.h"
#include "fuzzcheck.h"
#include "save/savedgame.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const SavedGame::ParseResult parsed = SavedGame::parse(bytes);
    if (const auto* refusal = std::get_if<SavedGame::Refusal>(&parsed)) {
        FUZZ_CHECK(!refusal->reason.isEmpty());
        return 0;
    }
    const SavedGame::Lines& lines = std::get<SavedGame::Lines>(parsed);
    for (const QString& line : lines)
        FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'));

    FieldModel fields;
    SavedGame::apply(fields, lines);
    FUZZ_CHECK(SavedGame::linesOf(fields) == lines);

    const SavedGame::ParseResult reread = SavedGame::parse(SavedGame::encode(lines));
    FUZZ_CHECK(std::holds_alternative<SavedGame::Lines>(reread));
    FUZZ_CHECK(std::get<SavedGame::Lines>(reread) == lines);
    return 0;
}
