// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The controller's part in the end of a game: the league's rules, End Game, the shoot-out and
// the log's word that the game is final.
#include "app/gamecontroller.h"

#include <algorithm>

void GameController::setLeagueRules(const OvertimeRules& rules) {
    m_leagueRules = rules;
    const History& history = m_steps.history();
    if (history.canUndo() || history.canRedo() || m_sheet.rules() == rules)
        return;
    m_sheet.setRules(rules);
    // The game has taken no step: it begins again under these rules.
    m_steps.start(Command::NewGame);
}

void GameController::takeUpOvertimeStrength() {
    const bool overtime = m_fields.text(Control::Period) == QLatin1String("OT");
    m_penalties.setEvenStrength(overtime ? m_sheet.rules().skaters : PenaltyBox::kFullStrength);
}

void GameController::logVerdict(const BoardState& before) {
    if (before.gameId != m_log.game() || verdictOf(before.fields, before.sheet).final)
        return;
    const GameOutcome now = outcome();
    if (now.final)
        m_steps.log(LogEvent::Final, verdictText(now, m_fields.snapshot()));
}

void GameController::endGame() {
    const GameOutcome now = outcome();
    if (now.final) {
        m_services.dialogs.message(tr("The league already counts this game as final."), MessageButtons::Ok);
        return;
    }
    const QString question =
        tr("End this game now? The league will count it as final whatever the score.\n%1.\n"
           "Undo takes it back.")
            .arg(LogText::goals(m_fields));
    if (m_services.dialogs.message(question, MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    m_steps.begin(Command::EndGame);
    m_sheet.endByHand();
    m_steps.log(LogText::goals(m_fields));
    m_steps.finish();
}

void GameController::shootoutAttempt(const ShootoutAttempt& attempt) {
    if (!outcome().shootoutNeeded)
        return;
    m_steps.begin(Command::ShootoutAttempt);
    m_sheet.addShootoutAttempt(attempt);
    const auto round = std::count_if(m_sheet.shootout().cbegin(), m_sheet.shootout().cend(),
                                     [&attempt](const ShootoutAttempt& a) { return a.team == attempt.team; });
    const Team other = attempt.team == Team::Away ? Team::Home : Team::Away;
    QStringList parts;
    if (attempt.shooter != kNobody)
        parts.append(m_sheet.playerLabel(attempt.team, attempt.shooter));
    if (attempt.goalie != kNobody)
        parts.append(tr("against %1").arg(m_sheet.playerLabel(other, attempt.goalie)));
    const QString result = attempt.scored ? tr("goal") : tr("no goal");
    m_steps.log(tr("Round %1, %2: %3")
                    .arg(round)
                    .arg(teamLabel(attempt.team),
                         parts.isEmpty() ? result : parts.join(u' ') + QStringLiteral(", ") + result));
    m_steps.finish();
}
