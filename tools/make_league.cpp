// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes a league file of many games played by chance on the real rules, for measuring
// the list of games and the steps on a league of a long-kept club. The same arguments make
// the same games.
//
// Usage: make_league <card data file> <folder> [games, 10000]

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

#include "deck/cardreader.h"
#include "league/leaguestore.h"
#include "leaguegame.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: make_league <card data file> <folder> [games]\n");
        return 2;
    }
    const CardReadResult cards = readCardFile(QString::fromLocal8Bit(argv[1]));
    const int games = argc == 4 ? std::atoi(argv[3]) : 10'000;
    LeagueStore store(QString::fromLocal8Bit(argv[2]));
    for (const char* suffix : {"", "-wal", "-shm"})
        QFile::remove(store.filePath() + QLatin1String(suffix));
    if (const std::optional<QString> problem = store.open()) {
        std::fprintf(stderr, "%s\n", qPrintable(*problem));
        return 1;
    }
    static const QStringList teams = {"Bears",   "Lynx",    "Otters", "Ravens",  "Wolves", "Falcons",
                                      "Moose",   "Badgers", "Hawks",  "Pikes",   "Stags",  "Herons",
                                      "Beavers", "Owls",    "Elks",   "Muskies", "Foxes",  "Bisons"};
    const QDateTime firstEvening(QDate(2025, 9, 1), QTime(19, 0), Qt::UTC);
    for (int g = 0; g < games; ++g) {
        const auto team = [g](int shift) { return teams[(g * 7 + shift) % teams.size()]; };
        PlayedGame played(cards.table, static_cast<unsigned>(g + 1), team(0), team(5));
        GameRecord record;
        record.id = LeagueStore::newGameId();
        record.started = firstEvening.addSecs(qint64(g) * 6 * 3600);
        // The last few games of the league are still being played.
        const bool inProgress = g >= games - 10;
        int steps = 0;
        while (!played.over() && !(inProgress && steps == 150)) {
            record.log.append(played.step());
            ++steps;
        }
        record.lastPlayed = record.started.addSecs(steps * 8);
        record.state = inProgress ? GameState::InProgress : GameState::Final;
        record.board = played.board();
        if (!store.writeGame(record)) {
            std::fprintf(stderr, "%s\n", qPrintable(store.problem()));
            return 1;
        }
    }
    return 0;
}
