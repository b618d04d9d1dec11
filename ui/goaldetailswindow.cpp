// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/goaldetailswindow.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/onicewindow.h"

namespace {

QString periodName(const QString& period) {
    if (period == QLatin1String("1"))
        return GoalDetailsWindow::tr("1st");
    if (period == QLatin1String("2"))
        return GoalDetailsWindow::tr("2nd");
    if (period == QLatin1String("3"))
        return GoalDetailsWindow::tr("3rd");
    return period;
}

// The players to pick from, after the choice of nobody; a player the roster no longer has
// stays listed while the goal names him.
void fillPlayers(QComboBox* combo, const QString& nobody, const QList<RosterEntry>& players,
                 const ScoreSheet& sheet, const GoalRow& goal, int picked) {
    combo->clear();
    combo->addItem(nobody, kNobody);
    for (const RosterEntry& player : players)
        combo->addItem(sheet.playerLabel(goal.team, player.number), player.number);
    if (combo->findData(picked) < 0)
        combo->addItem(sheet.playerLabel(goal.team, picked), picked);
    combo->setCurrentIndex(combo->findData(picked));
}

// The skaters on the ice at the goal first, as the sheet noted them for plus/minus, then the
// rest of the roster by number. A power-play goal notes nobody: those on the ice now.
QList<RosterEntry> scorerChoices(const ScoreSheet& sheet, const PenaltyBox& box, const GoalRow& goal) {
    const std::optional<Roster>& roster = sheet.team(goal.team).roster;
    if (goal.plus.isEmpty() || !roster)
        return sheet.onIceFirst(goal.team, box);
    QList<RosterEntry> onIce, rest;
    for (const int number : goal.plus) {
        if (const RosterEntry* player = roster->player(number))
            onIce.append(*player);
    }
    for (const RosterEntry& player : roster->players) {
        if (!goal.plus.contains(player.number))
            rest.append(player);
    }
    std::sort(rest.begin(), rest.end(),
              [](const RosterEntry& a, const RosterEntry& b) { return a.number < b.number; });
    return onIce + rest;
}

}  // namespace

GoalDetailsWindow::GoalDetailsWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("GoalDetailsWindow"));
    setWindowTitle(tr("Goal Details"));

    auto* form = new QFormLayout;
    m_goal = addPlayerRow(form, tr("&Goal:"), "goalDetailsGoal");
    m_type = new QLabel;
    m_type->setObjectName(QStringLiteral("goalDetailsType"));
    form->addRow(tr("Type:"), m_type);
    m_scorer = addPlayerRow(form, tr("&Scorer:"), "goalDetailsScorer");
    m_assist1 = addPlayerRow(form, tr("&First assist:"), "goalDetailsAssist1");
    m_assist2 = addPlayerRow(form, tr("S&econd assist:"), "goalDetailsAssist2");
    m_note = new QLabel;
    m_note->setObjectName(QStringLiteral("goalDetailsNote"));
    m_note->setWordWrap(true);

    m_ok = new QPushButton(tr("OK"));
    m_ok->setObjectName(QStringLiteral("goalDetailsOk"));
    m_ok->setDefault(true);
    m_apply = new QPushButton(tr("&Apply"));
    m_apply->setObjectName(QStringLiteral("goalDetailsApply"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_apply);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_note);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(m_goal, &QComboBox::currentIndexChanged, this, &GoalDetailsWindow::showGoal);
    connect(m_apply, &QPushButton::clicked, this, &GoalDetailsWindow::apply);
    connect(m_ok, &QPushButton::clicked, this, [this] {
        apply();
        close();
    });
    display(ScoreSheet(), PenaltyBox(), {}, {});
}

void GoalDetailsWindow::display(const ScoreSheet& sheet, const PenaltyBox& box, const QString& awayName,
                                const QString& homeName) {
    m_sheet = sheet;
    m_box = box;
    m_awayName = awayName;
    m_homeName = homeName;
    listGoals();
}

void GoalDetailsWindow::showLastGoal() {
    if (m_goal->count() > 0)
        m_goal->setCurrentIndex(m_goal->count() - 1);
    m_scorer->setFocus();
}

void GoalDetailsWindow::listGoals() {
    const std::optional<int> chosen = chosenGoal();
    {
        const QSignalBlocker blocker(m_goal);
        m_goal->clear();
        for (const GoalRow& goal : m_sheet.goals()) {
            m_goal->addItem(
                tr("%1. %2 %3 %4")
                    .arg(goal.id)
                    .arg(periodName(goal.period), goal.clock,
                         shownTeamName(goal.team == Team::Away ? m_awayName : m_homeName, goal.team)),
                goal.id);
        }
        const int keep = chosen ? m_goal->findData(*chosen) : -1;
        m_goal->setCurrentIndex(keep >= 0 ? keep : m_goal->count() - 1);
    }
    showGoal();
}

void GoalDetailsWindow::showGoal() {
    const std::optional<int> id = chosenGoal();
    const GoalRow* goal = id ? m_sheet.goal(*id) : nullptr;
    const bool hasRoster = goal && m_sheet.team(goal->team).roster.has_value();
    for (QWidget* widget : {static_cast<QWidget*>(m_goal), static_cast<QWidget*>(m_ok)})
        widget->setEnabled(goal != nullptr);
    for (QWidget* widget : {static_cast<QWidget*>(m_scorer), static_cast<QWidget*>(m_assist1),
                            static_cast<QWidget*>(m_assist2), static_cast<QWidget*>(m_apply)})
        widget->setEnabled(hasRoster);
    m_note->setText(!goal       ? tr("No goal has been scored in this game yet.")
                    : hasRoster ? QString()
                                : tr("This team plays without a roster: there is nobody to name."));
    m_note->setVisible(!m_note->text().isEmpty());
    if (!goal) {
        m_shownGoal.reset();
        m_type->clear();
        for (QComboBox* combo : {m_scorer, m_assist1, m_assist2})
            combo->clear();
        return;
    }
    m_type->setText(goalTypeCode(goal->strength, goal->emptyNet));
    const QList<RosterEntry> players = scorerChoices(m_sheet, m_box, *goal);
    // A pick the player is making is not undone by a step elsewhere in the game.
    if (m_shownGoal == *goal && m_shownPlayers == players)
        return;
    m_shownGoal = *goal;
    m_shownPlayers = players;
    fillPlayers(m_scorer, tr("Unknown"), players, m_sheet, *goal, goal->scorer);
    fillPlayers(m_assist1, tr("None"), players, m_sheet, *goal, goal->assists.value(0, kNobody));
    fillPlayers(m_assist2, tr("None"), players, m_sheet, *goal, goal->assists.value(1, kNobody));
}

void GoalDetailsWindow::apply() {
    const std::optional<int> id = chosenGoal();
    const GoalRow* goal = id ? m_sheet.goal(*id) : nullptr;
    if (!goal || !m_sheet.team(goal->team).roster)
        return;
    const int scorer = m_scorer->currentData().toInt();
    QList<int> assists;
    for (const QComboBox* combo : {m_assist1, m_assist2}) {
        if (const int assist = combo->currentData().toInt(); assist != kNobody)
            assists.append(assist);
    }
    // Nothing changed is no step to undo.
    if (scorer == goal->scorer && assists == goal->assists)
        return;
    emit goalEdited(*id, scorer, assists);
}

std::optional<int> GoalDetailsWindow::chosenGoal() const {
    if (m_goal->currentIndex() < 0)
        return std::nullopt;
    return m_goal->currentData().toInt();
}
