// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTest>

#include "deck/cardreader.h"
#include "support/testkit.h"

namespace {

QByteArray record(int number, const QByteArray& separator = ",") {
    QByteArray bytes = QByteArray::number(number);
    for (int field = 2; field <= 21; ++field)
        bytes += separator + cardText(number, field).toLatin1();
    return bytes;
}

}  // namespace

class TestFacReader : public QObject {
    Q_OBJECT

private slots:
    // The cases a card file can produce: what is loaded, and the error that stops reading.
    void cases_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("error");  // 0: none

        QTest::newRow("complete deck") << deckText(200) << 200 << 0;
        QTest::newRow("complete deck, LF") << deckText(200).replace("\r\n", "\n") << 200 << 0;
        QTest::newRow("empty line after record 200") << deckText(200) + "\r\n" << 200 << 9;
        QTest::newRow("empty file") << QByteArray() << 0 << 0;
        QTest::newRow("150 records") << deckText(150) << 150 << 0;
        QTest::newRow("empty line after record 150") << deckText(150) + "\r\n" << 150 << 62;
        QByteArray stop = deckText(50) + "51";
        for (int field = 2; field <= 11; ++field)
            stop += ',' + cardText(51, field).toLatin1();
        QTest::newRow("stop inside record 51") << stop << 50 << 62;
        QTest::newRow("stop after a comma") << deckText(3) + "4," << 3 << 62;
        QTest::newRow("last line without line end") << deckText(2) + record(3) << 3 << 0;
        QTest::newRow("card number not a number") << QByteArray("x") + record(1).mid(1) << 0 << 13;
        QTest::newRow("card number a fraction") << "2.5" + record(1).mid(1) << 0 << 13;
        QTest::newRow("card number beyond 16 bits") << "32768" + record(1).mid(1) << 0 << 6;
        QTest::newRow("card number at 16-bit limit") << "-32768" + record(1).mid(1) << 1 << 0;
        QTest::newRow("NUL bytes") << QByteArray(1000, '\0') << 0 << 13;
        QTest::newRow("a text of a million characters") << "1," + QByteArray(1000000, 'a') << 0 << 62;
        QTest::newRow("a million characters in one line") << QByteArray(1000000, 'a') << 0 << 13;
        QTest::newRow("unterminated quote") << QByteArray("1,\"abc") << 0 << 62;
        QByteArray legacyByte = deckText(200);
        legacyByte.replace("c150f7", "c150f7 \xe9");
        QTest::newRow("UTF-8 mark, one Windows-1252 byte") << "\xEF\xBB\xBF" + legacyByte << 200 << 0;
        QByteArray utf16 = "\xFF\xFE";
        for (const char c : deckText(200))
            utf16.append(c).append('\0');
        QTest::newRow("UTF-16 little endian") << utf16 << 200 << 0;
    }
    void cases() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, count);
        QFETCH(int, error);
        const CardReadResult result = parseCardBytes(bytes);
        QCOMPARE(result.table.cardCount, count);
        QCOMPARE(result.error ? result.error->number : 0, error);
    }

    // Fields read before a failure stay in their position, but the record is not counted.
    void partRecordKeepsItsFields() {
        QByteArray bytes = deckText(50) + "51";
        for (int field = 2; field <= 11; ++field)
            bytes += ',' + cardText(51, field).toLatin1();
        const CardReadResult result = parseCardBytes(bytes + "\r\n");
        QCOMPARE(result.table.cardCount, 50);
        const CardRecord& part = result.table.at(51);
        QCOMPARE(part.number, qint16(51));
        QCOMPARE(part.passTo1, cardText(51, 2));
        QCOMPARE(part.rebound2, cardText(51, 11));
        QCOMPARE(part.faceoff, QString());
        QCOMPARE(result.table.at(52), CardRecord{});
    }

    // Records are counted by fields, not lines; quotes keep commas; spaces before a field go.
    void fieldRules() {
        const QByteArray twoLines = record(1).replace(",c1f12,", ",c1f12\r\n");
        const CardReadResult split = parseCardBytes(twoLines + "\r\n" + record(2) + "\r\n");
        QCOMPARE(split.table.cardCount, 2);
        QCOMPARE(split.table.at(1).faceoff, cardText(1, 12));
        QCOMPARE(split.table.at(2).number, qint16(2));

        const CardReadResult quoted =
            parseCardBytes("1,  \"Pass, then shoot\",,\"\",d,e,f,g,h,i,j,k,l,m,n,o,p,q,r,s,t   \r\n");
        QVERIFY(!quoted.error);
        const CardRecord& card = quoted.table.at(1);
        QCOMPARE(card.passTo1, QStringLiteral("Pass, then shoot"));
        QCOMPARE(card.action, QString());
        QCOMPARE(card.passTo2, QString());
        QCOMPARE(card.strategy1, QStringLiteral("d"));
        QCOMPARE(card.passTo3, QStringLiteral("t"));

        // The same comma unquoted is two fields and shifts the rest of the file by one.
        const CardReadResult shifted =
            parseCardBytes("1,  Pass, then shoot,,\"\",d,e,f,g,h,i,j,k,l,m,n,o,p,q,r,s,t   \r\n");
        QCOMPARE(shifted.table.at(1).action, QStringLiteral("then shoot"));
        QCOMPARE(shifted.table.at(1).passTo3, QStringLiteral("s"));
        QCOMPARE(shifted.error, CardReadErrors::kNotAWholeNumber);
    }

    void encodings() {
        const QByteArray utf8 =
            QStringLiteral("1,Défense").toUtf8() + ",b,c,d,e,f,g,h,i,j,k,l,m,n,o,p,q,r,s,t\r\n";
        QCOMPARE(parseCardBytes(utf8).table.at(1).passTo1, QStringLiteral("Défense"));
        const QByteArray cp1252 =
            "1,D\xe9"
            "fense \x80,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p,q,r,s,t\r\n";
        QCOMPARE(parseCardBytes(cp1252).table.at(1).passTo1, QStringLiteral("Défense €"));
        // Each line keeps its own encoding, and the mark is no part of the card number.
        const CardReadResult mixed =
            parseCardBytes("\xEF\xBB\xBF" + utf8 + QByteArray(cp1252).replace("1,", "2,"));
        QVERIFY(!mixed.error);
        QCOMPARE(mixed.table.at(1).passTo1, QStringLiteral("Défense"));
        QCOMPARE(mixed.table.at(2).passTo1, QStringLiteral("Défense €"));
    }

    void shippedDeckLoadsWhole() {
        const CardReadResult result = readCardFile(QStringLiteral(TORVANE_DATA_DIR "/FAC_Data.txt"));
        QVERIFY(!result.error);
        QCOMPARE(result.table.cardCount, 200);
        for (int k = 1; k <= 200; ++k) {
            const CardRecord& card = result.table.at(k);
            QCOMPARE(int(card.number), k);
            for (QString CardRecord::*text : kCardTextFields)
                QVERIFY(!(card.*text).isEmpty());
        }
    }

    void message() {
        QCOMPARE(cardReadErrorMessage(CardReadErrors::kFileNotFound),
                 QStringLiteral("Error 53 trying to read FACs.\nFile not found"));
        QCOMPARE(cardReadErrorMessage({-5, QStringLiteral("x")}),
                 QStringLiteral("Error -5 trying to read FACs.\nx"));
    }
};

QTEST_GUILESS_MAIN(TestFacReader)
#include "tst_facreader.moc"
