// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures start-up, the commands with the league file off and on, the file readers and the
// game sheet's PDF export on this machine, and prints one table.
// Not a test: it passes or fails nothing, it only reports against the targets.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include "app/gamecontroller.h"
#include "app/leaguekeeper.h"
#include "app/timerrandom.h"
#include "deck/cardreader.h"
#include "fullgamesheet.h"
#include "io/filereplace.h"
#include "save/savedgame.h"
#include "ui/mainwindow.h"

extern char** environ;

namespace {

// ---- child processes: wall time and peak memory ----

struct ChildRun {
    double milliseconds = 0;
    double peakMegabytes = 0;
    bool ok = false;
};

double nowMilliseconds() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// Runs the program in the folder with the environment changes given, and waits for it.
ChildRun runChild(const std::vector<std::string>& argv, const std::string& folder,
                  const std::vector<std::string>& environmentChanges) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry) {
        const std::string variable = *entry;
        const bool overridden =
            std::any_of(environmentChanges.begin(), environmentChanges.end(), [&](const std::string& change) {
                return variable.compare(0, change.find('=') + 1, change, 0, change.find('=') + 1) == 0;
            });
        if (!overridden)
            environment.push_back(variable);
    }
    environment.insert(environment.end(), environmentChanges.begin(), environmentChanges.end());
    std::vector<char*> envp, args;
    for (std::string& e : environment)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<std::string> argvCopy = argv;
    for (std::string& a : argvCopy)
        args.push_back(a.data());
    args.push_back(nullptr);

    ChildRun run;
    const double start = nowMilliseconds();
    const pid_t pid = fork();
    if (pid == 0) {
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
        if (chdir(folder.c_str()) == 0)
            execve(args[0], args.data(), envp.data());
        _exit(127);
    }
    if (pid < 0)
        return run;
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.milliseconds = nowMilliseconds() - start;
    run.peakMegabytes = usage.ru_maxrss / 1024.0;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

double percentile(std::vector<double> values, double fraction) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<size_t>(fraction * values.size()))];
}

// ---- the table ----

void heading(const char* title) {
    std::printf("\n%s\n", title);
}

const char* verdict(bool met) {
    return met ? "met" : "MISSED";
}

// ---- start-up: the program against its two floors, in turn ----

struct Platform {
    std::string name;
    std::vector<std::string> environment;
};

// The program and its floors: the window's content drawn by one widget, and an empty window.
struct StartUpFigures {
    double program = 0, textFloor = 0, bare = 0;
};

constexpr double kTextFloorTarget = 1.10;
constexpr double kBareTarget = 1.15;

void printStartUpRow(const Platform& platform, const char* measure, const char* unit,
                     const StartUpFigures& figures, double textRatio, double bareRatio, bool bareHasTarget) {
    char bareTarget[32] = "";
    if (bareHasTarget)
        std::snprintf(bareTarget, sizeof bareTarget, "<= %.2fx %s", kBareTarget,
                      verdict(bareRatio <= kBareTarget));
    std::printf("  %-10s %-12s %9.1f %-2s %9.1f %-2s %6.3fx <= %.2fx %-6s %9.1f %-2s %6.3fx %s\n",
                platform.name.c_str(), measure, figures.program, unit, figures.textFloor, unit, textRatio,
                kTextFloorTarget, verdict(textRatio <= kTextFloorTarget), figures.bare, unit, bareRatio,
                bareTarget);
}

