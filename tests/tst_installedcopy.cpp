// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a copy installed in a read-only folder needs: a save folder it can write to, and the
// horn's audio module found beside the program.
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "app/gamecontroller.h"
#include "app/qtsoundplayer.h"
#include "support/testkit.h"

namespace {

bool canCreateFileIn(const QString& folder) {
    QFile probe(QDir(folder).filePath(QStringLiteral("probe")));
    const bool created = probe.open(QIODevice::WriteOnly);
    probe.remove();
    return created;
}

}  // namespace

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

    void unwritableProgramFolderSavesInTheDataFolder_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("read-only temporary folder") << QStringLiteral("read-only");
        // Root writes through permission bits; no one creates files in the process file system.
        QTest::newRow("folder no one can write to, not even root") << QStringLiteral("/proc");
        // A system install, run as root: the package's folder is never the save folder.
        QTest::newRow("system folder, which root can write to") << QStringLiteral("/usr/lib");
    }
    void unwritableProgramFolderSavesInTheDataFolder() {
        QFETCH(QString, kind);
        QTemporaryDir programFolder;
        QString programDir = programFolder.path();
        const auto makeWritableAgain = qScopeGuard([&] {
            QFile::setPermissions(programFolder.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (kind == QStringLiteral("read-only")) {
            QFile::setPermissions(programDir, QFile::ReadOwner | QFile::ExeOwner);
            if (canCreateFileIn(programDir))
                QSKIP("Running as root: permission bits do not stop writing here.");
        } else {
            programDir = kind;
            const bool systemFolder = kind.startsWith(QStringLiteral("/usr/"));
            if (!QFileInfo(programDir).isDir() || (!systemFolder && canCreateFileIn(programDir)))
                QSKIP("No process file system here to stand for an unwritable folder.");
        }
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

    // The data folder as the XDG base directory rules name it; when it cannot be made, Save
    // names it and says why.
    void dataFolderFromTheEnvironment_data() {
        QTest::addColumn<QString>("dataHome");  // XDG_DATA_HOME, unset when empty; <tmp> the test's folder
        QTest::addColumn<QString>("home");      // HOME, the same
        QTest::addColumn<QString>("folder");    // the save folder
        QTest::addColumn<QString>("reason");    // why it cannot be made; empty when Save works
        QTest::newRow("XDG_DATA_HOME") << "<tmp>/data"
                                       << "<tmp>/home"
                                       << "<tmp>/data/<app>"
                                       << "";
        QTest::newRow("HOME") << ""
                              << "<tmp>/home"
                              << "<tmp>/home/.local/share/<app>"
                              << "";
        QTest::newRow("relative XDG_DATA_HOME is ignored") << "relative/data"
                                                           << "<tmp>/home"
                                                           << "<tmp>/home/.local/share/<app>"
                                                           << "";
        QTest::newRow("XDG_DATA_HOME is a file") << "<tmp>/file"
                                                 << "<tmp>/home"
                                                 << "<tmp>/file/<app>"
                                                 << "Not a directory";
        QTest::newRow("HOME is a file") << ""
                                        << "<tmp>/file"
                                        << "<tmp>/file/.local/share/<app>"
                                        << "Not a directory";
        QTest::newRow("no HOME") << ""
                                 << ""
                                 << "$HOME/.local/share/<app>"
                                 << "HOME is not set to a folder";
        QTest::newRow("no HOME, relative XDG_DATA_HOME") << "relative/data"
                                                         << ""
                                                         << "$HOME/.local/share/<app>"
                                                         << "HOME is not set to a folder";
    }
    void dataFolderFromTheEnvironment() {
        QFETCH(QString, dataHome);
        QFETCH(QString, home);
        QFETCH(QString, folder);
        QFETCH(QString, reason);
        if (!QFileInfo(QStringLiteral("/proc")).isDir() || canCreateFileIn(QStringLiteral("/proc")))
            QSKIP("No process file system here to stand for an unwritable program folder.");
        QTemporaryDir tmp;
        QVERIFY(writeFile(tmp.filePath("file"), "not a folder"));
        QVERIFY(QDir(tmp.path()).mkdir("home"));
        QVERIFY(QDir(tmp.path()).mkdir("work"));
        auto fill = [&](QString text) {
            return text.replace("<tmp>", tmp.path()).replace("<app>", QCoreApplication::applicationName());
        };
        const QByteArray oldHome = qgetenv("HOME");
        const QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
        const QString startedIn = QDir::currentPath();
        const auto restore = qScopeGuard([&] {
            qputenv("HOME", oldHome);
            oldDataHome.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", oldDataHome);
            QStandardPaths::setTestModeEnabled(true);
            QDir::setCurrent(startedIn);
        });
        QStandardPaths::setTestModeEnabled(false);
        QVERIFY(QDir::setCurrent(tmp.filePath("work")));
        for (const auto& [name, value] : {std::pair{"HOME", home}, std::pair{"XDG_DATA_HOME", dataHome}})
            value.isEmpty() ? qunsetenv(name) : qputenv(name, QFile::encodeName(fill(value)));

        ScriptedDialogs dialogs;
        RecordingSound sound;
        ScriptedRandom random;
        GameController controller({dialogs, sound, random, [] {}}, {QStringLiteral("/proc")});
        controller.start();
        const QString savePath = fill(folder) + "/Settings.TVN";
        QCOMPARE(controller.fields().text(Control::SavePath), savePath);
        controller.saveGame();
        if (reason.isEmpty()) {
            QCOMPARE(dialogs.messages.last().text, "The settings were saved to " + savePath);
            QVERIFY(QFile::exists(savePath));
        } else {
            QCOMPARE(dialogs.messages.last().text,
                     "The game could not be saved to " + savePath + ".\nThe folder " + fill(folder) +
                         " could not be made: " + reason + ".\nAny earlier saved game there is unchanged.");
        }
        // Nothing is made relative to the folder the program happens to start in.
        QCOMPARE(QDir(tmp.filePath("work")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
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
