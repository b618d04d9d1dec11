// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "io/csv.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include "io/textdecoder.h"

namespace {

constexpr QStringView kFormulaStarts = u"=+-@\t\r";

bool startsLikeAFormula(const QString& cell) {
    static const QRegularExpression plainNumber(QStringLiteral("^[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)$"));
    return !cell.isEmpty() && kFormulaStarts.contains(cell[0]) && !plainNumber.match(cell).hasMatch();
}

bool needsQuotes(const QString& cell) {
    for (const QChar c : cell) {
        if (c == u',' || c == u'"' || c == u'\r' || c == u'\n')
            return true;
    }
    return false;
}

bool endsCell(QChar c) {
    return c == u',' || c == u'\r' || c == u'\n';
}

QString unguarded(const QString& cell) {
    return cell.size() > 1 && cell[0] == u'\'' && kFormulaStarts.contains(cell[1]) ? cell.mid(1) : cell;
}

QString fault(const char* text) {
    return QCoreApplication::translate("Csv", text);
}

// Reads the cell at `at` up to the comma or line end after it; counts the line breaks inside
// quotes in `line`.
QString readCell(const QString& text, qsizetype& at, int& line, QString& rowFault) {
    const qsizetype size = text.size();
    QString cell;
    if (at < size && text[at] == u'"') {
        ++at;
        bool closed = false;
        while (at < size && !closed) {
            const QChar c = text[at++];
            if (c != u'"') {
                line += c == u'\n' ? 1 : 0;
                cell += c;
            } else if (at < size && text[at] == u'"') {
                cell += c;
                ++at;
            } else {
                closed = true;
            }
        }
        if (!closed)
            rowFault = fault(QT_TRANSLATE_NOOP("Csv", "a quote is opened and never closed"));
        else if (at < size && !endsCell(text[at]))
            rowFault = fault(QT_TRANSLATE_NOOP("Csv", "text follows a closing quote"));
    }
    for (; at < size && !endsCell(text[at]); ++at) {
        if (text[at] == u'"' && rowFault.isEmpty())
            rowFault = fault(QT_TRANSLATE_NOOP("Csv", "a quote inside a cell that does not begin with one"));
        cell += text[at];
    }
    return cell;
}

}  // namespace

void CsvWriter::writeRecord(const QStringList& cells) {
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            m_bytes += ',';
        QString cell = cells[i];
        if (startsLikeAFormula(cell))
            cell.prepend(u'\'');
        if (needsQuotes(cell)) {
            cell.replace(u'"', QStringLiteral("\"\""));
            m_bytes += '"' + cell.toUtf8() + '"';
        } else {
            m_bytes += cell.toUtf8();
        }
    }
    m_bytes += "\r\n";
}

QList<CsvRow> readCsv(const QByteArray& bytes) {
    const QString text = decodeText(bytes);
    QList<CsvRow> rows;
    int line = 1;
    qsizetype at = 0;
    while (at < text.size()) {
        CsvRow row{line, {}, {}};
        row.cells.append(unguarded(readCell(text, at, line, row.fault)));
        while (at < text.size() && text[at] == u',') {
            ++at;
            row.cells.append(unguarded(readCell(text, at, line, row.fault)));
        }
        if (at < text.size() && text[at] == u'\r')
            ++at;
        if (at < text.size() && text[at] == u'\n')
            ++at;
        ++line;
        const bool blank = row.cells.size() == 1 && row.cells[0].trimmed().isEmpty() && row.fault.isEmpty();
        if (!blank)
            rows.append(row);
    }
    return rows;
}