void measureStartUp(const Platform& platform, const std::string& benchDir, const std::string& dataDir,
                    int runs) {
    // In the order of StartUpFigures.
    const std::vector<std::string> windows[3] = {{benchDir + "/bench_fac_window"},
                                                 {benchDir + "/bench_text_window"},
                                                 {benchDir + "/bench_bare_window"}};
    // Warm the file cache and the font cache first.
    for (const std::vector<std::string>& window : windows)
        runChild(window, dataDir, platform.environment);

    std::vector<double> times[3], memory[3], timeRatios[2], memoryRatios[2];
    for (int i = 0; i < runs; ++i) {
        // Each run starts with another of the three, so that a drift of the machine hits all alike.
        ChildRun run[3];
        for (int turn = 0; turn < 3; ++turn) {
            const int which = (i + turn) % 3;
            run[which] = runChild(windows[which], dataDir, platform.environment);
        }
        if (!run[0].ok || !run[1].ok || !run[2].ok) {
            std::printf("  %-10s a window did not start (program %s, text floor %s, bare %s)\n",
                        platform.name.c_str(), run[0].ok ? "ok" : "failed", run[1].ok ? "ok" : "failed",
                        run[2].ok ? "ok" : "failed");
            return;
        }
        for (int which = 0; which < 3; ++which) {
            times[which].push_back(run[which].milliseconds);
            memory[which].push_back(run[which].peakMegabytes);
        }
        for (int floor = 1; floor <= 2; ++floor) {
            timeRatios[floor - 1].push_back(run[0].milliseconds / run[floor].milliseconds);
            memoryRatios[floor - 1].push_back(run[0].peakMegabytes / run[floor].peakMegabytes);
        }
    }
    printStartUpRow(platform, "time", "ms", {median(times[0]), median(times[1]), median(times[2])},
                    median(timeRatios[0]), median(timeRatios[1]), true);
    printStartUpRow(platform, "peak memory", "MB", {median(memory[0]), median(memory[1]), median(memory[2])},
                    median(memoryRatios[0]), median(memoryRatios[1]), true);
}

// Instructions the program runs from start to exit under callgrind, which counts the same
// whatever else the machine is doing; 0 when valgrind is not installed.
double millionsOfInstructions(const std::string& program, const std::string& folder,
                              const std::vector<std::string>& environment) {
    if (access("/usr/bin/valgrind", X_OK) != 0)
        return 0;
    std::string command = "cd '" + folder + "' && env";
    for (const std::string& variable : environment)
        command += " '" + variable + "'";
    command += " valgrind --tool=callgrind --callgrind-out-file=/dev/null '" + program + "' 2>&1 >/dev/null";
    FILE* output = popen(command.c_str(), "r");
    if (!output)
        return 0;
    // Under X11 the program forks a helper (D-Bus's autolaunch) that callgrind counts apart
    // until it executes: take only the count of the process valgrind started, which speaks first.
    double collected = 0;
    std::string ownPrefix;
    char line[512];
    while (std::fgets(line, sizeof line, output)) {
        const std::string text = line;
        if (ownPrefix.empty() && text.starts_with("==") && text.find("==", 2) != std::string::npos)
            ownPrefix = text.substr(0, text.find("==", 2) + 2);
        if (const size_t found = text.find("Collected : ");
            found != std::string::npos && !ownPrefix.empty() && text.starts_with(ownPrefix))
            collected = std::strtod(text.c_str() + found + std::strlen("Collected : "), nullptr) / 1e6;
    }
    return pclose(output) == 0 ? collected : 0;
}

void measureInstructions(const Platform& platform, const std::string& benchDir, const std::string& dataDir) {
    const StartUpFigures figures{
        millionsOfInstructions(benchDir + "/bench_fac_window", dataDir, platform.environment),
        millionsOfInstructions(benchDir + "/bench_text_window", dataDir, platform.environment),
        millionsOfInstructions(benchDir + "/bench_bare_window", dataDir, platform.environment)};
    if (figures.program == 0 || figures.textFloor == 0 || figures.bare == 0) {
        std::printf("  %-10s %-12s not counted: valgrind is not installed or a window did not start\n",
                    platform.name.c_str(), "instructions");
        return;
    }
    printStartUpRow(platform, "instructions", "M", figures, figures.program / figures.textFloor,
                    figures.program / figures.bare, false);
}

