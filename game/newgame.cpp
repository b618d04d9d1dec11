#include "game/newgame.h"

#include "app/fieldmodel.h"
#include "game/scoreboard.h"

void resetClockAndScores(FieldModel& fields) {
    fields.setText(Ctl::txtTimer, QStringLiteral("1200"));
    fields.setText(Ctl::txtClock, QStringLiteral("20:00"));
    fields.setText(Ctl::txtPeriod, QStringLiteral("1"));
    Scoreboard::clearCounts(fields);
}
