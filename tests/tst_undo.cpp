// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Undo and Redo: every kind of step taken back and done again, the board (fields, flags,
// deck, penalty box) and the window exactly as they were.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <random>

#include "support/testkit.h"

namespace {

// The board, and what the window shows of it.
struct Seen {
    BoardState board;
    QStringList shown;

    bool operator==(const Seen&) const = default;
};

Seen seen(Game& game) {
    Seen s{game.controller->board(), {}};
    for (const Member& m : allMembers()) {
        QWidget* widget = game.window->widgetOf(m.ctl, m.index);
        QString text;
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            text = edit->text();
        else if (auto* label = qobject_cast<QLabel*>(widget))
            text = label->text();
        s.shown << text + (widget->isHidden() ? QStringLiteral("|hidden") : QString());
    }
    return s;
}

// The first member that differs, for a readable failure.
QString difference(const Seen& a, const Seen& b) {
    for (int i = 0; i < allMembers().size(); ++i) {
        const auto slot = static_cast<size_t>(i);
        if (a.board.fields[slot] != b.board.fields[slot] || a.shown[i] != b.shown[i]) {
            const Member m = allMembers()[i];
            return QStringLiteral("%1: '%2' against '%3'")
                .arg(memberName(m.ctl, m.index), a.shown[i], b.shown[i]);
        }
    }
    if (a.board.deck != b.board.deck)
        return QStringLiteral("the deck differs");
    if (a.board.penalties != b.board.penalties)
        return QStringLiteral("the penalty box differs");
    return {};
}

#define COMPARE_SEEN(actual, expected)                      \
    do {                                                    \
        const Seen a_ = (actual), e_ = (expected);          \
        QVERIFY2(a_ == e_, qPrintable(difference(a_, e_))); \
    } while (false)

using Step = std::function<void(Game&)>;

void timedFlips(Game& game, int count) {
    for (int i = 0; i < count; ++i)
        game.click(Control::TimedFlipButton);
}

QString undoText(Game& game) {
    return game.window->action(QStringLiteral("mnuUndo"))->text();
}

}  // namespace

Q_DECLARE_METATYPE(Step)

