// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The text decoder on any bytes: the same text every time, well-formed, and read back
// unchanged once written out as UTF-8 or UTF-16 with a byte-order mark.
#include <QStringEncoder>
#include <cstddef>
#include <cstdint>

#include "fuzzcheck.h"
#include "io/textdecoder.h"

namespace {

bool isWellFormed(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return false;
    }
    return true;
}

QByteArray encoded(const QString& text, QStringConverter::Encoding encoding) {
    QStringEncoder encoder(encoding, QStringEncoder::Flag::WriteBom);
    return encoder.encode(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = decodeText(bytes);
    FUZZ_CHECK(decodeText(bytes) == text);
    FUZZ_CHECK(isWellFormed(text));
    for (const auto encoding : {QStringConverter::Utf8, QStringConverter::Utf16LE, QStringConverter::Utf16BE})
        FUZZ_CHECK(decodeText(encoded(text, encoding)) == text);
    return 0;
}
