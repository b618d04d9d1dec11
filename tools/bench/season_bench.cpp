// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the standings and the leaders on a season made by make_season: each query, the
// Standings window as the player opens it, and the whole season imported into an empty league.
// Not a test: it reports against the targets.
//
// Usage: bench_season <league folder>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

#include "answeringno.h"
#include "core/services.h"
#include "league/leaguestore.h"
#include "ui/seasonwindows.h"

namespace {

// The median of five runs, in milliseconds.
double medianMs(const std::function<void()>& work) {
    std::vector<double> runs;
    QElapsedTimer clock;
    for (int i = 0; i < 5; ++i) {
        clock.start();
        work();
        runs.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

void report(const char* what, double ms, double target) {
    std::printf("  %-28s %9.1f ms   target < %.0f ms  %s\n", what, ms, target,
                ms < target ? "met" : "MISSED");
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_season <league folder>\n");
        return 2;
    }
    LeagueStore store(QString::fromLocal8Bit(argv[1]));
    if (const std::optional<QString> problem = store.open()) {
        std::fprintf(stderr, "%s\n", qPrintable(*problem));
        return 1;
    }
    const qint64 bytes = QFileInfo(store.filePath()).size() + QFileInfo(store.filePath() + "-wal").size();
    const qsizetype teams = store.standings().size();
    std::printf("Season of %lld teams, league file %.1f MB   target < 50 MB  %s\n",
                static_cast<long long>(teams), bytes / 1e6, bytes < 50'000'000 ? "met" : "MISSED");
    report("standings", medianMs([&] { store.standings(); }), 50);
    report("leaders: skaters", medianMs([&] { store.skaters(); }), 50);
    report("leaders: goalies", medianMs([&] { store.goalies(); }), 50);
    AnsweringNo dialogs;
    report("Standings window shown", medianMs([&] {
               StandingsWindow window(store, dialogs);
               window.show();
               QCoreApplication::processEvents();
           }),
           300);
    report("Leaders window shown", medianMs([&] {
               LeadersWindow window(store, dialogs);
               window.show();
               QCoreApplication::processEvents();
           }),
           300);

    // Once: a second import adds nothing, and would time only the check.
    QTemporaryDir empty;
    LeagueStore into(empty.path());
    LeagueStore from(LeagueStore::AtPath{store.filePath()});
    if (into.open() || from.openToRead()) {
        std::fprintf(stderr, "the leagues for the import could not be opened\n");
        return 1;
    }
    QElapsedTimer clock;
    clock.start();
    const std::clock_t cpuBefore = std::clock();
    const LeagueImport imported = into.importGames(from);
    const double importMs = clock.nsecsElapsed() / 1e6;
    const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
    std::printf("  %-28s %9.1f ms   target < 5000 ms  %s  (%d games, %.0f ms of it on the processor)\n",
                "season imported", importMs, importMs < 5000 && imported.imported > 0 ? "met" : "MISSED",
                imported.imported, cpuMs);
    return 0;
}
