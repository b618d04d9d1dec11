// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays a game into a league file for the tests, one step after the other:
//   league_writer <folder> <game id> <first step> <last step>
// and says "k" on its output as soon as step k is committed. Ends with 1 when a step is
// not written.
#include <QCoreApplication>
#include <cstdio>

#include "league/leaguestore.h"
#include "support/leagueboard.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 5)
        return 2;
    LeagueStore store(QString::fromLocal8Bit(argv[1]));
    if (const std::optional<QString> told = store.open()) {
        std::fprintf(stderr, "%s\n", qPrintable(*told));
        return 1;
    }
    const QString gameId = QString::fromLatin1(argv[2]);
    for (int k = std::atoi(argv[3]); k <= std::atoi(argv[4]); ++k) {
        if (!store.writeStep(gameId, boardAtStep(k), {entryAtStep(k)})) {
            std::fprintf(stderr, "%s\n", qPrintable(store.problem()));
            return 1;
        }
        std::printf("%d\n", k);
        std::fflush(stdout);
    }
    return 0;
}
