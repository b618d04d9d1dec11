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
            if (!QFileInfo(programDir).isDir() || canCreateFileIn(programDir))
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
