// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

class FieldModel;

// The periods of a game: "1", "2", "3", then overtime "OT", each 1200 seconds of play that
// start on a clock of "20:00". The one place that knows the sequence and a fresh period.
namespace Period {

inline constexpr double kSeconds = 1200;

// "1", "2", "3", "OT".
const QStringList& names();

// The column of the period on the score sheet (0 to 3), or -1 when the text names no period.
// Names are compared whole and case-sensitively: "ot" and " 1" name none.
int columnOf(const QString& period);

// The period after this one; the same text for "OT" and for a text that names no period.
QString next(const QString& period);

// Minutes without a leading zero, ":", two-digit seconds: 19:40, 9:00, 0:20.
QString clockText(double seconds);

// The seconds and the clock of a period that has not started: "1200" and "20:00".
void startClock(FieldModel& fields);

// The first period of a game: a fresh clock in period "1".
void startFirst(FieldModel& fields);

}  // namespace Period
