// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "io/csv.h"

#include <QRegularExpression>

namespace {

bool startsLikeAFormula(const QString& cell) {
    static const QRegularExpression plainNumber(QStringLiteral("^[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)$"));
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    return !cell.isEmpty() && formulaStarts.contains(cell[0]) && !plainNumber.match(cell).hasMatch();
}

bool needsQuotes(const QString& cell) {
    for (const QChar c : cell) {
        if (c == u',' || c == u'"' || c == u'\r' || c == u'\n')
            return true;
    }
    return false;
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