class TestUndo : public QObject {
    Q_OBJECT

private slots:
    // Each kind of step, from a board that makes it change what it can: undone, the board is
    // what it was before; done again, what it was after.
    void undoAndRedoEachStep_data() {
        QTest::addColumn<Step>("prepare");
        QTest::addColumn<Step>("command");
        QTest::addColumn<QString>("name");

        const Step nothing = [](Game&) {};
        QTest::newRow("timed flip") << nothing << Step([](Game& g) { g.click(Control::TimedFlipButton); })
                                    << "Timed Flip";
        QTest::newRow("timed flip to a line change")
            << Step([](Game& g) { timedFlips(g, 5); })
            << Step([](Game& g) { g.click(Control::TimedFlipButton); }) << "Timed Flip";
        QTest::newRow("timed flip that ends the period")
            << Step([](Game& g) { timedFlips(g, 59); })
            << Step([](Game& g) { g.click(Control::TimedFlipButton); }) << "Timed Flip";
        QTest::newRow("flip") << nothing << Step([](Game& g) { g.click(Control::FlipButton); }) << "Flip";
        QTest::newRow("flip that deals a new deck") << Step([](Game& g) {
            for (int i = 0; i < 198; ++i)
                g.click(Control::FlipButton);
        }) << Step([](Game& g) { g.click(Control::FlipButton); })
                                                    << "Flip";
        QTest::newRow("next period") << Step([](Game& g) { timedFlips(g, 60); })
                                     << Step([](Game& g) { g.click(Control::NextPeriodButton); })
                                     << "Next Period";
        // Logged, so a step although it changes nothing: Undo does not take back the flip before.
        QTest::newRow("next period in overtime, which changes nothing") << Step([](Game& g) {
            for (int i = 0; i < 3; ++i)
                g.click(Control::NextPeriodButton);
            g.click(Control::FlipButton);
        }) << Step([](Game& g) { g.click(Control::NextPeriodButton); }) << "Next Period";
        QTest::newRow("home goal") << nothing << Step([](Game& g) { g.click(Control::HomeGoalButton); })
                                   << "Home Goal";
        QTest::newRow("away goal") << nothing << Step([](Game& g) { g.click(Control::AwayGoalButton); })
                                   << "Away Goal";
        QTest::newRow("home shot") << nothing << Step([](Game& g) { g.click(Control::HomeShotButton); })
                                   << "Home Shot";
        QTest::newRow("away shot") << nothing << Step([](Game& g) { g.click(Control::AwayShotButton); })
                                   << "Away Shot";
        QTest::newRow("new game") << Step([](Game& g) {
            g.type(Control::HomeName, 1, QStringLiteral("Owls"));
            timedFlips(g, 8);
            g.click(Control::AwayGoalButton);
            g.controller->addPenalty(Team::Home, QStringLiteral("Smith"), PenaltyKind::Major);
        }) << Step([](Game& g) { g.trigger(QStringLiteral("mnuNewGame")); })
                                  << "New Game";
        QTest::newRow("load game") << Step([](Game& g) {
            g.type(Control::AwayName, 1, QStringLiteral("Bears"));
            g.click(Control::AwayShotButton);
            g.trigger(QStringLiteral("mnuSave"));
            g.trigger(QStringLiteral("mnuNewGame"));
            timedFlips(g, 3);
            g.controller->addPenalty(Team::Away, {}, PenaltyKind::Minor);
        }) << Step([](Game& g) { g.load(g.path(QStringLiteral("Settings.TVN"))); })
                                   << "Load Game";
        QTest::newRow("add penalty") << nothing << Step([](Game& g) {
            g.controller->addPenalty(Team::Away, "Ryan", PenaltyKind::Minor);
        }) << "Add Penalty";
        QTest::newRow("remove penalty") << Step([](Game& g) {
            g.controller->addPenalty(Team::Home, QStringLiteral("A"), PenaltyKind::Minor);
            g.controller->addPenalty(Team::Home, QStringLiteral("B"), PenaltyKind::Major);
        }) << Step([](Game& g) { g.controller->removePenalty(g.controller->penaltyBox().penalties()[0].id); })
                                        << "Remove Penalty";
        QTest::newRow("correction of a count")
            << Step([](Game& g) { g.click(Control::HomeShotButton); }) << Step([](Game& g) {
                   g.type(Control::HomePeriod1, 1, QStringLiteral("7"));
                   g.controller->finishTyping();
               })
            << "Correction";
        // The goals table follows the typed name; undone, both names are back as they were.
        QTest::newRow("correction of a team name") << Step([](Game& g) {
            g.type(Control::AwayName, 1, QStringLiteral("Bea"));
        }) << Step([](Game& g) {
            g.type(Control::AwayName, 1, QStringLiteral("rs"));
            g.controller->finishTyping();
        }) << "Correction";
    }
    void undoAndRedoEachStep() {
        QFETCH(Step, prepare);
        QFETCH(Step, command);
        QFETCH(QString, name);
        Game game;
        prepare(game);
        game.controller->finishTyping();
        const Seen before = seen(game);
        const qsizetype horns = game.sound.played.size();

        command(game);
        const Seen after = seen(game);
        QVERIFY(after.board != before.board ||
                QByteArray(QTest::currentDataTag()).endsWith("which changes nothing"));
        QCOMPARE(undoText(game), "Undo " + name);
        QVERIFY(game.window->action(QStringLiteral("mnuUndo"))->isEnabled());

        game.trigger(QStringLiteral("mnuUndo"));
        COMPARE_SEEN(seen(game), before);
        QCOMPARE(game.window->action(QStringLiteral("mnuRedo"))->text(), "Redo " + name);
        game.trigger(QStringLiteral("mnuRedo"));
        COMPARE_SEEN(seen(game), after);
        game.trigger(QStringLiteral("mnuUndo"));
        COMPARE_SEEN(seen(game), before);
        // Undo and redo only show the board: the horn of a period's end sounds once.
        QVERIFY(game.sound.played.size() - horns <= 1);
    }

    // A seeded evening of random steps, undone to start-up, gives back the first board
    // exactly; done again to the end, the last one.
    void randomEveningUndoneToStartUp() {
        Game game;
        const Seen start = seen(game);
        QCOMPARE(undoText(game), QStringLiteral("Undo"));
        QVERIFY(!game.window->action(QStringLiteral("mnuUndo"))->isEnabled());

        std::mt19937 random(20261208);
        auto below = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
        const QList<Control> buttons = {
            Control::TimedFlipButton, Control::TimedFlipButton,  Control::TimedFlipButton,
            Control::FlipButton,      Control::NextPeriodButton, Control::HomeGoalButton,
            Control::AwayGoalButton,  Control::HomeShotButton,   Control::AwayShotButton};
        const QList<Member> boxes = {{Control::AwayName, 1},    {Control::HomeName, 1},
                                     {Control::AwayPeriod1, 2}, {Control::HomeTotal, 1},
                                     {Control::Period, 0},      {Control::HomeOvertime, 2}};
        for (int step = 0; step < 600; ++step) {
            const int roll = below(100);
            if (roll < 80) {
                game.click(buttons[below(buttons.size())]);
            } else if (roll < 86) {
                const Member box = boxes[below(boxes.size())];
                game.type(box.ctl, box.index, QString::number(below(12)));
                if (below(2))
                    game.controller->finishTyping();
            } else if (roll < 91) {
                game.controller->addPenalty(below(2) ? Team::Home : Team::Away, QString::number(below(99)),
                                            below(3) ? PenaltyKind::Minor : PenaltyKind::Major);
            } else if (roll < 94 && !game.controller->penaltyBox().penalties().isEmpty()) {
                const QList<Penalty>& penalties = game.controller->penaltyBox().penalties();
                game.controller->removePenalty(penalties[below(penalties.size())].id);
            } else if (roll < 96) {
                game.trigger(QStringLiteral("mnuNewGame"));
            } else {
                game.trigger(QStringLiteral("mnuUndo"));
            }
        }
        game.controller->finishTyping();
        const Seen end = seen(game);
        int undone = 0;
        while (game.controller->history().canUndo()) {
            game.trigger(QStringLiteral("mnuUndo"));
            ++undone;
        }
        QVERIFY(undone > 400);
        COMPARE_SEEN(seen(game), start);
        QVERIFY(!game.window->action(QStringLiteral("mnuUndo"))->isEnabled());
        while (game.controller->history().canRedo())
            game.trigger(QStringLiteral("mnuRedo"));
        COMPARE_SEEN(seen(game), end);
    }

