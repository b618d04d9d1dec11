// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTest>

#include "deck/cardreader.h"
#include "game/cardpositions.h"
#include "game/roster.h"
#include "game/rostercsv.h"

namespace {

// Forward lines 1, 2 (no RW) and 4; defence pairs 1 and 2; both goalies.
Roster team() {
    Roster roster{QStringLiteral("Lakeport Herons"), QStringLiteral("LKP"), {}, {}};
    const struct {
        int number;
        const char* name;
        Position position;
        LinePlace place;
    } players[] = {
        {11, "Ada Voss", Position::LW, {1, IcePosition::LW}},
        {19, "Bo Lind", Position::C, {1, IcePosition::C}},
        {27, "Cy Marsh", Position::RW, {1, IcePosition::RW}},
        {12, "Dag Holm", Position::LW, {2, IcePosition::LW}},
        {20, "Eli Brandt", Position::RW, {2, IcePosition::C}},
        {8, "Finn Ode", Position::C, {4, IcePosition::C}},
        {4, "Gus Rahe", Position::D, {1, IcePosition::LD}},
        {5, "Hal Kerr", Position::D, {1, IcePosition::RD}},
        {2, "Ivo Tams", Position::D, {2, IcePosition::RD}},
        {3, "Jo \"Jet\" Nye, Jr.", Position::D, {2, IcePosition::LD}},
        {30, "Kai Lund", Position::G, {1, IcePosition::G}},
        {35, "Lev Ors", Position::G, {2, IcePosition::G}},
    };
    for (const auto& player : players) {
        roster.players.append({player.number, QString::fromUtf8(player.name), player.position});
        roster.lines.setPlayer(player.place, player.number);
    }
    roster.players.append({91, QStringLiteral("=Mo Pratt"), Position::RW});  // in no line
    return roster;
}

QString numbers(const QList<RosterEntry>& players) {
    QStringList text;
    for (const RosterEntry& player : players)
        text.append(QString::number(player.number));
    return text.join(u' ');
}

const QString H = QStringLiteral("number,name,position,line\r\n");

}  // namespace

class TestRoster : public QObject {
    Q_OBJECT

private slots:
    // Every assist cell of the deck against the lines on the ice, with number 5 (RD of pair
    // 1) in the penalty box.
    void assists_data() {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<int>("forwardLine");
        QTest::addColumn<int>("pair");
        QTest::addColumn<int>("scorer");
        QTest::addColumn<QString>("assists");
        QTest::newRow("LW + C") << "LW + C" << 1 << 1 << 27 << "11 19";
        QTest::newRow("C + RW") << "C + RW" << 1 << 1 << 11 << "19 27";
        QTest::newRow("a centre's place played by a wing") << "LW + C" << 2 << 1 << 4 << "12 20";
        QTest::newRow("LW + RW, no RW in the line") << "LW + RW" << 2 << 1 << 20 << "12";
        QTest::newRow("LD + C") << "LD + C" << 1 << 2 << 27 << "3 19";
        QTest::newRow("RD + C, RD in the box") << "RD + C" << 1 << 1 << 27 << "19";
        QTest::newRow("LD + RD, RD in the box") << "LD + RD" << 1 << 1 << 19 << "4";
        QTest::newRow("LD + RD, other pair") << "LD + RD" << 4 << 2 << 8 << "3 2";
        QTest::newRow("C only") << "C only" << 1 << 1 << 11 << "19";
        QTest::newRow("LW only") << "LW only" << 2 << 2 << 20 << "12";
        QTest::newRow("RW only, the scorer") << "RW only" << 1 << 1 << 27 << "";
        QTest::newRow("LW + C, C scored") << "LW + C" << 1 << 1 << 19 << "11";
        QTest::newRow("a line with no LW") << "LW + C" << 4 << 1 << 5 << "8";
        QTest::newRow("No assist") << "No assist" << 1 << 1 << 11 << "";
    }
    void assists() {
        QFETCH(QString, cell);
        QFETCH(int, forwardLine);
        QFETCH(int, pair);
        QFETCH(int, scorer);
        QFETCH(QString, assists);
        const LinesOnIce onIce{forwardLine, pair, 1};
        QCOMPARE(numbers(assistsFor(cell, team(), onIce, {5}, scorer)), assists);
    }

