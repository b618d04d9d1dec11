// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/clock.h"

#include <QStringList>
#include <algorithm>

#include "core/fieldmodel.h"
#include "core/numbertext.h"
#include "game/period.h"

GameClock::GameClock(FieldModel& fields, std::function<void()> soundHorn)
    : m_fields(fields), m_soundHorn(std::move(soundHorn)) {}

bool GameClock::isRunning() const {
    return readNumber(m_fields.text(Control::SecondsLeft)) > 0;
}

double GameClock::runFlip() {
    // A period never runs below zero: an edited saved game may leave fewer than 20
    // seconds, and the period must still end at 0:00.
    const double before = readNumber(m_fields.text(Control::SecondsLeft));
    const double left = std::max(0.0, before - kSecondsPerFlip);
    m_fields.setText(Control::SecondsLeft, numberText(left));

    const double seconds = readNumber(m_fields.text(Control::SecondsLeft));
    m_fields.setText(Control::Clock, Period::clockText(seconds));
    m_fields.setVisible(Control::ChangeLines, false);
    announceClock();
    return std::clamp(before, 0.0, kSecondsPerFlip);
}

void GameClock::announceClock() {
    static const QStringList evenMinutes = {
        QStringLiteral("18:00"), QStringLiteral("16:00"), QStringLiteral("14:00"),
        QStringLiteral("12:00"), QStringLiteral("10:00"), QStringLiteral("8:00"),
        QStringLiteral("6:00"),  QStringLiteral("4:00"),  QStringLiteral("2:00")};
    const QString clock = m_fields.text(Control::Clock);
    if (evenMinutes.contains(clock)) {
        m_fields.setVisible(Control::ChangeLines, true);
        return;
    }
    if (clock == QStringLiteral("0:00")) {
        m_fields.setVisible(Control::ChangeLines, true);
        m_soundHorn();
        m_fields.setVisible(Control::TimedFlipButton, false);
    }
}

void GameClock::nextPeriod() {
    Period::startClock(m_fields);
    m_fields.setVisible(Control::TimedFlipButton, true);
    m_fields.setVisible(Control::FlipButton, true);
    const QString period = m_fields.text(Control::Period);
    m_fields.setText(Control::Period, Period::next(period));
}
