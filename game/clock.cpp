#include "game/clock.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "app/fieldmodel.h"
#include "app/numbertext.h"
#include "deck/deck.h"

GameClock::GameClock(FieldModel& fields, Deck& deck, std::function<void()> soundHorn)
    : m_fields(fields), m_deck(deck), m_soundHorn(std::move(soundHorn)) {}

QString GameClock::clockText(double seconds) {
    const double minutes = std::floor(seconds / 60);
    // The clamp keeps a fractional or huge value from an edited saved game to two digits.
    const double rest = std::clamp(seconds - 60 * minutes, 0.0, 59.0);
    return numberText(minutes) + u':' + QStringLiteral("%1").arg(std::llround(rest), 2, 10, QChar(u'0'));
}

void GameClock::timedFlip() {
    if (!(readNumber(m_fields.text(Ctl::txtTimer)) > 0))
        return;

    m_deck.flip();

    // A period never runs below zero: an edited saved game may leave fewer than 20
    // seconds, and the period must still end at 0:00.
    const double left = std::max(0.0, readNumber(m_fields.text(Ctl::txtTimer)) - kSecondsPerFlip);
    m_fields.setText(Ctl::txtTimer, numberText(left));

    const double seconds = readNumber(m_fields.text(Ctl::txtTimer));
    m_fields.setText(Ctl::txtClock, clockText(seconds));
    m_fields.setVisible(Ctl::txtChangeLines, false);
    modeChangeLines();
}

void GameClock::modeChangeLines() {
    static const QStringList evenMinutes = {
        QStringLiteral("18:00"), QStringLiteral("16:00"), QStringLiteral("14:00"),
        QStringLiteral("12:00"), QStringLiteral("10:00"), QStringLiteral("8:00"),
        QStringLiteral("6:00"),  QStringLiteral("4:00"),  QStringLiteral("2:00")};
    const QString clock = m_fields.text(Ctl::txtClock);
    if (evenMinutes.contains(clock)) {
        m_fields.setVisible(Ctl::txtChangeLines, true);
        return;
    }
    if (clock == QStringLiteral("0:00")) {
        m_fields.setVisible(Ctl::txtChangeLines, true);
        m_soundHorn();
        m_fields.setVisible(Ctl::cmdFlip, false);
    }
}

void GameClock::nextPeriod() {
    m_fields.setText(Ctl::txtTimer, QStringLiteral("1200"));
    m_fields.setText(Ctl::txtClock, QStringLiteral("20:00"));
    m_fields.setVisible(Ctl::cmdFlip, true);
    m_fields.setVisible(Ctl::cmdFlip2, true);

    const QString period = m_fields.text(Ctl::txtPeriod);
    if (period == QStringLiteral("3")) {
        m_fields.setText(Ctl::txtPeriod, QStringLiteral("OT"));
    } else if (period == QStringLiteral("2")) {
        m_fields.setText(Ctl::txtPeriod, QStringLiteral("3"));
    } else if (period == QStringLiteral("1")) {
        m_fields.setText(Ctl::txtPeriod, QStringLiteral("2"));
    }
}
