// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/numbertext.h"
#include "deck/cardrecord.h"
#include "support/testkit.h"

// The texts each half of a card shows, decorations included.
inline QStringList upperHalfFrom(const CardRecord& card) {
    return {numberText(card.number), card.passTo1, card.action,
            card.strategy1,          card.shots1,  card.rebound1,
            card.loosePuck,          card.penalty, u'(' + card.passTo3 + u')'};
}

inline QStringList lowerHalfFrom(const CardRecord& card) {
    return {numberText(card.number), u'#' + card.passTo2,   card.faceoff, card.assists,
            card.breakaway,          card.breakawayDefence, card.shots2,  card.strategy2,
            card.rebound2,           card.shootout,         card.dumpIns, card.minorPenalty,
            card.majorPenalty};
}

// The lower half shown when the number on the upper half names no table position.
inline QStringList emptyLowerHalf() {
    QStringList texts = lowerHalfFrom(CardRecord{});
    texts[0].clear();
    return texts;
}

// A card of the test kit's deck: every text names its card and field.
inline CardRecord kitCard(int number) {
    CardRecord card;
    card.number = static_cast<qint16>(number);
    for (int i = 0; i < int(kCardTextFields.size()); ++i)
        card.*kCardTextFields[i] = cardText(number, i + 2);
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
    for (Control ctl :
         {Control::UpperNumber, Control::PassTo1, Control::Action, Control::Strategy1, Control::Shots1,
          Control::Rebound1, Control::LoosePuck, Control::Penalty, Control::PassTo3})
        texts << game.text(ctl);
    return texts;
}

inline QStringList shownLowerHalf(Game& game) {
    QStringList texts;
    for (Control ctl :
         {Control::LowerNumber, Control::PassTo2, Control::Faceoff, Control::Assists, Control::Breakaway,
          Control::BreakawayDefence, Control::Shots2, Control::Strategy2, Control::Rebound2,
          Control::Shootout, Control::DumpIns, Control::MinorPenalty, Control::MajorPenalty})
        texts << game.text(ctl);
    return texts;
}
