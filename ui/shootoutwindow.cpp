// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/shootoutwindow.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/onicewindow.h"

namespace {

Team otherTeam(Team team) {
    return team == Team::Away ? Team::Home : Team::Away;
}

// The team's skaters, or its goalies, by number with `first` first; nobody when the team has
// no roster or no such player.
void fillPlayers(QComboBox* combo, const ScoreSheet& sheet, Team team, bool goalies, int first) {
    const QSignalBlocker blocker(combo);
    combo->clear();
    const std::optional<Roster>& roster = sheet.team(team).roster;
    QList<RosterEntry> players;
    if (roster) {
        for (const RosterEntry& player : roster->players) {
            if ((player.position == Position::G) == goalies)
                players.append(player);
        }
    }
    std::sort(players.begin(), players.end(), [first](const RosterEntry& a, const RosterEntry& b) {
        return (a.number == first) != (b.number == first) ? a.number == first : a.number < b.number;
    });
    if (players.isEmpty())
        combo->addItem(ShootoutWindow::tr("(none)"), kNobody);
    for (const RosterEntry& player : players)
        combo->addItem(sheet.playerLabel(team, player.number), player.number);
    combo->setCurrentIndex(0);
}

// The skater to shoot next: of those who have shot least in this shoot-out, the first in the
// team's lines (forwards before defence), then by number. No skater shoots twice before every
// other has shot once.
int nextShooter(const ScoreSheet& sheet, Team team) {
    const std::optional<Roster>& roster = sheet.team(team).roster;
    if (!roster)
        return kNobody;
    QList<int> order;
    const auto consider = [&order, &roster](int number) {
        const RosterEntry* player = roster->player(number);
        if (player && player->position != Position::G && !order.contains(number))
            order.append(number);
    };
    for (const LinePlace& place : Lines::places())
        consider(roster->lines.player(place));
    QList<RosterEntry> byNumber = roster->players;
    std::sort(byNumber.begin(), byNumber.end(),
              [](const RosterEntry& a, const RosterEntry& b) { return a.number < b.number; });
    for (const RosterEntry& player : byNumber)
        consider(player.number);
    const auto shots = [&sheet, team](int number) {
        return std::count_if(
            sheet.shootout().cbegin(), sheet.shootout().cend(),
            [team, number](const ShootoutAttempt& a) { return a.team == team && a.shooter == number; });
    };
    const auto best = std::min_element(order.cbegin(), order.cend(),
                                       [&shots](int a, int b) { return shots(a) < shots(b); });
    return best == order.cend() ? kNobody : *best;
}

}  // namespace

ShootoutWindow::ShootoutWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("ShootoutWindow"));
    setWindowTitle(tr("Shoot-out"));

    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("shootoutStatus"));
    m_status->setWordWrap(true);
    m_attempts = new QTableWidget(0, 5);
    m_attempts->setObjectName(QStringLiteral("shootoutAttempts"));
    m_attempts->setHorizontalHeaderLabels(
        {tr("Round"), tr("Team"), tr("Shooter"), tr("Goalie"), tr("Result")});
    m_attempts->verticalHeader()->hide();
    m_attempts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_attempts->setSelectionMode(QAbstractItemView::NoSelection);
    // Each column as wide as what it holds, the table as wide as its columns, and tall enough
    // for the three rounds and a few more without scrolling.
    m_attempts->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_attempts->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_attempts->setMinimumHeight(m_attempts->horizontalHeader()->sizeHint().height() +
                                 8 * m_attempts->verticalHeader()->defaultSectionSize() +
                                 2 * m_attempts->frameWidth());

    auto* form = new QFormLayout;
    m_team = addPlayerRow(form, tr("&Team:"), "shootoutTeam");
    m_shooter = addPlayerRow(form, tr("&Shooter:"), "shootoutShooter");
    m_goalie = addPlayerRow(form, tr("G&oalie:"), "shootoutGoalie");
    m_card = new QLabel;
    m_card->setObjectName(QStringLiteral("shootoutCard"));
    m_card->setWordWrap(true);
    m_card->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(tr("Card:"), m_card);

    m_goal = new QPushButton(tr("&Goal"));
    m_goal->setObjectName(QStringLiteral("shootoutGoal"));
    m_noGoal = new QPushButton(tr("&No Goal"));
    m_noGoal->setObjectName(QStringLiteral("shootoutNoGoal"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_goal);
    buttons->addWidget(m_noGoal);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addWidget(m_attempts);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(m_team, &QComboBox::currentIndexChanged, this, &ShootoutWindow::fillPickers);
    connect(m_goal, &QPushButton::clicked, this, [this] { take(true); });
    connect(m_noGoal, &QPushButton::clicked, this, [this] { take(false); });
    display(ScoreSheet(), GameOutcome(), {});
}

