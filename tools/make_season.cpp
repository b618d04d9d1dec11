// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes a league file of a whole season, for measuring the standings, the leaders and the
// size of the file: 32 teams of 23 players, 82 games each (1,312 games), played by chance at
// about a real league's rates (some 30 shots, 3 goals with 1.7 assists each and 4 minors a
// team a game), with their score sheets, all final. Overtime is 5:00 of sudden death, then a
// shoot-out. The same arguments make the same season; the folder can be imported as another
// player's league.
//
// Usage: make_season <card data file> <folder> [seed, 1]

#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <random>

#include "core/services.h"
#include "deck/cardreader.h"
#include "deck/deck.h"
#include "game/clock.h"
#include "game/newgame.h"
#include "game/outcome.h"
#include "game/scoreboard.h"
#include "league/leaguestore.h"
#include "leaguegame.h"

namespace {

constexpr int kTeams = 32;
constexpr int kRounds = 82;  // every team plays once a round
constexpr double kShotsPerFlip = 30.0 / 180;
constexpr double kGoalsPerFlip = 3.0 / 180;
constexpr double kMinorsPerFlip = 4.0 / 180;
constexpr int kFlipsBetweenChanges = 3;

const QStringList kCities = {"Akron",  "Boise",  "Camden", "Dayton", "Elgin", "Fresno",  "Gary",   "Helena",
                             "Irvine", "Joliet", "Kenai",  "Laredo", "Macon", "Nampa",   "Ogden",  "Provo",
                             "Quincy", "Reno",   "Salem",  "Tulsa",  "Utica", "Vallejo", "Waco",   "Xenia",
                             "Yakima", "Zion",   "Aurora", "Bangor", "Chico", "Duluth",  "Eugene", "Flint"};
const QStringList kSurnames = {"Berg",  "Lund", "Moe",   "Falk", "Ek",  "Ruud", "Holm",    "Dahl",
                               "Strom", "Vik",  "Nyman", "Sand", "Aas", "Lie",  "Kolstad", "Brun",
                               "Hagen", "Lind", "Sten",  "Ros",  "Wik", "Fors", "Krog"};

Roster makeRoster(int team) {
    Roster roster;
    roster.name = kCities[team];
    roster.shortName = kCities[team].left(3).toUpper();
    // 14 forwards, 7 defencemen, 2 goalies: the four lines, three pairs and both nets filled.
    const QList<Position> positions = {Position::LW, Position::C,  Position::RW, Position::LW, Position::C,
                                       Position::RW, Position::LW, Position::C,  Position::RW, Position::LW,
                                       Position::C,  Position::RW, Position::C,  Position::LW, Position::D,
                                       Position::D,  Position::D,  Position::D,  Position::D,  Position::D,
                                       Position::D,  Position::G,  Position::G};
    for (int p = 0; p < positions.size(); ++p)
        roster.players.append(
            {p + 2, QStringLiteral("%1 %2").arg(kSurnames[(p + team) % kSurnames.size()]).arg(team),
             positions[p]});
    int forward = 0, defence = 0, goalie = 0;
    for (const RosterEntry& player : roster.players) {
        if (player.position == Position::G && goalie < 2) {
            roster.lines.setPlayer({++goalie, IcePosition::G}, player.number);
        } else if (player.position == Position::D && defence < 6) {
            roster.lines.setPlayer({defence / 2 + 1, defence % 2 ? IcePosition::RD : IcePosition::LD},
                                   player.number);
            ++defence;
        } else if (player.position != Position::D && player.position != Position::G && forward < 12) {
            const IcePosition at = forward % 3 == 0   ? IcePosition::LW
                                   : forward % 3 == 1 ? IcePosition::C
                                                      : IcePosition::RW;
            roster.lines.setPlayer({forward / 3 + 1, at}, player.number);
            ++forward;
        }
    }
    return roster;
}

// One game played flip by flip; the board, its log and the league's outcome.
struct Season {
    const CardTable& cards;
    std::mt19937 engine;
    Chance chance{engine};

    bool roll(double p) { return chance.next() < p; }

