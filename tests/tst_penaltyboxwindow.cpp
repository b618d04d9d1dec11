// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "ui/penaltyboxwindow.h"

namespace {

template <typename T>
T* child(const PenaltyBoxWindow& window, const char* name) {
    T* widget = window.findChild<T*>(QLatin1String(name));
    if (!widget)
        qFatal("no %s", name);
    return widget;
}

QStringList rowTexts(const QTreeWidget* list, int row) {
    QStringList texts;
    const QTreeWidgetItem* item = list->topLevelItem(row);
    for (int column = 0; column < list->columnCount(); ++column)
        texts.append(item->text(column));
    return texts;
}

}  // namespace

class TestPenaltyBoxWindow : public QObject {
    Q_OBJECT

private slots:
    void showsEveryPenaltyAndTheStrength() {
        PenaltyBoxWindow window;
        auto* list = child<QTreeWidget>(window, "penaltyList");
        auto* strength = child<QLabel>(window, "penaltyStrength");
        QCOMPARE(list->topLevelItemCount(), 0);
        QCOMPARE(strength->text(), QStringLiteral("5 on 5"));

        PenaltyBox box;
        box.add(Team::Away, QStringLiteral("#12 Lindqvist"), PenaltyKind::Minor);
        box.elapse(20.5);
        box.add(Team::Away, QStringLiteral("<b>Okafor</b>, \"Oak\"\nsecond line"), PenaltyKind::Minor);
        box.add(Team::Away, QString(), PenaltyKind::Minor);
        box.add(Team::Home, QStringLiteral("Brandt"), PenaltyKind::Major);
        window.display(box);

        QCOMPARE(list->topLevelItemCount(), 4);
        QCOMPARE(rowTexts(list, 0), (QStringList{"Away", "#12 Lindqvist", "Minor", "1:40", "Running"}));
        // Free text shows as typed, on one line, never as markup.
        QCOMPARE(rowTexts(list, 1),
                 (QStringList{"Away", "<b>Okafor</b>, \"Oak\" second line", "Minor", "2:00", "Running"}));
        QCOMPARE(rowTexts(list, 2), (QStringList{"Away", "", "Minor", "2:00", "Waiting"}));
        QCOMPARE(rowTexts(list, 3), (QStringList{"Home", "Brandt", "Major", "5:00", "Running"}));
        QCOMPARE(strength->text(), QStringLiteral("3 on 4"));

        box.elapse(99.5);
        window.display(box);
        QCOMPARE(list->topLevelItemCount(), 3);
        QCOMPARE(rowTexts(list, 0),
                 (QStringList{"Away", "<b>Okafor</b>, \"Oak\" second line", "Minor", "0:21", "Running"}));
        QCOMPARE(rowTexts(list, 1), (QStringList{"Away", "", "Minor", "2:00", "Running"}));
        QCOMPARE(rowTexts(list, 2), (QStringList{"Home", "Brandt", "Major", "3:21", "Running"}));

        box.clear();
        window.display(box);
        QCOMPARE(list->topLevelItemCount(), 0);
        QCOMPARE(strength->text(), QStringLiteral("5 on 5"));
    }

    // The teams by their names on the sheet, Away and Home while a name is empty.
    void namesTheTeams() {
        PenaltyBoxWindow window;
        PenaltyBox box;
        box.add(Team::Home, QStringLiteral("Brandt"), PenaltyKind::Minor);
        box.add(Team::Away, {}, PenaltyKind::Major, QStringLiteral("Fighting"));
        box.add(Team::Home, {}, PenaltyKind::Major, QStringLiteral("Fighting"));
        window.display(box, {QStringLiteral("Bears & Co"), QStringLiteral("  "), {}, {}, {}});
        auto* list = child<QTreeWidget>(window, "penaltyList");
        QCOMPARE(rowTexts(list, 0), (QStringList{"Home", "Brandt", "Minor", "2:00", "Running"}));
        QCOMPARE(rowTexts(list, 1),
                 (QStringList{"Bears & Co", "", "Major, Fighting", "5:00", "Coincidental"}));
        QCOMPARE(child<QLabel>(window, "penaltyTeams")->text(), QStringLiteral("Bears & Co 5, Home 4"));
        QCOMPARE(child<QLabel>(window, "penaltyStrength")->text(), QStringLiteral("5 on 4"));
        QCOMPARE(child<QRadioButton>(window, "penaltyTeamAway")->text(), QStringLiteral("Bears && Co"));
        QCOMPARE(child<QRadioButton>(window, "penaltyTeamHome")->text(), QStringLiteral("&Home"));
    }

