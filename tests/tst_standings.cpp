// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The standings and the leaders over the final games: what each outcome is worth, the order
// of the table, the figures of players from scripted sheets, and a game reopened on the
// board leaving the table again.
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <numeric>

#include "app/program.h"
#include "io/csv.h"
#include "league/leaguestore.h"
#include "support/testkit.h"
#include "ui/seasonwindows.h"

namespace {

GameBoard boardOf(const QString& away, const QString& home, const ScoreSheet& sheet = {}) {
    FieldModel fields;
    fields.setText(Control::AwayName, 1, away);
    fields.setText(Control::HomeName, 1, home);
    return {fields.snapshot(), {}, {}, 1, sheet};
}

// A final game between the two teams, the n-th of the league.
void writeFinal(LeagueStore& store, int n, const QString& away, const QString& home, int awayGoals,
                int homeGoals, Decided decided, const ScoreSheet& sheet = {}) {
    const QString id = LeagueStore::newGameId();
    const QDateTime started = QDateTime(QDate(2026, 1, 1), QTime(19, 0), Qt::UTC).addDays(n);
    const GameBoard board = boardOf(away, home, sheet);
    QVERIFY(store.writeGame({id, started, started, GameState::Final, board, {}}));
    GameOutcome outcome;
    outcome.final = true;
    outcome.decided = decided;
    outcome.awayGoals = awayGoals;
    outcome.homeGoals = homeGoals;
    QVERIFY(store.writeResult(id, board, outcome));
}

QString recordOf(const StandingRow& row) {
    return QStringLiteral("%1 GP%2 %3-%4-%5-%6 PTS%7 GF%8 GA%9 %10")
        .arg(row.team)
        .arg(row.played)
        .arg(row.wins)
        .arg(row.losses)
        .arg(row.overtimeLosses)
        .arg(row.ties)
        .arg(row.points())
        .arg(row.goalsFor)
        .arg(row.goalsAgainst)
        .arg(row.lastTen());
}

QStringList recordsOf(const QList<StandingRow>& rows) {
    QStringList records;
    for (const StandingRow& row : rows)
        records << recordOf(row);
    return records;
}

Roster rosterOf(const QString& name, const QList<RosterEntry>& players) {
    Roster roster{name, name.left(3).toUpper(), players, {}};
    return roster;
}

const Roster kBears = rosterOf(QStringLiteral("Bears"), {{9, QStringLiteral("Berg"), Position::C},
                                                         {12, QStringLiteral("Lund"), Position::LW},
                                                         {4, QStringLiteral("Moe"), Position::D},
                                                         {31, QStringLiteral("Wall"), Position::G},
                                                         {30, QStringLiteral("Back"), Position::G}});
const Roster kLynx = rosterOf(QStringLiteral("Lynx"), {{17, QStringLiteral("Falk"), Position::C},
                                                       {2, QStringLiteral("Ek"), Position::D},
                                                       {1, QStringLiteral("Ruud"), Position::G}});

GoalRow goal(Team team, const QString& period, int scorer, const QList<int>& assists, const QList<int>& plus,
             const QList<int>& minus, int goalieAgainst) {
    GoalRow row;
    row.period = period;
    row.team = team;
    row.scorer = scorer;
    row.assists = assists;
    row.plus = plus;
    row.minus = minus;
    row.goalieAgainst = goalieAgainst;
    return row;
}

}  // namespace

