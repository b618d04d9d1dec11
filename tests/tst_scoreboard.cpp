// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

#include "support/testkit.h"

namespace {

struct Cell {
    Control ctl;
    int index;
    const char* text;
};

}  // namespace

Q_DECLARE_METATYPE(QList<int>)

class TestScoreboard : public QObject {
    Q_OBJECT

private slots:
    // Presses in a period; then every one of the twenty count fields is checked.
    void presses_data() {
        QTest::addColumn<QString>("period");
        QTest::addColumn<QList<int>>("buttons");
        QTest::addColumn<QList<int>>("expected");  // (ctl, index, value) triples; other counts stay empty

        auto row = [](const char* name, const char* period, QList<Control> buttons, QList<Cell> cells) {
            QList<int> pressed;
            for (Control b : buttons)
                pressed << int(b);
            QList<int> expected;
            for (const Cell& c : cells)
                expected << int(c.ctl) << c.index << QString::fromLatin1(c.text).toInt();
            QTest::newRow(name) << QString::fromLatin1(period) << pressed << expected;
        };
        row("away shot, period 1", "1", {Control::AwayShotButton},
            {{Control::AwayPeriod1, 1, "1"}, {Control::AwayTotal, 1, "1"}});
        row("home goal, period 2", "2", {Control::HomeGoalButton},
            {{Control::HomePeriod2, 2, "1"}, {Control::HomeTotal, 2, "1"}});
        row("home goal, overtime", "OT", {Control::HomeGoalButton},
            {{Control::HomeOvertime, 2, "1"}, {Control::HomeTotal, 2, "1"}});
        row("three home shots, period 3", "3",
            {Control::HomeShotButton, Control::HomeShotButton, Control::HomeShotButton},
            {{Control::HomePeriod3, 1, "3"}, {Control::HomeTotal, 1, "3"}});
        row("away goal, period 3", "3", {Control::AwayGoalButton},
            {{Control::AwayPeriod3, 2, "1"}, {Control::AwayTotal, 2, "1"}});
        // An unknown period text adds to no period but still writes the total.
        row("period ot", "ot", {Control::HomeGoalButton}, {{Control::HomeTotal, 2, "0"}});
        row("period blank 1", " 1", {Control::AwayShotButton}, {{Control::AwayTotal, 1, "0"}});
        row("period 4", "4", {Control::AwayGoalButton}, {{Control::AwayTotal, 2, "0"}});
        row("period empty", "", {Control::HomeShotButton}, {{Control::HomeTotal, 1, "0"}});
    }
    void presses() {
        QFETCH(QString, period);
        QFETCH(QList<int>, buttons);
        QFETCH(QList<int>, expected);
        Game game;
        game.fields().setText(Control::Period, period);
        for (int b : buttons)
            game.click(Control(b));

        QHash<QString, QString> want;
        for (int i = 0; i < expected.size(); i += 3)
            want[memberName(Control(expected[i]), expected[i + 1])] = QString::number(expected[i + 2]);
        for (const Member& m : allMembers()) {
            if (m.index == 0 || m.ctl == Control::AwayName || m.ctl == Control::HomeName)
                continue;
            const QString name = memberName(m.ctl, m.index);
            QCOMPARE(game.text(m.ctl, m.index), want.value(name));
        }
    }

    // Totals are the sum of the four periods, read as numbers: recomputed on a press, and at
    // once when a count is corrected, by hand or by the program.
    void totalsFollowTheCounts() {
        Game game;
        game.fields().setText(Control::AwayPeriod1, 2, QStringLiteral("7"));
        QCOMPARE(game.text(Control::AwayTotal, 2), QStringLiteral("7"));
        game.click(Control::AwayShotButton);
        QCOMPARE(game.text(Control::AwayTotal, 2), QStringLiteral("7"));

        game.click(Control::NextPeriodButton);
        game.click(Control::AwayGoalButton);
        QCOMPARE(game.text(Control::AwayPeriod2, 2), QStringLiteral("1"));
        QCOMPARE(game.text(Control::AwayTotal, 2), QStringLiteral("8"));

        game.fields().setText(Control::HomePeriod2, 1, QStringLiteral("2.5"));
        game.fields().setText(Control::HomePeriod1, 1, QStringLiteral("abc"));
        QCOMPARE(game.text(Control::HomeTotal, 1), QStringLiteral("2.5"));
        game.click(Control::HomeShotButton);
        QCOMPARE(game.text(Control::HomePeriod2, 1), QStringLiteral("3.5"));
        QCOMPARE(game.text(Control::HomePeriod1, 1), QStringLiteral("abc"));
        QCOMPARE(game.text(Control::HomeTotal, 1), QStringLiteral("3.5"));

        // Typed over, the total follows keystroke by keystroke, and Save writes it.
        auto* count = qobject_cast<QLineEdit*>(game.window->widgetOf(Control::HomePeriod2, 1));
        count->selectAll();
        game.type(Control::HomePeriod2, 1, QStringLiteral("12"));
        QCOMPARE(game.text(Control::HomeTotal, 1), QStringLiteral("12"));
        QCOMPARE(qobject_cast<QLineEdit*>(game.window->widgetOf(Control::HomeTotal, 1))->text(),
                 QStringLiteral("12"));
        QTest::keyClick(count, Qt::Key_Backspace);
        QCOMPARE(game.text(Control::HomeTotal, 1), QStringLiteral("1"));
        game.trigger("mnuSave");
        QCOMPARE(readAll(game.path("Settings.TVN")).split('\n').value(11), QByteArray("1\r"));
        QCOMPARE(game.text(Control::AwayTotal, 2), QStringLiteral("8"));
    }

