#include "game/scoreboard.h"

#include <array>

#include "app/fieldmodel.h"
#include "app/numbertext.h"

namespace Scoreboard {

namespace {

struct TeamFields {
    std::array<Ctl, 4> periods;  // 1, 2, 3, OT
    Ctl total;
};

const TeamFields& fieldsOf(Team team) {
    static const TeamFields away{{Ctl::txt1V, Ctl::txt2V, Ctl::txt3V, Ctl::txtOTV}, Ctl::txtFV};
    static const TeamFields home{{Ctl::txt1H, Ctl::txt2H, Ctl::txt3H, Ctl::txtOTH}, Ctl::txtFH};
    return team == Team::Away ? away : home;
}

int periodColumn(const QString& period) {
    static const std::array<QString, 4> names = {QStringLiteral("1"), QStringLiteral("2"),
                                                 QStringLiteral("3"), QStringLiteral("OT")};
    for (int i = 0; i < 4; ++i) {
        if (period == names[i])
            return i;
    }
    return -1;
}

}  // namespace

void clearCounts(FieldModel& fields) {
    for (Team team : {Team::Away, Team::Home}) {
        const TeamFields& row = fieldsOf(team);
        for (int member : {1, 2}) {
            for (Ctl period : row.periods)
                fields.setText(period, member, QString());
            fields.setText(row.total, member, QString());
        }
    }
}

void addOne(FieldModel& fields, Team team, Tally tally) {
    const TeamFields& row = fieldsOf(team);
    const int member = static_cast<int>(tally);

    const int column = periodColumn(fields.text(Ctl::txtPeriod));
    if (column >= 0) {
        const Ctl period = row.periods[column];
        fields.setText(period, member, numberText(readNumber(fields.text(period, member)) + 1));
    }

    double total = 0;
    for (Ctl period : row.periods)
        total += readNumber(fields.text(period, member));
    fields.setText(row.total, member, numberText(total));
}

void mirrorName(FieldModel& fields, Ctl name) {
    fields.setText(name, 2, fields.text(name, 1));
}

}  // namespace Scoreboard
