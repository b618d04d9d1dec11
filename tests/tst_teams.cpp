// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The league's teams: kept in the league file and read back whole, a damaged or hostile row
// refused while the others load, the Teams window's roster files, and the rosters the names
// typed on the board find.
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "league/leaguestore.h"
#include "support/testkit.h"
#include "ui/teamswindow.h"

namespace {

RosterEntry player(int number, const QString& name, Position position) {
    return {number, name, position};
}

Roster lynx() {
    Roster roster;
    roster.name = QStringLiteral("Lynx");
    roster.shortName = QStringLiteral("LYN");
    roster.players = {player(9, "Åsa Öberg", Position::C), player(11, "Bo \"Bam\" Berg", Position::LW),
                      player(4, "Cy Dahl", Position::D), player(30, "Dan Ek", Position::G)};
    roster.lines.setPlayer({1, IcePosition::C}, 9);
    roster.lines.setPlayer({2, IcePosition::RW}, 11);
    roster.lines.setPlayer({1, IcePosition::RD}, 4);
    roster.lines.setPlayer({1, IcePosition::G}, 30);
    return roster;
}

Roster bears() {
    Roster roster;
    roster.name = QStringLiteral("Bears");
    roster.shortName = QStringLiteral("BRS");
    roster.players = {player(1, "Eli Falk", Position::G)};
    return roster;
}

// A row written by another program, straight into the file.
QString insertTeamRow(const QString& file, const QVariant& name, const QVariant& roster) {
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("outside"));
        db.setDatabaseName(file);
        QSqlQuery query(db);
        if (!db.open() || !query.prepare(QStringLiteral("INSERT INTO teams (name, short_name, roster)"
                                                        " VALUES (?, 'X', ?)")))
            failure = db.lastError().text() + query.lastError().text();
        query.bindValue(0, name);
        query.bindValue(1, roster);
        if (failure.isEmpty() && !query.exec())
            failure = query.lastError().text();
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("outside"));
    return failure;
}

template <typename T>
T* child(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QLatin1String(name));
    Q_ASSERT(found);
    return found;
}

}  // namespace

