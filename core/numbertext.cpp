// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/numbertext.h"

#include <cmath>

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

qsizetype skipDigits(const QString& text, qsizetype i) {
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i;
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// Where the leading decimal number of the text starts and ends; an empty span when the text
// begins with none.
struct NumberSpan {
    qsizetype start = 0;
    qsizetype end = 0;
};

NumberSpan scanNumber(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;

    const qsizetype intStart = i;
    i = skipDigits(text, i);
    bool anyDigit = i > intStart;
    if (i < text.size() && text[i] == u'.') {
        const qsizetype fracStart = i + 1;
        const qsizetype fracEnd = skipDigits(text, fracStart);
        if (fracEnd > fracStart || anyDigit)
            i = fracEnd;
        anyDigit = anyDigit || fracEnd > fracStart;
    }
    if (!anyDigit)
        return {start, start};

    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        const qsizetype expEnd = skipDigits(text, j);
        if (expEnd > j)
            i = expEnd;
    }
    return {start, i};
}

std::optional<double> valueOf(const QString& text, NumberSpan span) {
    bool ok = false;
    const double value = text.mid(span.start, span.end - span.start).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

}  // namespace

double readNumber(const QString& text) {
    const NumberSpan span = scanNumber(text);
    if (span.end == span.start)
        return 0.0;
    return valueOf(text, span).value_or(0.0);
}

std::optional<double> readWholeNumber(const QString& text) {
    const NumberSpan span = scanNumber(text);
    qsizetype rest = span.end;
    while (rest < text.size() && isBlank(text[rest]))
        ++rest;
    if (rest < text.size())
        return std::nullopt;
    if (span.end == span.start)
        return 0.0;
    return valueOf(text, span);
}

QString numberText(double value) {
    if (value == 0.0 || !std::isfinite(value))
        return QStringLiteral("0");
    return QString::number(value, 'g', 15);
}
