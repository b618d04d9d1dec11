// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFile>
#include <QTest>

#include "support/cardcheck.h"

namespace {

// A saved game with every line different, names and all.
QByteArray sampleFile(const QByteArray& lineEnd = "\r\n") {
    const QList<QByteArray> lines = {"Bears", "Owls", "10", "9",     "8",     "7", "6",   "5",    "4",
                                     "3",     "36",   "24", "Other", "Names", "1", "",    "abc",  "2",
                                     "0",     "1",    "",   "",      "99",    "3", "540", "9:00", "3"};
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + lineEnd;
    return bytes;
}

// The same text as a Windows editor's "Unicode" writes it: UTF-16 with a byte-order mark.
QByteArray utf16(const QByteArray& utf8, QSysInfo::Endian order) {
    const QString text = QString::fromUtf8(utf8);
    QByteArray bytes = order == QSysInfo::LittleEndian ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
    for (const QChar c : text) {
        const char high = static_cast<char>(c.unicode() >> 8);
        const char low = static_cast<char>(c.unicode() & 0xFF);
        bytes.append(order == QSysInfo::LittleEndian ? low : high);
        bytes.append(order == QSysInfo::LittleEndian ? high : low);
    }
    return bytes;
}

QByteArray withSeconds(const QByteArray& seconds) {
    QByteArray bytes = sampleFile();
    bytes.replace("\r\n540\r\n", "\r\n" + seconds + "\r\n");
    return bytes;
}

}  // namespace

class TestSavedGame : public QObject {
    Q_OBJECT

private slots:
    void saveOnAFreshWindow() {
        Game game;
        game.trigger("mnuSave");
        const QString path = game.text(Control::SavePath);
        QCOMPARE(path, game.path("Settings.TVN"));
        QCOMPARE(readAll(path), QByteArray("\r\n").repeated(24) + "1200\r\n20:00\r\n1\r\n");
        QCOMPARE(game.dialogs.messages.size(), 1);
        QCOMPARE(game.dialogs.messages[0].text, "The settings were saved to " + path);
        QCOMPARE(game.dialogs.messages[0].buttons, MessageButtons::Ok);
    }

    void saveReplacesTheEarlierFile() {
        Game game;
        game.trigger("mnuSave");
        game.fields().setText(Control::AwayName, 1, QStringLiteral("Montréal"));
        game.click(Control::AwayGoalButton);
        game.trigger("mnuSave");
        const QByteArray bytes = readAll(game.path("Settings.TVN"));
        QVERIFY(bytes.startsWith(QStringLiteral("Montréal\r\n").toUtf8()));
        QCOMPARE(bytes.count("\r\n"), 27);
        QCOMPARE(game.dialogs.messages.size(), 2);
        QVERIFY(game.dialogs.messages[1].text.startsWith("The settings were saved to "));
    }

    // Save, play on, load: every field is back, the deck and the buttons are not touched.
    void loadRestoresTheSavedFields() {
        Game game;
        game.type(Control::HomeName, 1, QStringLiteral("Owls"));
        for (int i = 0; i < 7; ++i)
            game.click(Control::TimedFlipButton);
        game.click(Control::HomeShotButton);
        game.fields().setText(Control::AwayPeriod3, 1, QStringLiteral("n/a"));
        game.trigger("mnuSave");
        const QStringList saved = game.allTexts();

        for (int i = 0; i < 5; ++i)
            game.click(Control::TimedFlipButton);
        game.click(Control::NextPeriodButton);
        game.click(Control::AwayGoalButton);
        game.type(Control::AwayName, 1, QStringLiteral("Bears"));
        game.fields().setVisible(Control::ChangeLines, true);
        const QStringList card = shownUpperHalf(game) + shownLowerHalf(game);
        const int position = game.controller->deck().position();

        game.load(game.path("Settings.TVN"));
        QStringList now = game.allTexts();
        QStringList expected = saved;
        // The card fields are not part of a saved game: they show what they showed.
        for (int i = 0; i < allMembers().size(); ++i) {
            const Member m = allMembers()[i];
            if (int(m.ctl) <= int(Control::MajorPenalty))
                expected[i] = now[i];
        }
        QCOMPARE(now, expected);
        QCOMPARE(shownUpperHalf(game) + shownLowerHalf(game), card);
        QCOMPARE(game.controller->deck().position(), position);
        QVERIFY(game.visible(Control::ChangeLines));
        QCOMPARE(game.dialogs.fileDialogs.size(), 1);
        QCOMPARE(game.dialogs.fileDialogs[0].first, QStringLiteral("TVN (*.TVN)"));
        QCOMPARE(game.dialogs.fileDialogs[0].second, game.dir.path());
        QCOMPARE(game.dialogs.messages.last().text, QStringLiteral("Are you sure you want to Load game?"));
    }

