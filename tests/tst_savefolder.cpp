// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The save folder: the program's folder while it can be written to, else the player's data
// folder as the XDG base directory rules name it, made when a game is saved there.
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "core/savefolder.h"

namespace {

bool canCreateFileIn(const QString& folder) {
    QFile probe(QDir(folder).filePath(QStringLiteral("probe")));
    const bool created = probe.open(QIODevice::WriteOnly);
    probe.remove();
    return created;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

class TestSaveFolder : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void programFolderWhileItCanBeWrittenTo_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("beside");  // the program's folder, else the data folder
        QTest::newRow("writable folder, as after a build") << QStringLiteral("writable") << true;
        QTest::newRow("read-only folder") << QStringLiteral("read-only") << false;
        // Root writes through permission bits; no one creates files in the process file system.
        QTest::newRow("folder no one can write to, not even root") << QStringLiteral("/proc") << false;
        // A system install, run as root: the package's folder is never the save folder.
        QTest::newRow("system folder, which root can write to") << QStringLiteral("/usr/lib") << false;
    }
    void programFolderWhileItCanBeWrittenTo() {
        QFETCH(QString, kind);
        QFETCH(bool, beside);
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
        } else if (kind != QStringLiteral("writable")) {
            programDir = kind;
            const bool systemFolder = kind.startsWith(QStringLiteral("/usr/"));
            if (!QFileInfo(programDir).isDir() || (!systemFolder && canCreateFileIn(programDir)))
                QSKIP("No process file system here to stand for an unwritable folder.");
        }
        const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir(dataFolder).removeRecursively();

        const SaveFolder folder(programDir);
        QCOMPARE(folder.path(), beside ? programDir : dataFolder);
        // The data folder is there before the first save, for Load's dialog to open in.
        QCOMPARE(QFileInfo(dataFolder).isDir(), !beside);
        QCOMPARE(folder.makeFor(QDir(folder.path()).filePath(QStringLiteral("Settings.TVN"))), std::nullopt);
    }

    // The data folder as the XDG base directory rules name it; when it cannot be made, why.
    void dataFolderFromTheEnvironment_data() {
        QTest::addColumn<QString>("dataHome");  // XDG_DATA_HOME, unset when empty; <tmp> the test's folder
        QTest::addColumn<QString>("home");      // HOME, the same
        QTest::addColumn<QString>("folder");    // the save folder
        QTest::addColumn<QString>("reason");    // why it cannot be made; empty when it can
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

        const SaveFolder saveFolder(QStringLiteral("/proc"));
        QCOMPARE(saveFolder.path(), fill(folder));
        const std::optional<QString> failure = saveFolder.makeFor(fill(folder) + "/Settings.TVN");
        if (reason.isEmpty()) {
            QCOMPARE(failure, std::nullopt);
            QVERIFY(QFileInfo(fill(folder)).isDir());
        } else {
            QCOMPARE(failure, "The folder " + fill(folder) + " could not be made: " + reason + ".");
        }
        // A game saved elsewhere needs nothing of this folder.
        QCOMPARE(saveFolder.makeFor(tmp.filePath("home/Settings.TVN")), std::nullopt);
        // Nothing is made relative to the folder the program happens to start in.
        QCOMPARE(QDir(tmp.filePath("work")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
    }
};

QTEST_GUILESS_MAIN(TestSaveFolder)
#include "tst_savefolder.moc"
