// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <numeric>
#include <random>

#include "core/fieldmodel.h"
#include "league/gamerecord.h"

// The board a game stands at after its step k: every kind of value a game keeps, and a
// different one at every step, so that a board read back names the step it came from.
inline GameBoard boardAtStep(int k) {
    FieldModel fields;
    fields.setText(Control::AwayName, 1, QStringLiteral("Bears \"B\", Åre"));
    fields.setText(Control::HomeName, 2, QStringLiteral("Lynx\nnewline"));
    fields.setText(Control::HomeTotal, 1, QString::number(k));
    fields.setText(Control::SecondsLeft, QString::number(1200 - 20 * (k % 61)));
    fields.setText(Control::Clock, QStringLiteral("%1:00").arg(k % 20));
    fields.setText(Control::Action, QStringLiteral("Card text of step %1").arg(k));
    fields.setVisible(Control::TimedFlipButton, 0, k % 2 == 0);
    fields.setVisible(Control::ChangeLines, 0, k % 3 == 0);

    GameBoard board;
    board.fields = fields.snapshot();
    std::array<qint16, Deck::kSize> order{};
    std::iota(order.begin(), order.end(), qint16{1});
    std::shuffle(order.begin(), order.end(), std::mt19937(static_cast<unsigned>(k)));
    board.deck.order = order;
    board.deck.position = static_cast<qint16>(1 + k % Deck::kSize);
    board.deck.currentCard = order[static_cast<size_t>(board.deck.position - 1)];
    for (int p = 1; p <= k % 4; ++p) {
        board.penalties.append({p + k, p % 2 ? Team::Away : Team::Home, QStringLiteral("Player %1").arg(p),
                                p == 3 ? PenaltyKind::DoubleMinor : PenaltyKind::Minor, 120 - k % 7 - 0.25,
                                p < 3, QStringLiteral("Hooking"), p == 2, false, p == 1});
    }
    board.nextPenaltyNumber = k + 4;
    if (k % 2 == 0)
        return board;
    Roster bears{
        QStringLiteral("Bears"),
        QStringLiteral("BEA"),
        {{9, QStringLiteral("Åsa Berg"), Position::C}, {31, QStringLiteral("Kim \"Wall\""), Position::G}},
        {}};
    bears.lines.setPlayer({1, IcePosition::C}, 9);
    bears.lines.setPlayer({1, IcePosition::G}, 31);
    ScoreSheet::Parts sheet;
    sheet.teams[0] = {bears, {1, 1, 1}, 31, k % 3 == 0};
    sheet.goals = {{1,
                    QStringLiteral("1"),
                    QStringLiteral("12:40"),
                    Team::Away,
                    GoalStrength::ShortHanded,
                    true,
                    9,
                    {},
                    {9},
                    {},
                    kNobody}};
    sheet.penalties = {{k, QStringLiteral("2"), QStringLiteral("03:00"), Team::Away, 9,
                        QStringLiteral("9 Åsa Berg"), PenaltyKind::DoubleMinor,
                        QStringLiteral("High-sticking"), QStringLiteral("2"), QStringLiteral("01:00")}};
    sheet.goalieChanges = {{QStringLiteral("3"), QStringLiteral("01:00"), Team::Away, kNobody}};
    sheet.shotsFaced = {{Team::Away, QStringLiteral("1"), 31, k}};
    sheet.stars = {StarPick{Team::Away, 9}, std::nullopt, StarPick{Team::Home, kNobody}};
    board.sheet = ScoreSheet::kept(sheet);
    return board;
}

inline LogEntry entryAtStep(int k) {
    return {QStringLiteral("2"), QStringLiteral("%1:00").arg(k % 20),
            k % 2 ? LogEntry::Event{Command::TimedFlip} : LogEntry::Event{Command::HomeShot},
            QStringLiteral("Step %1").arg(k)};
}