    // Totals come as stored; the goals table's names are those of the shots table.
    void loadTakesTheFileAsItIs_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("CR LF") << sampleFile();
        QTest::newRow("LF") << sampleFile("\n");
        QTest::newRow("extra lines") << sampleFile() + "Extra\r\nLines\r\n";
        QTest::newRow("no line end after line 27") << sampleFile().chopped(2);
        QTest::newRow("UTF-8 byte-order mark") << "\xEF\xBB\xBF" + sampleFile();
        QTest::newRow("UTF-16 little endian") << utf16(sampleFile(), QSysInfo::LittleEndian);
        QTest::newRow("UTF-16 big endian") << utf16(sampleFile(), QSysInfo::BigEndian);
    }
    void loadTakesTheFileAsItIs() {
        QFETCH(QByteArray, bytes);
        Game game;
        QVERIFY(writeFile(game.path("game.TVN"), bytes));
        game.load(game.path("game.TVN"));
        QCOMPARE(game.text(Control::AwayName, 1), QStringLiteral("Bears"));
        QCOMPARE(game.text(Control::AwayName, 2), QStringLiteral("Bears"));
        QCOMPARE(game.text(Control::HomeName, 2), QStringLiteral("Owls"));
        QCOMPARE(game.text(Control::AwayTotal, 1), QStringLiteral("36"));
        QCOMPARE(game.text(Control::AwayTotal, 2), QStringLiteral("99"));
        QCOMPARE(game.text(Control::AwayPeriod2, 2), QStringLiteral("abc"));
        QCOMPARE(game.text(Control::SecondsLeft), QStringLiteral("540"));
        QCOMPARE(game.text(Control::Clock), QStringLiteral("9:00"));
        QCOMPARE(game.text(Control::Period), QStringLiteral("3"));
        QCOMPARE(game.dialogs.messages.size(), 1);  // the question only

        // Saving afterwards still goes to the default file.
        game.trigger("mnuSave");
        QVERIFY(QFile::exists(game.path("Settings.TVN")));
        QCOMPARE(readAll(game.path("game.TVN")), bytes);
    }

    void loadWindows1252File() {
        Game game;
        QByteArray bytes = sampleFile();
        bytes.replace("Bears",
                      "Qu\xe9"
                      "bec");
        QVERIFY(writeFile(game.path("old.TVN"), bytes));
        game.load(game.path("old.TVN"));
        QCOMPARE(game.text(Control::AwayName, 1), QStringLiteral("Québec"));
        QCOMPARE(game.text(Control::AwayName, 2), QStringLiteral("Québec"));

        // One line from an older editor leaves the UTF-8 lines of the file as they are.
        bytes.replace("Owls", QStringLiteral("Montréal").toUtf8());
        QVERIFY(writeFile(game.path("mixed.TVN"), "\xEF\xBB\xBF" + bytes));
        game.load(game.path("mixed.TVN"));
        QCOMPARE(game.text(Control::AwayName, 1), QStringLiteral("Québec"));
        QCOMPARE(game.text(Control::HomeName, 1), QStringLiteral("Montréal"));
        QCOMPARE(game.dialogs.messages.size(), 2);  // the two questions
    }

    // The timed flip can run after a load exactly when seconds are left; seconds that no clock
    // can run from refuse the file.
    void loadedSecondsDecideTheTimedFlip_data() {
        QTest::addColumn<QByteArray>("seconds");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<bool>("running");
        QTest::newRow("540") << QByteArray("540") << true << true;
        QTest::newRow("1200") << QByteArray("1200") << true << true;
        QTest::newRow("10, below a flip") << QByteArray("10") << true << true;
        QTest::newRow("fraction with blanks") << QByteArray(" 12.5 ") << true << true;
        QTest::newRow("1e3") << QByteArray("1e3") << true << true;
        QTest::newRow("0, a period's end") << QByteArray("0") << true << false;
        QTest::newRow("empty, read as 0") << QByteArray("") << true << false;
        QTest::newRow("1e16") << QByteArray("1e16") << false << false;
        QTest::newRow("1201") << QByteArray("1201") << false << false;
        QTest::newRow("-40") << QByteArray("-40") << false << false;
        QTest::newRow("inf") << QByteArray("inf") << false << false;
        QTest::newRow("nan") << QByteArray("nan") << false << false;
        QTest::newRow("digits then letters") << QByteArray("12abc") << false << false;
        QTest::newRow("word") << QByteArray("abc") << false << false;
    }
    void loadedSecondsDecideTheTimedFlip() {
        QFETCH(QByteArray, seconds);
        QFETCH(bool, loads);
        QFETCH(bool, running);
        Game game;
        QVERIFY(writeFile(game.path("game.TVN"), withSeconds(seconds)));
        // Start from the other state, so that the load has to change it.
        if (running) {
            for (int i = 0; i < 60; ++i)
                game.click(Control::TimedFlipButton);
            QVERIFY(!game.visible(Control::TimedFlipButton));
        }
        const QStringList before = game.allTexts();
        const bool shownBefore = game.visible(Control::TimedFlipButton);

        game.load(game.path("game.TVN"));
        if (!loads) {
            QCOMPARE(game.allTexts(), before);
            QCOMPARE(game.visible(Control::TimedFlipButton), shownBefore);
            QCOMPARE(game.dialogs.messages.size(), 2);
            QCOMPARE(game.dialogs.messages[1].text,
                     "The game could not be loaded from " + game.path("game.TVN") +
                         ".\nIts line 25, the seconds left in the period, is not a number from 0 to "
                         "1200.\nNothing was changed.");
            return;
        }
        QCOMPARE(game.text(Control::SecondsLeft), QString::fromLatin1(seconds));
        QCOMPARE(game.visible(Control::TimedFlipButton), running);
        QCOMPARE(game.window->widgetOf(Control::TimedFlipButton)->isVisible(), running);
        const QString card = game.text(Control::UpperNumber);
        game.click(Control::TimedFlipButton);
        QCOMPARE(game.text(Control::UpperNumber) != card, running);
    }

    void noAndCancelChangeNothing() {
        Game game;
        QVERIFY(writeFile(game.path("game.TVN"), sampleFile()));
        const QStringList before = game.allTexts();

        game.dialogs.answers.push_back(MessageAnswer::No);
        game.dialogs.fileChoices.push_back(game.path("game.TVN"));
        game.trigger("mnuLoad");
        QVERIFY(game.dialogs.fileDialogs.isEmpty());
        QCOMPARE(game.allTexts(), before);

        game.dialogs.fileChoices.clear();
        game.dialogs.answers.push_back(MessageAnswer::Yes);
        game.trigger("mnuLoad");
        QCOMPARE(game.dialogs.fileDialogs.size(), 1);
        QCOMPARE(game.allTexts(), before);
        QCOMPARE(game.dialogs.messages.size(), 2);  // the two questions, nothing after
    }

    // A file that is no saved game is refused whole, with a message, before any field changes.
    void refusedFileChangesNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QString notText = QStringLiteral("The file is not text this program can read.");
        QTest::newRow("short") << QByteArray("a\r\nb\r\n1\r\n2\r\n3\r\n")
                               << "It holds 5 of the 27 lines of a saved game.";
        QTest::newRow("UTF-16 LE without a mark")
            << utf16(sampleFile(), QSysInfo::LittleEndian).mid(2) << notText;
        QTest::newRow("UTF-16 BE without a mark")
            << utf16(sampleFile(), QSysInfo::BigEndian).mid(2) << notText;
    }
    void refusedFileChangesNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        Game game;
        game.type(Control::AwayName, 1, QStringLiteral("Bears"));
        QVERIFY(writeFile(game.path("refused.TVN"), bytes));
        const QStringList before = game.allTexts();
        game.load(game.path("refused.TVN"));
        QCOMPARE(game.allTexts(), before);
        QCOMPARE(game.dialogs.messages.size(), 2);
        QCOMPARE(game.dialogs.messages[1].text, "The game could not be loaded from " +
                                                    game.path("refused.TVN") + ".\n" + reason +
                                                    "\nNothing was changed.");
        QCOMPARE(game.dialogs.messages[1].buttons, MessageButtons::Ok);
    }
};

QTEST_MAIN(TestSavedGame)
#include "tst_savedgame.moc"
