// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// Every CSV file the program exports: UTF-8, CR LF after every record, and a cell in double
// quotes when it holds a comma, a quote or a line break, its quotes doubled (RFC 4180).
//
// A spreadsheet takes a cell that begins with "=", "+", "-", "@", a tab or a carriage return
// for a formula and runs it: a period typed as "=HYPERLINK(...)" would become a live link.
// Such a cell is written with a leading apostrophe, which spreadsheets read as "text follows".
// A cell that is a plain number ("-3", "+2", "-0.5") is left as it is, so that it stays a
// number.
class CsvWriter {
public:
    void writeRecord(const QStringList& cells);
    const QByteArray& bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// One record of a CSV file as read: its cells, the line of the file it starts on (the first
// line is 1), and what is wrong with it when it could not be read whole.
struct CsvRow {
    int line = 0;
    QStringList cells;
    QString fault;  // empty when the record was read whole
};

// Reads every CSV file the program imports (RFC 4180): cells in double quotes may hold commas,
// line breaks and doubled quotes; records end with CR LF or LF, the last one also without. The
// bytes are decoded as decodeText() does, so UTF-8 with or without a byte-order mark. A blank
// line is no record. A cell the writer guarded with an apostrophe ("'=1+2") reads back as it
// was before. A quote inside an unquoted cell, text after a closing quote, or a quote left open
// at the end of the file makes that record faulty; the records after it are read as usual.
QList<CsvRow> readCsv(const QByteArray& bytes);