class TestStandings : public QObject {
    Q_OBJECT

private slots:
    void outcomes_data() {
        QTest::addColumn<int>("awayGoals");
        QTest::addColumn<int>("homeGoals");
        QTest::addColumn<Decided>("decided");
        QTest::addColumn<QStringList>("records");
        const auto row = [](const char* name, int away, int home, Decided decided,
                            const QStringList& records) {
            QTest::newRow(name) << away << home << decided << records;
        };
        row("won in regulation", 4, 2, Decided::Regulation,
            {"Bears GP1 1-0-0-0 PTS2 GF4 GA2 1-0-0", "Lynx GP1 0-1-0-0 PTS0 GF2 GA4 0-1-0"});
        row("won in overtime", 2, 3, Decided::Overtime,
            {"Lynx GP1 1-0-0-0 PTS2 GF3 GA2 1-0-0", "Bears GP1 0-0-1-0 PTS1 GF2 GA3 0-0-1"});
        row("won in the shoot-out", 3, 2, Decided::Shootout,
            {"Bears GP1 1-0-0-0 PTS2 GF3 GA2 1-0-0", "Lynx GP1 0-0-1-0 PTS1 GF2 GA3 0-0-1"});
        row("overtime ran out level", 2, 2, Decided::Overtime,
            {"Bears GP1 0-0-0-1 PTS1 GF2 GA2 0-0-0-1", "Lynx GP1 0-0-0-1 PTS1 GF2 GA2 0-0-0-1"});
        row("ended by hand level", 0, 0, Decided::Regulation,
            {"Bears GP1 0-0-0-1 PTS1 GF0 GA0 0-0-0-1", "Lynx GP1 0-0-0-1 PTS1 GF0 GA0 0-0-0-1"});
    }

    void outcomes() {
        QFETCH(int, awayGoals);
        QFETCH(int, homeGoals);
        QFETCH(Decided, decided);
        QFETCH(QStringList, records);
        QTemporaryDir dir;
        LeagueStore store(dir.path());
        QCOMPARE(store.open().value_or(QString()), QString());
        writeFinal(store, 1, QStringLiteral(" Bears "), QStringLiteral("Lynx"), awayGoals, homeGoals,
                   decided);
        QCOMPARE(recordsOf(store.standings()), records);
    }

    // Points first, then wins, then goal difference; the last ten are the ten latest by start.
    void orderAndLastTen() {
        QTemporaryDir dir;
        LeagueStore store(dir.path());
        QCOMPARE(store.open().value_or(QString()), QString());
        // Owls: two losses in overtime (2 points, no win). Hawks: one win by one. Elks: one win by three.
        writeFinal(store, 1, "Owls", "Pikes", 1, 2, Decided::Overtime);
        writeFinal(store, 2, "Pikes", "Owls", 3, 2, Decided::Shootout);
        writeFinal(store, 3, "Hawks", "Stags", 2, 1, Decided::Regulation);
        writeFinal(store, 4, "Elks", "Stags", 4, 1, Decided::Regulation);
        // Twelve games of the Moose: two wins first, then ten losses.
        for (int n = 0; n < 12; ++n)
            writeFinal(store, 10 + n, "Moose", "Bisons", n < 2 ? 3 : 0, 1, Decided::Regulation);
        QStringList teams;
        for (const StandingRow& row : store.standings())
            teams << row.team;
        QCOMPARE(teams, (QStringList{"Bisons", "Pikes", "Moose", "Elks", "Hawks", "Owls", "Stags"}));
        QCOMPARE(store.standings()[2].lastTen(), QStringLiteral("0-10-0"));
        QCOMPARE(store.standings()[2].played, 12);
    }

    // Final games the league holds without results (kept before results were, or brought in
    // from another league) are counted once their results are written from their boards.
    void finalGamesWithoutResultsAreCounted() {
        QTemporaryDir dir;
        LeagueStore store(dir.path());
        QCOMPARE(store.open().value_or(QString()), QString());
        FieldModel fields;
        fields.setText(Control::AwayName, 1, QStringLiteral("Owls"));
        fields.setText(Control::HomeName, 1, QStringLiteral("Pikes"));
        fields.setText(Control::Period, QStringLiteral("3"));
        fields.setText(Control::AwayTotal, 2, QStringLiteral("3"));
        fields.setText(Control::HomeTotal, 2, QStringLiteral("2"));
        fields.setVisible(Control::TimedFlipButton, false);
        GameBoard board{fields.snapshot(), {}, {}, 1, {}};
        std::iota(board.deck.order.begin(), board.deck.order.end(), qint16{1});
        board.deck.position = board.deck.currentCard = 1;
        const QDateTime started = QDateTime(QDate(2026, 1, 1), QTime(19, 0), Qt::UTC);
        QVERIFY(store.writeGame({LeagueStore::newGameId(), started, started, GameState::Final, board, {}}));
        QVERIFY(store.standings().isEmpty());
        QVERIFY(store.writeMissingResults());
        QCOMPARE(store.standings().size(), 2);
        QCOMPARE(recordOf(store.standings()[0]).left(12), QStringLiteral("Owls GP1 1-0"));
        QVERIFY(store.writeMissingResults());  // nothing twice
        QCOMPARE(store.standings()[0].played, 1);
    }

