// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QMap>
#include <QTest>
#include <limits>
#include <random>

#include "game/penaltybox.h"

namespace {

const QMap<QString, PenaltyKind> kinds = {{"minor", PenaltyKind::Minor},
                                          {"double", PenaltyKind::DoubleMinor},
                                          {"major", PenaltyKind::Major},
                                          {"misconduct", PenaltyKind::Misconduct},
                                          {"shot", PenaltyKind::PenaltyShot}};

// Stoppages separated by ";", calls at one stoppage by "&": "A minor", "H double", "A shot",
// "elapse 20", "elapse 20*6" (six times), "elapse nan", "elapse inf", "goal A", "remove 3",
// "clear". Returns what ended, in order: "e1" by the clock, "g1" by a goal, "!1" for a remove
// that found nothing.
QString run(PenaltyBox& box, const QString& operations) {
    QStringList ended;
    for (const QString& operation : QString(operations).replace(u';', "&flip&").split(QLatin1Char('&'))) {
        const QStringList words = operation.trimmed().split(QLatin1Char(' '));
        const QString verb = words.at(0);
        const Team team = (verb == "goal" ? words.value(1) : verb) == "H" ? Team::Home : Team::Away;
        if (verb == "A" || verb == "H") {
            box.add(team, QString(), kinds.value(words.at(1)));
        } else if (verb == "elapse") {
            const QStringList amount = words.at(1).split(QLatin1Char('*'));
            const double seconds = amount.at(0) == "nan"   ? std::numeric_limits<double>::quiet_NaN()
                                   : amount.at(0) == "inf" ? std::numeric_limits<double>::infinity()
                                                           : amount.at(0).toDouble();
            for (int times = amount.size() > 1 ? amount.at(1).toInt() : 1; times > 0; --times) {
                // Served in full: it comes back at 0:00 and running; "?" marks one that does not.
                for (const Penalty& p : box.elapse(seconds))
                    ended.append(
                        QStringLiteral("e%1%2").arg(p.id).arg(p.secondsLeft == 0 && p.running ? "" : "?"));
            }
        } else if (verb == "goal") {
            if (const std::optional<Penalty> p = box.goalScored(team))
                ended.append(QStringLiteral("g%1").arg(p->id));
        } else if (verb == "remove") {
            if (!box.remove(words.at(1).toInt()))
                ended.append(QStringLiteral("!%1").arg(words.at(1)));
        } else if (verb == "flip") {
            box.nextStoppage();
        } else if (verb == "clear") {
            box.clear();
        } else {
            qFatal("unknown operation %s", qPrintable(operation));
        }
    }
    return ended.join(QLatin1Char(' '));
}

// "1 A minor 100, 2 H major 300 wait, 3 A minor 120 sub"
QString describe(const PenaltyBox& box) {
    QStringList rows;
    for (const Penalty& p : box.penalties()) {
        rows.append(QStringLiteral("%1 %2 %3 %4%5%6")
                        .arg(p.id)
                        .arg(p.team == Team::Away ? "A" : "H")
                        .arg(kinds.key(p.kind))
                        .arg(p.secondsLeft)
                        .arg(p.running ? "" : " wait")
                        .arg(p.substituted ? " sub" : ""));
    }
    return rows.join(QStringLiteral(", "));
}

void row(const char* name, const char* operations, const char* box, const char* strength, const char* ended) {
    QTest::newRow(name) << QString(operations) << QString(box) << QString(strength) << QString(ended);
}

}  // namespace