    // A step after an undo forgets the steps that were undone.
    void aNewStepForgetsWhatWasUndone() {
        Game game;
        game.click(Control::HomeGoalButton);
        game.click(Control::AwayGoalButton);
        game.trigger(QStringLiteral("mnuUndo"));
        game.click(Control::HomeShotButton);
        QVERIFY(!game.controller->history().canRedo());
        QVERIFY(!game.window->action(QStringLiteral("mnuRedo"))->isEnabled());
        QCOMPARE(undoText(game), QStringLiteral("Undo Home Shot"));
        QCOMPARE(game.text(Control::AwayTotal, 2), QString());
    }

    // A key whose button is hidden runs nothing, and Save changes nothing on the board: neither
    // is a step, and undo takes back the one before them.
    void whatRunsNoCommandIsNoStep() {
        Game game;
        game.click(Control::HomeGoalButton);
        timedFlips(game, 60);
        game.click(Control::TimedFlipButton);  // the period is over: hidden, nothing happens
        game.trigger(QStringLiteral("mnuSave"));
        QCOMPARE(undoText(game), QStringLiteral("Undo Timed Flip"));
    }

    // A count typed in and a button pressed while the box still has the focus: two steps.
    void typingBeforeACommandIsAStepOfItsOwn() {
        Game game;
        game.type(Control::HomePeriod1, 2, QStringLiteral("4"));
        game.click(Control::HomeGoalButton);
        QCOMPARE(game.text(Control::HomePeriod1, 2), QStringLiteral("5"));
        game.trigger(QStringLiteral("mnuUndo"));
        QCOMPARE(game.text(Control::HomePeriod1, 2), QStringLiteral("4"));
        QCOMPARE(undoText(game), QStringLiteral("Undo Correction"));
        game.trigger(QStringLiteral("mnuUndo"));
        QCOMPARE(game.text(Control::HomePeriod1, 2), QString());
    }

    // Each finished step reaches the listeners once: its command and name, the board after it,
    // the entries it added to the log. Typing still pending as the window closes is the last.
    void listenersHearOfEachStep() {
        QStringList heard;
        {
            Game game;
            GameController* controller = game.controller.get();
            controller->addStepListener([&heard, controller](const FinishedStep& step) {
                QStringList events;
                for (const LogEntry& entry : step.entries)
                    events << eventName(entry.event);
                heard
                    << QStringLiteral("%1: %2 [%3]").arg(logName(step.command), step.name, events.join(u','));
                QVERIFY(step.board == controller->board());
            });
            controller->addPenalty(Team::Away, QStringLiteral("Ryan"), PenaltyKind::Minor);
            game.type(Control::HomeName, 1, QStringLiteral("Owls"));
            game.click(Control::AwayShotButton);
            game.trigger(QStringLiteral("mnuUndo"));
            game.trigger(QStringLiteral("mnuRedo"));
            QApplication::setActiveWindow(game.window.get());
            QWidget* count = game.window->widgetOf(Control::HomePeriod1, 1);
            count->setFocus(Qt::OtherFocusReason);
            QTest::keyClicks(count, QStringLiteral("7"));
        }
        QCOMPARE(heard, QStringList({"Penalty: Add Penalty [Penalty]", "Correction: Correction [Correction]",
                                     "Away shot: Away Shot [Away shot]", "Undo: Away Shot [Undo]",
                                     "Redo: Away Shot [Redo]", "Correction: Correction [Correction]"}));
    }

    // Undo never touches a file, and Save writes the board as it stands after it.
    void saveWritesTheBoardAsItStands() {
        Game game;
        game.click(Control::AwayGoalButton);
        game.click(Control::AwayGoalButton);
        game.trigger(QStringLiteral("mnuSave"));
        const QString path = game.path(QStringLiteral("Settings.TVN"));
        const QByteArray twoGoals = readAll(path);
        game.trigger(QStringLiteral("mnuUndo"));
        QCOMPARE(readAll(path), twoGoals);
        game.trigger(QStringLiteral("mnuSave"));
        const QByteArray oneGoal = readAll(path);
        QCOMPARE(oneGoal.split('\n')[14], QByteArray("1\r"));
        QCOMPARE(oneGoal.split('\n')[22], QByteArray("1\r"));
    }
};

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
