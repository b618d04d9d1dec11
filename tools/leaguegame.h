// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <random>

#include "core/fieldmodel.h"
#include "core/services.h"
#include "deck/deck.h"
#include "game/clock.h"
#include "game/gamelog.h"
#include "game/penaltybox.h"
#include "league/gamerecord.h"

// The deck's shuffles drawn from a seeded engine, so that a generated league is the same every
// time.
class Chance : public RandomSource {
public:
    explicit Chance(std::mt19937& engine) : m_engine(engine) {}
    void seedFromClock() override {}
    double next() override { return std::uniform_real_distribution<double>(0, 1)(m_engine); }

private:
    std::mt19937& m_engine;
};

// A game played by chance on the real rules, a command at a time, for filling a league and
// for timing its steps: timed flips, shots and goals, penalties and the periods, with the
// log entries each command leaves.
class PlayedGame {
public:
    PlayedGame(const CardTable& cards, unsigned seed, const QString& away, const QString& home);

    // The next command; the entries it added to the log.
    QList<LogEntry> step();
    // The third period is over.
    bool over() const;
    GameBoard board() const;

private:
    std::mt19937 m_engine;
    Chance m_chance{m_engine};
    FieldModel m_fields;
    Deck m_deck;
    GameClock m_clock;
    PenaltyBox m_penalties;
};
