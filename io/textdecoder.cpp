// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "io/textdecoder.h"

#include <QStringDecoder>
#include <array>

namespace {

// 0x80 to 0x9F; the five bytes that Windows-1252 leaves undefined map to the C1 controls.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

QString decodeWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = (b >= 0x80 && b <= 0x9F) ? QChar(kHighControls[b - 0x80]) : QChar(b);
    }
    return text;
}

namespace {

bool isLineEndByte(char c) {
    return c == '\r' || c == '\n';
}

// A U+FEFF after the byte-order mark is a character of the text, not a second mark. Qt's
// UTF-16 decoder passes unpaired surrogates through; each becomes U+FFFD here, so that the
// text writes out as UTF-8 and reads back the same.
QString decodeUtf16(QStringConverter::Encoding encoding, QByteArrayView bytes) {
    QStringDecoder decoder(encoding,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    QChar* c = text.data();
    QChar* const end = c + text.size();
    for (; c != end; ++c) {
        if (c->isHighSurrogate() && c + 1 != end && (c + 1)->isLowSurrogate())
            ++c;
        else if (c->isSurrogate())
            *c = QChar::ReplacementCharacter;
    }
    return text;
}

// Line ends are single bytes in both encodings and never part of a UTF-8 sequence, so the text
// is valid UTF-8 as a whole exactly when every line is.
QString decodeLineByLine(QByteArrayView bytes) {
    QStringDecoder whole(QStringDecoder::Utf8,
                         QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = whole.decode(bytes);
    if (!whole.hasError())
        return text;
    text.clear();
    text.reserve(bytes.size());
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && !isLineEndByte(bytes[end]))
            ++end;
        const QByteArrayView line = bytes.sliced(start, end - start);
        QStringDecoder utf8(QStringDecoder::Utf8,
                            QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        const QString decoded = utf8.decode(line);
        text += utf8.hasError() ? decodeWindows1252(line) : decoded;
        while (end < bytes.size() && isLineEndByte(bytes[end]))
            text += QLatin1Char(bytes[end++]);
        start = end;
    }
    return text;
}

}  // namespace

QString decodeText(const QByteArray& bytes) {
    const QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        return decodeLineByLine(view.sliced(3));
    if (view.startsWith("\xFF\xFE"))
        return decodeUtf16(QStringConverter::Utf16LE, view.sliced(2));
    if (view.startsWith("\xFE\xFF"))
        return decodeUtf16(QStringConverter::Utf16BE, view.sliced(2));
    return decodeLineByLine(view);
}
