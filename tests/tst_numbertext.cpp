// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTest>

#include "core/numbertext.h"

// Every count, the seconds and the card numbers go through these two: a wrong reading
// here shows up as a wrong score or clock everywhere.
class TestNumberText : public QObject {
    Q_OBJECT

private slots:
    void reads_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("word") << "abc" << 0.0;
        QTest::newRow("whole") << "1180" << 1180.0;
        QTest::newRow("digits then letters") << "12abc" << 12.0;
        QTest::newRow("negative") << "-10" << -10.0;
        QTest::newRow("fraction") << "2.5" << 2.5;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("leading blank") << " 7" << 7.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("exponent") << "1e+15" << 1e15;
        QTest::newRow("e without digits") << "3e" << 3.0;
        QTest::newRow("clock text") << "19:40" << 19.0;
        QTest::newRow("beyond a double") << "1e999" << 0.0;
        QTest::newRow("400 digits") << QString(400, u'9') << 0.0;
    }
    void reads() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(readNumber(text), value);
    }

    void writes_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("small") << 3.0 << "3";
        QTest::newRow("seconds") << 1180.0 << "1180";
        QTest::newRow("fraction") << 2.5 << "2.5";
        QTest::newRow("negative") << -10.0 << "-10";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("sum of tenths") << 0.1 + 0.2 << "0.3";
        QTest::newRow("fifteen digits") << 123456789012345.0 << "123456789012345";
        QTest::newRow("sixteen digits") << 1234567890123456.0 << "1.23456789012346e+15";
    }
    void writes() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(numberText(value), text);
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
