// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
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