class TestPenaltyBox : public QObject {
    Q_OBJECT

private slots:
    void rules_data() {
        QTest::addColumn<QString>("operations");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("strength");
        QTest::addColumn<QString>("ended");

        row("minor and major at full time", "A minor; H major", "1 A minor 120, 2 H major 300", "4 on 4", "");
        row("a team's third waits", "H minor; H minor; H major; A minor",
            "1 H minor 120, 2 H minor 120, 3 H major 300 wait, 4 A minor 120", "4 on 3", "");

        // The clock.
        row("a flip takes 20 s off running ones", "A minor; A minor; A minor; elapse 20",
            "1 A minor 100, 2 A minor 100, 3 A minor 120 wait", "3 on 5", "");
        row("a minor lasts six flips", "H minor; elapse 20*5", "1 H minor 20", "5 on 4", "");
        row("a minor ends on the sixth", "H minor; elapse 20*6", "", "5 on 5", "e1");
        row("a major lasts fifteen", "A major; elapse 20*14; H minor; elapse 20", "2 H minor 100", "5 on 4",
            "e1");
        row("waiting one starts at full time", "A minor; elapse 60; A minor; A minor; elapse 60",
            "2 A minor 60, 3 A minor 120", "3 on 5", "e1");
        row("two end at once, both waiting start", "A minor; A minor; A minor; A major; elapse 120",
            "3 A minor 120, 4 A major 300", "3 on 5", "e1 e2");
        row("leftover seconds go to the one that starts", "A minor; A minor; A minor; elapse 130",
            "3 A minor 110", "4 on 5", "e1 e2");
        row("a started one ends in the same stretch", "A minor; A minor; A minor; H major; elapse 250",
            "4 H major 50", "5 on 4", "e1 e2 e3");
        row("ended in time order, not id order", "A major; elapse 40; H minor; elapse 500", "", "5 on 5",
            "e2 e1");
        row("fractions add up to the end", "A minor; elapse 0.1*1200", "", "5 on 5", "e1");
        row("zero, negative and NaN take nothing", "A minor; elapse 0; elapse -5; elapse nan",
            "1 A minor 120", "4 on 5", "");
        row("infinity serves everything", "A minor; A major; A minor; H minor; elapse inf", "", "5 on 5",
            "e1 e4 e3 e2");

        // Goals.
        row("power-play goal ends the minor", "A minor; elapse 20; goal H", "", "5 on 5", "g1");
        row("short-handed goal ends nothing", "A minor; goal A", "1 A minor 120", "4 on 5", "");
        row("4 on 4 ends nothing", "A minor; H minor; goal A; goal H", "1 A minor 120, 2 H minor 120",
            "4 on 4", "");
        row("a major is served in full", "A major; goal H", "1 A major 300", "4 on 5", "");
        row("major and minor running: the minor ends", "A major; elapse 260; A minor; goal H", "1 A major 40",
            "4 on 5", "g2");
        row("closest to its end first", "H minor; elapse 40; H minor; goal A", "2 H minor 120", "5 on 4",
            "g1");
        row("tie: the one added first", "H minor; H minor; goal A", "2 H minor 120", "5 on 4", "g1");
        row("one per goal, a waiting one starts", "A minor; A minor; A minor; elapse 20; goal H",
            "2 A minor 100, 3 A minor 120", "3 on 5", "g1");
        row("a waiting minor does not end", "A major; A major; A minor; goal H",
            "1 A major 300, 2 A major 300, 3 A minor 120 wait", "3 on 5", "");
        row("4 on 3: the four score", "A minor; H minor; H minor; goal A", "1 A minor 120, 3 H minor 120",
            "4 on 4", "g2");
        row("4 on 3: the three score", "A minor; H minor; H minor; goal H",
            "1 A minor 120, 2 H minor 120, 3 H minor 120", "4 on 3", "");

        // Coincidental: both teams' calls at one stoppage.
        row("one minor each: four on four, a misconduct aside", "A minor & H minor & A misconduct",
            "1 A minor 120, 2 H minor 120, 3 A misconduct 600 sub", "4 on 4", "");
        row("one minor each with a penalty in effect: substitutes", "H minor; A minor & H minor",
            "1 H minor 120, 2 A minor 120 sub, 3 H minor 120 sub", "5 on 4", "");
        row("two against one: the one not matched is the power play", "A minor & A minor & H minor & goal H",
            "1 A minor 120 sub, 3 H minor 120 sub", "5 on 5", "g2");
        row("fighting majors cancel, the instigator's minor is served", "A major & H major & A minor",
            "1 A major 300 sub, 2 H major 300 sub, 3 A minor 120", "4 on 5", "");
        row("a minor against a major: both served", "A minor & H major", "1 A minor 120, 2 H major 300",
            "4 on 4", "");
        row("matched ones take no place", "A minor; A minor; A minor & H minor; elapse 60",
            "1 A minor 60, 2 A minor 60, 3 A minor 60 sub, 4 H minor 60 sub", "3 on 5", "");
        row("matched again when one is removed", "A minor & A minor & H minor & remove 3; elapse 20",
            "1 A minor 100, 2 A minor 100", "3 on 5", "");
        row("a goal ends the stoppage", "A double & goal H & H minor", "1 A double 120, 2 H minor 120",
            "4 on 4", "g1");
        row("a double minor against a minor: short two minutes", "A minor & H double",
            "1 A minor 120 sub, 2 H double 120", "5 on 4", "");
        row("a double minor against two minors: full strength", "A double & H minor & H minor",
            "1 A double 240 sub, 2 H minor 120 sub, 3 H minor 120 sub", "5 on 5", "");

        // Double minors, misconducts, penalty shots.
        row("a goal ends the minor of a double being served", "A double; elapse 90; goal H", "1 A double 120",
            "4 on 5", "g1");
        row("a goal in its second minor ends a double", "A double; elapse 150; goal H", "", "5 on 5", "g1");
        row("a misconduct: full strength, no place taken, no goal ends it",
            "A misconduct; A minor; A minor; goal H; elapse 590", "1 A misconduct 10 sub", "5 on 5", "g2 e3");
        row("a penalty shot puts nobody in the box", "H shot; A shot; H minor", "1 H minor 120", "5 on 4",
            "");

        // The IIHF's situations: A15 at 3:00, B12 at 3:30 ... and who returns at a goal.
        row("situation 5", "A minor & H minor; elapse 15; A minor; elapse 75; goal H",
            "1 A minor 30, 2 H minor 30", "4 on 4", "g3");
        row("table 14, C4", "A double; elapse 60; A minor; elapse 30; goal H; elapse 60; goal H",
            "1 A double 60", "4 on 5", "g1 g2");

        // Removing and clearing.
        row("removing a running one starts its team's first waiting one",
            "H minor; A minor; A minor; A minor; A major; elapse 20; remove 2",
            "1 H minor 100, 3 A minor 100, 4 A minor 120, 5 A major 300 wait", "3 on 4", "");
        row("removing a waiting one moves nothing", "A minor; A minor; A minor; A minor; remove 3",
            "1 A minor 120, 2 A minor 120, 4 A minor 120 wait", "3 on 5", "");
        row("removing an unknown id", "A minor; remove 7; remove 0; remove 1; remove 1", "", "5 on 5",
            "!7 !0 !1");
        row("clear empties the box, ids keep counting", "A minor; H major; clear; H minor", "3 H minor 120",
            "5 on 4", "");
    }
    void rules() {
        QFETCH(QString, operations);
        QFETCH(QString, box);
        QFETCH(QString, strength);
        QFETCH(QString, ended);
        PenaltyBox penaltyBox;
        QCOMPARE(run(penaltyBox, operations), ended);
        QCOMPARE(describe(penaltyBox), box);
        QCOMPARE(penaltyBox.strength(), strength);
    }

