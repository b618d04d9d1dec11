// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's keys: each works wherever the focus is without typing into a box, shows in the
// Game menu, and a focused box keeps Ctrl+Z for its own typing.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "support/testkit.h"

namespace {

QLineEdit* box(Game& game, Control ctl, int index) {
    return qobject_cast<QLineEdit*>(game.window->widgetOf(ctl, index));
}

// Focus on a widget of the main window, as a click or Tab puts it there.
void focus(Game& game, QWidget* widget) {
    QApplication::setActiveWindow(game.window.get());
    widget->setFocus(Qt::OtherFocusReason);
    QCOMPARE(QApplication::focusWidget(), widget);
}

// Plays up to the key and returns the widget with the focus.
using Play = std::function<QWidget*(Game&)>;

}  // namespace

Q_DECLARE_METATYPE(Play)

class TestKeys : public QObject {
    Q_OBJECT

private slots:
    // Each key, pressed with the focus in a score box, runs its command and types nothing.
    void keysWorkFromAScoreBox_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<int>("changed");  // a control whose text the command changes
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("expected");

        auto row = [](const char* action, QKeySequence key, Control changed, int index,
                      const char* expected) {
            QTest::newRow(action) << QString::fromLatin1(action) << key << int(changed) << index
                                  << QString::fromLatin1(expected);
        };
        row("mnuTimedFlip", Qt::Key_F5, Control::Clock, 0, "19:40");
        row("mnuFlip", Qt::Key_F6, Control::UpperNumber, 0, "c");  // the next card's number
        row("mnuAwayShot", Qt::Key_F7, Control::AwayTotal, 1, "1");
        row("mnuHomeShot", Qt::Key_F8, Control::HomeTotal, 1, "3");
        row("mnuAwayGoal", Qt::SHIFT | Qt::Key_F7, Control::AwayTotal, 2, "1");
        row("mnuHomeGoal", Qt::SHIFT | Qt::Key_F8, Control::HomeTotal, 2, "1");
        row("mnuNextPeriod", Qt::Key_F9, Control::Period, 0, "2");
        row("mnuUndo", Qt::CTRL | Qt::Key_Z, Control::HomePeriod1, 1, "1");
        row("mnuRedo", Qt::CTRL | Qt::Key_Y, Control::HomePeriod1, 1, "2");
        row("mnuRedo", Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Control::HomePeriod1, 1, "2");
    }
    void keysWorkFromAScoreBox() {
        QFETCH(QString, action);
        QFETCH(QKeySequence, key);
        QFETCH(int, changed);
        QFETCH(int, index);
        QFETCH(QString, expected);
        Game game;
        // Steps to undo, and one to redo after an undo.
        game.click(Control::HomeShotButton);
        game.click(Control::HomeShotButton);
        if (action == QStringLiteral("mnuRedo"))
            game.trigger(QStringLiteral("mnuUndo"));
        QCOMPARE(game.window->action(action)->shortcuts().contains(key), true);

        // An untouched box in the other table: no typing of its own to undo.
        QLineEdit* scoreBox = box(game, Control::AwayPeriod2, 2);
        focus(game, scoreBox);
        const QString upper = game.text(Control::UpperNumber);
        QTest::keyClick(scoreBox, key[0].key(), key[0].keyboardModifiers());

        const QString now = game.text(Control(changed), index);
        if (action == QStringLiteral("mnuFlip"))
            QVERIFY(now != upper && !now.isEmpty());
        else
            QCOMPARE(now, expected);
        QCOMPARE(scoreBox->text(), QString());
        QCOMPARE(game.text(Control::AwayPeriod2, 2), QString());
        QCOMPARE(QApplication::focusWidget(), scoreBox);
    }

    // The keys stand beside their items in the Game menu, which holds every game command.
    void theGameMenuShowsEveryKey() {
        Game game;
        QMenu* menu = game.window->findChild<QMenu*>(QStringLiteral("mnuGame"));
        QVERIFY(menu);
        QCOMPARE(menu->title(), QStringLiteral("&Game"));
        QStringList items;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator())
                items << action->text() + u'\t' + action->shortcut().toString(QKeySequence::NativeText);
        }
        QCOMPARE(items,
                 QStringList({"Flip FAC-Advance Timer\tF5", "Flip FAC-No Timer Advance\tF6", "Away Shot\tF7",
                              "Home Shot\tF8", "Away Goal\tShift+F7", "Home Goal\tShift+F8",
                              "Next Period\tF9", "Undo\tCtrl+Z", "Redo\tCtrl+Shift+Z", "Game Log…\tCtrl+L",
                              "Penalty Box…\tCtrl+B", "On Ice…\tCtrl+I", "Next Lines\tF4",
                              "Goal Details…\tCtrl+G", "Game Sheet…\t", "End Game…\t", "Shoot-out…\t"}));
        // File keeps its four items and comes first, without an access letter; Game follows it,
        // League after it, Help comes last.
        QStringList titles;
        for (QAction* title : game.window->menuBar()->actions())
            titles << title->text();
        QCOMPARE(titles, QStringList({"File", "&Game", "&League", "&Help"}));
        QCOMPARE(game.window->fileMenu()->actions().size(), 4);
    }

    // F5 flips only while the timed flip's button is shown.
    void theTimedFlipKeyNeedsItsButton() {
        Game game;
        focus(game, game.window->widgetOf(Control::FlipButton));
        for (int i = 0; i < 60; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5);
        QCOMPARE(game.text(Control::Clock), QStringLiteral("0:00"));
        QVERIFY(!game.visible(Control::TimedFlipButton));
        QVERIFY(!game.window->action(QStringLiteral("mnuTimedFlip"))->isEnabled());
        const BoardState ended = game.controller->board();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5);
        QVERIFY(game.controller->board() == ended);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F9);
        QVERIFY(game.window->action(QStringLiteral("mnuTimedFlip"))->isEnabled());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5);
        QCOMPARE(game.text(Control::Clock), QStringLiteral("19:40"));
    }

    // A box's own undo takes back only what was typed into it since it took the focus or since
    // the game's last step; otherwise Ctrl+Z and Ctrl+Y are the game's. Each row starts after
    // an away goal, with the focus where its play leaves it.
    void whoseUndoInABox_data() {
        QTest::addColumn<Play>("play");
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("boxText");  // what the focused box shows after the key
        QTest::addColumn<QString>("awayGoals");
        QTest::addColumn<QString>("undoName");  // the game's next undo after the key

        auto row = [](const char* name, QKeySequence key, const char* boxText, const char* goals,
                      const char* undoName, Play play) {
            QTest::newRow(name) << play << key << QString::fromUtf8(boxText) << QString::fromUtf8(goals)
                                << QString::fromUtf8(undoName);
        };
        // Types a 5 over the away goals of period 1.
        auto typeFive = [](Game& g) -> QWidget* {
            QLineEdit* count = box(g, Control::AwayPeriod1, 2);
            focus(g, count);
            count->selectAll();
            QTest::keyClicks(count, QStringLiteral("5"));
            return count;
        };
        const QKeySequence undo(Qt::CTRL | Qt::Key_Z);
        row("typed since the box took the focus", undo, "1", "1", "Away Goal", typeFive);
        row("typed before a game key", undo, "5", "5", "Correction", [typeFive](Game& g) {
            QWidget* count = typeFive(g);
            QTest::keyClick(count, Qt::Key_F8);
            return count;
        });
        row("typed before the box lost the focus", undo, "1", "1", "Away Goal", [typeFive](Game& g) {
            QWidget* count = typeFive(g);
            focus(g, g.window->widgetOf(Control::FlipButton));
            focus(g, count);
            return count;
        });
        row("typed, then redo", QKeySequence(Qt::CTRL | Qt::Key_Y), "5", "5", "Correction",
            [typeFive](Game& g) {
                g.click(Control::HomeShotButton);
                g.trigger(QStringLiteral("mnuUndo"));
                return typeFive(g);
            });
        row("a penalty added, then a goal", undo, "", "1", "Add Penalty", [](Game& g) -> QWidget* {
            PenaltyBoxWindow& window = g.tools->penaltyBoxWindow();
            window.show();
            QApplication::setActiveWindow(&window);
            // The player's box is a list of the roster, with a text free to type.
            auto* player = window.findChild<QComboBox*>(QStringLiteral("penaltyPlayerList"));
            player->setFocus(Qt::OtherFocusReason);
            QTest::keyClicks(player, QStringLiteral("Smith"));
            QTest::keyClick(player, Qt::Key_Return);
            QTest::keyClick(player, Qt::Key_F8, Qt::ShiftModifier);
            return player;
        });
        row("focus on a button", undo, "", "", "", [](Game& g) {
            QWidget* flip = g.window->widgetOf(Control::FlipButton);
            focus(g, flip);
            return flip;
        });
    }
    void whoseUndoInABox() {
        QFETCH(Play, play);
        QFETCH(QKeySequence, key);
        QFETCH(QString, boxText);
        QFETCH(QString, awayGoals);
        QFETCH(QString, undoName);
        Game game;
        game.click(Control::AwayGoalButton);
        QWidget* focused = play(game);
        QCOMPARE(QApplication::focusWidget(), focused);
        QTest::keyClick(focused, key[0].key(), key[0].keyboardModifiers());

        if (auto* edit = qobject_cast<QLineEdit*>(focused))
            QCOMPARE(edit->text(), boxText);
        if (auto* list = qobject_cast<QComboBox*>(focused))
            QCOMPARE(list->currentText(), boxText);
        QCOMPARE(game.text(Control::AwayTotal, 2), awayGoals);
        QCOMPARE(game.controller->history().undoName(), undoName);
    }

    // After the mouse presses a score button or Next Period, Space and Enter flip again: those
    // buttons do not take the focus from the flip on a click, and Tab still reaches them.
    void spaceFlipsAfterAScorePress_data() {
        QTest::addColumn<int>("pressed");
        for (Control button : {Control::HomeGoalButton, Control::AwayGoalButton, Control::HomeShotButton,
                               Control::AwayShotButton, Control::NextPeriodButton})
            QTest::newRow(qPrintable(memberName(button, 0))) << int(button);
    }
    void spaceFlipsAfterAScorePress() {
        QFETCH(int, pressed);
        Game game;
        QWidget* flip = game.window->widgetOf(Control::TimedFlipButton);
        focus(game, flip);
        game.click(Control(pressed));
        QCOMPARE(QApplication::focusWidget(), flip);
        const BoardState afterPress = game.controller->board();
        const QString seconds = game.text(Control::SecondsLeft);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(game.text(Control::SecondsLeft).toInt(), seconds.toInt() - 20);
        // Nothing but the flip's fields changed: the pressed button did not run again.
        QCOMPARE(game.controller->history().undoName(), QStringLiteral("Timed Flip"));
        game.trigger(QStringLiteral("mnuUndo"));
        QVERIFY(game.controller->board() == afterPress);

        QVERIFY(game.window->widgetOf(Control(pressed))->focusPolicy() & Qt::TabFocus);
    }
};

QTEST_MAIN(TestKeys)
#include "tst_keys.moc"
