// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deck/carddisplay.h"

#include "core/fieldmodel.h"
#include "core/numbertext.h"
#include "deck/cardrecord.h"

namespace {

struct CardField {
    Control ctl;
    QString CardRecord::*text;
};

// The texts shown as stored, in the order each half is written.
constexpr CardField kUpperTexts[] = {
    {Control::PassTo1, &CardRecord::passTo1},     {Control::Action, &CardRecord::action},
    {Control::Strategy1, &CardRecord::strategy1}, {Control::Shots1, &CardRecord::shots1},
    {Control::Rebound1, &CardRecord::rebound1},   {Control::LoosePuck, &CardRecord::loosePuck},
    {Control::Penalty, &CardRecord::penalty},
};
constexpr CardField kLowerTexts[] = {
    {Control::Faceoff, &CardRecord::faceoff},
    {Control::Assists, &CardRecord::assists},
    {Control::Breakaway, &CardRecord::breakaway},
    {Control::BreakawayDefence, &CardRecord::breakawayDefence},
    {Control::Shots2, &CardRecord::shots2},
    {Control::Strategy2, &CardRecord::strategy2},
    {Control::Rebound2, &CardRecord::rebound2},
    {Control::Shootout, &CardRecord::shootout},
    {Control::DumpIns, &CardRecord::dumpIns},
    {Control::MinorPenalty, &CardRecord::minorPenalty},
    {Control::MajorPenalty, &CardRecord::majorPenalty},
};

void writeLower(FieldModel& fields, const QString& number, const CardRecord& card) {
    fields.setText(Control::LowerNumber, number);
    fields.setText(Control::PassTo2, u'#' + card.passTo2);
    for (const CardField& field : kLowerTexts)
        fields.setText(field.ctl, card.*field.text);
}

}  // namespace

void writeUpperHalf(FieldModel& fields, const CardRecord& card) {
    fields.setText(Control::UpperNumber, numberText(card.number));
    for (const CardField& field : kUpperTexts)
        fields.setText(field.ctl, card.*field.text);
    fields.setText(Control::PassTo3, u'(' + card.passTo3 + u')');
}

void writeLowerHalf(FieldModel& fields, const CardRecord& card) {
    writeLower(fields, numberText(card.number), card);
}

void writeEmptyLowerHalf(FieldModel& fields) {
    writeLower(fields, QString(), CardRecord{});
}
