// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a copy installed in a read-only folder needs: a save folder it can write to, and the
// horn's audio module found beside the program.
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "app/gamecontroller.h"
#include "app/qtsoundplayer.h"
#include "support/testkit.h"

class TestInstalledCopy : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void writableProgramFolderKeepsTheSaveBesideTheProgram() {
        // As after `make run`: the saved game stays in the program's folder.
        Game game;
        QCOMPARE(game.text(Control::SavePath),
                 QDir::toNativeSeparators(game.path(QStringLiteral("Settings.TVN"))));
        game.dialogs.answers.push_back(MessageAnswer::Yes);
        game.controller->loadGame();
        QCOMPARE(game.dialogs.fileDialogs.size(), 1);
        QCOMPARE(game.dialogs.fileDialogs.first().second, game.dir.path());
    }

    // Which folders count as unwritable, and the rules of the data folder, are the save
    // folder's own tests.
    void unwritableProgramFolderSavesInTheDataFolder() {
        // A system install: the package's folder is never the save folder, even for root.
        const QString programDir = QStringLiteral("/usr/lib");
        if (!QFileInfo(programDir).isDir())
            QSKIP("No /usr/lib here.");
        const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir(dataFolder).removeRecursively();

        QTemporaryDir workFolder;
        writeFile(workFolder.filePath(QStringLiteral("FAC_Data.txt")), deckText(200));
        ScriptedDialogs dialogs;
        RecordingSound sound;
        ScriptedRandom random;
        GameController controller({dialogs, sound, random, [] {}},
                                  {programDir, workFolder.filePath(QStringLiteral("FAC_Data.txt"))});
        controller.start();

        const QString savePath = QDir(dataFolder).filePath(QStringLiteral("Settings.TVN"));
        QCOMPARE(controller.fields().text(Control::SavePath), QDir::toNativeSeparators(savePath));
        QVERIFY(QFileInfo(dataFolder).isDir());

        // Save now works, and Load's dialog opens where the game went.
        controller.saveGame();
        QVERIFY(QFile::exists(savePath));
        QCOMPARE(dialogs.messages.last().text,
                 QStringLiteral("The settings were saved to ") + QDir::toNativeSeparators(savePath));
        dialogs.answers.push_back(MessageAnswer::Yes);
        controller.loadGame();
        QCOMPARE(dialogs.fileDialogs.size(), 1);
        QCOMPARE(dialogs.fileDialogs.first().second, dataFolder);
    }

    // Only a wave file Qt Multimedia can finish loading reaches the audio module: a file it
    // cannot finish would hold up, or deadlock, the end of the program.
    void onlyAPlayableHornIsLoaded_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("size");  // the file is padded to this size; 0: as it is
        QTest::addColumn<bool>("playable");
        const QByteArray horn = readAll(QStringLiteral(TORVANE_DATA_DIR "/horn.wav"));
        QVERIFY(horn.startsWith("RIFF") && horn.mid(36, 4) == "data");
        QByteArray withList = horn;
        withList.insert(12, QByteArray("LIST\x04\0\0\0abcd", 12));
        QByteArray withOddList = horn;
        withOddList.insert(12, QByteArray("LIST\x03\0\0\0abc\0", 12));  // padded, as the format says
        QByteArray halfASample = horn.left(horn.size() - 1);
        const quint32 oddData = static_cast<quint32>(halfASample.size() - 44);
        halfASample.replace(40, 4, QByteArray(reinterpret_cast<const char*>(&oddData), 4));
        QByteArray compressed = horn;
        compressed[20] = 2;  // ADPCM
        QByteArray huge = horn;
        const qint64 hugeSize = QtSoundPlayer::kMaxWaveBytes + 2;
        const quint32 hugeData = static_cast<quint32>(hugeSize - 44);
        huge.replace(40, 4, QByteArray(reinterpret_cast<const char*>(&hugeData), 4));
        QTest::newRow("shipped horn") << horn << qint64(0) << true;
        QTest::newRow("another chunk first") << withList << qint64(0) << true;
        QTest::newRow("an odd-sized chunk first") << withOddList << qint64(0) << false;
        QTest::newRow("data ends inside a sample") << halfASample << qint64(0) << false;
        QTest::newRow("empty") << QByteArray() << qint64(0) << false;
        QTest::newRow("cut off in the samples") << horn.left(horn.size() / 2) << qint64(0) << false;
        QTest::newRow("cut off in the header") << horn.left(30) << qint64(0) << false;
        QTest::newRow("no data chunk") << horn.left(36) << qint64(0) << false;
        QTest::newRow("compressed") << compressed << qint64(0) << false;
        QTest::newRow("not a wave file") << QByteArray("not a wave file") << qint64(0) << false;
        QTest::newRow("above 16 MB") << huge << hugeSize << false;
    }
    void onlyAPlayableHornIsLoaded() {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, size);
        QFETCH(bool, playable);
        QTemporaryDir dir;
        const QString path = dir.filePath("horn.wav");
        QVERIFY(writeFile(path, bytes));
        if (size)
            QVERIFY(QFile::resize(path, size));
        QCOMPARE(QtSoundPlayer::isPlayableWave(path), playable);
        QtSoundPlayer player(QStringLiteral(TORVANE_BUILD_DIR));
        player.playSound(path);
        QCOMPARE(player.hasAudio(), playable);
    }

    void hornFindsItsAudioModuleBesideTheProgram() {
        QtSoundPlayer besideTheProgram(QStringLiteral(TORVANE_BUILD_DIR));
        besideTheProgram.playSound(QStringLiteral(TORVANE_DATA_DIR "/horn.wav"));
        besideTheProgram.playSound(QStringLiteral(TORVANE_DATA_DIR "/horn.wav"));
        QVERIFY(besideTheProgram.hasAudio());
    }

    void hornWithoutItsModuleIsSilent() {
        QTemporaryDir emptyFolder;
        QtSoundPlayer withoutModule(emptyFolder.path());
        withoutModule.playSound(QStringLiteral(TORVANE_DATA_DIR "/horn.wav"));
        withoutModule.playSound(QStringLiteral(TORVANE_DATA_DIR "/horn.wav"));
        QVERIFY(!withoutModule.hasAudio());
    }
};

QTEST_MAIN(TestInstalledCopy)
#include "tst_installedcopy.moc"