    // A text the deck gains that names a position in a way not read here is caught.
    void everyDeckTextNamingPositionsIsRead() {
        const CardReadResult deck = readCardFile(QStringLiteral(TORVANE_DATA_DIR "/FAC_Data.txt"));
        QVERIFY(!deck.error);
        for (const CardRecord& card : deck.table.records) {
            QVERIFY2(!assistPositions(card.assists).isEmpty() || card.assists == "No assist",
                     qPrintable(card.assists));
            QVERIFY2(loosePuckPosition(card.loosePuck) || card.loosePuck.endsWith("- faceoff"),
                     qPrintable(card.loosePuck));
            QVERIFY2(
                faceoffWinner(card.faceoff) || !card.faceoff.contains(QRegularExpression("^(Home|Away) ")),
                qPrintable(card.faceoff));
            for (const QString& pass : {card.passTo1, card.passTo2, card.passTo3})
                QVERIFY2(passTarget(pass), qPrintable(pass));
        }
        CardRecord card;
        card.passTo1 = "LW", card.passTo3 = "RD", card.loosePuck = "Defence - C";
        card.faceoff = "Away C wins", card.assists = "LD + RD";
        const QList<NamedPosition> expected = {
            {Control::PassTo1, {CardTeam::Attacking, IcePosition::LW}},
            {Control::PassTo3, {CardTeam::Attacking, IcePosition::RD}},
            {Control::LoosePuck, {CardTeam::Defending, IcePosition::C}},
            {Control::Faceoff, {CardTeam::Away, IcePosition::C}},
            {Control::Assists, {CardTeam::Attacking, IcePosition::LD}},
            {Control::Assists, {CardTeam::Attacking, IcePosition::RD}},
        };
        QCOMPARE(positionsOnShow(card, card), expected);
    }

    void nextLines_data() {
        QTest::addColumn<LinesOnIce>("from");
        QTest::addColumn<LinesOnIce>("to");
        QTest::newRow("1 to 2") << LinesOnIce{1, 1, 2} << LinesOnIce{2, 2, 2};
        QTest::newRow("past a line with nobody") << LinesOnIce{2, 2, 1} << LinesOnIce{4, 1, 1};
        QTest::newRow("from the last back to the first") << LinesOnIce{4, 1, 1} << LinesOnIce{1, 2, 1};
        QTest::newRow("from a line with nobody") << LinesOnIce{3, 3, 1} << LinesOnIce{4, 1, 1};
    }
    void nextLines() {
        QFETCH(LinesOnIce, from);
        QFETCH(LinesOnIce, to);
        QCOMPARE(::nextLines(team().lines, from), to);
        QCOMPARE(::nextLines(Lines{}, from), from);
    }

    void teamNames() {
        const QList<Roster> league = {team(), {QStringLiteral("Lakeport"), QStringLiteral("LAK"), {}, {}}};
        QCOMPARE(findRoster(league, QStringLiteral("  lakeport HERONS ")), &league[0]);
        QCOMPARE(findRoster(league, QStringLiteral("Lakeport")), &league[1]);
        QVERIFY(!findRoster(league, QStringLiteral("LKP")));
        QVERIFY(!findRoster(league, QStringLiteral(" ")));
        QCOMPARE(team().problems(), QStringList());
    }

