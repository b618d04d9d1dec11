// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "game/roster.h"

// A roster as a CSV file: the header "number,name,position,line", then a row a player.
// The position is C, LW, RW, D or G. The line cell says where the player is in the lines:
//   F1 to F4   forward line 1 to 4, at the player's own position;
//   F2 RW      forward line 2 at another forward position (a centre on the right wing);
//   D1 to D3   defence pair 1 to 3, on the left side while it is free, else on the right;
//   D1 RD      defence pair 1 on the side named;
//   G1, G2     the starting goalie, the backup;
//   empty      in no line.
// Case and spaces around the cells do not count.

struct RosterFileProblem {
    int line = 0;  // of the file, the header being line 1
    QString reason;

    // "Line 4: number 100 is not from 0 to 99", in the player's words.
    QString message() const;
    bool operator==(const RosterFileProblem&) const = default;
};

// A roster file as read: its players and lines, or, when any row is wrong, what is wrong with
// every row that is, and no players.
struct RosterFile {
    QList<RosterEntry> players;
    Lines lines;
    QList<RosterFileProblem> problems;
};

RosterFile readRosterCsv(const QByteArray& bytes);
// The players in roster order; a defenceman's line names his side, and a forward's his
// position where it is not his own.
QByteArray writeRosterCsv(const Roster& roster);