    // A seeded random game: what must always hold, and one stretch of time or two leave the
    // same box.
    // Overtime played four or three a side: never fewer than three, and a team on the power
    // play adds a skater instead.
    void overtimeStrength_data() {
        QTest::addColumn<int>("even");
        QTest::addColumn<QString>("operations");
        QTest::addColumn<QString>("strength");
        QTest::newRow("4 on 4") << 4 << ""
                                << "4 on 4";
        QTest::newRow("4 on 4: a minor gives 4 on 3") << 4 << "H minor"
                                                      << "4 on 3";
        QTest::newRow("4 on 4: two give 5 on 3") << 4 << "H minor; H minor"
                                                 << "5 on 3";
        QTest::newRow("4 on 4: one each gives 3 on 3") << 4 << "A minor; H minor"
                                                       << "3 on 3";
        QTest::newRow("3 on 3") << 3 << ""
                                << "3 on 3";
        QTest::newRow("3 on 3: a minor gives 4 on 3") << 3 << "A minor"
                                                      << "3 on 4";
        QTest::newRow("3 on 3: two give 5 on 3") << 3 << "H minor; H minor"
                                                 << "5 on 3";
        QTest::newRow("3 on 3: one each stays 3 on 3") << 3 << "A minor; H minor"
                                                       << "3 on 3";
        QTest::newRow("3 on 3: two against one, 4 on 3") << 3 << "A minor; A minor; H minor"
                                                         << "3 on 4";
        QTest::newRow("3 on 3: the power-play goal ends it") << 3 << "A minor; goal H"
                                                             << "3 on 3";
        QTest::newRow("3 on 3: a coincidental pair") << 3 << "A minor & H minor"
                                                     << "3 on 3";
        QTest::newRow("3 on 3: the minor served") << 3 << "A minor; elapse 120"
                                                  << "3 on 3";
        QTest::newRow("5 on 5 as in regulation") << 5 << "A minor; A minor; H minor"
                                                 << "3 on 4";
    }
    void overtimeStrength() {
        QFETCH(int, even);
        QFETCH(QString, operations);
        QFETCH(QString, strength);
        PenaltyBox box;
        box.setEvenStrength(even);
        if (!operations.isEmpty())
            run(box, operations);
        QCOMPARE(box.strength(), strength);
    }