    // Two games of the Bears and the Lynx, their sheets written by hand, counted for each player.
    void leadersFromScriptedGames() {
        QTemporaryDir dir;
        LeagueStore store(dir.path());
        QCOMPARE(store.open().value_or(QString()), QString());

        ScoreSheet::Parts first;
        first.teams = {SheetTeam{kBears, {}, 31, false}, SheetTeam{kLynx, {}, 1, false}};
        first.goals = {goal(Team::Away, "1", 9, {12, 4}, {9, 12, 4}, {17, 2}, 1),
                       goal(Team::Home, "2", 17, {}, {}, {}, 31),                // a power play
                       goal(Team::Away, "3", 12, {9}, {12, 9}, {17}, kNobody)};  // into an empty net
        first.penalties = {
            {1, "1", "5:00", Team::Home, 2, "2 Ek", PenaltyKind::Minor, "Hooking", "1", "3:00"},
            {2, "2", "9:00", Team::Away, 4, "4 Moe", PenaltyKind::Major, "Fighting", "2", "4:00"}};
        first.shotsFaced = {{Team::Away, "1", 31, 20}, {Team::Home, "1", 1, 25}};
        writeFinal(store, 1, "bears", "Lynx", 2, 1, Decided::Regulation, ScoreSheet::kept(first));

        // The Bears change goalies; the Lynx win in overtime, their goalie unbeaten.
        ScoreSheet::Parts second;
        second.teams = {SheetTeam{kBears, {}, 30, false}, SheetTeam{kLynx, {}, 1, false}};
        second.goalieChanges = {{"2", "10:00", Team::Away, 30}};
        second.goals = {goal(Team::Home, "OT", 17, {2}, {17, 2}, {9, 4}, 30)};
        second.shotsFaced = {{Team::Away, "1", 31, 10}, {Team::Away, "2", 30, 15}, {Team::Home, "1", 1, 30}};
        writeFinal(store, 2, "Bears", "Lynx", 0, 1, Decided::Overtime, ScoreSheet::kept(second));

        const auto skaters = [&store](const QString& team) {
            QStringList lines;
            for (const SkaterRow& s : store.skaters(team))
                lines << QStringLiteral("%1 %2 %3 %4 GP%5 G%6 A%7 P%8 PIM%9 %10")
                             .arg(s.team)
                             .arg(s.number)
                             .arg(s.name, s.position)
                             .arg(s.played)
                             .arg(s.goals)
                             .arg(s.assists)
                             .arg(s.points())
                             .arg(s.penaltyMinutes)
                             .arg(s.plusMinus);
            return lines;
        };
        QCOMPARE(skaters({}),
                 (QStringList{"Lynx 17 Falk C GP2 G2 A0 P2 PIM0 -1", "Bears 9 Berg C GP2 G1 A1 P2 PIM0 1",
                              "Bears 12 Lund LW GP1 G1 A1 P2 PIM0 2", "Lynx 2 Ek D GP2 G0 A1 P1 PIM2 0",
                              "Bears 4 Moe D GP2 G0 A1 P1 PIM5 0"}));
        QCOMPARE(skaters("Lynx"),
                 (QStringList{"Lynx 17 Falk C GP2 G2 A0 P2 PIM0 -1", "Lynx 2 Ek D GP2 G0 A1 P1 PIM2 0"}));

        QStringList goalies;
        for (const GoalieRow& g : store.goalies())
            goalies << QStringLiteral("%1 %2 GP%3 %4-%5-%6 SA%7 GA%8 SO%9 GAA%10 SV%11")
                           .arg(g.team, g.name)
                           .arg(g.played)
                           .arg(g.wins)
                           .arg(g.losses)
                           .arg(g.overtimeLosses)
                           .arg(g.shotsAgainst)
                           .arg(g.goalsAgainst)
                           .arg(g.shutouts)
                           .arg(g.goalsAgainstAverage(), 0, 'f', 2)
                           .arg(g.savePercentage().value_or(-1), 0, 'f', 3);
        QCOMPARE(goalies, (QStringList{"Lynx Ruud GP2 1-1-0 SA55 GA1 SO1 GAA0.50 SV0.982",
                                       "Bears Wall GP2 1-0-0 SA30 GA1 SO0 GAA0.50 SV0.967",
                                       "Bears Back GP1 0-0-1 SA15 GA1 SO0 GAA1.00 SV0.933"}));
        QCOMPARE(store.leaderTeams(), (QStringList{"Bears", "Lynx"}));

        // On screen in the player's language; in a file with a dot.
        SeasonModel model(store, SeasonModel::Table::Goalies);
        model.reload();
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const int gaa = 8;
        const QModelIndex cell = model.index(0, gaa);
        const QString shown = cell.data().toString();
        const QString filed = cell.data(SeasonModel::kFileTextRole).toString();
        QLocale::setDefault(before);
        QCOMPARE(shown, QStringLiteral("0,50"));
        QCOMPARE(filed, QStringLiteral("0.50"));
    }

