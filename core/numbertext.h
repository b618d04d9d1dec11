// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

// Numbers held as text. Every rule that reads a field as a number, or writes a number
// back, goes through these functions.

// The leading decimal number of the text: "12abc" is 12, "-10" is -10, "2.5" is 2.5;
// an empty or non-numeric text is 0, and so is a value beyond the range of a double.
double readNumber(const QString& text);

// The number when the whole text is one, blanks around it aside: "540", " 2.5 ", "1e3"; an
// empty or blank text is 0, as above. Nothing when anything else stands in the text ("12abc",
// "inf", "nan", "9:00") or the value is beyond the range of a double.
std::optional<double> readWholeNumber(const QString& text);

// The shortest decimal text of the value, at most 15 significant digits, no leading
// blank, no thousands separator, no trailing zeros: 3, 1180, 2.5, -10.
QString numberText(double value);
