// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "leaguegame.h"

#include "game/newgame.h"
#include "game/scoreboard.h"

PlayedGame::PlayedGame(const CardTable& cards, unsigned seed, const QString& away, const QString& home)
    : m_engine(seed), m_deck(cards, m_fields, m_chance), m_clock(m_fields, [] {}) {
    Scoreboard::followChanges(m_fields);
    m_deck.shuffle();
    startNewGame(m_fields);
    m_fields.setText(Control::AwayName, 1, away);
    m_fields.setText(Control::HomeName, 1, home);
}

bool PlayedGame::over() const {
    return m_fields.text(Control::Period) == QLatin1String("3") && !m_clock.isRunning();
}

QList<LogEntry> PlayedGame::step() {
    GameLog log;
    const double roll = m_chance.next();
    const Team team = m_chance.next() < 0.5 ? Team::Away : Team::Home;
    if (!m_clock.isRunning()) {
        m_clock.nextPeriod();
        log.add(m_fields, Command::NextPeriod);
    } else if (roll < 0.25) {
        Scoreboard::addOne(m_fields, team, Scoreboard::Tally::Shots);
        log.add(m_fields, team == Team::Away ? Command::AwayShot : Command::HomeShot,
                LogText::shots(m_fields));
    } else if (roll < 0.28) {
        Scoreboard::addOne(m_fields, team, Scoreboard::Tally::Goals);
        log.add(m_fields, team == Team::Away ? Command::AwayGoal : Command::HomeGoal,
                LogText::goals(m_fields));
        if (const std::optional<Penalty> ended = m_penalties.goalScored(team))
            log.add(m_fields, LogEvent::PenaltyEndedByGoal, LogText::penalty(*ended));
    } else if (roll < 0.30) {
        const int id = m_penalties.add(team, QStringLiteral("Player %1").arg(m_engine() % 30 + 1),
                                       roll < 0.295 ? PenaltyKind::Minor : PenaltyKind::Major);
        log.add(m_fields, Command::AddPenalty, LogText::penalty(*m_penalties.find(id)));
    } else {
        m_deck.flip();
        m_clock.runFlip();
        log.add(m_fields, Command::TimedFlip, LogText::cards(m_fields));
        if (!m_clock.isRunning())
            log.add(m_fields, LogEvent::PeriodEnd);
        else if (m_fields.isVisible(Control::ChangeLines))
            log.add(m_fields, LogEvent::ChangeLines);
        for (const Penalty& p : m_penalties.elapse(GameClock::kSecondsPerFlip))
            log.add(m_fields, LogEvent::PenaltyExpired, LogText::penalty(p));
    }
    return log.entries();
}

GameBoard PlayedGame::board() const {
    int next = 1;
    for (const Penalty& p : m_penalties.penalties())
        next = std::max(next, p.id + 1);
    return {m_fields.snapshot(), m_deck.state(), m_penalties.penalties(), next, {}};
}