class TestTeams : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useOwnSettingsFolder(); }

    void teamsAndNameComeBack() {
        QTemporaryDir dir;
        QList<LeagueTeam> teams = {{0, lynx()}, {0, bears()}};
        {
            LeagueStore store(dir.path());
            QCOMPARE(store.open().value_or(QString()), QString());
            QCOMPARE(store.leagueName(), QString());
            QVERIFY(store.writeTeams(teams));
            QVERIFY(store.setLeagueName(QStringLiteral(" Ligue du Nord – 2026 ")));
        }
        QVERIFY(teams[0].id != 0 && teams[1].id != teams[0].id);
        LeagueStore store(dir.path());
        QCOMPARE(store.open().value_or(QString()), QString());
        LeagueTeams read = store.readTeams();
        QCOMPARE(read.refused, QStringList());
        QCOMPARE(read.teams, teams);
        QCOMPARE(store.leagueName(), QStringLiteral("Ligue du Nord – 2026"));

        teams[0].roster.players.removeLast();
        teams[0].roster.lines.setPlayer({1, IcePosition::G}, kNobody);
        QList<LeagueTeam> changed = {teams[0]};
        QVERIFY(store.writeTeams(changed, {teams[1].id}));
        QCOMPARE(store.readTeams().teams, changed);
    }

    void hostileRowIsRefused_data() {
        QTest::addColumn<QVariant>("name");
        QTest::addColumn<QVariant>("roster");
        QTest::addColumn<QString>("reason");  // empty: the row loads
        const auto json = [](const char* text) { return QVariant(QByteArray(text)); };
        QTest::newRow("keys of a later program") << QVariant("Owls")
                                                 << json(R"({"v":2,"players":[{"number":7,"name":"Gus",)"
                                                         R"("position":"LW","hand":"L"}],"lines":[],"x":1})")
                                                 << QString();
        QTest::newRow("not JSON") << QVariant("Owls") << json("{\"v\":1,")
                                  << "Owls” in the league file cannot "
                                     "be read: its roster is damaged";
        QTest::newRow("no version") << QVariant("Owls") << json(R"({"players":[],"lines":[]})")
                                    << "its roster is not one this program writes";
        QTest::newRow("number 100")
            << QVariant("Owls")
            << json(R"({"v":1,"players":[{"number":100,"name":"A","position":"C"}],"lines":[]})")
            << "a player of its roster has no number from 0 to 99";
        QTest::newRow("number 7.5")
            << QVariant("Owls")
            << json(R"({"v":1,"players":[{"number":7.5,"name":"A","position":"C"}],"lines":[]})")
            << "no number from 0 to 99";
        QTest::newRow("position X")
            << QVariant("Owls")
            << json(R"({"v":1,"players":[{"number":7,"name":"A","position":"X"}],"lines":[]})")
            << "number 7 has no position";
        QTest::newRow("name a number")
            << QVariant("Owls")
            << json(R"({"v":1,"players":[{"number":7,"name":3,"position":"C"}],"lines":[]})")
            << "number 7 has no name";
        QTest::newRow("number twice") << QVariant("Owls")
                                      << json(R"({"v":1,"players":[{"number":7,"name":"A","position":"C"},)"
                                              R"({"number":7,"name":"B","position":"D"}],"lines":[]})")
                                      << "number 7 is given twice";
        QTest::newRow("goalie at centre")
            << QVariant("Owls")
            << json(R"({"v":1,"players":[{"number":1,"name":"A","position":"G"}],)"
                    R"("lines":[{"line":1,"at":"C","number":1}]})")
            << "number 1 plays G and cannot play in forward line 1";
        QTest::newRow("line 5") << QVariant("Owls")
                                << json(R"({"v":1,"players":[{"number":1,"name":"A","position":"C"}],)"
                                        R"("lines":[{"line":5,"at":"C","number":1}]})")
                                << "a place or a number that does not exist";
        QTest::newRow("not on the team")
            << QVariant("Owls") << json(R"({"v":1,"players":[],"lines":[{"line":1,"at":"G","number":1}]})")
            << "number 1 in the starting goalie is not on the team";
        QTest::newRow("a name that is bytes")
            << QVariant(QByteArray("\xff\xfe")) << json(R"({"v":1,"players":[],"lines":[]})")
            << "A team in the league file cannot be read: its names";
        QTest::newRow("roster of 2 MB")
            << QVariant("Owls") << QVariant(QByteArray(2 << 20, ' ')) << "its roster is larger than any";
        QTest::newRow("name of another team")
            << QVariant(" LYNX ") << json(R"({"v":1,"players":[],"lines":[]})")
            << "another team has its name";
    }

    // The other teams load, and the row refused stays in the file as it was.
    void hostileRowIsRefused() {
        QFETCH(QVariant, name);
        QFETCH(QVariant, roster);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        LeagueStore store(dir.path());
        QCOMPARE(store.open().value_or(QString()), QString());
        QList<LeagueTeam> teams = {{0, lynx()}};
        QVERIFY(store.writeTeams(teams));
        QCOMPARE(insertTeamRow(store.filePath(), name, roster), QString());
        QVERIFY(store.writeTeams(teams));

        const LeagueTeams read = store.readTeams();
        QCOMPARE(read.teams.first(), teams.first());
        if (reason.isEmpty()) {
            QCOMPARE(read.refused, QStringList());
            QCOMPARE(read.teams.size(), 2);
            QCOMPARE(read.teams[1].roster.players, QList<RosterEntry>{player(7, "Gus", Position::LW)});
            return;
        }
        QCOMPARE(read.teams.size(), 1);
        QCOMPARE(read.refused.size(), 1);
        QVERIFY2(read.refused.first().contains(reason), qPrintable(read.refused.first()));
    }

    void importRosterFile_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");  // empty: imported
        QTest::newRow("good") << QByteArray(
                                     "number,name,position,line\r\n9,Ann Lind,C,F1\n"
                                     "22,Per Holm,D,D1 RD\n31,Ola Nyberg,G,G1\n")
                              << QString();
        QTest::newRow("number twice")
            << QByteArray("number,name,position,line\n9,Ann Lind,C,F1\n9,Per Holm,D,\n")
            << "Line 3: number 9 is on line 2 already\nNothing of the file was imported.";
        QTest::newRow("no such position") << QByteArray("number,name,position,line\n5,Cy,X,\n8,Di,D,D4\n")
                                          << "Line 2: “X” is not a position: C, LW, RW, D or G\nLine 3: “D4”";
    }

    // Nothing of a file with a bad row is imported; a good one replaces the players and lines,
    // and is written at Apply.
    void importRosterFile() {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        QTemporaryDir dir;
        LeagueStore store(dir.path());
        QCOMPARE(store.open().value_or(QString()), QString());
        QList<LeagueTeam> teams = {{0, bears()}};
        QVERIFY(store.writeTeams(teams));
        ScriptedDialogs dialogs;
        TeamsWindow window(store, dialogs);
        window.show();
        const QString path = dir.filePath("roster.csv");
        QVERIFY(writeFile(path, file));
        dialogs.fileChoices.push_back(path);
        QTest::mouseClick(child<QPushButton>(window, "cmdImportRoster"), Qt::LeftButton);
        QCOMPARE(dialogs.fileDialogs.size(), 1);
        QCOMPARE(dialogs.fileDialogs.first().second, dir.path());
        auto* apply = child<QPushButton>(window, "cmdApplyTeams");
        auto* table = child<QTableView>(window, "rosterTable");
        if (!message.isEmpty()) {
            QCOMPARE(dialogs.messages.size(), 1);
            QVERIFY2(dialogs.messages.first().text.contains(message),
                     qPrintable(dialogs.messages.first().text));
            QCOMPARE(table->model()->rowCount(), 1);
            QVERIFY(!apply->isEnabled());
            return;
        }
        QCOMPARE(dialogs.messages.size(), 0);
        QCOMPARE(table->model()->rowCount(), 3);
        QTest::mouseClick(apply, Qt::LeftButton);
        const Roster stored = store.teams().first();
        QCOMPARE(stored.name, QStringLiteral("Bears"));
        QCOMPARE(stored.players.size(), 3);
        QCOMPARE(stored.lines.player({1, IcePosition::RD}), 22);
        QCOMPARE(stored.lines.player({1, IcePosition::G}), 31);
        QCOMPARE(window.notice(), QString());
    }

    // A team named as another, whatever its case and spaces, is not written; the rest of what
    // was edited is.
    void teamWithSomethingWrongIsNotWritten() {
        QTemporaryDir dir;
        LeagueStore store(dir.path());
        QCOMPARE(store.open().value_or(QString()), QString());
        QList<LeagueTeam> teams = {{0, lynx()}};
        QVERIFY(store.writeTeams(teams));
        ScriptedDialogs dialogs;
        TeamsWindow window(store, dialogs);
        window.show();
        QTest::mouseClick(child<QPushButton>(window, "cmdAddTeam"), Qt::LeftButton);
        auto* name = child<QLineEdit>(window, "teamName");
        name->clear();
        QTest::keyClicks(name, QStringLiteral(" lynx"));
        QTest::keyClicks(child<QLineEdit>(window, "teamShortName"), QStringLiteral("LX"));
        QTest::keyClicks(child<QLineEdit>(window, "leagueName"), QStringLiteral("North"));
        QTest::mouseClick(child<QPushButton>(window, "cmdApplyTeams"), Qt::LeftButton);
        QVERIFY2(window.notice().contains(QStringLiteral("lynx: another team is named lynx.")),
                 qPrintable(window.notice()));
        QCOMPARE(store.teams(), QList<Roster>{lynx()});
        QCOMPARE(store.leagueName(), QStringLiteral("North"));

        QTest::keyClicks(name, QStringLiteral(" 2"));
        QTest::mouseClick(child<QPushButton>(window, "cmdApplyTeams"), Qt::LeftButton);
        QCOMPARE(store.teams().size(), 2);
        QCOMPARE(store.teams().last().name, QStringLiteral("lynx 2"));
    }

    void typedNameTakesUpRoster_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("found");
        QTest::newRow("as written") << "Lynx" << true;
        QTest::newRow("case and spaces") << "  lYNX " << true;
        QTest::newRow("another name") << "Lynxes" << false;
    }

    // The name in the shots table finds the league's team; an edit applied in the Teams
    // window reaches the game on the board.
    void typedNameTakesUpRoster() {
        QFETCH(QString, typed);
        QFETCH(bool, found);
        Game game;
        game.type(Control::AwayName, 1, typed);
        game.click(Control::AwayShotButton);
        QVERIFY(!game.controller->scoreSheet().team(Team::Away).roster);  // no league yet
        game.tools->openLeague();
        QList<LeagueTeam> teams = {{0, lynx()}};
        QVERIFY(game.tools->league().store()->writeTeams(teams));
        game.click(Control::AwayShotButton);
        const std::optional<Roster>& roster = game.controller->scoreSheet().team(Team::Away).roster;
        QCOMPARE(roster.has_value(), found);
        if (!found)
            return;
        QCOMPARE(*roster, lynx());

        game.trigger(QStringLiteral("mnuLeagueTeams"));
        TeamsWindow* window = game.tools->teamsWindow();
        QVERIFY(window->isVisible());
        auto* shortName = child<QLineEdit>(*window, "teamShortName");
        shortName->clear();
        QTest::keyClicks(shortName, QStringLiteral("LNX"));
        QTest::mouseClick(child<QPushButton>(*window, "cmdApplyTeams"), Qt::LeftButton);
        QCOMPARE(game.controller->scoreSheet().team(Team::Away).roster->shortName, QStringLiteral("LNX"));
    }
};

QTEST_MAIN(TestTeams)
#include "tst_teams.moc"