QString ShootoutWindow::nameOf(Team team) const {
    return shownTeamName(team == Team::Away ? m_board.awayName : m_board.homeName, team);
}

Team ShootoutWindow::chosenTeam() const {
    return m_team->currentData().toInt() == static_cast<int>(Team::Home) ? Team::Home : Team::Away;
}

void ShootoutWindow::display(const ScoreSheet& sheet, const GameOutcome& outcome, const Board& board) {
    m_sheet = sheet;
    m_outcome = outcome;
    m_board = board;
    const QList<ShootoutAttempt>& attempts = sheet.shootout();
    const std::optional<Team> winner = shootoutWinner(attempts);
    if (winner)
        m_status->setText(tr("%1 won the shoot-out.").arg(nameOf(*winner)));
    else if (outcome.shootoutNeeded)
        m_status->setText(
            tr("Overtime ended level: the shoot-out decides. Three rounds, then round by "
               "round until one team scores and the other does not."));
    else if (!sheet.rules().shootout)
        m_status->setText(tr("The league plays no shoot-out (League > Settings)."));
    else
        m_status->setText(tr("A shoot-out follows an overtime that ends level."));
    m_card->setText(board.cardCell.trimmed().isEmpty() ? tr("(nothing)") : board.cardCell.trimmed());

    // The team with fewer attempts shoots next; the one that began when both have as many.
    const auto taken = [&attempts](Team team) {
        return std::count_if(attempts.cbegin(), attempts.cend(),
                             [team](const ShootoutAttempt& a) { return a.team == team; });
    };
    Team next = attempts.isEmpty() ? Team::Away : attempts.constFirst().team;
    if (taken(otherTeam(next)) < taken(next))
        next = otherTeam(next);
    {
        const QSignalBlocker blocker(m_team);
        m_team->clear();
        m_team->addItem(nameOf(Team::Away), static_cast<int>(Team::Away));
        m_team->addItem(nameOf(Team::Home), static_cast<int>(Team::Home));
        m_team->setCurrentIndex(next == Team::Away ? 0 : 1);
    }
    fillPickers();
    listAttempts();
    const bool open = outcome.shootoutNeeded;
    for (QWidget* input : std::initializer_list<QWidget*>{m_team, m_shooter, m_goalie, m_goal, m_noGoal})
        input->setEnabled(open);
}

void ShootoutWindow::fillPickers() {
    const Team team = chosenTeam();
    const SheetTeam& defending = m_sheet.team(otherTeam(team));
    fillPlayers(m_shooter, m_sheet, team, false, nextShooter(m_sheet, team));
    fillPlayers(m_goalie, m_sheet, otherTeam(team), true, defending.goalie);
}

void ShootoutWindow::listAttempts() {
    const QList<ShootoutAttempt>& attempts = m_sheet.shootout();
    m_attempts->setRowCount(static_cast<int>(attempts.size()));
    int rounds[2] = {0, 0};
    for (int row = 0; row < attempts.size(); ++row) {
        const ShootoutAttempt& attempt = attempts[row];
        const int round = ++rounds[attempt.team == Team::Away ? 0 : 1];
        const QStringList cells = {QString::number(round), nameOf(attempt.team),
                                   m_sheet.playerLabel(attempt.team, attempt.shooter),
                                   m_sheet.playerLabel(otherTeam(attempt.team), attempt.goalie),
                                   attempt.scored ? tr("Goal") : tr("No goal")};
        for (int column = 0; column < cells.size(); ++column)
            m_attempts->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    m_attempts->horizontalHeader()->resizeSections(QHeaderView::ResizeToContents);
    m_attempts->setMinimumWidth(m_attempts->horizontalHeader()->length() + 2 * m_attempts->frameWidth() +
                                m_attempts->verticalScrollBar()->sizeHint().width());
}

void ShootoutWindow::take(bool scored) {
    ShootoutAttempt attempt;
    attempt.team = chosenTeam();
    attempt.shooter = m_shooter->currentData().toInt();
    attempt.goalie = m_goalie->currentData().toInt();
    attempt.scored = scored;
    emit attemptTaken(attempt);
}
