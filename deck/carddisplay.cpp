#include "deck/carddisplay.h"

#include "app/fieldmodel.h"
#include "app/numbertext.h"
#include "deck/facrecord.h"

namespace {

void writeLower(FieldModel& fields, const QString& number, const FACRecord& card) {
    fields.setText(Ctl::txtNum2, number);
    fields.setText(Ctl::txtPassTo2, u'#' + card.PassTo2);
    fields.setText(Ctl::txtFaceoff, card.Faceoff);
    fields.setText(Ctl::txtAssists, card.Assists);
    fields.setText(Ctl::txtBreak, card.Break);
    fields.setText(Ctl::txtBreakDef, card.BreakDef);
    fields.setText(Ctl::txtShots2, card.Shots2);
    fields.setText(Ctl::txtStrategy2, card.Strategy2);
    fields.setText(Ctl::txtRebound2, card.Rebound2);
    fields.setText(Ctl::txtSO, card.SO);
    fields.setText(Ctl::txtDumpIns, card.DumpIns);
    fields.setText(Ctl::txtMinor, card.Minor);
    fields.setText(Ctl::txtMajor, card.Major);
}

}  // namespace

void writeUpperHalf(FieldModel& fields, const FACRecord& card) {
    fields.setText(Ctl::txtNum, numberText(card.Num));
    fields.setText(Ctl::txtPassTo1, card.PassTo1);
    fields.setText(Ctl::txtAction, card.Action);
    fields.setText(Ctl::txtStrategy1, card.Strategy1);
    fields.setText(Ctl::txtShots1, card.Shots1);
    fields.setText(Ctl::txtRebound1, card.Rebound1);
    fields.setText(Ctl::txtLoosePuck, card.LoosePuck);
    fields.setText(Ctl::txtPenalty, card.Penalty);
    fields.setText(Ctl::txtPassTo3, u'(' + card.PassTo3 + u')');
}

void writeLowerHalf(FieldModel& fields, const FACRecord& card) {
    writeLower(fields, numberText(card.Num), card);
}

void writeEmptyLowerHalf(FieldModel& fields) {
    writeLower(fields, QString(), FACRecord{});
}
