#include <QSignalSpy>
#include <QTest>

#include "app/fieldmodel.h"

class TestFieldModel : public QObject {
    Q_OBJECT

private slots:
    // The window at first sight, before start-up writes anything.
    void initialState_data() {
        QTest::addColumn<int>("ctl");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("shown");
        auto row = [](const char* name, Ctl ctl, int index, const char* text, bool shown) {
            QTest::newRow(name) << int(ctl) << index << QString::fromLatin1(text) << shown;
        };
        row("clock", Ctl::txtClock, 0, "20:00", true);
        row("period", Ctl::txtPeriod, 0, "1", true);
        row("seconds", Ctl::txtTimer, 0, "", false);
        row("prompt", Ctl::txtChangeLines, 0, "CHANGE LINES", false);
        row("card number", Ctl::txtNum, 0, "", false);
        row("lower card number", Ctl::txtNum2, 0, "", false);
        row("pass to", Ctl::txtPassTo1, 0, "", true);
        row("home name, goals", Ctl::txtHome, 2, "", true);
        row("away total, shots", Ctl::txtFV, 1, "", true);
        row("save path", Ctl::Text1, 0, "", false);
        row("timed flip", Ctl::cmdFlip, 0, "Flip FAC-Advance Timer", true);
        row("untimed flip", Ctl::cmdFlip2, 0, "Flip FAC-No Timer Advance", true);
        row("next period", Ctl::cmdReset, 0, "Next Period", true);
    }
    void initialState() {
        QFETCH(int, ctl);
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(bool, shown);
        FieldModel fields;
        QCOMPARE(fields.text(Ctl(ctl), index), text);
        QCOMPARE(fields.isVisible(Ctl(ctl), index), shown);
    }

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

    // A handler that writes its own field again ends once the texts agree.
    void mirrorChainEnds() {
        FieldModel fields;
        int calls = 0;
        fields.setChangeHandler(Ctl::txtAway, [&](int) {
            ++calls;
            fields.setText(Ctl::txtAway, 2, fields.text(Ctl::txtAway, 1));
        });
        fields.setText(Ctl::txtAway, 1, QStringLiteral("Bears"));
        QCOMPARE(calls, 2);
        QCOMPARE(fields.text(Ctl::txtAway, 2), QStringLiteral("Bears"));
        fields.setText(Ctl::txtAway, 2, QStringLiteral("X"));
        QCOMPARE(fields.text(Ctl::txtAway, 2), QStringLiteral("Bears"));
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
