// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fullgamesheet.h"

#include <algorithm>

#include "core/fieldmodel.h"
#include "game/scoreboard.h"

namespace {

Roster teamOf(const QString& name, const QString& shortName, const QStringList& surnames) {
    Roster roster{name, shortName, {}, {}};
    const IcePosition forwardPlaces[] = {IcePosition::LW, IcePosition::C, IcePosition::RW};
    const Position forwardPositions[] = {Position::LW, Position::C, Position::RW};
    int next = 0;
    const auto add = [&](int number, Position position, LinePlace place) {
        roster.players.append({number, surnames.at(next++), position});
        roster.lines.setPlayer(place, number);
    };
    for (int line = 1; line <= Lines::kForwardLines; ++line) {
        for (int place = 0; place < 3; ++place)
            add(10 + line * 3 + place, forwardPositions[place], {line, forwardPlaces[place]});
    }
    for (int pair = 1; pair <= Lines::kDefencePairs; ++pair) {
        add(pair * 2, Position::D, {pair, IcePosition::LD});
        add(pair * 2 + 1, Position::D, {pair, IcePosition::RD});
    }
    add(30, Position::G, {1, IcePosition::G});
    add(31, Position::G, {2, IcePosition::G});
    return roster;
}

const QStringList kBears = {QStringLiteral("Aalto"),    QStringLiteral("Brandt"), QStringLiteral("Castell"),
                            QStringLiteral("Dufresne"), QStringLiteral("Eklund"), QStringLiteral("Fenwick"),
                            QStringLiteral("Gallant"),  QStringLiteral("Hartig"), QStringLiteral("Ilves"),
                            QStringLiteral("Jarvis"),   QStringLiteral("Kovar"),  QStringLiteral("Lindqvist"),
                            QStringLiteral("Moreau"),   QStringLiteral("Novak"),  QStringLiteral("Okafor"),
                            QStringLiteral("Pruitt"),   QStringLiteral("Quist"),  QStringLiteral("Rask"),
                            QStringLiteral("Sundin"),   QStringLiteral("Tamm")};
const QStringList kOwls = {
    QStringLiteral("Ubeda"), QStringLiteral("Vance"),  QStringLiteral("Walsh"),  QStringLiteral("Xiong"),
    QStringLiteral("Yates"), QStringLiteral("Zeller"), QStringLiteral("Abbott"), QStringLiteral("Bergeron"),
    QStringLiteral("Cole"),  QStringLiteral("Duval"),  QStringLiteral("Engel"),  QStringLiteral("Forsberg"),
    QStringLiteral("Grant"), QStringLiteral("Holm"),   QStringLiteral("Ivanov"), QStringLiteral("Jones"),
    QStringLiteral("Kerr"),  QStringLiteral("Lund"),   QStringLiteral("Marsh"),  QStringLiteral("Nye")};

const QString kInfractions[] = {QStringLiteral("Tripping"), QStringLiteral("Hooking"),
                                QStringLiteral("Slashing"), QStringLiteral("Interference"),
                                QStringLiteral("Holding")};

}  // namespace

SheetContent fullGameSheet() {
    FieldModel fields;
    Scoreboard::followChanges(fields);
    ScoreSheet sheet;
    sheet.setRoster(Team::Away, teamOf(QStringLiteral("Bears"), QStringLiteral("BRS"), kBears));
    sheet.setRoster(Team::Home, teamOf(QStringLiteral("Owls"), QStringLiteral("OWL"), kOwls));
    const PenaltyBox even;
    int penaltyId = 0;
    for (int minute = 0; minute < 60; ++minute) {
        const QString period = QString::number(minute / 20 + 1);
        const QString clock = QStringLiteral("%1:00").arg(19 - minute % 20);
        fields.setText(Control::Period, period);
        const Team shooting = minute % 2 == 0 ? Team::Away : Team::Home;
        if (minute % 5 == 0)
            sheet.nextLines();
        sheet.addShot(shooting, period);
        Scoreboard::addOne(fields, shooting, Scoreboard::Tally::Shots);
        if (minute % 6 == 3) {
            const Team scoring = (minute / 6) % 5 < 3 ? Team::Away : Team::Home;  // 6 to 4
            const int id = sheet.addGoal(scoring, period, clock, even, QStringLiteral("LW + C"));
            const QList<int> assists = sheet.goal(id)->assists;  // LW and C; a copy, which editGoal keeps
            const int scorer = assists.isEmpty() ? kNobody : assists.first() + 2;  // the RW
            sheet.editGoal(id, scorer, assists);
            Scoreboard::addOne(fields, scoring, Scoreboard::Tally::Goals);
        }
        if (minute % 3 == 1) {
            const Team penalised = minute % 2 == 0 ? Team::Home : Team::Away;
            const int number = 13 + (minute % 12);
            Penalty penalty;
            penalty.id = ++penaltyId;
            penalty.team = penalised;
            penalty.number = number;
            penalty.player = sheet.playerLabel(penalised, number);
            penalty.kind = minute == 31 ? PenaltyKind::Major : PenaltyKind::Minor;
            penalty.infraction = kInfractions[minute % 5];
            sheet.addPenalty(penalty, period, clock);
            sheet.penaltyEnded(penalty.id, period,
                               QStringLiteral("%1:00").arg(std::max(0, 17 - minute % 20)));
        }
        if (minute == 40)
            sheet.setGoalie(Team::Home, 31, period, clock);
    }
    return {QString(),
            QStringLiteral("2026-03-14"),
            QStringLiteral("Bears"),
            QStringLiteral("Owls"),
            sheet,
            SheetStats::countsOf(fields, Team::Away),
            SheetStats::countsOf(fields, Team::Home)};
}