    // After a period ends, and before the next starts, presses still go to the named period.
    void pressesAfterThePeriodEnded() {
        Game game;
        for (int i = 0; i < 60; ++i)
            game.click(Control::TimedFlipButton);
        game.click(Control::HomeGoalButton);
        QCOMPARE(game.text(Control::HomePeriod1, 2), QStringLiteral("1"));
    }

    void newGameEmptiesCountsButKeepsNames() {
        Game game;
        game.type(Control::AwayName, 1, QStringLiteral("Bears"));
        game.click(Control::AwayGoalButton);
        game.click(Control::HomeShotButton);
        game.click(Control::NextPeriodButton);
        game.trigger("mnuNewGame");
        QCOMPARE(game.text(Control::AwayPeriod1, 2), QString());
        QCOMPARE(game.text(Control::HomeTotal, 1), QString());
        QCOMPARE(game.text(Control::Period), QStringLiteral("1"));
        QCOMPARE(game.text(Control::AwayName, 1), QStringLiteral("Bears"));
        QCOMPARE(game.text(Control::AwayName, 2), QStringLiteral("Bears"));
    }

    // The goals table repeats the names typed into the shots table, keystroke by keystroke.
    void nameMirror() {
        Game game;
        game.type(Control::HomeName, 1, QStringLiteral("Ow"));
        QCOMPARE(game.text(Control::HomeName, 2), QStringLiteral("Ow"));
        game.type(Control::HomeName, 1, QStringLiteral("ls"));
        QCOMPARE(game.text(Control::HomeName, 2), QStringLiteral("Owls"));

        game.type(Control::HomeName, 2, QStringLiteral("x"));
        QCOMPARE(game.text(Control::HomeName, 2), QStringLiteral("Owls"));
        QCOMPARE(qobject_cast<QLineEdit*>(game.window->widgetOf(Control::HomeName, 2))->text(),
                 QStringLiteral("Owls"));
        game.type(Control::AwayName, 2, QStringLiteral("y"));
        QCOMPARE(game.text(Control::AwayName, 2), QString());
    }

    // However the box's text changes, the field follows it, and the goals table with it.
    void everyEditReachesTheFields_data() {
        QTest::addColumn<QString>("how");
        for (const char* how : {"typing", "paste", "drop", "undo", "redo", "accessible value",
                                "accessible insert", "accessible replace", "accessible delete"})
            QTest::newRow(how) << QString::fromLatin1(how);
    }
    void everyEditReachesTheFields() {
        QFETCH(QString, how);
        Game game;
        game.type(Control::HomeName, 1, QStringLiteral("Ow"));
        auto* edit = qobject_cast<QLineEdit*>(game.window->widgetOf(Control::HomeName, 1));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(edit);
        QVERIFY(accessible && accessible->editableTextInterface());

        if (how == "typing") {
            game.type(Control::HomeName, 1, QStringLiteral("ls"));
        } else if (how == "paste") {
            QApplication::clipboard()->setText(QStringLiteral("ls"));
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        } else if (how == "drop") {
            QMimeData dragged;
            dragged.setText(QStringLiteral("ls"));
            const QPoint end(edit->width() - 2, edit->height() / 2);
            QDragEnterEvent enter(end, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(edit, &enter);
            QDropEvent drop(end, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(edit, &drop);
        } else if (how == "undo" || how == "redo") {
            game.type(Control::HomeName, 1, QStringLiteral("ls"));
            QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
            if (how == "redo")
                QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        } else if (how == "accessible value") {
            accessible->setText(QAccessible::Value, QStringLiteral("Owls"));
        } else if (how == "accessible insert") {
            accessible->editableTextInterface()->insertText(2, QStringLiteral("ls"));
        } else if (how == "accessible replace") {
            accessible->editableTextInterface()->replaceText(0, 2, QStringLiteral("Bears"));
        } else if (how == "accessible delete") {
            accessible->editableTextInterface()->deleteText(0, 1);
        }

        QVERIFY2(edit->text() != QStringLiteral("Ow"), qPrintable(edit->text()));
        QCOMPARE(game.text(Control::HomeName, 1), edit->text());
        QCOMPARE(game.text(Control::HomeName, 2), edit->text());
        game.trigger("mnuSave");
        QCOMPARE(readAll(game.path("Settings.TVN")).split('\n').value(1), edit->text().toUtf8() + '\r');
    }

    // The clock cannot be typed into; text set on it from outside gives way to the clock's own.
    void clockIsNotSetFromOutside() {
        Game game;
        auto* clock = qobject_cast<QLineEdit*>(game.window->widgetOf(Control::Clock));
        QAccessible::queryAccessibleInterface(clock)->setText(QAccessible::Value, QStringLiteral("0:01"));
        QCOMPARE(game.text(Control::Clock), QStringLiteral("20:00"));
        QCOMPARE(clock->text(), QStringLiteral("20:00"));
    }
};

QTEST_MAIN(TestScoreboard)
#include "tst_scoreboard.moc"
