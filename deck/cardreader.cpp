// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deck/cardreader.h"

#include "io/smallfile.h"
#include "io/textdecoder.h"

namespace {

bool isLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

// Splits the file's text into fields, one at a time.
class FieldScanner {
public:
    explicit FieldScanner(const QString& text) : m_text(text) {}

    bool atEnd() const { return m_pos >= m_text.size(); }

    // The next field, or nothing when no characters are left.
    std::optional<QString> next() {
        if (atEnd())
            return std::nullopt;
        while (!atEnd() && (m_text[m_pos] == u' ' || m_text[m_pos] == u'\t'))
            ++m_pos;

        QString field;
        if (!atEnd() && m_text[m_pos] == u'"') {
            const qsizetype open = m_pos + 1;
            qsizetype close = m_text.indexOf(u'"', open);
            if (close < 0)
                close = m_text.size();
            field = m_text.mid(open, close - open);
            m_pos = close + 1;
            // Whatever stands between the closing quote and the separator is dropped.
            while (!atEnd() && m_text[m_pos] != u',' && !isLineEnd(m_text[m_pos]))
                ++m_pos;
        } else {
            const qsizetype start = m_pos;
            while (!atEnd() && m_text[m_pos] != u',' && !isLineEnd(m_text[m_pos]))
                ++m_pos;
            qsizetype end = m_pos;
            while (end > start && m_text[end - 1] == u' ')
                --end;
            field = m_text.mid(start, end - start);
        }
        skipSeparator();
        return field;
    }

private:
    void skipSeparator() {
        if (atEnd())
            return;
        const QChar c = m_text[m_pos++];
        if (c == u'\r' && !atEnd() && m_text[m_pos] == u'\n')
            ++m_pos;
    }

    const QString& m_text;
    qsizetype m_pos = 0;
};

// The card number: a whole decimal number within 16 bits; an empty field is 0.
std::optional<CardReadError> parseCardNumber(const QString& field, qint16& number) {
    const QString digits = field.trimmed();
    if (digits.isEmpty()) {
        number = 0;
        return std::nullopt;
    }
    qsizetype i = (digits[0] == u'-' || digits[0] == u'+') ? 1 : 0;
    if (i == digits.size())
        return CardReadErrors::kNotAWholeNumber;
    for (; i < digits.size(); ++i) {
        if (digits[i] < u'0' || digits[i] > u'9')
            return CardReadErrors::kNotAWholeNumber;
    }
    bool ok = false;
    const qlonglong value = digits.toLongLong(&ok);
    if (!ok || value < -32768 || value > 32767)
        return CardReadErrors::kNumberOutOfRange;
    number = static_cast<qint16>(value);
    return std::nullopt;
}

}  // namespace

CardReadResult parseCardData(const QString& text) {
    CardReadResult result;
    CardTable& table = result.table;
    FieldScanner scanner(text);

    while (!scanner.atEnd()) {
        const int n = table.cardCount + 1;
        if (n > CardTable::kSize) {
            result.error = CardReadErrors::kTableFull;
            return result;
        }
        CardRecord& record = table.at(n);

        const std::optional<QString> numberField = scanner.next();
        if (!numberField) {
            result.error = CardReadErrors::kPastEndOfFile;
            return result;
        }
        if (auto error = parseCardNumber(*numberField, record.number)) {
            result.error = error;
            return result;
        }
        for (QString CardRecord::*member : kCardTextFields) {
            std::optional<QString> field = scanner.next();
            if (!field) {
                result.error = CardReadErrors::kPastEndOfFile;
                return result;
            }
            record.*member = std::move(*field);
        }
        table.cardCount = n;
    }
    return result;
}

CardReadResult parseCardBytes(const QByteArray& bytes) {
    return parseCardData(decodeText(bytes));
}

CardReadResult readCardFile(const QString& path) {
    SmallFile::ReadResult read = SmallFile::read(path, kMaxCardFileBytes);
    if (const auto* refusal = std::get_if<SmallFile::Refusal>(&read)) {
        CardReadResult failed;
        switch (refusal->failure) {
            case SmallFile::Failure::NotFound: failed.error = CardReadErrors::kFileNotFound; break;
            case SmallFile::Failure::TooLarge: failed.error = CardReadErrors::kTooLarge; break;
            case SmallFile::Failure::NotAFile:
            case SmallFile::Failure::CannotRead: failed.error = CardReadErrors::kCannotRead; break;
        }
        return failed;
    }
    return parseCardBytes(std::get<QByteArray>(read));
}

QString cardReadErrorMessage(const CardReadError& error) {
    return QStringLiteral("Error %1 trying to read FACs.\n%2").arg(error.number).arg(error.description);
}
