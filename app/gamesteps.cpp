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
    for (const Penalty& penalty : penalties)
        m_steps.log(event, LogText::penalty(penalty));
}

void GameController::addPenalty(Team team, const QString& player, PenaltyKind kind,
                                const QString& infraction) {
    if (kind == PenaltyKind::PenaltyShot) {
        m_steps.begin(Command::PenaltyShot);
        m_steps.log(LogText::penaltyShot(team, player, infraction));
        m_steps.finish();
        return;
    }
    m_steps.begin(Command::AddPenalty);
    const int id = m_penalties.add(team, player, kind, infraction);
    if (const std::optional<Penalty> added = m_penalties.find(id))
        m_steps.log(LogText::penalty(*added));
    m_steps.finish();
}

void GameController::removePenalty(int id) {
    const std::optional<Penalty> penalty = m_penalties.find(id);
    if (!penalty)
        return;
    m_steps.begin(Command::RemovePenalty);
    m_penalties.remove(id);
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
