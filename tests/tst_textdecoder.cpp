// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one decoder behind the card file and the saved game: files as other editors write them.
#include <QTest>

#include "io/textdecoder.h"

class TestTextDecoder : public QObject {
    Q_OBJECT

private slots:
    void decodes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        const QByteArray montreal = QStringLiteral("Montréal").toUtf8();
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("UTF-8") << montreal + "\r\n" << QStringLiteral("Montréal\r\n");
        QTest::newRow("Windows-1252") << QByteArray(
                                             "Qu\xe9"
                                             "bec \x80\n")
                                      << QStringLiteral("Québec €\n");
        QTest::newRow("UTF-8 mark") << "\xEF\xBB\xBF" + montreal << QStringLiteral("Montréal");
        QTest::newRow("mark alone") << QByteArray("\xEF\xBB\xBF") << QString();
        // A character U+FEFF after the mark belongs to the text.
        QTest::newRow("second mark") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx") << QStringLiteral("\uFEFFx");
        QTest::newRow("line by line") << montreal +
                                             "\r\nQu\xe9"
                                             "bec\r\n" +
                                             montreal + "\n\rD\xe9"
                                      << QStringLiteral("Montréal\r\nQuébec\r\nMontréal\n\rDé");
        QTest::newRow("UTF-8 mark, then a Windows-1252 line") << "\xEF\xBB\xBF"
                                                                 "1,a\r\n" +
                                                                     montreal +
                                                                     "\r\nQu\xe9"
                                                                     "bec"
                                                              << QStringLiteral("1,a\r\nMontréal\r\nQuébec");
        QTest::newRow("cut-off UTF-8 sequence at a line end")
            << QByteArray("\xC3\r\n\xC3\xA9") << QStringLiteral("Ã\r\né");
        QTest::newRow("UTF-16 little endian")
            << QByteArray("\xFF\xFEM\0\xE9\0\r\0\n\0\xAC\x20", 12) << QStringLiteral("Mé\r\n€");
        QTest::newRow("UTF-16 big endian")
            << QByteArray("\xFE\xFF\0M\0\xE9\0\n\x20\xAC", 10) << QStringLiteral("Mé\n€");
        QTest::newRow("UTF-16, odd last byte") << QByteArray("\xFF\xFEM\0x", 5) << QStringLiteral("M\uFFFD");
        QTest::newRow("UTF-16 mark alone") << QByteArray("\xFF\xFE") << QString();
        // Malformed UTF-16 becomes U+FFFD, one for each unit that is not part of a pair.
        QTest::newRow("UTF-16 LE, pair")
            << QByteArray("\xFF\xFE\x3C\xD8\xD2\xDF", 6) << QStringLiteral("🏒");
        QTest::newRow("UTF-16 LE, lone high surrogate")
            << QByteArray("\xFF\xFE\n\0\x32\xDB", 6) << QStringLiteral("\n\uFFFD");
        QTest::newRow("UTF-16 LE, pair in the wrong order")
            << QByteArray("\xFF\xFE\0\xDC\0\xD8", 6) << QStringLiteral("\uFFFD\uFFFD");
        QTest::newRow("UTF-16 BE, lone low surrogate")
            << QByteArray("\xFE\xFF\xDC\0\0A", 6) << QStringLiteral("\uFFFDA");
        QTest::newRow("UTF-16 BE, pair cut off by an odd last byte")
            << QByteArray("\xFE\xFF\xD8\x3D\xDF", 5) << QStringLiteral("\uFFFD\uFFFD");
        // Bytes that are not UTF-8 make their line Windows-1252.
        QTest::newRow("UTF-8 of a surrogate") << QByteArray("\xED\xA0\x80") << QStringLiteral("í\u00A0€");
    }
    void decodes() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(decodeText(bytes), text);
    }
};

QTEST_GUILESS_MAIN(TestTextDecoder)
#include "tst_textdecoder.moc"
