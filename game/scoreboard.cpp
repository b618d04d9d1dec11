// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/scoreboard.h"

#include <array>

#include "core/fieldmodel.h"
#include "core/numbertext.h"
#include "game/period.h"

namespace Scoreboard {

namespace {

struct TeamFields {
    std::array<Control, 4> periods;  // 1, 2, 3, OT
    Control total;
};

const TeamFields& fieldsOf(Team team) {
    static const TeamFields away{
        {Control::AwayPeriod1, Control::AwayPeriod2, Control::AwayPeriod3, Control::AwayOvertime},
        Control::AwayTotal};
    static const TeamFields home{
        {Control::HomePeriod1, Control::HomePeriod2, Control::HomePeriod3, Control::HomeOvertime},
        Control::HomeTotal};
    return team == Team::Away ? away : home;
}

}  // namespace

void clearCounts(FieldModel& fields) {
    for (Team team : {Team::Away, Team::Home}) {
        const TeamFields& row = fieldsOf(team);
        for (int member : {1, 2}) {
            for (Control period : row.periods)
                fields.setText(period, member, QString());
            fields.setText(row.total, member, QString());
        }
    }
}

void addOne(FieldModel& fields, Team team, Tally tally) {
    const TeamFields& row = fieldsOf(team);
    const int member = static_cast<int>(tally);

    const int column = Period::columnOf(fields.text(Control::Period));
    if (column >= 0) {
        const Control period = row.periods[column];
        fields.setText(period, member, numberText(readNumber(fields.text(period, member)) + 1));
    }

    recomputeTotal(fields, team, tally);
}

void recomputeTotal(FieldModel& fields, Team team, Tally tally) {
    const TeamFields& row = fieldsOf(team);
    const int member = static_cast<int>(tally);
    double total = 0;
    for (Control period : row.periods)
        total += readNumber(fields.text(period, member));
    fields.setText(row.total, member, numberText(total));
}

void followChanges(FieldModel& fields) {
    for (Control name : {Control::AwayName, Control::HomeName})
        fields.setChangeHandler(name, [&fields, name](int) { mirrorTeamName(fields, name); });
    for (Team team : {Team::Away, Team::Home}) {
        for (Control period : fieldsOf(team).periods) {
            fields.setChangeHandler(period, [&fields, team](int member) {
                recomputeTotal(fields, team, static_cast<Tally>(member));
            });
        }
    }
}

void mirrorTeamName(FieldModel& fields, Control name) {
    fields.setText(name, 2, fields.text(name, 1));
}

}  // namespace Scoreboard
