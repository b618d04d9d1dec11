// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <vector>

// One card: a card number and 20 texts, in the order the card file holds them.
struct CardRecord {
    qint16 number = 0;
    QString passTo1;
    QString action;
    QString passTo2;
    QString strategy1;
    QString dumpIns;
    QString strategy2;
    QString shots1;
    QString shots2;
    QString rebound1;
    QString rebound2;
    QString faceoff;
    QString loosePuck;
    QString assists;
    QString penalty;
    QString minorPenalty;
    QString majorPenalty;
    QString breakaway;
    QString shootout;
    QString breakawayDefence;
    QString passTo3;

    bool operator==(const CardRecord&) const = default;
};

// The texts of a record in file order, after the card number.
inline constexpr std::array<QString CardRecord::*, 20> kCardTextFields = {
    &CardRecord::passTo1,   &CardRecord::action,    &CardRecord::passTo2,          &CardRecord::strategy1,
    &CardRecord::dumpIns,   &CardRecord::strategy2, &CardRecord::shots1,           &CardRecord::shots2,
    &CardRecord::rebound1,  &CardRecord::rebound2,  &CardRecord::faceoff,          &CardRecord::loosePuck,
    &CardRecord::assists,   &CardRecord::penalty,   &CardRecord::minorPenalty,     &CardRecord::majorPenalty,
    &CardRecord::breakaway, &CardRecord::shootout,  &CardRecord::breakawayDefence, &CardRecord::passTo3,
};

// The card table: 200 records at positions 1 to 200. A position no record reached is
// card number 0 with empty texts. cardCount says how many complete records were read.
struct CardTable {
    static constexpr int kSize = 200;

    // On the heap: the table is some 100 kB and is handed from the reader to the form.
    std::vector<CardRecord> records = std::vector<CardRecord>(kSize);
    int cardCount = 0;

    static bool isPosition(int position) { return position >= 1 && position <= kSize; }
    const CardRecord& at(int position) const { return records[position - 1]; }
    CardRecord& at(int position) { return records[position - 1]; }
};
