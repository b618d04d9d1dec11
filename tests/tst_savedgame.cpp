#include <QDir>
#include <QFile>
#include <QTest>

#include "save/savedgame.h"
#include "support/cardcheck.h"

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList allTexts(Game& game) {
    QStringList texts;
    for (const Member& m : allMembers())
        texts << game.text(m.ctl, m.index);
    return texts;
}

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

void loadThroughTheMenu(Game& game, const QString& path) {
    game.dialogs.answers.push_back(MessageAnswer::Yes);
    game.dialogs.fileChoices.push_back(path);
    game.trigger("Load Game");
}

}  // namespace

class TestSavedGame : public QObject {
    Q_OBJECT

private slots:
    void saveOnAFreshWindow() {
        Game game;
        game.trigger("Save Game");
        const QString path = game.text(Ctl::Text1);
        QCOMPARE(path, game.path("Settings.TVN"));
        QCOMPARE(readAll(path), QByteArray("\r\n").repeated(24) + "1200\r\n20:00\r\n1\r\n");
        QCOMPARE(game.dialogs.messages.size(), 1);
        QCOMPARE(game.dialogs.messages[0].text, "The settings were saved to " + path);
        QCOMPARE(game.dialogs.messages[0].buttons, MessageButtons::Ok);
    }

    void saveReplacesTheEarlierFile() {
        Game game;
        game.trigger("Save Game");
        game.fields().setText(Ctl::txtAway, 1, QStringLiteral("Montréal"));
        game.click(Ctl::cmdAwayGoal);
        game.trigger("Save Game");
        const QByteArray bytes = readAll(game.path("Settings.TVN"));
        QVERIFY(bytes.startsWith(QStringLiteral("Montréal\r\n").toUtf8()));
        QCOMPARE(bytes.count("\r\n"), 27);
        QCOMPARE(game.dialogs.messages.size(), 2);
        QVERIFY(game.dialogs.messages[1].text.startsWith("The settings were saved to "));
    }

    // Save, play on, load: every field is back, the deck and the buttons are not touched.
    void loadRestoresTheSavedFields() {
        Game game;
        game.type(Ctl::txtHome, 1, QStringLiteral("Owls"));
        for (int i = 0; i < 7; ++i)
            game.click(Ctl::cmdFlip);
        game.click(Ctl::cmdHomeShot);
        game.fields().setText(Ctl::txt3V, 1, QStringLiteral("n/a"));
        game.trigger("Save Game");
        const QStringList saved = allTexts(game);

        for (int i = 0; i < 5; ++i)
            game.click(Ctl::cmdFlip);
        game.click(Ctl::cmdReset);
        game.click(Ctl::cmdAwayGoal);
        game.type(Ctl::txtAway, 1, QStringLiteral("Bears"));
        game.fields().setVisible(Ctl::txtChangeLines, true);
        const QStringList card = shownUpperHalf(game) + shownLowerHalf(game);
        const int deckPos = game.form->deck().deckPos();

        loadThroughTheMenu(game, game.path("Settings.TVN"));
        QStringList now = allTexts(game);
        QStringList expected = saved;
        // The card fields are not part of a saved game: they show what they showed.
        for (int i = 0; i < allMembers().size(); ++i) {
            const Member m = allMembers()[i];
            if (int(m.ctl) <= int(Ctl::txtMajor))
                expected[i] = now[i];
        }
        QCOMPARE(now, expected);
        QCOMPARE(shownUpperHalf(game) + shownLowerHalf(game), card);
        QCOMPARE(game.form->deck().deckPos(), deckPos);
        QVERIFY(game.visible(Ctl::txtChangeLines));
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
    }
    void loadTakesTheFileAsItIs() {
        QFETCH(QByteArray, bytes);
        Game game;
        QVERIFY(writeFile(game.path("game.TVN"), bytes));
        loadThroughTheMenu(game, game.path("game.TVN"));
        QCOMPARE(game.text(Ctl::txtAway, 1), QStringLiteral("Bears"));
        QCOMPARE(game.text(Ctl::txtAway, 2), QStringLiteral("Bears"));
        QCOMPARE(game.text(Ctl::txtHome, 2), QStringLiteral("Owls"));
        QCOMPARE(game.text(Ctl::txtFV, 1), QStringLiteral("36"));
        QCOMPARE(game.text(Ctl::txtFV, 2), QStringLiteral("99"));
        QCOMPARE(game.text(Ctl::txt2V, 2), QStringLiteral("abc"));
        QCOMPARE(game.text(Ctl::txtTimer), QStringLiteral("540"));
        QCOMPARE(game.text(Ctl::txtClock), QStringLiteral("9:00"));
        QCOMPARE(game.text(Ctl::txtPeriod), QStringLiteral("3"));
        QCOMPARE(game.dialogs.messages.size(), 1);  // the question only

        // Saving afterwards still goes to the default file.
        game.trigger("Save Game");
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
        loadThroughTheMenu(game, game.path("old.TVN"));
        QCOMPARE(game.text(Ctl::txtAway, 1), QStringLiteral("Québec"));
        QCOMPARE(game.text(Ctl::txtAway, 2), QStringLiteral("Québec"));
    }

