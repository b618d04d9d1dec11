#include "game/newgame.h"

#include "core/fieldmodel.h"
#include "game/period.h"
#include "game/scoreboard.h"

void resetClockAndScores(FieldModel& fields) {
    Period::startFirst(fields);
    Scoreboard::clearCounts(fields);
}
