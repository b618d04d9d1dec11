// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The controller's history, log and penalty box: what every command leaves behind besides
// the board, and the commands that work on them.
#include "app/gamecontroller.h"

#include "io/filereplace.h"

BoardState GameController::board() const {
    return {m_fields.snapshot(), m_deck.state(), m_penalties};
}

void GameController::startHistory() {
    m_history.reset(board());
    m_recording = true;
    stepTaken();
}

void GameController::stepTaken() {
    if (m_stepListener)
        m_stepListener();
}

bool GameController::recordCorrection() {
    if (!m_recording)
        return false;
    const BoardState now = board();
    const FieldModel::Snapshot before = m_history.current().fields;
    if (!m_history.record(tr("Correction"), now))
        return false;
    m_log.add(m_fields, LogEvent::Correction, LogText::correction(before, now.fields));
    return true;
}

void GameController::beginCommand() {
    recordCorrection();
}

void GameController::finishTyping() {
    if (recordCorrection())
        stepTaken();
}

void GameController::logPenalties(const QList<Penalty>& penalties, LogEvent event) {
    for (const Penalty& penalty : penalties)
        m_log.add(m_fields, event, LogText::penalty(penalty));
}

void GameController::finishCommand(Command command, const QString& details) {
    QString name;
    switch (command) {
        case Command::TimedFlip: {
            name = tr("Timed Flip");
            m_log.add(m_fields, LogEvent::TimedFlip, LogText::cards(m_fields));
            if (!m_clock.isRunning())
                m_log.add(m_fields, LogEvent::PeriodEnd);
            else if (m_fields.isVisible(Control::ChangeLines))
                m_log.add(m_fields, LogEvent::ChangeLines);
            logPenalties(m_penalties.elapse(GameClock::kSecondsPerFlip), LogEvent::PenaltyExpired);
            break;
        }
        case Command::Flip:
            name = tr("Flip");
            m_log.add(m_fields, LogEvent::Flip, LogText::cards(m_fields));
            break;
        case Command::NextPeriod:
            name = tr("Next Period");
            m_log.add(m_fields, LogEvent::NextPeriod);
            break;
        case Command::AwayGoal:
        case Command::HomeGoal: {
            const Team team = command == Command::HomeGoal ? Team::Home : Team::Away;
            name = team == Team::Home ? tr("Home Goal") : tr("Away Goal");
            m_log.add(m_fields, team == Team::Home ? LogEvent::HomeGoal : LogEvent::AwayGoal,
                      LogText::goals(m_fields));
            if (const std::optional<Penalty> ended = m_penalties.goalScored(team))
                logPenalties({*ended}, LogEvent::PenaltyEndedByGoal);
            break;
        }
        case Command::AwayShot:
        case Command::HomeShot:
            name = command == Command::HomeShot ? tr("Home Shot") : tr("Away Shot");
            m_log.add(m_fields, command == Command::HomeShot ? LogEvent::HomeShot : LogEvent::AwayShot,
                      LogText::shots(m_fields));
            break;
        case Command::NewGame:
            name = tr("New Game");
            m_penalties.clear();
            m_log.add(m_fields, LogEvent::NewGame, LogText::cards(m_fields));
            break;
        case Command::LoadGame:
            name = tr("Load Game");
            m_penalties.clear();
            m_log.add(m_fields, LogEvent::LoadGame, details);
            break;
    }
    finishStep(name);
}

void GameController::finishStep(const QString& name) {
    if (m_recording)
        m_history.record(name, board());
    stepTaken();
}

void GameController::addPenalty(Team team, const QString& player, PenaltyKind kind) {
    beginCommand();
    const int id = m_penalties.add(team, player, kind);
    if (const std::optional<Penalty> added = m_penalties.find(id))
        m_log.add(m_fields, LogEvent::PenaltyAdded, LogText::penalty(*added));
    finishStep(tr("Add Penalty"));
}

void GameController::removePenalty(int id) {
    const std::optional<Penalty> penalty = m_penalties.find(id);
    if (!penalty)
        return;
    beginCommand();
    m_penalties.remove(id);
    m_log.add(m_fields, LogEvent::PenaltyRemoved, LogText::penalty(*penalty));
    finishStep(tr("Remove Penalty"));
}

void GameController::restore(const BoardState& board) {
    m_fields.restore(board.fields);
    m_deck.restore(board.deck);
    m_penalties = board.penalties;
}

void GameController::undo() {
    recordCorrection();
    if (!m_history.canUndo())
        return;
    const QString name = m_history.undoName();
    restore(m_history.undo());
    m_log.add(m_fields, LogEvent::Undo, name);
    stepTaken();
}

void GameController::redo() {
    // A correction typed after an undo is a step, after which there is nothing to redo.
    if (recordCorrection() || !m_history.canRedo()) {
        stepTaken();
        return;
    }
    const QString name = m_history.redoName();
    restore(m_history.redo());
    m_log.add(m_fields, LogEvent::Redo, name);
    stepTaken();
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