    void noAndCancelChangeNothing() {
        Game game;
        QVERIFY(writeFile(game.path("game.TVN"), sampleFile()));
        const QStringList before = allTexts(game);

        game.dialogs.answers.push_back(MessageAnswer::No);
        game.dialogs.fileChoices.push_back(game.path("game.TVN"));
        game.trigger("Load Game");
        QVERIFY(game.dialogs.fileDialogs.isEmpty());
        QCOMPARE(allTexts(game), before);

        game.dialogs.fileChoices.clear();
        game.dialogs.answers.push_back(MessageAnswer::Yes);
        game.trigger("Load Game");
        QCOMPARE(game.dialogs.fileDialogs.size(), 1);
        QCOMPARE(allTexts(game), before);
        QCOMPARE(game.dialogs.messages.size(), 2);  // the two questions, nothing after
    }

    // A file that is no saved game is refused whole, with a message, before any field changes.
    void badFilesChangeNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("five lines") << "short.TVN" << QByteArray("a\r\nb\r\n1\r\n2\r\n3\r\n")
                                    << "It holds 5 of the 27 lines of a saved game.";
        QTest::newRow("empty") << "empty.TVN" << QByteArray()
                               << "It holds 0 of the 27 lines of a saved game.";
        QTest::newRow("missing") << "missing.TVN" << QByteArray() << "The file does not exist.";
        QTest::newRow("directory") << "folder.TVN" << QByteArray() << "It is not a file.";
        QTest::newRow("too large") << "big.TVN" << sampleFile() + QByteArray(2 * 1024 * 1024, 'x')
                                   << "It is too large to be a saved game.";
    }
    void badFilesChangeNothing() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        Game game;
        game.type(Ctl::txtAway, 1, QStringLiteral("Bears"));
        if (name == "folder.TVN") {
            QVERIFY(QDir(game.dir.path()).mkdir(name));
        } else if (name != "missing.TVN") {
            QVERIFY(writeFile(game.path(name), bytes));
        }
        const QStringList before = allTexts(game);
        loadThroughTheMenu(game, game.path(name));
        QCOMPARE(allTexts(game), before);
        QCOMPARE(game.dialogs.messages.size(), 2);
        QCOMPARE(game.dialogs.messages[1].text, "The game could not be loaded from " + game.path(name) +
                                                    ".\r\n" + reason + "\r\nNothing was changed.");
        QCOMPARE(game.dialogs.messages[1].buttons, MessageButtons::Ok);
    }

    // A save that cannot be written says so, and never that it was saved.
    void failedSaveSaysSo() {
        Game game;
        const QString path = game.path("no such folder/Settings.TVN");
        game.fields().setText(Ctl::Text1, path);
        game.trigger("Save Game");
        QCOMPARE(game.dialogs.messages.size(), 1);
        QVERIFY(game.dialogs.messages[0].text.startsWith("The game could not be saved to " + path + ".\r\n"));
        QVERIFY(!QFile::exists(path));
    }

    // Whatever a field holds, Save writes 27 lines, and Load gives back what a line can hold.
    void oddTextsSurviveSaveAndLoad_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("loaded");
        QTest::newRow("pasted line breaks")
            << QStringLiteral("two\nlines\r\n3") << QStringLiteral("two lines  3");
        QTest::newRow("a leading byte-order mark")
            << QStringLiteral("\uFEFFBears") << QStringLiteral("\uFEFFBears");
        QTest::newRow("a comma and quotes") << QStringLiteral("\"A, B\"") << QStringLiteral("\"A, B\"");
    }
    void oddTextsSurviveSaveAndLoad() {
        QFETCH(QString, typed);
        QFETCH(QString, loaded);
        Game game;
        game.fields().setText(Ctl::txtAway, 1, typed);
        game.fields().setText(Ctl::txt2H, 2, typed);
        game.trigger("Save Game");
        QCOMPARE(readAll(game.path("Settings.TVN")).count("\r\n"), 27);

        game.trigger("New Game");
        game.fields().setText(Ctl::txtAway, 1, QStringLiteral("Other"));
        loadThroughTheMenu(game, game.path("Settings.TVN"));
        QCOMPARE(game.text(Ctl::txtAway, 1), loaded);
        QCOMPARE(game.text(Ctl::txtAway, 2), loaded);
        QCOMPARE(game.text(Ctl::txt2H, 2), loaded);
        QCOMPARE(game.text(Ctl::txtTimer), QStringLiteral("1200"));
        QCOMPARE(game.text(Ctl::txtPeriod), QStringLiteral("1"));
    }
};

QTEST_MAIN(TestSavedGame)
#include "tst_savedgame.moc"
