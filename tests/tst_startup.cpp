// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>
#include <QTest>

#include "app/qtsoundplayer.h"
#include "support/testkit.h"

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void windowAtFirstSight() {
        Game game;
        QVERIFY(game.dialogs.messages.isEmpty());
        QCOMPARE(game.random.seedings, 1);
        QCOMPARE(game.controller->cardTable().cardCount, 200);
        QCOMPARE(game.window->windowTitle(), QStringLiteral("Torvane - FAC"));

        QCOMPARE(game.text(Control::UpperNumber), QString::number(game.controller->deck().order(1)));
        QCOMPARE(game.text(Control::LowerNumber), QString::number(game.controller->deck().order(2)));
        QCOMPARE(game.text(Control::Clock), QStringLiteral("20:00"));
        QCOMPARE(game.text(Control::Period), QStringLiteral("1"));
        QCOMPARE(game.text(Control::SecondsLeft), QStringLiteral("1200"));
        QVERIFY(!game.visible(Control::ChangeLines));
        QCOMPARE(game.text(Control::SavePath), QDir::toNativeSeparators(game.dir.path() + "/Settings.TVN"));
        for (const Member& m : allMembers()) {
            if (m.index == 0)
                continue;
            QVERIFY2(game.text(m.ctl, m.index).isEmpty(), qPrintable(memberName(m.ctl, m.index)));
        }

        for (Control button : {Control::TimedFlipButton, Control::FlipButton, Control::NextPeriodButton,
                               Control::HomeGoalButton, Control::AwayGoalButton, Control::HomeShotButton,
                               Control::AwayShotButton})
            QVERIFY(game.window->widgetOf(button)->isVisible());
        QVERIFY(!game.window->widgetOf(Control::ChangeLines)->isVisible());
        QVERIFY(!game.window->widgetOf(Control::UpperNumber)->isVisible());
        QVERIFY(!game.window->widgetOf(Control::SavePath)->isVisible());
    }

    void fileMenu() {
        Game game;
        QStringList captions;
        for (QAction* action : game.window->fileMenu()->actions()) {
            QVERIFY(!action->isSeparator());
            QVERIFY(action->shortcut().isEmpty());
            captions << action->text();
        }
        QCOMPARE(captions, (QStringList{"New Game", "Load Game", "Save Game", "Exit"}));
        QCOMPARE(game.window->fileMenu()->title(), QStringLiteral("File"));
    }

    // Help comes last in the menu bar; its About box is the program's own, not a "TVN_FAC" box.
    void helpMenu() {
        QCoreApplication::setApplicationVersion(QStringLiteral("9.8.7"));
        Game game;
        const QList<QAction*> menus = game.window->menuBar()->actions();
        QCOMPARE(menus.first()->text(), QStringLiteral("File"));
        QCOMPARE(menus.last()->text(), QStringLiteral("&Help"));

        game.trigger("mnuAbout");
        QCOMPARE(game.dialogs.abouts.size(), 1);
        QCOMPARE(game.dialogs.abouts[0].first, QStringLiteral("About Torvane FAC"));
        const QString text = game.dialogs.abouts[0].second;
        QVERIFY(text.contains(QStringLiteral("Torvane FAC 9.8.7")));
        QVERIFY(text.contains(QString::fromLatin1(qVersion())));
        QVERIFY(text.contains(QStringLiteral("GNU General Public License")));
        QVERIFY(text.contains(QStringLiteral("https://torvane.example.org")));
        QVERIFY(game.dialogs.messages.isEmpty());

        game.trigger("mnuAboutQt");
        QCOMPARE(game.dialogs.toolkitAbouts, 1);
    }

    // A missing card file is reported once; start-up still deals and shows the window.
    void noCardFile() {
        Game game({}, false);
        QCOMPARE(game.dialogs.messages.size(), 1);
        QCOMPARE(game.dialogs.messages[0].text,
                 "Error 53 trying to read FACs.\nFile not found\nFAC_Data.txt was "
                 "looked for in " +
                     game.dir.path() + ".");
        QCOMPARE(game.dialogs.messages[0].buttons, MessageButtons::Ok);
        QVERIFY(game.window->isVisible());
        QCOMPARE(game.text(Control::SecondsLeft), QStringLiteral("1200"));
        QCOMPARE(game.text(Control::UpperNumber), QStringLiteral("0"));
        QCOMPARE(game.text(Control::PassTo3), QStringLiteral("()"));
        QCOMPARE(game.text(Control::PassTo2), QStringLiteral("#"));
        QCOMPARE(game.text(Control::SavePath), QDir::toNativeSeparators(game.dir.path() + "/Settings.TVN"));
    }

    // The deck is read in the folder the program starts in, and else beside the program.
    void deckFromTheWorkingOrTheProgramFolder_data() {
        QTest::addColumn<int>("inWorkingFolder");  // records; 0: no card file there
        QTest::addColumn<int>("besideProgram");
        QTest::addColumn<int>("read");
        QTest::newRow("working folder") << 150 << 0 << 150;
        QTest::newRow("program folder") << 0 << 120 << 120;
        QTest::newRow("both: the working folder's") << 150 << 120 << 150;
        QTest::newRow("neither") << 0 << 0 << 0;
    }
    void deckFromTheWorkingOrTheProgramFolder() {
        QFETCH(int, inWorkingFolder);
        QFETCH(int, besideProgram);
        QFETCH(int, read);
        QTemporaryDir working;
        QTemporaryDir program;
        if (inWorkingFolder)
            QVERIFY(writeFile(working.filePath("FAC_Data.txt"), deckText(inWorkingFolder)));
        if (besideProgram)
            QVERIFY(writeFile(program.filePath("FAC_Data.txt"), deckText(besideProgram)));
        const QString startedIn = QDir::currentPath();
        QVERIFY(QDir::setCurrent(working.path()));
        const auto goBack = qScopeGuard([&] { QDir::setCurrent(startedIn); });

        ScriptedDialogs dialogs;
        RecordingSound sound;
        ScriptedRandom random;
        GameController controller({dialogs, sound, random, [] {}}, {program.path()});
        controller.start();
        QCOMPARE(controller.cardTable().cardCount, read);
        if (read) {
            QVERIFY(dialogs.messages.isEmpty());
        } else {
            QCOMPARE(dialogs.messages.size(), 1);
            QCOMPARE(dialogs.messages[0].text,
                     "Error 53 trying to read FACs.\nFile not found\nFAC_Data.txt was "
                     "looked for in " +
                         QDir::currentPath() + " and in " + program.path() + ".");
        }
    }

    // Exit and closing the window end the program at once, without a question or a save.
    void exitAndClose() {
        Game game;
        game.click(Control::AwayGoalButton);
        game.trigger("mnuExit");
        QCOMPARE(game.quits, 1);
        game.window->close();
        QCOMPARE(game.quits, 2);
        QVERIFY(game.dialogs.messages.isEmpty());
        QVERIFY(!QFile::exists(game.path("Settings.TVN")));
    }

    // Typing reaches the fields, and the fields' texts reach the window.
    void typingGoesThroughTheFields() {
        Game game;
        game.type(Control::Period, 0, QStringLiteral("x"));
        QCOMPARE(game.text(Control::Period), QStringLiteral("1x"));
        game.fields().setText(Control::HomePeriod2, 1, QStringLiteral("4"));
        QCOMPARE(qobject_cast<QLineEdit*>(game.window->widgetOf(Control::HomePeriod2, 1))->text(),
                 QStringLiteral("4"));
    }

    // The prompt's text is the player's while it shows: the program never sets it.
    void typingIntoThePrompt() {
        Game game;
        game.fields().setVisible(Control::ChangeLines, true);
        game.type(Control::ChangeLines, 0, QStringLiteral("!"));
        QCOMPARE(game.text(Control::ChangeLines), QStringLiteral("CHANGE LINES!"));
        for (int i = 0; i < 6; ++i)
            game.click(Control::TimedFlipButton);
        QCOMPARE(game.text(Control::ChangeLines), QStringLiteral("CHANGE LINES!"));
    }

    void hornIsSilentWhenItCannotPlay() {
        QtSoundPlayer player;
        QTemporaryDir dir;
        player.playSound(dir.filePath("missing.wav"));
        writeFile(dir.filePath("broken.wav"), "not a wave file");
        player.playSound(dir.filePath("broken.wav"));
        player.playSound(dir.path());
        // Without an audio device the real horn is silent too; a second call cuts off the first.
        player.playSound(QStringLiteral(TORVANE_DATA_DIR "/horn.wav"));
        player.playSound(QStringLiteral(TORVANE_DATA_DIR "/horn.wav"));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
