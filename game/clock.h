// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

class FieldModel;

// The game clock: every timed flip takes 20 seconds off the period, the line-change prompt
// shows at every even minute, and at 0:00 the horn sounds and the period ends.
// Its state is the window's seconds, clock and period fields, and the visible flags of the
// line-change prompt and the timed flip button.
class GameClock {
public:
    static constexpr double kSecondsPerFlip = 20;

    GameClock(FieldModel& fields, std::function<void()> soundHorn);

    // Whether a timed flip may run: seconds are left in the period.
    bool isRunning() const;
    // The clock's part of a timed flip, after its card is on show: 20 seconds off, the clock
    // redrawn and the prompts of the new time. Returns the seconds of play it ran: 20, or
    // what was left of the period when that was less.
    double runFlip();
    // Shows the prompt on an even minute; at "0:00" also the horn and the end of the period.
    void announceClock();
    // A fresh 20:00 and the period moved on: "1" -> "2" -> "3" -> "OT".
    void nextPeriod();

private:
    FieldModel& m_fields;
    std::function<void()> m_soundHorn;
};
