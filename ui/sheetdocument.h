// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QLocale>
#include <QPageSize>
#include <QString>
#include <QTextDocument>
#include <memory>

#include "game/scoresheet.h"
#include "game/sheetstats.h"

// What the game sheet is made from: the header the caller knows (an empty league shows no
// league line; an empty team name shows "Away" or "Home"), the score sheet and the board's
// counts by period.
struct SheetContent {
    QString league;
    QString date;
    QString awayName, homeName;
    ScoreSheet sheet;
    SheetStats::TeamCounts away, home;

    bool operator==(const SheetContent&) const = default;
};

// The sheet as a printed official score sheet lays it out, in bordered tables: the header,
// scoring and shots by period, the goals, the penalties, the goalkeeping, each team's box
// score and the three stars. A full game fills one or two pages.
QString sheetHtml(const SheetContent& content);
std::unique_ptr<QTextDocument> sheetDocument(const SheetContent& content);

// Letter in the United States and Canada, A4 elsewhere.
QPageSize::PageSizeId sheetPageSize(const QLocale& locale);

// The document as a PDF file's bytes, on pages of that size.
QByteArray sheetPdf(const QTextDocument& document, QPageSize::PageSizeId pageSize);
