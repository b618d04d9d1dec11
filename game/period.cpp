// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/period.h"

#include "core/fieldmodel.h"
#include "core/numbertext.h"

#include <algorithm>
#include <cmath>

namespace Period {

const QStringList& names() {
    static const QStringList periods = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                        QStringLiteral("OT")};
    return periods;
}

int columnOf(const QString& period) {
    return static_cast<int>(names().indexOf(period));
}

QString next(const QString& period) {
    const int column = columnOf(period);
    if (column < 0 || column + 1 >= names().size())
        return period;
    return names()[column + 1];
}

QString clockText(double seconds) {
    const double minutes = std::floor(seconds / 60);
    // The clamp keeps a fractional or huge value from an edited saved game to two digits.
    const double rest = std::clamp(seconds - 60 * minutes, 0.0, 59.0);
    return numberText(minutes) + u':' + QStringLiteral("%1").arg(std::llround(rest), 2, 10, QChar(u'0'));
}

void startClock(FieldModel& fields) {
    fields.setText(Control::SecondsLeft, numberText(kSeconds));
    fields.setText(Control::Clock, clockText(kSeconds));
}

void startFirst(FieldModel& fields) {
    startClock(fields);
    fields.setText(Control::Period, names().first());
}

}  // namespace Period
