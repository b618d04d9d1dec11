// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/verdict.h"

#include <QCoreApplication>

#include "core/numbertext.h"

namespace {

const FieldModel::FieldState* fieldOf(const FieldModel::Snapshot& fields, Control ctl, int index) {
    const QList<Member>& members = allMembers();
    for (qsizetype i = 0; i < members.size() && static_cast<size_t>(i) < fields.size(); ++i) {
        if (members[i].ctl == ctl && members[i].index == index)
            return &fields[static_cast<size_t>(i)];
    }
    return nullptr;
}

QString textOf(const FieldModel::Snapshot& fields, Control ctl, int index = 0) {
    const FieldModel::FieldState* field = fieldOf(fields, ctl, index);
    return field ? field->text : QString();
}

int countOf(const FieldModel::Snapshot& fields, Control ctl, int index) {
    return static_cast<int>(readNumber(textOf(fields, ctl, index)));
}

QString nameOf(const FieldModel::Snapshot& fields, Team team) {
    const QString typed = textOf(fields, team == Team::Away ? Control::AwayName : Control::HomeName, 1);
    return typed.trimmed().isEmpty() ? teamLabel(team) : typed.trimmed();
}

}  // namespace

GameOutcome verdictOf(const FieldModel::Snapshot& fields, const ScoreSheet& sheet) {
    Scoreline board;
    board.period = textOf(fields, Control::Period);
    const FieldModel::FieldState* timedFlip = fieldOf(fields, Control::TimedFlipButton, 0);
    board.clockRunning = !timedFlip || timedFlip->visible;
    board.secondsLeft = readNumber(textOf(fields, Control::SecondsLeft));
    board.awayGoals = countOf(fields, Control::AwayTotal, 2);
    board.homeGoals = countOf(fields, Control::HomeTotal, 2);
    board.awayOvertimeGoals = countOf(fields, Control::AwayOvertime, 2);
    board.homeOvertimeGoals = countOf(fields, Control::HomeOvertime, 2);
    board.endedByHand = sheet.endedByHand();
    board.shootoutWinner = shootoutWinner(sheet.shootout());
    return outcomeOf(board, sheet.rules());
}

QString verdictText(const GameOutcome& outcome, const FieldModel::Snapshot& fields) {
    if (!outcome.final)
        return {};
    QString text = QCoreApplication::translate("Verdict", "Final: %1 %2, %3 %4")
                       .arg(nameOf(fields, Team::Away))
                       .arg(outcome.awayGoals)
                       .arg(nameOf(fields, Team::Home))
                       .arg(outcome.homeGoals);
    if (outcome.decided == Decided::Overtime)
        text += QCoreApplication::translate("Verdict", ", OT");
    else if (outcome.decided == Decided::Shootout)
        text += QCoreApplication::translate("Verdict", ", SO");
    return text;
}
