#include <QTest>
#include <cmath>
#include <limits>
#include <random>

#include "game/penaltybox.h"

namespace {

// One operation per entry:
//   "A minor Name" / "H major"  add (the name is the rest of the entry, may be empty)
//   "elapse 20"                 also "elapse nan", "elapse inf", "elapse -5"
//   "goal A" / "goal H"
//   "remove 3"
//   "clear"
// What ended is listed in order: "e1" for an elapse, "g1" for a goal, "!1" for a failed remove.
QString run(PenaltyBox& box, const QStringList& operations) {
    QStringList ended;
    for (const QString& operation : operations) {
        const QStringList words = operation.split(QLatin1Char(' '));
        const QString& verb = words.at(0);
        if (verb == QLatin1String("A") || verb == QLatin1String("H")) {
            const Team team = verb == QLatin1String("A") ? Team::Away : Team::Home;
            const PenaltyKind kind =
                words.at(1) == QLatin1String("major") ? PenaltyKind::Major : PenaltyKind::Minor;
            box.add(team, words.mid(2).join(QLatin1Char(' ')), kind);
        } else if (verb == QLatin1String("elapse")) {
            const QString& amount = words.at(1);
            const double seconds = amount == QLatin1String("nan")   ? std::numeric_limits<double>::quiet_NaN()
                                   : amount == QLatin1String("inf") ? std::numeric_limits<double>::infinity()
                                                                    : amount.toDouble();
            // A penalty served to its end comes back at 0:00, running; "?" marks one that does not.
            for (const Penalty& p : box.elapse(seconds))
                ended.append(
                    QStringLiteral("e%1%2").arg(p.id).arg(p.secondsLeft == 0 && p.running ? "" : "?"));
        } else if (verb == QLatin1String("goal")) {
            if (const auto p = box.goalScored(words.at(1) == QLatin1String("A") ? Team::Away : Team::Home))
                ended.append(QStringLiteral("g%1").arg(p->id));
        } else if (verb == QLatin1String("remove")) {
            if (!box.remove(words.at(1).toInt()))
                ended.append(QStringLiteral("!%1").arg(words.at(1)));
        } else if (verb == QLatin1String("clear")) {
            box.clear();
        } else {
            qFatal("unknown operation %s", qPrintable(operation));
        }
    }
    return ended.join(QLatin1Char(' '));
}

// "1 A minor 100 run | 2 H major 300 wait"
QString describe(const PenaltyBox& box) {
    QStringList rows;
    for (const Penalty& p : box.penalties()) {
        rows.append(QStringLiteral("%1 %2 %3 %4 %5")
                        .arg(p.id)
                        .arg(p.team == Team::Away ? "A" : "H")
                        .arg(p.kind == PenaltyKind::Minor ? "minor" : "major")
                        .arg(p.secondsLeft)
                        .arg(p.running ? "run" : "wait"));
    }
    return rows.join(QStringLiteral(" | "));
}

}  // namespace

