// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include "fullgamesheet.h"
#include "support/testkit.h"

namespace {

using SheetStats::TeamCounts;

Roster rosterOf(const QString& name, const QList<RosterEntry>& players, const QList<LinePlace>& places) {
    Roster roster{name, name.left(3).toUpper(), players, {}};
    // The players fill the places in order; a short roster leaves the last places empty.
    for (qsizetype i = 0; i < std::min(places.size(), players.size()); ++i)
        roster.lines.setPlayer(places.at(i), players.at(i).number);
    return roster;
}

const QList<LinePlace> kPlaces = {{1, IcePosition::LW}, {1, IcePosition::C},  {1, IcePosition::RW},
                                  {1, IcePosition::LD}, {1, IcePosition::RD}, {1, IcePosition::G},
                                  {2, IcePosition::G}};

Roster bears() {
    return rosterOf(QStringLiteral("Bears"),
                    {{11, QStringLiteral("Aalto"), Position::LW},
                     {19, QStringLiteral("Brandt"), Position::C},
                     {27, QStringLiteral("Castell"), Position::RW},
                     {4, QStringLiteral("Dufresne"), Position::D},
                     {5, QStringLiteral("Eklund"), Position::D},
                     {30, QStringLiteral("Fenwick"), Position::G},
                     {35, QStringLiteral("Gallant"), Position::G}},
                    kPlaces);
}

Roster owls() {
    return rosterOf(QStringLiteral("Owls"),
                    {{12, QStringLiteral("Holm"), Position::LW},
                     {20, QStringLiteral("Ivanov"), Position::C},
                     {28, QStringLiteral("Jones"), Position::RW},
                     {2, QStringLiteral("Kerr"), Position::D},
                     {3, QStringLiteral("Lund"), Position::D},
                     {31, QStringLiteral("Marsh"), Position::G}},
                    kPlaces);
}

void shots(ScoreSheet& sheet, Team shooting, const QString& period, int count) {
    for (int i = 0; i < count; ++i)
        sheet.addShot(shooting, period);
}

void goal(ScoreSheet& sheet, Team team, const QString& period, const PenaltyBox& box,
          const QString& assistCell, int scorer) {
    const int id = sheet.addGoal(team, period, QStringLiteral("10:00"), box, assistCell);
    const QList<int> assists = sheet.goal(id)->assists;  // a copy: editGoal clears the row's first
    sheet.editGoal(id, scorer, assists);
}

// Four goals: an even one and a power-play one by the Bears in the first, an even one by the
// Owls in the second on no shot, and one into the empty net in the third.
ScoreSheet scripted(bool homeRoster = true) {
    ScoreSheet sheet;
    sheet.setRoster(Team::Away, bears());
    if (homeRoster)
        sheet.setRoster(Team::Home, owls());
    const PenaltyBox even;
    shots(sheet, Team::Away, QStringLiteral("1"), 4);
    shots(sheet, Team::Home, QStringLiteral("1"), 2);
    goal(sheet, Team::Away, QStringLiteral("1"), even, QStringLiteral("LW + C"), 27);
    PenaltyBox homeShort;
    const int tripping = homeShort.add(Team::Home, QStringLiteral("12 Holm"), PenaltyKind::Minor,
                                       QStringLiteral("Tripping"), homeRoster ? 12 : kNobody);
    sheet.addPenalty(homeShort.penalties().constFirst(), QStringLiteral("1"), QStringLiteral("11:00"));
    goal(sheet, Team::Away, QStringLiteral("1"), homeShort, QStringLiteral("C only"), 4);
    sheet.penaltyEnded(tripping, QStringLiteral("1"), QStringLiteral("10:00"));
    goal(sheet, Team::Home, QStringLiteral("2"), even, QStringLiteral("No assist"), 20);
    shots(sheet, Team::Away, QStringLiteral("2"), 3);
    PenaltyBox awayBox;
    awayBox.add(Team::Away, QStringLiteral("27 Castell"), PenaltyKind::DoubleMinor,
                QStringLiteral("High-sticking"), 27);
    sheet.addPenalty(awayBox.penalties().constFirst(), QStringLiteral("2"), QStringLiteral("5:00"));
    sheet.setGoalie(Team::Away, kNobody, QStringLiteral("3"), QStringLiteral("1:00"));
    shots(sheet, Team::Home, QStringLiteral("3"), 1);
    goal(sheet, Team::Home, QStringLiteral("3"), even, QStringLiteral("LW + C"), 28);
    return sheet;
}

TeamCounts goalsOf(double total) {
    TeamCounts counts;
    counts.goals.total = total;
    return counts;
}

QString starsText(const SheetStats::Stars& stars) {
    QStringList text;
    for (const std::optional<SheetStats::Star>& star : stars) {
        text.append(!star ? QStringLiteral("-")
                          : QStringLiteral("%1%2%3")
                                .arg(star->team == Team::Away ? QStringLiteral("A") : QStringLiteral("H"))
                                .arg(star->number)
                                .arg(star->picked ? QStringLiteral("*") : QString()));
    }
    return text.join(u' ');
}

// The PDF's text, one string per page; nothing when pdftotext is not installed.
std::optional<QStringList> pdfText(const QString& path) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(tool, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000))
        return QStringList();
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.constLast().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

