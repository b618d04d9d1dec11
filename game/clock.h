#pragma once

#include <QString>
#include <functional>

class FieldModel;
class Deck;

// The game clock: a period of 1200 seconds, 20 taken off by every timed flip, the
// line-change prompt at every even minute, the horn at 0:00, and the next period.
// Its state is the window's txtTimer, txtClock and txtPeriod, and the visible flags of
// txtChangeLines and cmdFlip.
class GameClock {
public:
    static constexpr double kPeriodSeconds = 1200;
    static constexpr double kSecondsPerFlip = 20;

    GameClock(FieldModel& fields, Deck& deck, std::function<void()> soundHorn);

    // Nothing at all unless seconds are left; otherwise a card, then 20 seconds off.
    void timedFlip();
    // Shows the prompt on an even minute; at "0:00" also the horn and the end of the period.
    void modeChangeLines();
    // A fresh 20:00 and the period moved on: "1" -> "2" -> "3" -> "OT".
    void nextPeriod();

    // Minutes without a leading zero, ":", two-digit seconds: 19:40, 9:00, 0:20.
    static QString clockText(double seconds);

private:
    FieldModel& m_fields;
    Deck& m_deck;
    std::function<void()> m_soundHorn;
};
