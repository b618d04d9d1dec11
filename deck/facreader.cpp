#include "deck/facreader.h"

#include <QFile>
#include <QFileInfo>

#include "app/filebytes.h"
#include "app/legacytext.h"

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
std::optional<FacReadError> parseCardNumber(const QString& field, qint16& number) {
    const QString digits = field.trimmed();
    if (digits.isEmpty()) {
        number = 0;
        return std::nullopt;
    }
    qsizetype i = (digits[0] == u'-' || digits[0] == u'+') ? 1 : 0;
    if (i == digits.size())
        return FacErrors::kNotAWholeNumber;
    for (; i < digits.size(); ++i) {
        if (digits[i] < u'0' || digits[i] > u'9')
            return FacErrors::kNotAWholeNumber;
    }
    bool ok = false;
    const qlonglong value = digits.toLongLong(&ok);
    if (!ok || value < -32768 || value > 32767)
        return FacErrors::kNumberOutOfRange;
    number = static_cast<qint16>(value);
    return std::nullopt;
}

}  // namespace

FacReadResult parseFacData(const QString& text) {
    FacReadResult result;
    FacTable& table = result.table;
    FieldScanner scanner(text);

    while (!scanner.atEnd()) {
        const int n = table.facCount + 1;
        if (n > FacTable::kSize) {
            result.error = FacErrors::kTableFull;
            return result;
        }
        FACRecord& record = table.at(n);

        const std::optional<QString> numberField = scanner.next();
        if (!numberField) {
            result.error = FacErrors::kPastEndOfFile;
            return result;
        }
        if (auto error = parseCardNumber(*numberField, record.Num)) {
            result.error = error;
            return result;
        }
        for (QString FACRecord::*member : kFacTextFields) {
            std::optional<QString> field = scanner.next();
            if (!field) {
                result.error = FacErrors::kPastEndOfFile;
                return result;
            }
            record.*member = std::move(*field);
        }
        table.facCount = n;
    }
    return result;
}

FacReadResult parseFacBytes(const QByteArray& bytes) {
    return parseFacData(decodeTextFile(bytes));
}

FacReadResult readFacFile(const QString& path) {
    const QFileInfo info(path);
    FacReadResult failed;
    if (!info.exists()) {
        failed.error = FacErrors::kFileNotFound;
        return failed;
    }
    if (!info.isFile()) {
        failed.error = FacErrors::kCannotRead;
        return failed;
    }
    if (info.size() > kMaxFacFileBytes) {
        failed.error = FacErrors::kTooLarge;
        return failed;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        failed.error = FacErrors::kCannotRead;
        return failed;
    }
    const QByteArray bytes = readAtMost(file, kMaxFacFileBytes);
    if (bytes.size() > kMaxFacFileBytes) {
        failed.error = FacErrors::kTooLarge;
        return failed;
    }
    if (file.error() != QFileDevice::NoError) {
        failed.error = FacErrors::kCannotRead;
        return failed;
    }
    return parseFacBytes(bytes);
}

QString facErrorMessage(const FacReadError& error) {
    return QStringLiteral("Error %1 trying to read FACs.\r\n%2").arg(error.number).arg(error.description);
}
