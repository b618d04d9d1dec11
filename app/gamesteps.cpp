// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The controller's commands beyond the window's own: the penalty box, Undo and Redo, typing
// finished, and the log's export.
#include "app/gamecontroller.h"

#include "io/filereplace.h"

void GameController::finishTyping() {
    m_steps.finishTyping();
}

void GameController::logPenalties(const QList<Penalty>& penalties, LogEvent event) {
    for (const Penalty& penalty : penalties) {
        m_steps.log(event, LogText::penalty(penalty));
        // The first minor of a double minor ended: the player stays in the box for the second.
        if (event != LogEvent::FirstMinorEndedByGoal)
            m_sheet.penaltyEnded(penalty.id, m_fields.text(Control::Period), m_fields.text(Control::Clock));
    }
}

void GameController::addPenalty(Team team, const QString& player, PenaltyKind kind, const QString& infraction,
                                int number) {
    if (kind == PenaltyKind::PenaltyShot) {
        m_steps.begin(Command::PenaltyShot);
        Penalty shot;
        shot.team = team;
        shot.player = player;
        shot.number = number;
        shot.kind = kind;
        shot.infraction = infraction;
        m_sheet.addPenalty(shot, m_fields.text(Control::Period), m_fields.text(Control::Clock));
        m_steps.log(LogText::penaltyShot(team, player, infraction));
        m_steps.finish();
        return;
    }
    m_steps.begin(Command::AddPenalty);
    const int id = m_penalties.add(team, player, kind, infraction, number);
    if (const std::optional<Penalty> added = m_penalties.find(id)) {
        m_sheet.addPenalty(*added, m_fields.text(Control::Period), m_fields.text(Control::Clock));
        m_steps.log(LogText::penalty(*added));
    }
    m_steps.finish();
}

void GameController::removePenalty(int id) {
    const std::optional<Penalty> penalty = m_penalties.find(id);
    if (!penalty)
        return;
    m_steps.begin(Command::RemovePenalty);
    m_penalties.remove(id);
    m_sheet.removePenalty(id);
    m_steps.log(LogText::penalty(*penalty));
    m_steps.finish();
}

void GameController::undo() {
    m_steps.undo();
}

void GameController::redo() {
    m_steps.redo();
}

void GameController::exportLog() {
    const std::optional<QString> chosen = m_services.dialogs.saveFile(tr("CSV (*.csv)"), m_saveFolder.path());
    if (!chosen || chosen->isEmpty())
        return;
    exportLogTo(*chosen);
}

void GameController::exportLogTo(const QString& path) {
    if (const std::optional<QString> failure = replaceFile(path, m_log.toCsv())) {
        m_services.dialogs.message(
            tr("The game log could not be exported to %1.\n%2\nAny earlier file there is unchanged.")
                .arg(path, *failure),
            MessageButtons::Ok);
        return;
    }
    m_services.dialogs.message(tr("The game log was exported to %1").arg(path), MessageButtons::Ok);
}

void GameController::takeUpRosters() {
    for (const Team team : {Team::Away, Team::Home}) {
        const QString typed = m_fields.text(team == Team::Away ? Control::AwayName : Control::HomeName, 1);
        m_sheet.setRoster(team, m_rosterSource ? m_rosterSource(typed) : std::nullopt);
    }
}

void GameController::updateRosters() {
    const ScoreSheet before = m_sheet;
    takeUpRosters();
    if (m_sheet == before)
        return;
    const ScoreSheet updated = m_sheet;
    m_sheet = before;
    m_steps.begin(Command::UpdateRosters);
    m_sheet = updated;
    m_steps.log();
    m_steps.finish();
}

namespace {

QString linesText(const ScoreSheet& sheet, Team team) {
    const LinesOnIce& onIce = sheet.team(team).onIce;
    return GameController::tr("%1: forward line %2, defence pair %3")
        .arg(teamLabel(team))
        .arg(onIce.forwardLine)
        .arg(onIce.defencePair);
}

}  // namespace

void GameController::nextLines() {
    m_steps.begin(Command::NextLines);
    m_sheet.nextLines();
    m_steps.log(linesText(m_sheet, Team::Away) + QStringLiteral("; ") + linesText(m_sheet, Team::Home));
    m_steps.finish();
}

void GameController::pickLines(Team team, LinesOnIce onIce) {
    m_steps.begin(Command::PickLines);
    m_sheet.setLines(team, onIce);
    m_steps.log(linesText(m_sheet, team));
    m_steps.finish();
}

void GameController::changeGoalie(Team team, int goalie) {
    m_steps.begin(Command::ChangeGoalie);
    m_sheet.setGoalie(team, goalie, m_fields.text(Control::Period), m_fields.text(Control::Clock));
    m_steps.log(goalie == kNobody
                    ? tr("%1 net empty, extra attacker").arg(teamLabel(team))
                    : tr("%1 goalie %2").arg(teamLabel(team), m_sheet.playerLabel(team, goalie)));
    m_steps.finish();
}

void GameController::editGoal(int goalId, int scorer, const QList<int>& assists) {
    if (!m_sheet.goal(goalId))
        return;
    m_steps.begin(Command::EditGoal);
    m_sheet.editGoal(goalId, scorer, assists);
    const GoalRow& goal = *m_sheet.goal(goalId);
    m_steps.log(tr("%1 goal %2 (%3 %4): %5")
                    .arg(teamLabel(goal.team))
                    .arg(goalId)
                    .arg(goal.period, goal.clock, m_sheet.goalText(goal)));
    m_steps.finish();
}

void GameController::pickStars(const std::array<std::optional<StarPick>, 3>& picks) {
    m_steps.begin(Command::ThreeStars);
    m_sheet.setStarPicks(picks);
    QStringList named;
    for (const std::optional<StarPick>& pick : picks)
        named.append(pick ? m_sheet.playerLabel(pick->team, pick->number) : tr("as proposed"));
    m_steps.log(named.join(QStringLiteral(", ")));
    m_steps.finish();
}