class TestPenaltyBox : public QObject {
    Q_OBJECT

private slots:
    void rules_data() {
        QTest::addColumn<QStringList>("operations");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("strength");
        QTest::addColumn<QString>("ended");

        // Adding and the two places of a team.
        QTest::newRow("empty") << QStringList{} << ""
                               << "5 on 5"
                               << "";
        QTest::newRow("minor and major run at full time")
            << QStringList{"A minor", "H major"} << "1 A minor 120 run | 2 H major 300 run"
            << "4 on 4"
            << "";
        QTest::newRow("third of a team waits, the other team's runs")
            << QStringList{"H minor", "H minor", "H major", "A minor"}
            << "1 H minor 120 run | 2 H minor 120 run | 3 H major 300 wait | 4 A minor 120 run"
            << "4 on 3"
            << "";

        // The clock.
        QTest::newRow("timed flip takes 20 s off running ones only")
            << QStringList{"A minor", "A minor", "A minor", "elapse 20"}
            << "1 A minor 100 run | 2 A minor 100 run | 3 A minor 120 wait"
            << "3 on 5"
            << "";
        QTest::newRow("minor ends after six flips")
            << QStringList{"H minor",   "elapse 20", "elapse 20", "elapse 20",
                           "elapse 20", "elapse 20", "elapse 20"}
            << ""
            << "5 on 5"
            << "e1";
        QTest::newRow("major lasts fifteen flips")
            << (QStringList{"A major"} << QList<QString>(14, "elapse 20")) << "1 A major 20 run"
            << "4 on 5"
            << "";
        QTest::newRow("waiting one starts at full time when one ends")
            << QStringList{"A minor", "elapse 60", "A minor", "A minor", "elapse 60"}
            << "2 A minor 60 run | 3 A minor 120 run"
            << "3 on 5"
            << "e1";
        QTest::newRow("two end at once, in the order added, both waiting start")
            << QStringList{"A minor", "A minor", "A minor", "A major", "elapse 120"}
            << "3 A minor 120 run | 4 A major 300 run"
            << "3 on 5"
            << "e1 e2";
        QTest::newRow("leftover seconds go to the penalty that starts")
            << QStringList{"A minor", "A minor", "A minor", "elapse 130"} << "3 A minor 110 run"
            << "4 on 5"
            << "e1 e2";
        QTest::newRow("a started one can end in the same stretch")
            << QStringList{"A minor", "A minor", "A minor", "H major", "elapse 250"} << "4 H major 50 run"
            << "5 on 4"
            << "e1 e2 e3";
        QTest::newRow("ends in time order across teams")
            << QStringList{"A major", "elapse 40", "H minor", "elapse 500"} << ""
            << "5 on 5"
            << "e2 e1";
        QTest::newRow("never below zero") << QStringList{"H minor", "elapse 1000"} << ""
                                          << "5 on 5"
                                          << "e1";
        QTest::newRow("fractions add up to the end")
            << (QStringList{"A minor"} << QList<QString>(1200, "elapse 0.1")) << ""
            << "5 on 5"
            << "e1";
        QTest::newRow("zero, negative and NaN take nothing")
            << QStringList{"A minor", "elapse 0", "elapse -5", "elapse nan"} << "1 A minor 120 run"
            << "4 on 5"
            << "";
        QTest::newRow("infinity serves everything")
            << QStringList{"A minor", "A major", "A minor", "H minor", "elapse inf"} << ""
            << "5 on 5"
            << "e1 e4 e3 e2";
        QTest::newRow("nothing in the box, time passes") << QStringList{"elapse 20"} << ""
                                                         << "5 on 5"
                                                         << "";

        // Goals.
        QTest::newRow("power-play goal ends the minor") << QStringList{"A minor", "elapse 20", "goal H"} << ""
                                                        << "5 on 5"
                                                        << "g1";
        QTest::newRow("short-handed goal ends nothing")
            << QStringList{"A minor", "goal A"} << "1 A minor 120 run"
            << "4 on 5"
            << "";
        QTest::newRow("even strength 4 on 4 ends nothing")
            << QStringList{"A minor", "H minor", "goal A", "goal H"}
            << "1 A minor 120 run | 2 H minor 120 run"
            << "4 on 4"
            << "";
        QTest::newRow("3 on 3 ends nothing")
            << QStringList{"A minor", "A minor", "H minor", "H minor", "goal H"}
            << "1 A minor 120 run | 2 A minor 120 run | 3 H minor 120 run | 4 H minor 120 run"
            << "3 on 3"
            << "";
        QTest::newRow("major is served in full") << QStringList{"A major", "goal H"} << "1 A major 300 run"
                                                 << "4 on 5"
                                                 << "";
        QTest::newRow("major and minor running: the minor ends")
            << QStringList{"A major", "elapse 260", "A minor", "goal H"} << "1 A major 40 run"
            << "4 on 5"
            << "g2";
        QTest::newRow("closest to its end goes first")
            << QStringList{"H minor", "elapse 40", "H minor", "goal A"} << "2 H minor 120 run"
            << "5 on 4"
            << "g1";
        QTest::newRow("tie: the one added first")
            << QStringList{"H minor", "H minor", "goal A"} << "2 H minor 120 run"
            << "5 on 4"
            << "g1";
        QTest::newRow("one penalty per goal, a waiting one starts")
            << QStringList{"A minor", "A minor", "A minor", "elapse 20", "goal H"}
            << "2 A minor 100 run | 3 A minor 120 run"
            << "3 on 5"
            << "g1";
        QTest::newRow("a waiting minor does not end")
            << QStringList{"A major", "A major", "A minor", "goal H"}
            << "1 A major 300 run | 2 A major 300 run | 3 A minor 120 wait"
            << "3 on 5"
            << "";
        QTest::newRow("4 on 3: the team with four scores")
            << QStringList{"A minor", "H minor", "H minor", "goal A"}
            << "1 A minor 120 run | 3 H minor 120 run"
            << "4 on 4"
            << "g2";
        QTest::newRow("4 on 3: the team with three scores")
            << QStringList{"A minor", "H minor", "H minor", "goal H"}
            << "1 A minor 120 run | 2 H minor 120 run | 3 H minor 120 run"
            << "4 on 3"
            << "";
        QTest::newRow("goal in an empty box") << QStringList{"goal A", "goal H"} << ""
                                              << "5 on 5"
                                              << "";

        // Removing, clearing, ids.
        QTest::newRow("removing a running one starts the first waiting one of its team")
            << QStringList{"H minor", "A minor", "A minor", "A minor", "A major", "elapse 20", "remove 2"}
            << "1 H minor 100 run | 3 A minor 100 run | 4 A minor 120 run | 5 A major 300 wait"
            << "3 on 4"
            << "";
        QTest::newRow("removing a waiting one moves nothing")
            << QStringList{"A minor", "A minor", "A minor", "A minor", "remove 3"}
            << "1 A minor 120 run | 2 A minor 120 run | 4 A minor 120 wait"
            << "3 on 5"
            << "";
        QTest::newRow("removing an unknown id changes nothing")
            << QStringList{"A minor", "remove 7", "remove 0", "remove 1", "remove 1"} << ""
            << "5 on 5"
            << "!7 !0 !1";
        QTest::newRow("period end changes nothing, the clock carries on")
            << QStringList{"A major", "elapse 100", "elapse 100"} << "1 A major 100 run"
            << "4 on 5"
            << "";
        QTest::newRow("clear empties the box, ids keep counting")
            << QStringList{"A minor", "H major", "clear", "H minor"} << "3 H minor 120 run"
            << "5 on 4"
            << "";
        QTest::newRow("ids are not reused after an end")
            << QStringList{"A minor", "A minor", "elapse 120", "A minor"} << "3 A minor 120 run"
            << "4 on 5"
            << "e1 e2";
    }
    void rules() {
        QFETCH(QStringList, operations);
        QFETCH(QString, box);
        QFETCH(QString, strength);
        QFETCH(QString, ended);
        PenaltyBox penaltyBox;
        QCOMPARE(run(penaltyBox, operations), ended);
        QCOMPARE(describe(penaltyBox), box);
        QCOMPARE(penaltyBox.strength(), strength);
    }

