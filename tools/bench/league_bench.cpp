// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the league file on a league made by make_league: opening it, reading the list of
// games and one game whole, and writing steps, each step one transaction as in play.
// Not a test: it reports against the targets.
//
// Usage: bench_league <card data file> <league folder>
// The games it writes are taken out again at the end.

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <algorithm>
#include <cstdio>
#include <vector>

#include <time.h>

#include "answeringno.h"
#include "core/services.h"
#include "deck/cardreader.h"
#include "league/gamesmodel.h"
#include "league/leaguestore.h"
#include "leaguegame.h"
#include "ui/gameswindow.h"

namespace {

double percentile(std::vector<double> values, double fraction) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<size_t>(fraction * values.size()))];
}

double threadCpuMicroseconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e6 + ts.tv_nsec / 1e3;
}

const char* verdict(bool met) {
    return met ? "met" : "MISSED";
}

qint64 bytesOnDisk(const LeagueStore& store) {
    return QFileInfo(store.filePath()).size() + QFileInfo(store.filePath() + "-wal").size();
}

// The pages in use, free pages left out: the games a run takes out again leave theirs free
// for the next run to fill.
qint64 bytesInUse(const LeagueStore& store) {
    qint64 bytes = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench"));
        db.setDatabaseName(store.filePath());
        QSqlQuery query(db);
        if (db.open() &&
            query.exec(QStringLiteral("SELECT (SELECT page_count FROM pragma_page_count) -"
                                      " (SELECT freelist_count FROM pragma_freelist_count),"
                                      " (SELECT page_size FROM pragma_page_size)")) &&
            query.next())
            bytes = query.value(0).toLongLong() * query.value(1).toLongLong();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench"));
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_league <card data file> <league folder>\n");
        return 2;
    }
    const CardReadResult cards = readCardFile(QString::fromLocal8Bit(argv[1]));
    LeagueStore store(QString::fromLocal8Bit(argv[2]));
    QElapsedTimer clock;

    std::vector<double> opening, checking;
    for (int i = 0; i < 3; ++i) {
        QEventLoop loop;
        QObject::connect(&store, &LeagueStore::checked, &loop, &QEventLoop::quit);
        clock.start();
        if (const std::optional<QString> problem = store.open()) {
            std::fprintf(stderr, "%s\n", qPrintable(*problem));
            return 1;
        }
        opening.push_back(clock.nsecsElapsed() / 1e6);
        loop.exec();
        checking.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::vector<double> listing, listingCpu;
    int games = 0;
    for (int i = 0; i < 5; ++i) {
        GamesModel model(store);
        clock.start();
        const double cpuBefore = threadCpuMicroseconds();
        model.reload();
        listing.push_back(clock.nsecsElapsed() / 1e6);
        listingCpu.push_back((threadCpuMicroseconds() - cpuBefore) / 1e3);
        games = model.rowCount();
    }
    // The window as the player opens it: built, the list read, drawn.
    std::vector<double> window, windowCpu;
    AnsweringNo dialogs;
    for (int i = 0; i < 5; ++i) {
        clock.start();
        const double cpuBefore = threadCpuMicroseconds();
        GamesModel model(store);
        GamesWindow games(model, dialogs);
        games.show();
        QCoreApplication::processEvents();
        window.push_back(clock.nsecsElapsed() / 1e6);
        windowCpu.push_back((threadCpuMicroseconds() - cpuBefore) / 1e3);
    }
    std::printf("League file of %d games, %.1f MB\n", games, bytesOnDisk(store) / 1e6);
    std::printf("  %-28s %9.1f ms\n", "open", percentile(opening, 0.5));
    std::printf("  %-28s %9.1f ms, on a thread of its own\n", "check of every page",
                percentile(checking, 0.5));
    std::printf("  %-28s %9.1f ms (%.1f ms of processor time)\n", "list of games read",
                percentile(listing, 0.5), percentile(listingCpu, 0.5));
    std::printf("  %-28s %9.1f ms (%.1f ms of processor time)   target < 200 ms  %s\n", "Games window shown",
                percentile(window, 0.5), percentile(windowCpu, 0.5), verdict(percentile(window, 0.5) < 200));

    // Steps of new games, one transaction each, until several games are over.
    std::vector<double> steps, stepsCpu;
    const qint64 before = bytesInUse(store);
    QStringList written;
    QString lastGame;
    const int kGames = 8;
    for (int g = 0; g < kGames; ++g) {
        PlayedGame played(cards.table, 90'000u + static_cast<unsigned>(g), QStringLiteral("Bears"),
                          QStringLiteral("Lynx"));
        lastGame = LeagueStore::newGameId();
        written.append(lastGame);
        while (!played.over()) {
            const QList<LogEntry> added = played.step();
            const GameBoard board = played.board();
            clock.start();
            const double cpuBefore = threadCpuMicroseconds();
            if (!store.writeStep(lastGame, board, added)) {
                std::fprintf(stderr, "%s\n", qPrintable(store.problem()));
                return 1;
            }
            steps.push_back(clock.nsecsElapsed() / 1e3);
            stepsCpu.push_back(threadCpuMicroseconds() - cpuBefore);
        }
    }
    // The write-ahead log is copied into the file, as the pause after play does.
    store.open();
    const double perGame = (bytesInUse(store) - before) / double(kGames);
    std::printf("  %-28s %9.1f us median, %.1f us 99th percentile, %.1f us at most (%zu steps)\n",
                "a step written", percentile(steps, 0.5), percentile(steps, 0.99), percentile(steps, 1.0),
                steps.size());
    std::printf("  %-28s %9.1f us median, %.1f us 99th percentile of processor time\n", "",
                percentile(stepsCpu, 0.5), percentile(stepsCpu, 0.99));
    std::printf("  %-28s %9.1f kB a whole game (%zu steps)\n", "file growth", perGame / 1e3,
                steps.size() / kGames);

    std::vector<double> reading;
    for (int i = 0; i < 5; ++i) {
        clock.start();
        if (!std::holds_alternative<GameRecord>(store.readGame(lastGame)))
            return 1;
        reading.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::printf("  %-28s %9.1f ms\n", "a whole game read back", percentile(reading, 0.5));
    // The league is left as it was found, so that the next run measures the same.
    for (const QString& id : written)
        store.deleteGame(id);
    return 0;
}
