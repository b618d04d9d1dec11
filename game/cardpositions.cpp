// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/cardpositions.h"

#include <QRegularExpression>

#include "deck/cardrecord.h"

namespace {

std::optional<CardTeam> teamFromWord(const QString& word) {
    static const QList<std::pair<QString, CardTeam>> words = {
        {QStringLiteral("Attack"), CardTeam::Attacking},
        {QStringLiteral("Defence"), CardTeam::Defending},
        {QStringLiteral("Home"), CardTeam::Home},
        {QStringLiteral("Away"), CardTeam::Away}};
    for (const auto& [text, team] : words) {
        if (word.compare(text, Qt::CaseInsensitive) == 0)
            return team;
    }
    return std::nullopt;
}

std::optional<CardPosition> teamAndPosition(const QRegularExpression& pattern, const QString& cell) {
    const QRegularExpressionMatch match = pattern.match(cell.trimmed());
    const std::optional<CardTeam> team = teamFromWord(match.captured(1));
    const std::optional<IcePosition> position = icePositionFromCode(match.captured(2));
    if (!match.hasMatch() || !team || !position)
        return std::nullopt;
    return CardPosition{*team, *position};
}

}  // namespace

QList<IcePosition> assistPositions(const QString& assistCell) {
    static const QRegularExpression separators(QStringLiteral("[\\s+]+"));
    QList<IcePosition> positions;
    for (const QString& word : assistCell.split(separators, Qt::SkipEmptyParts)) {
        if (const std::optional<IcePosition> position = icePositionFromCode(word);
            position && positions.size() < 2)
            positions.append(*position);
    }
    return positions;
}

std::optional<IcePosition> passTarget(const QString& passCell) {
    return icePositionFromCode(passCell);
}

std::optional<CardPosition> loosePuckPosition(const QString& loosePuckCell) {
    static const QRegularExpression pattern(QStringLiteral("^(\\w+)\\s*-\\s*(\\w+)$"));
    return teamAndPosition(pattern, loosePuckCell);
}

std::optional<CardPosition> faceoffWinner(const QString& faceoffCell) {
    static const QRegularExpression pattern(QStringLiteral("^(\\w+)\\s+(\\w+)\\s+wins$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return teamAndPosition(pattern, faceoffCell);
}

QList<NamedPosition> positionsOnShow(const CardRecord& upper, const CardRecord& lower) {
    QList<NamedPosition> named;
    const auto pass = [&named](Control field, const QString& cell) {
        if (const std::optional<IcePosition> position = passTarget(cell))
            named.append({field, {CardTeam::Attacking, *position}});
    };
    pass(Control::PassTo1, upper.passTo1);
    pass(Control::PassTo3, upper.passTo3);
    if (const std::optional<CardPosition> loose = loosePuckPosition(upper.loosePuck))
        named.append({Control::LoosePuck, *loose});
    pass(Control::PassTo2, lower.passTo2);
    if (const std::optional<CardPosition> winner = faceoffWinner(lower.faceoff))
        named.append({Control::Faceoff, *winner});
    for (const IcePosition position : assistPositions(lower.assists))
        named.append({Control::Assists, {CardTeam::Attacking, position}});
    return named;
}

QList<RosterEntry> assistsFor(const QString& assistCell, const Roster& scoringTeam, const LinesOnIce& onIce,
                              const QList<int>& inBox, int scorer) {
    QList<RosterEntry> assists;
    for (const IcePosition position : assistPositions(assistCell)) {
        const std::optional<RosterEntry> player = playerOnIce(scoringTeam, onIce, position, inBox);
        if (player && player->number != scorer)
            assists.append(*player);
    }
    return assists;
}