    // What the box returns for an ended penalty is the penalty as it was when it ended.
    void endedPenaltiesCarryTheirFields() {
        PenaltyBox box;
        const QString name = QStringLiteral("#9 \"Rocket\" O'Neil, Jr.\nline 2");
        const int first = box.add(Team::Home, name, PenaltyKind::Minor);
        const int second = box.add(Team::Home, QString(), PenaltyKind::Minor);
        QCOMPARE(box.elapse(50).size(), 0);

        const std::optional<Penalty> scored = box.goalScored(Team::Away);
        QVERIFY(scored);
        QCOMPARE(scored->id, first);
        QCOMPARE(scored->player, name);
        QCOMPARE(scored->secondsLeft, 70.0);
        QVERIFY(!box.find(first));

        const QList<Penalty> ended = box.elapse(70);
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended.at(0).id, second);
        QCOMPARE(ended.at(0).player, QString());
        QVERIFY(box.penalties().isEmpty());
    }

    void findAndSkaters() {
        PenaltyBox box;
        const int id = box.add(Team::Away, QStringLiteral("Smith"), PenaltyKind::Major);
        QCOMPARE(box.find(id)->player, QStringLiteral("Smith"));
        QVERIFY(!box.find(id + 1));
        for (int i = 0; i < 4; ++i)
            box.add(Team::Away, QString(), PenaltyKind::Minor);
        QCOMPARE(box.skaters(Team::Away), 3);
        QCOMPARE(box.skaters(Team::Home), 5);
    }

    // A seeded random game: what must always hold, and time that passes in one stretch or
    // in two leaves the same box.
    void invariantsOverARandomGame() {
        std::mt19937 random(1307);
        PenaltyBox box;
        int lastId = 0;
        for (int step = 0; step < 20000; ++step) {
            const int choice = std::uniform_int_distribution<int>(0, 9)(random);
            const Team team = random() % 2 ? Team::Away : Team::Home;
            if (choice < 3) {
                const int id =
                    box.add(team, QString(), random() % 4 ? PenaltyKind::Minor : PenaltyKind::Major);
                QVERIFY(id > lastId);
                lastId = id;
            } else if (choice < 7) {
                const double first = std::uniform_int_distribution<int>(0, 400)(random) / 4.0;
                const double second = std::uniform_int_distribution<int>(0, 400)(random) / 4.0;
                PenaltyBox inTwo = box;
                const QList<Penalty> endedInOne = box.elapse(first + second);
                QList<Penalty> endedInTwo = inTwo.elapse(first);
                endedInTwo += inTwo.elapse(second);
                QCOMPARE(inTwo, box);
                QCOMPARE(endedInTwo, endedInOne);
            } else if (choice < 9) {
                const int before = box.skaters(team == Team::Away ? Team::Home : Team::Away);
                const bool shortHanded = before < box.skaters(team);
                const std::optional<Penalty> ended = box.goalScored(team);
                if (ended) {
                    QVERIFY(shortHanded);
                    QCOMPARE(ended->kind, PenaltyKind::Minor);
                    QVERIFY(ended->team != team);
                }
            } else if (!box.penalties().isEmpty()) {
                const auto index = random() % box.penalties().size();
                QVERIFY(box.remove(box.penalties().at(index).id));
            }

            for (const Team t : {Team::Away, Team::Home}) {
                int running = 0;
                int waiting = 0;
                int lastRunningId = 0;
                for (const Penalty& p : box.penalties()) {
                    if (p.team != t)
                        continue;
                    const double full =
                        p.kind == PenaltyKind::Minor ? PenaltyBox::kMinorSeconds : PenaltyBox::kMajorSeconds;
                    if (p.running) {
                        ++running;
                        QVERIFY(p.secondsLeft > 0 && p.secondsLeft <= full);
                        lastRunningId = p.id;
                    } else {
                        ++waiting;
                        QCOMPARE(p.secondsLeft, full);
                        QVERIFY2(p.id > lastRunningId, "first come, first served");
                    }
                }
                QVERIFY(running <= PenaltyBox::kMaxRunningPerTeam);
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
