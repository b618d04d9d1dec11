#include "deck/carddisplay.h"

#include "app/fieldmodel.h"
#include "app/numbertext.h"
#include "deck/facrecord.h"

namespace {

struct CardField {
    Ctl ctl;
    QString FACRecord::*text;
};

// The texts shown as stored, in the order each half is written.
constexpr CardField kUpperTexts[] = {
    {Ctl::txtPassTo1, &FACRecord::PassTo1},     {Ctl::txtAction, &FACRecord::Action},
    {Ctl::txtStrategy1, &FACRecord::Strategy1}, {Ctl::txtShots1, &FACRecord::Shots1},
    {Ctl::txtRebound1, &FACRecord::Rebound1},   {Ctl::txtLoosePuck, &FACRecord::LoosePuck},
    {Ctl::txtPenalty, &FACRecord::Penalty},
};
constexpr CardField kLowerTexts[] = {
    {Ctl::txtFaceoff, &FACRecord::Faceoff},   {Ctl::txtAssists, &FACRecord::Assists},
    {Ctl::txtBreak, &FACRecord::Break},       {Ctl::txtBreakDef, &FACRecord::BreakDef},
    {Ctl::txtShots2, &FACRecord::Shots2},     {Ctl::txtStrategy2, &FACRecord::Strategy2},
    {Ctl::txtRebound2, &FACRecord::Rebound2}, {Ctl::txtSO, &FACRecord::SO},
    {Ctl::txtDumpIns, &FACRecord::DumpIns},   {Ctl::txtMinor, &FACRecord::Minor},
    {Ctl::txtMajor, &FACRecord::Major},
};

void writeLower(FieldModel& fields, const QString& number, const FACRecord& card) {
    fields.setText(Ctl::txtNum2, number);
    fields.setText(Ctl::txtPassTo2, u'#' + card.PassTo2);
    for (const CardField& field : kLowerTexts)
        fields.setText(field.ctl, card.*field.text);
}

}  // namespace

void writeUpperHalf(FieldModel& fields, const FACRecord& card) {
    fields.setText(Ctl::txtNum, numberText(card.Num));
    for (const CardField& field : kUpperTexts)
        fields.setText(field.ctl, card.*field.text);
    fields.setText(Ctl::txtPassTo3, u'(' + card.PassTo3 + u')');
}

void writeLowerHalf(FieldModel& fields, const FACRecord& card) {
    writeLower(fields, numberText(card.Num), card);
}

void writeEmptyLowerHalf(FieldModel& fields) {
    writeLower(fields, QString(), FACRecord{});
}