    void importRefusesBadRows_data() {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QStringList>("problems");
        QTest::newRow("number twice") << H + "7,A,C,F1\r\n9,B,D,\r\n7,C,LW,\r\n"
                                      << QStringList{"Line 4: number 7 is on line 2 already"};
        QTest::newRow("number 100 and a word")
            << H + "100,A,C,\n-1,B,C,\nseven,C,C,\n"
            << QStringList{"Line 2: the number “100” is not from 0 to 99",
                           "Line 3: the number “-1” is not from 0 to 99",
                           "Line 4: the number “seven” is not from 0 to 99"};
        QTest::newRow("unknown position") << H + "7,A,LD,\n"
                                          << QStringList{"Line 2: “LD” is not a position: C, LW, RW, D or G"};
        QTest::newRow("no name") << H + "7, ,C,\n" << QStringList{"Line 2: number 7 has no name"};
        QTest::newRow("a place a player does not play")
            << H + "2,A,D,F1\n3,B,LW,D1\n30,C,G,D2 LD\n31,D,C,G2\n"
            << QStringList{"Line 2: number 2 plays D and cannot play in forward line 1",
                           "Line 3: number 3 plays LW and cannot play in defence pair 1",
                           "Line 4: number 30 plays G and cannot play in defence pair 2",
                           "Line 5: number 31 plays C and cannot be the backup goalie"};
        QTest::newRow("no such line")
            << H + "7,A,C,F5\n8,B,C,F1 LD\n9,C,C,X\n30,D,G,G1 LW\n"
            << QStringList{
                   "Line 2: “F5” is not a place in the lines", "Line 3: “F1 LD” is not a place in the lines",
                   "Line 4: “X” is not a place in the lines", "Line 5: “G1 LW” is not a place in the lines"};
        QTest::newRow("too many in a line")
            << H + "7,A,C,F1\n8,B,C,F1\n9,C,RW,F1 C\n2,D,D,D1\n3,E,D,D1\n4,F,D,D1\n30,G,G,G1\n31,H,G,G1\n"
            << QStringList{"Line 3: forward line 1 has number 7 at C already",
                           "Line 4: forward line 1 has number 7 at C already",
                           "Line 7: defence pair 1 has number 3 at RD already",
                           "Line 9: the starting goalie is number 30 already"};
        QTest::newRow("bad quotes") << H + "7,\"A,C,F1\n8,B,C,\n"
                                    << QStringList{"Line 2: a quote is opened and never closed"};
        QTest::newRow("quotes and line breaks")
            << H + "7,\"Al\nan\",C,\n8,Bo \"B\",C,\n9,\"Cy\"x,C,\n10,D,C\n"
            << QStringList{"Line 4: a quote inside a cell that does not begin with one",
                           "Line 5: text follows a closing quote", "Line 6: 3 cells where there should be 4"};
        QTest::newRow("no header")
            << "7,A,C,F1\n"
            << QStringList{"Line 1: the first line is not the header number,name,position,line"};
    }
    void importRefusesBadRows() {
        QFETCH(QString, rows);
        QFETCH(QStringList, problems);
        const RosterFile file = readRosterCsv(rows.toUtf8());
        QStringList messages;
        for (const RosterFileProblem& problem : file.problems)
            messages.append(problem.message());
        QCOMPARE(messages, problems);
        QVERIFY(file.players.isEmpty());
        QCOMPARE(file.lines, Lines{});
    }

    void exportAndImportAgain() {
        const Roster roster = team();
        const QByteArray bytes = writeRosterCsv(roster);
        QVERIFY(bytes.contains("\r\n20,Eli Brandt,RW,F2 C\r\n"));
        QVERIFY(bytes.contains("\r\n91,'=Mo Pratt,RW,\r\n"));
        const RosterFile file = readRosterCsv(bytes);
        QCOMPARE(file.problems, QList<RosterFileProblem>());
        QCOMPARE(file.players, roster.players);
        QCOMPARE(file.lines, roster.lines);

        // As a spreadsheet or an editor may write it: a byte-order mark, LF, spaces, any case.
        const RosterFile typed = readRosterCsv(
            "\xEF\xBB\xBFNumber, Name ,Position,LINE\n4,Gus Rahe,d,D1\n"
            "3,Jo,D, d1 \n 19 ,Bo Lind,C,f1\n8,Finn Ode,C,F1 lw");
        QCOMPARE(typed.problems, QList<RosterFileProblem>());
        QCOMPARE(typed.lines.player({1, IcePosition::RD}), 3);
        QCOMPARE(typed.lines.player({1, IcePosition::LW}), 8);
        QCOMPARE(typed.players.at(2), (RosterEntry{19, "Bo Lind", Position::C}));
    }
};

QTEST_GUILESS_MAIN(TestRoster)
#include "tst_roster.moc"
