#include "game/newgame.h"

#include "app/fieldmodel.h"

void resetClockAndScores(FieldModel& fields) {
    fields.setText(Ctl::txtTimer, QStringLiteral("1200"));
    fields.setText(Ctl::txtClock, QStringLiteral("20:00"));
    fields.setText(Ctl::txtPeriod, QStringLiteral("1"));

    const Ctl away[] = {Ctl::txt1V, Ctl::txt2V, Ctl::txt3V, Ctl::txtOTV, Ctl::txtFV};
    const Ctl home[] = {Ctl::txt1H, Ctl::txt2H, Ctl::txt3H, Ctl::txtOTH, Ctl::txtFH};
    for (const auto& row : {away, home}) {
        for (int member : {1, 2}) {
            for (int i = 0; i < 5; ++i)
                fields.setText(row[i], member, QString());
        }
    }
}