    // Through the program: a game played to the end of the third period enters the standings,
    // the window shows it and exports it; undoing the last step reopens the game and takes it out.
    void reopenedGameLeavesTheStandings() {
        Game game;
        game.tools->openLeague();
        LeagueStore& store = *game.tools->league().store();
        game.type(Control::AwayName, 1, QStringLiteral("Bears"));
        game.type(Control::HomeName, 1, QStringLiteral("Lynx"));
        game.controller->finishTyping();
        game.click(Control::AwayGoalButton);
        for (int presses = 0; presses < 400; ++presses) {
            if (game.text(Control::Period) == QLatin1String("3") && !game.visible(Control::TimedFlipButton))
                break;
            game.click(game.visible(Control::TimedFlipButton) ? Control::TimedFlipButton
                                                              : Control::NextPeriodButton);
        }
        QCOMPARE(recordsOf(store.standings()), (QStringList{"Bears GP1 1-0-0-0 PTS2 GF1 GA0 1-0-0",
                                                            "Lynx GP1 0-1-0-0 PTS0 GF0 GA1 0-1-0"}));

        game.trigger(QStringLiteral("mnuLeagueStandings"));
        StandingsWindow* window = game.tools->standingsWindow();
        QVERIFY(window->isVisible());
        QCOMPARE(window->table().view()->model()->rowCount(), 2);
        const QString csv = game.path(QStringLiteral("standings.csv"));
        game.dialogs.saveChoices.push_back(csv);
        window->exportAs(TableFormat::Csv);
        const QList<CsvRow> rows = readCsv(readAll(csv));
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].cells.mid(0, 7), (QStringList{"Team", "GP", "W", "L", "OTL", "T", "PTS"}));
        QCOMPARE(rows[1].cells.mid(0, 7), (QStringList{"Bears", "1", "1", "0", "0", "0", "2"}));
        const QString pdf = game.path(QStringLiteral("standings.pdf"));
        game.dialogs.saveChoices.push_back(pdf);
        window->exportAs(TableFormat::Pdf);
        QVERIFY(readAll(pdf).startsWith("%PDF"));

        game.controller->undo();
        QCOMPARE(store.standings().size(), 0);
        QCOMPARE(window->table().view()->model()->rowCount(), 0);
        game.controller->redo();
        QCOMPARE(store.standings().size(), 2);
    }
};

QTEST_MAIN(TestStandings)
#include "tst_standings.moc"
