#include <QSignalSpy>
#include <QTest>

#include "app/fieldmodel.h"

class TestFieldModel : public QObject {
    Q_OBJECT

private slots:
    void membersOfArraysAreOneAndTwo() {
        QVERIFY(isMember(Ctl::txtHome, 1));
        QVERIFY(isMember(Ctl::txtHome, 2));
        QVERIFY(!isMember(Ctl::txtHome, 0));
        QVERIFY(!isMember(Ctl::txtHome, 3));
        QVERIFY(isMember(Ctl::txtClock, 0));
        QVERIFY(!isMember(Ctl::txtClock, 1));
        QCOMPARE(allMembers().size(), 22 + 4 + 2 * 12 + 1 + 7);
    }

    // The change handler runs inside the setting step, once per different text.
    void changeRule() {
        FieldModel fields;
        QList<int> raised;
        QString seenDuringHandler;
        fields.setChangeHandler(Ctl::txtHome, [&](int index) {
            raised.append(index);
            seenDuringHandler = fields.text(Ctl::txtHome, index);
        });
        fields.setText(Ctl::txtHome, 1, QStringLiteral("Hawks"));
        QCOMPARE(raised, QList<int>{1});
        QCOMPARE(seenDuringHandler, QStringLiteral("Hawks"));

        fields.setText(Ctl::txtHome, 1, QStringLiteral("Hawks"));
        QCOMPARE(raised, QList<int>{1});

        fields.setText(Ctl::txtHome, 2, QStringLiteral("Owls"));
        QCOMPARE(raised, (QList<int>{1, 2}));

        fields.setText(Ctl::txtAway, 1, QStringLiteral("Bears"));
        QCOMPARE(raised.size(), 2);
    }

    void signalsOnlyOnChange() {
        FieldModel fields;
        QSignalSpy texts(&fields, &FieldModel::textChanged);
        QSignalSpy flags(&fields, &FieldModel::visibleChanged);
        fields.setText(Ctl::txtClock, QStringLiteral("20:00"));
        fields.setVisible(Ctl::cmdFlip, true);
        QCOMPARE(texts.size(), 0);
        QCOMPARE(flags.size(), 0);
        fields.setText(Ctl::txtClock, QStringLiteral("19:40"));
        fields.setVisible(Ctl::cmdFlip, false);
        QCOMPARE(texts.size(), 1);
        QCOMPARE(flags.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestFieldModel)
#include "tst_fieldmodel.moc"
