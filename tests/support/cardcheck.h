#pragma once

#include "support/testkit.h"

// The card fields as the test kit's deck writes them: every text names its card and field.
inline QStringList upperHalfOf(int number) {
    return {QString::number(number), cardText(number, 2),  cardText(number, 3),
            cardText(number, 5),     cardText(number, 8),  cardText(number, 10),
            cardText(number, 13),    cardText(number, 15), u'(' + cardText(number, 21) + u')'};
}

inline QStringList lowerHalfOf(int number) {
    return {QString::number(number), u'#' + cardText(number, 4), cardText(number, 12), cardText(number, 14),
            cardText(number, 18),    cardText(number, 20),       cardText(number, 9),  cardText(number, 7),
            cardText(number, 11),    cardText(number, 19),       cardText(number, 6),  cardText(number, 16),
            cardText(number, 17)};
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
