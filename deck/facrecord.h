#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <vector>

// One card: a card number and 20 texts, in the order the card file holds them.
struct FACRecord {
    qint16 Num = 0;
    QString PassTo1;
    QString Action;
    QString PassTo2;
    QString Strategy1;
    QString DumpIns;
    QString Strategy2;
    QString Shots1;
    QString Shots2;
    QString Rebound1;
    QString Rebound2;
    QString Faceoff;
    QString LoosePuck;
    QString Assists;
    QString Penalty;
    QString Minor;
    QString Major;
    QString Break;
    QString SO;
    QString BreakDef;
    QString PassTo3;

    bool operator==(const FACRecord&) const = default;
};

// The texts of a record in file order, after the card number.
inline constexpr std::array<QString FACRecord::*, 20> kFacTextFields = {
    &FACRecord::PassTo1,  &FACRecord::Action,    &FACRecord::PassTo2,  &FACRecord::Strategy1,
    &FACRecord::DumpIns,  &FACRecord::Strategy2, &FACRecord::Shots1,   &FACRecord::Shots2,
    &FACRecord::Rebound1, &FACRecord::Rebound2,  &FACRecord::Faceoff,  &FACRecord::LoosePuck,
    &FACRecord::Assists,  &FACRecord::Penalty,   &FACRecord::Minor,    &FACRecord::Major,
    &FACRecord::Break,    &FACRecord::SO,        &FACRecord::BreakDef, &FACRecord::PassTo3,
};

// The card table: 200 records at positions 1 to 200. A position no record reached is
// card number 0 with empty texts. facCount says how many complete records were read.
struct FacTable {
    static constexpr int kSize = 200;

    // On the heap: the table is some 100 kB and is handed from the reader to the form.
    std::vector<FACRecord> records = std::vector<FACRecord>(kSize);
    int facCount = 0;

    static bool isPosition(int position) { return position >= 1 && position <= kSize; }
    const FACRecord& at(int position) const { return records[position - 1]; }
    FACRecord& at(int position) { return records[position - 1]; }
};