// Starts an X server of its own for the measurement; nothing when Xvfb is not installed.
class XServer {
public:
    XServer() {
        if (access("/usr/bin/Xvfb", X_OK) != 0)
            return;
        int display = 90;
        while (display < 200 && access(("/tmp/.X" + std::to_string(display) + "-lock").c_str(), F_OK) == 0)
            ++display;
        const std::string name = ":" + std::to_string(display);
        m_pid = fork();
        if (m_pid == 0) {
            const int devNull = open("/dev/null", O_WRONLY);
            dup2(devNull, STDOUT_FILENO);
            dup2(devNull, STDERR_FILENO);
            execl("/usr/bin/Xvfb", "Xvfb", name.c_str(), "-nolisten", "tcp", "-screen", "0", "1280x1024x24",
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        const std::string socket = "/tmp/.X11-unix/X" + std::to_string(display);
        for (int waited = 0; waited < 100; ++waited) {
            if (access(socket.c_str(), F_OK) == 0) {
                m_display = name;
                return;
            }
            usleep(50'000);
        }
    }
    ~XServer() {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
    }
    const std::string& display() const { return m_display; }

private:
    pid_t m_pid = -1;
    std::string m_display;
};

// ---- peak memory of reading one file, in a child process of this program ----

int readOnce(const char* reader, const char* path) {
    if (std::strcmp(reader, "cards") == 0)
        return readCardFile(QString::fromLocal8Bit(path)).table.cardCount >= 0 ? 0 : 1;
    if (std::strcmp(reader, "saved") == 0)
        return SavedGame::readFile(QString::fromLocal8Bit(path)).index() <= 1 ? 0 : 1;
    return 0;  // "nothing": the floor of this program itself
}

double peakMegabytesOfReading(const std::string& self, const char* reader, const QString& path) {
    std::vector<double> peaks;
    for (int i = 0; i < 5; ++i)
        peaks.push_back(runChild({self, "--read-once", reader, path.toStdString()}, ".", {}).peakMegabytes);
    return median(peaks);
}

// ---- the commands, through the form's handlers on a real window ----

class AnsweringDialogs : public Dialogs {
public:
    QString fileToOpen;
    void about(const QString&, const QString&) override {}
    void aboutToolkit() override {}
    MessageAnswer message(const QString&, MessageButtons buttons) override {
        return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    std::optional<QString> openFile(const QString&, const QString&) override { return fileToOpen; }
    std::optional<QString> saveFile(const QString&, const QString&) override { return std::nullopt; }
};

class SilentSound : public SoundPlayer {
public:
    void playSound(const QString&) override {}
};

// A league team of 20: four forward lines, three pairs, two goalies, every place filled.
Roster benchRoster(const QString& name) {
    Roster roster{name, name.left(3), {}, {}};
    int number = 1;
    const auto add = [&roster, &number](Position position, LinePlace place) {
        roster.players.append(
            {number, QStringLiteral("Player %1 of %2").arg(number).arg(roster.name), position});
        roster.lines.setPlayer(place, number++);
    };
    for (int line = 1; line <= Lines::kForwardLines; ++line) {
        add(Position::LW, {line, IcePosition::LW});
        add(Position::C, {line, IcePosition::C});
        add(Position::RW, {line, IcePosition::RW});
    }
    for (int pair = 1; pair <= Lines::kDefencePairs; ++pair) {
        add(Position::D, {pair, IcePosition::LD});
        add(Position::D, {pair, IcePosition::RD});
    }
    add(Position::G, {1, IcePosition::G});
    add(Position::G, {2, IcePosition::G});
    return roster;
}

// One game on a real window, with the league file kept at every step, or without one. Both
// teams have rosters, so that each step carries a full score sheet.
struct BenchedGame {
    QTemporaryDir programDir;
    AnsweringDialogs dialogs;
    SilentSound sound;
    TimerSeededRandom random;
    GameController controller;
    MainWindow window;
    std::unique_ptr<LeagueKeeper> league;

    BenchedGame(const QString& dataDir, bool withLeague)
        : controller({dialogs, sound, random, [] {}},
                     {programDir.path(), QDir(dataDir).filePath(QStringLiteral("FAC_Data.txt"))}),
          window(controller.fields()) {
        const QList<Roster> rosters{benchRoster(QStringLiteral("Bears")),
                                    benchRoster(QStringLiteral("Lynx"))};
        controller.setRosterSource([rosters](const QString& typed) -> std::optional<Roster> {
            const Roster* found = findRoster(rosters, typed);
            return found ? std::optional<Roster>(*found) : std::nullopt;
        });
        controller.start();
        controller.fields().setText(Control::AwayName, 1, rosters[0].name);
        controller.fields().setText(Control::HomeName, 1, rosters[1].name);
        controller.finishTyping();
        window.show();
        QCoreApplication::processEvents();
        if (withLeague) {
            // A fresh league file in the program's folder, kept through the program's own keeper.
            league = std::make_unique<LeagueKeeper>(controller, programDir.path());
            league->open();
            QEventLoop checked;
            QObject::connect(league->store(), &LeagueStore::checked, &checked, &QEventLoop::quit);
            checked.exec();
        }
        dialogs.fileToOpen = controller.defaultSavePath();
        controller.saveGame();
    }
};

// Microseconds of each command with the repaint it causes (and, with the league, the step it
// writes), the league off and on in turn, so that a drift of the machine hits both alike.
struct Timings {
    std::vector<double> off, on;
};

Timings timeCommand(BenchedGame& off, BenchedGame& on, int repetitions,
                    const std::function<void(GameController&)>& prepare,
                    const std::function<void(GameController&)>& command) {
    Timings timings;
    QElapsedTimer clock;
    for (int i = 0; i < repetitions + repetitions / 10; ++i) {
        for (int turn = 0; turn < 2; ++turn) {
            const bool league = (i + turn) % 2 == 1;
            GameController& controller = (league ? on : off).controller;
            prepare(controller);
            QCoreApplication::processEvents();
            clock.start();
            command(controller);
            QCoreApplication::processEvents();
            if (i >= repetitions / 10)  // after the warm-up
                (league ? timings.on : timings.off).push_back(clock.nsecsElapsed() / 1e3);
        }
    }
    return timings;
}

constexpr double kLeagueMedianTarget = 500;  // microseconds more than without the league
constexpr double kLeagueTailTarget = 5000;   // the same, at the 99th percentile

void printCommand(const char* name, const Timings& timings, double targetMicroseconds) {
    const double offMedian = median(timings.off), onMedian = median(timings.on);
    const double offTail = percentile(timings.off, 0.99), onTail = percentile(timings.on, 0.99);
    std::printf("  %-12s %8.1f %8.1f %8.1f %8.1f  %+8.1f %+8.1f  < %4.0f %-6s  +< %3.0f/%4.0f %s\n", name,
                offMedian, offTail, onMedian, onTail, onMedian - offMedian, onTail - offTail,
                targetMicroseconds, verdict(onMedian < targetMicroseconds), kLeagueMedianTarget,
                kLeagueTailTarget,
                verdict(onMedian - offMedian < kLeagueMedianTarget && onTail - offTail < kLeagueTailTarget));
}

void measureCommands(const QString& dataDir, int repetitions) {
    BenchedGame off(dataDir, false);
    BenchedGame on(dataDir, true);

    const auto nothing = [](GameController&) {};
    heading(
        "Commands through the window's handlers (offscreen), microseconds per command with the repaint\n"
        "it causes: the league off, and on (each step written to a league file by the program's keeper)");
    std::printf("  %-12s %17s %17s  %17s  %-11s  %s\n", "", "league off", "league on", "difference", "target",
                "league's share");
    std::printf("  %-12s %8s %8s %8s %8s  %8s %8s\n", "command", "median", "99th", "median", "99th", "median",
                "99th");
    printCommand("flip", timeCommand(off, on, repetitions, nothing, [](GameController& c) { c.flip(); }),
                 1000);
    printCommand("timed flip",
                 timeCommand(
                     off, on, repetitions,
                     [](GameController& c) {
                         if (c.fields().text(Control::SecondsLeft) == QStringLiteral("0"))
                             c.newGame();
                     },
                     [](GameController& c) { c.timedFlip(); }),
                 1000);
    // A game of ten goals and twenty penalties at most, as a long game has them: the sheet each
    // step writes is the size of a real one.
    const auto realGame = [](GameController& c) {
        if (c.scoreSheet().goals().size() >= 10 || c.scoreSheet().penalties().size() >= 20)
            c.newGame();
    };
    printCommand(
        "score press",
        timeCommand(off, on, repetitions, realGame, [](GameController& c) { c.addGoal(Team::Home); }), 1000);
    printCommand("penalty",
                 timeCommand(off, on, repetitions, realGame,
                             [](GameController& c) {
                                 c.addPenalty(Team::Away, QStringLiteral("4 Player 4 of Bears"),
                                              PenaltyKind::Minor, QStringLiteral("Hooking"), 4);
                             }),
                 1000);
    printCommand("New Game",
                 timeCommand(off, on, repetitions, nothing, [](GameController& c) { c.newGame(); }), 1000);
    printCommand("save",
                 timeCommand(off, on, repetitions / 4, nothing, [](GameController& c) { c.saveGame(); }),
                 5000);
    printCommand("load",
                 timeCommand(off, on, repetitions / 4, nothing, [](GameController& c) { c.loadGame(); }),
                 5000);
    std::printf("  league file after these: %.1f MB\n",
                QFileInfo(on.league->store()->filePath()).size() / 1e6 +
                    QFileInfo(on.league->store()->filePath() + QStringLiteral("-wal")).size() / 1e6);
}

void measureReaders(const std::string& self, const QString& dataDir) {
    QTemporaryDir folder;
    const QString cards = QDir(dataDir).filePath(QStringLiteral("FAC_Data.txt"));
    // A damaged file: the deck, then 100 MB of what a broken copy leaves behind.
    const QString damaged = folder.filePath(QStringLiteral("damaged.txt"));
    {
        QFile file(damaged);
        QFile deck(cards);
        if (!file.open(QIODevice::WriteOnly) || !deck.open(QIODevice::ReadOnly))
            return;
        file.write(deck.readAll());
        const QByteArray junk(1024 * 1024, '\xA7');
        for (int megabyte = 0; megabyte < 100; ++megabyte)
            file.write(junk);
    }

    const auto timeReading = [](int repetitions, const std::function<void()>& read) {
        std::vector<double> times;
        QElapsedTimer clock;
        for (int i = 0; i < repetitions; ++i) {
            clock.start();
            read();
            times.push_back(clock.nsecsElapsed() / 1e3);
        }
        return median(times);
    };
    const double floor = peakMegabytesOfReading(self, "nothing", cards);

    heading("Reading files: time (median) and peak memory above this program's own floor");
    std::printf("  %-40s %10s %10s   %s\n", "file", "time", "memory", "outcome");
    const double deckTime = timeReading(200, [&] { readCardFile(cards); });
    const CardReadResult deckResult = readCardFile(cards);
    std::printf("  %-40s %7.0f us %7.2f MB   %lld cards%s\n", "200-card FAC_Data.txt", deckTime,
                peakMegabytesOfReading(self, "cards", cards) - floor,
                static_cast<long long>(deckResult.table.cardCount),
                deckResult.error ? ", with an error" : "");

    const double damagedTime = timeReading(200, [&] { readCardFile(damaged); });
    const CardReadResult damagedResult = readCardFile(damaged);
    std::printf("  %-40s %7.0f us %7.2f MB   %s\n", "100 MB damaged card file", damagedTime,
                peakMegabytesOfReading(self, "cards", damaged) - floor,
                damagedResult.error ? qPrintable(damagedResult.error->description) : "read?!");

    const double savedTime = timeReading(200, [&] { SavedGame::readFile(damaged); });
    const bool savedRefused = std::holds_alternative<SavedGame::Refusal>(SavedGame::readFile(damaged));
    std::printf("  %-40s %7.0f us %7.2f MB   %s\n", "the same file offered as a saved game", savedTime,
                peakMegabytesOfReading(self, "saved", damaged) - floor, savedRefused ? "refused" : "read?!");
}

// Export PDF… of a whole game's sheet: the document made, laid out on pages and written to a
// file, as the game sheet window does it.
void measureSheetExport() {
    constexpr double kTargetMilliseconds = 300;
    const SheetContent content = fullGameSheet();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sheet.pdf"));
    std::vector<double> times;
    QElapsedTimer clock;
    for (int i = 0; i < 21; ++i) {
        clock.start();
        const bool written = !replaceFile(path, sheetPdf(*sheetDocument(content), QPageSize::A4));
        if (i > 0 && written)  // after the warm-up, which loads the fonts
            times.push_back(clock.nsecsElapsed() / 1e6);
    }
    heading("The game sheet of a whole game (40 players, 10 goals, 20 penalties) exported as a PDF file");
    if (times.empty()) {
        std::printf("  not measured: the file could not be written\n");
        return;
    }
    std::printf("  %-40s %7.1f ms   < %.0f ms %s  (%.0f kB)\n", "Export PDF..., median of 20", median(times),
                kTargetMilliseconds, verdict(median(times) < kTargetMilliseconds),
                QFileInfo(path).size() / 1e3);
}

std::string cpuModel() {
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    if (cpuinfo.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : cpuinfo.readAll().split('\n')) {
            if (line.startsWith("model name"))
                return line.mid(line.indexOf(':') + 1).trimmed().toStdString();
        }
    }
    return "unknown CPU";
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 4 && std::strcmp(argv[1], "--read-once") == 0)
        return readOnce(argv[2], argv[3]);

    int runs = 30;
    int repetitions = 2000;
    std::string only;  // "startup", "readers", "commands" or "sheet": that part alone
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[i + 1]));
        if (std::strcmp(argv[i], "--repetitions") == 0)
            repetitions = std::max(20, std::atoi(argv[i + 1]));
        if (std::strcmp(argv[i], "--only") == 0)
            only = argv[i + 1];
    }

    char selfPath[4096] = {};
    const ssize_t length = readlink("/proc/self/exe", selfPath, sizeof selfPath - 1);
    const std::string self = length > 0 ? std::string(selfPath, length) : std::string(argv[0]);
    const std::string benchDir = self.substr(0, self.rfind('/'));
    const std::string dataDir = TORVANE_DATA_DIR;

    std::printf("Torvane FAC benchmark: %ld cores, %s, Qt %s, %s\n", sysconf(_SC_NPROCESSORS_ONLN),
                cpuModel().c_str(), qVersion(), QSysInfo::prettyProductName().toStdString().c_str());
    // Other work on the machine moves every figure; say how busy it was.
    double load[3] = {};
    if (getloadavg(load, 3) > 0)
        std::printf("Load average at the start: %.2f\n", load[0]);

    const auto measures = [&only](const char* part) { return only.empty() || only == part; };
    if (measures("startup")) {
        heading(
            "Start-up until the window is first shown: the program against the text floor (its texts, fonts\n"
            "and decorations drawn by one widget) and against a bare Qt window");
        std::printf(
            "  (time and memory: median of %d runs of each, in turn; instructions: one run under "
            "callgrind)\n",
            runs);
        std::printf("  %-10s %-12s %12s %12s %-22s %12s %s\n", "platform", "measure", "program", "text floor",
                    " ratio, target", "bare", " ratio, target");
        const Platform offscreen{"offscreen", {"QT_QPA_PLATFORM=offscreen"}};
        measureStartUp(offscreen, benchDir, dataDir, runs);
        measureInstructions(offscreen, benchDir, dataDir);
        {
            XServer xserver;
            if (xserver.display().empty()) {
                std::printf("  %-10s not measured: Xvfb is not installed\n", "xcb");
            } else {
                const Platform xvfb{"xcb (Xvfb)", {"QT_QPA_PLATFORM=xcb", "DISPLAY=" + xserver.display()}};
                measureStartUp(xvfb, benchDir, dataDir, runs);
                measureInstructions(xvfb, benchDir, dataDir);
            }
        }
    }

    if (measures("readers"))
        measureReaders(self, QString::fromStdString(dataDir));

    if (measures("commands") || measures("sheet")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        if (measures("commands"))
            measureCommands(QString::fromStdString(dataDir), repetitions);
        if (measures("sheet"))
            measureSheetExport();
    }
    return 0;
}