    GameRecord play(const Roster& away, const Roster& home, GameOutcome& outcome) {
        FieldModel fields;
        Deck deck(cards, fields, chance);
        GameClock clock(fields, [] {});
        PenaltyBox box;
        ScoreSheet sheet;
        GameLog log;
        Scoreboard::followChanges(fields);
        deck.shuffle();
        startNewGame(fields);
        fields.setText(Control::AwayName, 1, away.name);
        fields.setText(Control::HomeName, 1, home.name);
        sheet.setRoster(Team::Away, away);
        sheet.setRoster(Team::Home, home);
        const OvertimeRules rules{true, OvertimeRules::kShortMinutes, 3, true};
        Scoreline line;
        int flips = 0;
        for (int period = 1; period <= 4; ++period) {
            if (period == 4 && line.awayGoals != line.homeGoals)
                break;
            // A new game stands at the start of the first period.
            if (period > 1) {
                clock.nextPeriod();
                log.add(fields, Command::NextPeriod);
            }
            const QString periodText = fields.text(Control::Period);
            while (clock.isRunning()) {
                deck.flip();
                clock.runFlip();
                log.add(fields, Command::TimedFlip, LogText::cards(fields));
                if (++flips % kFlipsBetweenChanges == 0)
                    sheet.nextLines();
                for (const Penalty& ended : box.elapse(GameClock::kSecondsPerFlip))
                    sheet.penaltyEnded(ended.id, periodText, fields.text(Control::Clock));
                for (const Team team : {Team::Away, Team::Home}) {
                    const bool overtime = period == 4;
                    if (roll(kShotsPerFlip)) {
                        Scoreboard::addOne(fields, team, Scoreboard::Tally::Shots);
                        sheet.addShot(team, periodText);
                        log.add(fields, team == Team::Away ? Command::AwayShot : Command::HomeShot,
                                LogText::shots(fields));
                    }
                    if (roll(overtime ? 2 * kGoalsPerFlip : kGoalsPerFlip)) {
                        const int id = sheet.addGoal(team, periodText, fields.text(Control::Clock), box, {});
                        Scoreboard::addOne(fields, team, Scoreboard::Tally::Goals);
                        QList<int> skaters;
                        for (const RosterEntry& player : sheet.skatersOnIce(team, box))
                            skaters.append(player.number);
                        std::shuffle(skaters.begin(), skaters.end(), engine);
                        // 1.7 assists a goal: two on three goals of four, one on most of the rest.
                        const double assisted = chance.next();
                        const qsizetype assists =
                            std::min<qsizetype>(skaters.size() - 1, assisted < 0.75   ? 2
                                                                    : assisted < 0.95 ? 1
                                                                                      : 0);
                        if (!skaters.isEmpty())
                            sheet.editGoal(id, skaters[0], skaters.mid(1, assists));
                        box.goalScored(team);
                        log.add(fields, team == Team::Away ? Command::AwayGoal : Command::HomeGoal,
                                LogText::goals(fields));
                        (team == Team::Away ? line.awayGoals : line.homeGoals) += 1;
                        if (overtime) {
                            (team == Team::Away ? line.awayOvertimeGoals : line.homeOvertimeGoals) += 1;
                            break;
                        }
                    }
                    if (roll(kMinorsPerFlip)) {
                        const QList<RosterEntry> skaters = sheet.skatersOnIce(team, box);
                        if (skaters.isEmpty())
                            continue;
                        const RosterEntry& player = skaters[engine() % skaters.size()];
                        const int id = box.add(team, sheet.playerLabel(team, player.number),
                                               PenaltyKind::Minor, QStringLiteral("Tripping"), player.number);
                        if (const std::optional<Penalty> penalty = box.find(id)) {
                            sheet.addPenalty(*penalty, periodText, fields.text(Control::Clock));
                            log.add(fields, Command::AddPenalty, LogText::penalty(*penalty));
                        }
                    }
                }
                line.period = periodText;
                line.secondsLeft = fields.text(Control::SecondsLeft).toDouble();
                if (period == 4 &&
                    (line.awayOvertimeGoals + line.homeOvertimeGoals > 0 ||
                     line.secondsLeft <= (OvertimeRules::kFullMinutes - OvertimeRules::kShortMinutes) * 60))
                    break;
            }
        }
        line.clockRunning = clock.isRunning();
        if (line.awayGoals == line.homeGoals)
            line.shootoutWinner = roll(0.5) ? Team::Away : Team::Home;
        outcome = outcomeOf(line, rules);

        GameRecord record;
        record.state = GameState::Final;
        record.board = {fields.snapshot(), deck.state(), box.penalties(), box.nextId(), sheet};
        record.log = log.entries();
        return record;
    }
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: make_season <card data file> <folder> [seed]\n");
        return 2;
    }
    const CardReadResult cards = readCardFile(QString::fromLocal8Bit(argv[1]));
    const unsigned seed = argc == 4 ? static_cast<unsigned>(std::atoi(argv[3])) : 1u;
    LeagueStore store(QString::fromLocal8Bit(argv[2]));
    for (const char* suffix : {"", "-wal", "-shm"})
        QFile::remove(store.filePath() + QLatin1String(suffix));
    if (const std::optional<QString> problem = store.open()) {
        std::fprintf(stderr, "%s\n", qPrintable(*problem));
        return 1;
    }
    QList<LeagueTeam> teams;
    for (int t = 0; t < kTeams; ++t)
        teams.append({0, makeRoster(t)});
    if (!store.writeTeams(teams)) {
        std::fprintf(stderr, "%s\n", qPrintable(store.problem()));
        return 1;
    }
    Season season{cards.table, std::mt19937(seed)};
    const QDateTime firstEvening(QDate(2025, 10, 1), QTime(19, 0), Qt::UTC);
    int games = 0;
    // The circle method: each round pairs every team once; the last team stays, the others turn.
    for (int round = 0; round < kRounds; ++round) {
        const int turn = round % (kTeams - 1);
        for (int pair = 0; pair < kTeams / 2; ++pair) {
            const int first = pair == 0 ? kTeams - 1 : (turn + pair) % (kTeams - 1);
            const int second = (turn + kTeams - 1 - pair) % (kTeams - 1);
            const bool swapped = (round / (kTeams - 1) + pair) % 2 == 1;
            const Roster& away = teams[swapped ? second : first].roster;
            const Roster& home = teams[swapped ? first : second].roster;
            GameOutcome outcome;
            GameRecord record = season.play(away, home, outcome);
            record.id = LeagueStore::newGameId();
            record.started = firstEvening.addSecs(qint64(round) * 2 * 24 * 3600 + pair * 60);
            record.lastPlayed = record.started.addSecs(2 * 3600);
            if (!store.writeGame(record) || !store.writeResult(record.id, record.board, outcome)) {
                std::fprintf(stderr, "%s\n", qPrintable(store.problem()));
                return 1;
            }
            ++games;
        }
    }
    std::printf("%d games of %d teams written to %s\n", games, kTeams, qPrintable(store.filePath()));
    return 0;
}