class RecordingPrinter : public SheetPrinter {
public:
    Outcome outcome = Outcome::Printed;
    QStringList printed;
    Outcome print(const QTextDocument& document, QWidget*) override {
        printed.append(document.toPlainText());
        return outcome;
    }
};

}  // namespace

Q_DECLARE_METATYPE(Team)
Q_DECLARE_METATYPE(SheetPrinter::Outcome)

class TestGameSheet : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useOwnSettingsFolder(); }

    // Each player's line of the box score over the scripted game.
    void boxScore_data() {
        QTest::addColumn<Team>("team");
        QTest::addColumn<int>("number");
        QTest::addColumn<QList<int>>("expected");  // G, A, PIM, +/-, SA, GA, SV (-1: no goalkeeping)
        const auto add = [](const char* name, Team team, int number, QList<int> expected) {
            QTest::newRow(name) << team << number << expected;
        };
        add("even-strength scorer, double minor", Team::Away, 27, {1, 0, 4, -1, -1, -1, -1});
        add("two assists, even and power play", Team::Away, 19, {0, 2, 0, -1, -1, -1, -1});
        add("power-play goal: no plus", Team::Away, 4, {1, 0, 0, -1, -1, -1, -1});
        add("penalised, plus at both home goals", Team::Home, 12, {0, 1, 2, 1, -1, -1, -1});
        add("goal and assist", Team::Home, 20, {1, 1, 0, 1, -1, -1, -1});
        add("goalie: more goals than shots in a period", Team::Away, 30, {0, 0, 0, 0, 2, 1, 2});
        add("goalie who faced both periods", Team::Home, 31, {0, 0, 0, 0, 7, 2, 5});
        add("backup goalie who never played", Team::Away, 35, {0, 0, 0, 0, -1, -1, -1});
    }
    void boxScore() {
        QFETCH(Team, team);
        QFETCH(int, number);
        QFETCH(QList<int>, expected);
        const QList<SheetStats::PlayerLine> lines = SheetStats::boxScore(scripted(), team);
        const auto line = std::find_if(
            lines.cbegin(), lines.cend(),
            [number](const SheetStats::PlayerLine& line) { return line.player.number == number; });
        QVERIFY(line != lines.cend());
        const std::optional<SheetStats::GoalieLine>& net = line->goalkeeping;
        const QList<int> actual = {line->goals,
                                   line->assists,
                                   line->penaltyMinutes,
                                   line->plusMinus,
                                   net ? net->totalShotsAgainst() : -1,
                                   net ? net->totalGoalsAgainst() : -1,
                                   net ? net->totalSaves() : -1};
        QCOMPARE(actual, expected);
    }

    // Saves by period, never below 0; the empty net and a team without a roster keep theirs.
    void goalkeeping_data() {
        QTest::addColumn<bool>("homeRoster");
        QTest::addColumn<Team>("team");
        QTest::addColumn<QString>("expected");  // per net: number shots/goals/saves by period
        QTest::newRow("away goalie, then the empty net")
            << true << Team::Away << QStringLiteral("30 2/0/2 0/1/0 0/0/0 0/0/0; -1 0/0/0 0/0/0 1/1/0 0/0/0");
        QTest::newRow("home goalie") << true << Team::Home << QStringLiteral("31 4/2/2 3/0/3 0/0/0 0/0/0");
        QTest::newRow("home team without a roster")
            << false << Team::Home << QStringLiteral("-1 4/2/2 3/0/3 0/0/0 0/0/0");
    }
    void goalkeeping() {
        QFETCH(bool, homeRoster);
        QFETCH(Team, team);
        QFETCH(QString, expected);
        QStringList nets;
        for (const SheetStats::GoalieLine& line : SheetStats::goalkeeping(scripted(homeRoster), team)) {
            QStringList periods{QString::number(line.number)};
            for (int column = 0; column < SheetStats::kPeriodColumns; ++column)
                periods.append(QStringLiteral("%1/%2/%3")
                                   .arg(line.shotsAgainst[column])
                                   .arg(line.goalsAgainst[column])
                                   .arg(line.saves(column)));
            nets.append(periods.join(u' '));
        }
        QCOMPARE(nets.join(QStringLiteral("; ")), expected);
        QCOMPARE(SheetStats::boxScore(scripted(homeRoster), Team::Home).isEmpty(), !homeRoster);
    }

    // The proposal by points, goals and saves, the winning goalie's bonus, and the player's
    // picks standing over it.
    void stars_data() {
        QTest::addColumn<double>("homeGoals");
        QTest::addColumn<QList<int>>("picks");  // per place: -1 none, else 1000 * home + number
        QTest::addColumn<QString>("expected");
        const QList<int> none{-1, -1, -1};
        QTest::newRow("tied: points, then goals") << 2.0 << none << QStringLiteral("H20 A19 A4");
        QTest::newRow("home win: its goalie rises") << 3.0 << none << QStringLiteral("H20 A19 H31");
        QTest::newRow("first picked, the rest move down")
            << 2.0 << QList<int>{30, -1, -1} << QStringLiteral("A30* H20 A19");
        QTest::newRow("the proposed first picked second")
            << 2.0 << QList<int>{-1, 1020, -1} << QStringLiteral("A19 H20* A4");
        QTest::newRow("all picked") << 2.0 << QList<int>{5, 1003, 35} << QStringLiteral("A5* H3* A35*");
    }
    void stars() {
        QFETCH(double, homeGoals);
        QFETCH(QList<int>, picks);
        QFETCH(QString, expected);
        std::array<std::optional<StarPick>, 3> given;
        for (size_t place = 0; place < given.size(); ++place) {
            const int pick = picks.at(place);
            if (pick >= 0)
                given[place] = StarPick{pick >= 1000 ? Team::Home : Team::Away, pick % 1000};
        }
        QCOMPARE(starsText(SheetStats::threeStars(scripted(), given, goalsOf(2), goalsOf(homeGoals))),
                 expected);
    }

    // A whole game's PDF read back: the names, the goals and the totals, on one or two pages.
    void pdfOfAWholeGame() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
        const SheetContent content = fullGameSheet();
        QVERIFY(writeFile(path, sheetPdf(*sheetDocument(content), QPageSize::A4)));
        const std::optional<QStringList> pages = pdfText(path);
        if (!pages)
            QSKIP("pdftotext (poppler-utils) is not installed");
        QVERIFY2(pages->size() == 1 || pages->size() == 2, qPrintable(QString::number(pages->size())));
        const QString text = pages->join(u'\n');
        const QList<SheetStats::PlayerLine> bears = SheetStats::boxScore(content.sheet, Team::Away);
        QCOMPARE(bears.size(), 20);
        for (const Team team : {Team::Away, Team::Home}) {
            for (const SheetStats::PlayerLine& line : SheetStats::boxScore(content.sheet, team))
                QVERIFY2(text.contains(line.player.name), qPrintable(line.player.name));
        }
        QCOMPARE(content.sheet.goals().size(), 10);
        for (const GoalRow& goal : content.sheet.goals())
            QVERIFY2(text.contains(content.sheet.playerLabel(goal.team, goal.scorer)),
                     qPrintable(goal.clock));
        QCOMPARE(content.sheet.penalties().size(), 20);
        // The totals row of each team: its goals and shots.
        for (const auto& [name, counts] :
             {std::pair{content.awayName, content.away}, {content.homeName, content.home}}) {
            const QRegularExpression totals(QStringLiteral("%1(\\s+\\d+){4}\\s+%2(\\s+\\d+){4}\\s+%3")
                                                .arg(name)
                                                .arg(counts.goals.total)
                                                .arg(counts.shots.total));
            QVERIFY2(text.contains(totals), qPrintable(name));
        }
    }

    // Export PDF… from the window: the file chosen, the message, and an earlier file intact
    // when the export fails.
    void exportFromTheWindow_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("earlierFile");
        QTest::addColumn<bool>("written");
        QTest::newRow("a new file") << QStringLiteral("sheet.pdf") << false << true;
        QTest::newRow("over an earlier file") << QStringLiteral("sheet.pdf") << true << true;
        QTest::newRow("into a missing folder") << QStringLiteral("missing/sheet.pdf") << false << false;
        QTest::newRow("cancelled") << QString() << false << false;
    }
    void exportFromTheWindow() {
        QFETCH(QString, name);
        QFETCH(bool, earlierFile);
        QFETCH(bool, written);
        Game game;
        game.fields().setText(Control::AwayName, 1, QStringLiteral("Bears"));
        game.controller->finishTyping();
        game.controller->addGoal(Team::Away);
        const QString path = name.isEmpty() ? QString() : game.path(name);
        if (earlierFile)
            QVERIFY(writeFile(path, "earlier"));
        game.dialogs.saveChoices.push_back(path);
        game.trigger(QStringLiteral("mnuGameSheet"));
        GameSheetWindow& window = game.tools->gameSheetWindow();
        QVERIFY(window.isVisible());
        QVERIFY(window.browser()->toPlainText().contains(QStringLiteral("Bears")));
        window.findChild<QPushButton*>(QStringLiteral("cmdExportSheet"))->click();
        QCOMPARE(game.dialogs.saveDialogs.size(), 1);
        QCOMPARE(game.dialogs.saveDialogs.constFirst().first, QStringLiteral("PDF (*.pdf)"));
        if (name.isEmpty()) {
            QVERIFY(game.dialogs.messages.isEmpty());
            return;
        }
        QCOMPARE(game.dialogs.messages.size(), 1);
        const QString told = game.dialogs.messages.constFirst().text;
        QCOMPARE(told.contains(QStringLiteral("could not")), !written);
        QVERIFY(told.contains(path));
        if (written)
            QVERIFY(readAll(path).startsWith("%PDF-"));
        else
            QVERIFY(!QFile::exists(path));
    }

    // Print… goes through the printer it is given; only a failure is told.
    void print_data() {
        QTest::addColumn<SheetPrinter::Outcome>("outcome");
        QTest::addColumn<int>("messages");
        QTest::newRow("printed") << SheetPrinter::Outcome::Printed << 0;
        QTest::newRow("cancelled") << SheetPrinter::Outcome::Cancelled << 0;
        QTest::newRow("failed") << SheetPrinter::Outcome::Failed << 1;
    }
    void print() {
        QFETCH(SheetPrinter::Outcome, outcome);
        QFETCH(int, messages);
        Game game;
        game.fields().setText(Control::HomeName, 1, QStringLiteral("Owls"));
        game.controller->finishTyping();
        RecordingPrinter printer;
        printer.outcome = outcome;
        GameSheetWindow& window = game.tools->gameSheetWindow();
        window.setPrinter(&printer);
        window.findChild<QPushButton*>(QStringLiteral("cmdPrintSheet"))->click();
        QCOMPARE(printer.printed.size(), 1);
        QVERIFY(printer.printed.constFirst().contains(QStringLiteral("Owls")));
        QCOMPARE(game.dialogs.messages.size(), messages);
    }

    // A star picked in the window is a step: the sheet keeps it, Undo takes it back, and the
    // window follows both.
    void starPickedInTheWindow() {
        Game game;
        game.controller->setRosterSource([](const QString& typed) -> std::optional<Roster> {
            const Roster team = bears();
            return team.answersTo(typed) ? std::optional<Roster>(team) : std::nullopt;
        });
        game.fields().setText(Control::AwayName, 1, QStringLiteral("Bears"));
        game.controller->finishTyping();
        game.controller->updateRosters();
        game.trigger(QStringLiteral("mnuGameSheet"));
        GameSheetWindow& window = game.tools->gameSheetWindow();
        QComboBox* second = window.starBox(1);
        QVERIFY(second->itemText(0).startsWith(QStringLiteral("(proposed)")));
        const int castell = second->findText(QStringLiteral("Bears - 27 Castell"));
        QVERIFY(castell > 0);
        second->setCurrentIndex(castell);
        emit second->activated(castell);
        const std::optional<StarPick> picked = game.controller->scoreSheet().starPicks()[1];
        QVERIFY(picked && picked->team == Team::Away && picked->number == 27);
        QCOMPARE(second->currentIndex(), castell);
        QVERIFY(window.browser()->toPlainText().contains(QStringLiteral("27 Castell")));
        game.controller->undo();
        QVERIFY(!game.controller->scoreSheet().starPicks()[1]);
        QCOMPARE(second->currentIndex(), 0);
    }
};

QTEST_MAIN(TestGameSheet)
#include "tst_gamesheet.moc"
