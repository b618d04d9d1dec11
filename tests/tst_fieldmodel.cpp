// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QSignalSpy>
#include <QTest>

#include "core/fieldmodel.h"

class TestFieldModel : public QObject {
    Q_OBJECT

private slots:
    void membersOfArraysAreOneAndTwo() {
        QVERIFY(isMember(Control::HomeName, 1));
        QVERIFY(isMember(Control::HomeName, 2));
        QVERIFY(!isMember(Control::HomeName, 0));
        QVERIFY(!isMember(Control::HomeName, 3));
        QVERIFY(isMember(Control::Clock, 0));
        QVERIFY(!isMember(Control::Clock, 1));
        QCOMPARE(allMembers().size(), 22 + 4 + 2 * 12 + 1 + 7);
    }

    // The change handler runs inside the setting step, once per different text.
    void changeRule() {
        FieldModel fields;
        QList<int> raised;
        QString seenDuringHandler;
        fields.setChangeHandler(Control::HomeName, [&](int index) {
            raised.append(index);
            seenDuringHandler = fields.text(Control::HomeName, index);
        });
        fields.setText(Control::HomeName, 1, QStringLiteral("Hawks"));
        QCOMPARE(raised, QList<int>{1});
        QCOMPARE(seenDuringHandler, QStringLiteral("Hawks"));

        fields.setText(Control::HomeName, 1, QStringLiteral("Hawks"));
        QCOMPARE(raised, QList<int>{1});

        fields.setText(Control::HomeName, 2, QStringLiteral("Owls"));
        QCOMPARE(raised, (QList<int>{1, 2}));

        fields.setText(Control::AwayName, 1, QStringLiteral("Bears"));
        QCOMPARE(raised.size(), 2);
    }

    void signalsOnlyOnChange() {
        FieldModel fields;
        QSignalSpy texts(&fields, &FieldModel::textChanged);
        QSignalSpy flags(&fields, &FieldModel::visibleChanged);
        fields.setText(Control::Clock, fields.text(Control::Clock));
        fields.setVisible(Control::TimedFlipButton, true);
        QCOMPARE(texts.size(), 0);
        QCOMPARE(flags.size(), 0);
        fields.setText(Control::Clock, QStringLiteral("19:40"));
        fields.setVisible(Control::TimedFlipButton, false);
        QCOMPARE(texts.size(), 1);
        QCOMPARE(flags.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestFieldModel)
#include "tst_fieldmodel.moc"
