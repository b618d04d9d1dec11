#pragma once

#include "app/numbertext.h"
#include "deck/facrecord.h"
#include "support/testkit.h"

// The texts each half of a card shows, decorations included.
inline QStringList upperHalfFrom(const FACRecord& card) {
    return {numberText(card.Num), card.PassTo1, card.Action,
            card.Strategy1,       card.Shots1,  card.Rebound1,
            card.LoosePuck,       card.Penalty, u'(' + card.PassTo3 + u')'};
}

inline QStringList lowerHalfFrom(const FACRecord& card) {
    return {numberText(card.Num), u'#' + card.PassTo2, card.Faceoff,   card.Assists,  card.Break,
            card.BreakDef,        card.Shots2,         card.Strategy2, card.Rebound2, card.SO,
            card.DumpIns,         card.Minor,          card.Major};
}

// The lower half shown when the number on the upper half names no table position.
inline QStringList emptyLowerHalf() {
    QStringList texts = lowerHalfFrom(FACRecord{});
    texts[0].clear();
    return texts;
}

// A card of the test kit's deck: every text names its card and field.
inline FACRecord kitCard(int number) {
    FACRecord card;
    card.Num = static_cast<qint16>(number);
    for (int i = 0; i < int(kFacTextFields.size()); ++i)
        card.*kFacTextFields[i] = cardText(number, i + 2);
    return card;
}

inline QStringList upperHalfOf(int number) {
    return upperHalfFrom(kitCard(number));
}
inline QStringList lowerHalfOf(int number) {
    return lowerHalfFrom(kitCard(number));
}

inline QStringList shownUpperHalf(Game& game) {
    QStringList texts;
    for (Ctl ctl : {Ctl::txtNum, Ctl::txtPassTo1, Ctl::txtAction, Ctl::txtStrategy1, Ctl::txtShots1,
                    Ctl::txtRebound1, Ctl::txtLoosePuck, Ctl::txtPenalty, Ctl::txtPassTo3})
        texts << game.text(ctl);
    return texts;
}

inline QStringList shownLowerHalf(Game& game) {
    QStringList texts;
    for (Ctl ctl : {Ctl::txtNum2, Ctl::txtPassTo2, Ctl::txtFaceoff, Ctl::txtAssists, Ctl::txtBreak,
                    Ctl::txtBreakDef, Ctl::txtShots2, Ctl::txtStrategy2, Ctl::txtRebound2, Ctl::txtSO,
                    Ctl::txtDumpIns, Ctl::txtMinor, Ctl::txtMajor})
        texts << game.text(ctl);
    return texts;
}