    void invariantsOverARandomGame() {
        std::mt19937 random(1307);
        auto below = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
        PenaltyBox box;
        for (int step = 0; step < 20000; ++step) {
            const Team team = below(2) ? Team::Away : Team::Home;
            const int choice = below(10);
            if (choice < 3) {
                box.add(team, QString(), static_cast<PenaltyKind>(below(4)));
            } else if (choice < 7) {
                const double first = below(400) / 4.0, second = below(400) / 4.0;
                PenaltyBox inTwo = box;
                const QList<Penalty> endedInOne = box.elapse(first + second);
                QList<Penalty> endedInTwo = inTwo.elapse(first);
                endedInTwo += inTwo.elapse(second);
                QCOMPARE(inTwo, box);
                QCOMPARE(endedInTwo, endedInOne);
            } else if (choice < 9) {
                const bool powerPlay =
                    box.skaters(team) > box.skaters(team == Team::Away ? Team::Home : Team::Away);
                if (const std::optional<Penalty> ended = box.goalScored(team))
                    QVERIFY(powerPlay && ended->team != team && !ended->coincidental && !ended->substituted &&
                            (ended->kind == PenaltyKind::Minor || ended->kind == PenaltyKind::DoubleMinor));
            } else if (!box.penalties().isEmpty()) {
                QVERIFY(box.remove(box.penalties().at(below(box.penalties().size())).id));
            }

            for (const Team t : {Team::Away, Team::Home}) {
                int running = 0, waiting = 0, lastRunningId = 0;
                for (const Penalty& p : box.penalties()) {
                    if (p.team != t)
                        continue;
                    const double full = PenaltyBox::fullSeconds(p.kind);
                    QVERIFY(p.secondsLeft > 0 && p.secondsLeft <= full);
                    if (p.substituted) {
                        QVERIFY2(p.running, "a substitute on the ice, the penalty runs");
                    } else if (p.running) {
                        ++running;
                        lastRunningId = p.id;
                    } else {
                        ++waiting;
                        // Half a double minor cancelled leaves a minor to serve.
                        QVERIFY(p.secondsLeft == full || (p.kind == PenaltyKind::DoubleMinor &&
                                                          p.secondsLeft == PenaltyBox::kMinorSeconds));
                        QVERIFY2(p.id > lastRunningId, "first come, first served");
                    }
                }
                QVERIFY2(waiting == 0 || running == PenaltyBox::kMaxRunningPerTeam, "a free place is filled");
                QCOMPARE(box.skaters(t), 5 - running);
            }
            for (qsizetype i = 1; i < box.penalties().size(); ++i)
                QVERIFY(box.penalties().at(i - 1).id < box.penalties().at(i).id);
        }
    }
};

QTEST_GUILESS_MAIN(TestPenaltyBox)
#include "tst_penaltybox.moc"