    // From card: the kind the upper half's penalty cell calls, else the one chosen; the
    // infraction of the lower half's cell for that kind, else what was typed.
    void fillsFromTheCard_data() {
        QTest::addColumn<QString>("penaltyCell");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("filled");  // the kind checked, the infraction, the team
        const auto row = [](const char* name, const char* cell, const char* chosen, const char* filled) {
            QTest::newRow(name) << QString(cell) << QString(chosen) << QString(filled);
        };
        row("a minor", "Minor on defence", "penaltyMajor", "penaltyMinor Tripping Away");
        row("a major", "Major on attack", "penaltyMinor", "penaltyMajor Boarding Away");
        row("no penalty keeps the kind", "No penalty", "penaltyMajor", "penaltyMajor Boarding Away");
        row("no cell for the kind", "Home misconduct", "penaltyMinor", "penaltyMisconduct typed Home");
        row("a penalty shot", "Tripped - PS", "penaltyMinor", "penaltyShot Tripped Away");
    }
    void fillsFromTheCard() {
        QFETCH(QString, penaltyCell);
        QFETCH(QString, chosen);
        QFETCH(QString, filled);
        PenaltyBoxWindow window;
        window.display(PenaltyBox(),
                       {{}, {}, penaltyCell, QStringLiteral("Tripping"), QStringLiteral("Boarding")});
        child<QRadioButton>(window, qPrintable(chosen))->click();
        child<QLineEdit>(window, "penaltyInfraction")->setText(QStringLiteral("typed"));
        child<QPushButton>(window, "penaltyFromCard")->click();
        const QStringList expected = filled.split(QLatin1Char(' '));
        QVERIFY(child<QRadioButton>(window, qPrintable(expected[0]))->isChecked());
        QCOMPARE(child<QLineEdit>(window, "penaltyInfraction")->text(), expected[1]);
        QVERIFY(child<QRadioButton>(window, qPrintable("penaltyTeam" + expected[2]))->isChecked());
    }

    void addRequestsWhatTheFormSays_data() {
        QTest::addColumn<bool>("home");
        QTest::addColumn<bool>("major");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<QString>("player");
        QTest::newRow("away minor by click") << false << false << "#4 Okafor" << false << "#4 Okafor";
        QTest::newRow("home major by Enter") << true << true << "Brandt, \"B\"" << true << "Brandt, \"B\"";
        QTest::newRow("no name") << true << false << "" << true << "";
        QTest::newRow("spaces trimmed") << false << true << "  Duval  " << false << "Duval";
    }
    void addRequestsWhatTheFormSays() {
        QFETCH(bool, home);
        QFETCH(bool, major);
        QFETCH(QString, typed);
        QFETCH(bool, byEnter);
        QFETCH(QString, player);
        PenaltyBoxWindow window;
        QSignalSpy added(&window, &PenaltyBoxWindow::addRequested);
        child<QRadioButton>(window, home ? "penaltyTeamHome" : "penaltyTeamAway")->click();
        child<QRadioButton>(window, major ? "penaltyMajor" : "penaltyMinor")->click();
        auto* field = child<QLineEdit>(window, "penaltyPlayer");
        auto* infraction = child<QLineEdit>(window, "penaltyInfraction");
        QTest::keyClicks(infraction, QStringLiteral(" Hooking "));
        QTest::keyClicks(field, typed);
        if (byEnter)
            QTest::keyClick(field, Qt::Key_Return);
        else
            child<QPushButton>(window, "penaltyAdd")->click();

        QCOMPARE(added.size(), 1);
        QCOMPARE(added.at(0).at(0).value<Team>(), home ? Team::Home : Team::Away);
        QCOMPARE(added.at(0).at(1).toString(), player);
        QCOMPARE(added.at(0).at(2).value<PenaltyKind>(), major ? PenaltyKind::Major : PenaltyKind::Minor);
        QCOMPARE(added.at(0).at(3).toString(), QStringLiteral("Hooking"));
        // Ready for the next one, a minor of the same team; the window itself adds nothing.
        QVERIFY(field->text().isEmpty() && infraction->text().isEmpty());
        QVERIFY(child<QRadioButton>(window, "penaltyMinor")->isChecked());
        QVERIFY(child<QRadioButton>(window, home ? "penaltyTeamHome" : "penaltyTeamAway")->isChecked());
        QCOMPARE(child<QTreeWidget>(window, "penaltyList")->topLevelItemCount(), 0);
    }

    void removeRequestsTheSelectedPenalty() {
        PenaltyBoxWindow window;
        QSignalSpy removed(&window, &PenaltyBoxWindow::removeRequested);
        auto* list = child<QTreeWidget>(window, "penaltyList");
        auto* remove = child<QPushButton>(window, "penaltyRemove");
        PenaltyBox box;
        box.add(Team::Away, QStringLiteral("first"), PenaltyKind::Minor);
        const int second = box.add(Team::Home, QStringLiteral("second"), PenaltyKind::Minor);
        box.add(Team::Home, QStringLiteral("third"), PenaltyKind::Major);
        window.display(box);
        QVERIFY(!remove->isEnabled());

        list->setCurrentItem(list->topLevelItem(1));
        QVERIFY(remove->isEnabled());
        // A new state of the box keeps the selection on the same penalty.
        box.remove(1);
        box.elapse(20);
        window.display(box);
        QCOMPARE(list->selectedItems().size(), 1);
        QCOMPARE(list->selectedItems().first()->text(1), QStringLiteral("second"));

        remove->click();
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(removed.size(), 2);
        QCOMPARE(removed.at(0).at(0).toInt(), second);
        QCOMPARE(removed.at(1).at(0).toInt(), second);

        // Once it has left the box nothing is selected, so Remove cannot take a neighbour.
        box.remove(second);
        window.display(box);
        QVERIFY(list->selectedItems().isEmpty());
        QVERIFY(!remove->isEnabled());
        remove->click();
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(removed.size(), 2);
    }
};

QTEST_MAIN(TestPenaltyBoxWindow)
#include "tst_penaltyboxwindow.moc"
