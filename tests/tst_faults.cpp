// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Faults a player's machine throws at the program: a read-only or full disk, a saved game
// that changes between the dialog and the read, folders and pipes where files should be,
// random bytes and very large files. Each gives a clear message and nothing is lost.
#include <QDir>
#include <QScopeGuard>
#include <QTest>
#include <array>
#include <cerrno>
#include <cstring>
#include <optional>
#include <random>

#include <sys/fsuid.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include "deck/cardreader.h"
#include "support/cardcheck.h"
#include "support/faults.h"

namespace {

// A saved game of 27 lines, "Earlier" for its names.
QByteArray earlierGame() {
    QByteArray bytes = "Earlier\r\nGame\r\n";
    for (int line = 3; line <= 24; ++line)
        bytes += QByteArray::number(line) + "\r\n";
    return bytes + "540\r\n9:00\r\n2\r\n";
}

// Puts something else where the file at `path` was: nothing, a folder, a named pipe, or a
// file that is empty, 100 MB of zeros or a few kB of random bytes.
void replaceWith(const QString& path, const QString& what) {
    QFile::remove(path);
    if (what == "folder")
        QDir().mkdir(path);
    else if (what == "pipe")
        mkfifo(QFile::encodeName(path).constData(), 0644);
    else if (what == "empty" || what == "100 MB")
        QFile(path).open(QIODevice::WriteOnly) && QFile::resize(path, what == "empty" ? 0 : 100 << 20);
    else if (what == "random bytes")
        writeFile(path, QByteArray::fromStdString([] {
                      std::mt19937 random(7);
                      std::string bytes(3000, '\0');
                      for (char& b : bytes)
                          b = static_cast<char>(random() & 0xFF);
                      return bytes;
                  }()));
}

}  // namespace

class TestFaults : public QObject {
    Q_OBJECT

private slots:
    // A save that cannot be written says why, and the earlier saved game stays as it was.
    void saveCannotWrite_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason");  // "" when any reason will do
        for (const auto& [name, fault, reason] : std::initializer_list<std::array<const char*, 3>>{
                 {"folder read-only by its permissions", "permissions", ""},
                 {"folder on a read-only file system", "read-only mount", ""},
                 {"disk full", "full tmpfs", "No space left on device"},
                 {"file size limit reached", "file size limit", "File too large"},
                 {"saved game is a folder", "folder", ""}})
            QTest::newRow(name) << QString(fault) << QString(reason);
    }
    void saveCannotWrite() {
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        Game game;
        const QString folder = game.dir.path();
        const QByteArray mountPoint = QFile::encodeName(folder);
        const QString path = game.text(Control::SavePath);
        game.type(Control::AwayName, 1, QStringLiteral("Bears"));
        game.click(Control::AwayGoalButton);

        // Root, as in CI, passes permission bits: the save then reaches files as "nobody".
        const bool asNobody = fault == "permissions" && geteuid() == 0;
        std::optional<FileSizeLimit> sizeLimit;
        bool mounted = false;
        auto undoFault = [&] {
            sizeLimit.reset();
            if (asNobody)
                setfsuid(0);
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        };
        auto cleanUp = qScopeGuard([&] {
            undoFault();
            if (mounted)
                umount2(mountPoint.constData(), MNT_DETACH);
        });

        if (fault == "read-only mount" || fault == "full tmpfs") {
            mounted = mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k,mode=0755") == 0;
            if (!mounted)
                QSKIP(qPrintable(QStringLiteral("may not mount a file system: ") + std::strerror(errno)));
        }
        if (fault == "folder") {
            QVERIFY(QDir(folder).mkpath(QStringLiteral("Settings.TVN/inside")));
            QVERIFY(writeFile(path + "/inside/kept.txt", "kept"));
        } else {
            QVERIFY(writeFile(path, earlierGame()));
        }

        if (fault == "permissions") {
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                                      QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
            if (asNobody) {
                setfsuid(65534);
                if (setfsuid(static_cast<uid_t>(-1)) != 65534)
                    QSKIP("root without the right to act as another user: permission bits stop nothing");
            }
        } else if (fault == "read-only mount") {
            QVERIFY(mount("tmpfs", mountPoint.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0);
        } else if (fault == "full tmpfs") {
            QFile filler(folder + "/filler");
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            while (filler.write(QByteArray(4096, 'x')) == 4096) {
            }
        } else if (fault == "file size limit") {
            sizeLimit.emplace(8);
            QVERIFY(sizeLimit->applied());
        }
        game.trigger("mnuSave");
        undoFault();

        const QString head = "The game could not be saved to " + path + ".\n";
        const QString tail = QStringLiteral("\nAny earlier saved game there is unchanged.");
        const QString said = game.dialogs.messages.value(0).text;
        QCOMPARE(game.dialogs.messages.size(), 1);
        QVERIFY2(said.startsWith(head) && said.endsWith(tail) && said.size() > head.size() + tail.size(),
                 qPrintable(said));
        const QString saidReason = said.mid(head.size(), said.size() - head.size() - tail.size());
        if (reason.isEmpty())
            qInfo("%s", qPrintable(saidReason));
        else
            QCOMPARE(saidReason, reason);
        QCOMPARE(QDir(folder).entryList({"Settings.TVN?*"}, QDir::AllEntries | QDir::Hidden), QStringList());
        if (fault == "folder") {
            QCOMPARE(readAll(path + "/inside/kept.txt"), QByteArray("kept"));
        } else {
            QCOMPARE(readAll(path), earlierGame());
            game.load(path);
            QCOMPARE(game.text(Control::AwayName, 1), QStringLiteral("Earlier"));
            QCOMPARE(game.text(Control::Period), QStringLiteral("2"));
        }
    }

    // The chosen file changes after the dialog closed and before it is read: the load is
    // refused whole, with the reason, no field changes and the file is left as it is.
    void savedGameChangesAfterTheDialog_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("reason");
        for (const auto& [name, change, reason] : std::initializer_list<std::array<const char*, 3>>{
                 {"deleted", "", "The file does not exist."},
                 {"replaced by a folder", "folder", "It is not a file."},
                 {"replaced by a named pipe", "pipe", "It is not a file."},
                 {"emptied", "empty", "It holds 0 of the 27 lines of a saved game."},
                 {"grown to 100 MB", "100 MB", "It is too large to be a saved game."},
                 {"random bytes", "random bytes", "The file is not text this program can read."}})
            QTest::newRow(name) << QString(change) << QString(reason);
    }
    void savedGameChangesAfterTheDialog() {
        QFETCH(QString, change);
        QFETCH(QString, reason);
        Game game;
        const QString path = game.path("game.TVN");
        QVERIFY(writeFile(path, earlierGame()));
        game.type(Control::HomeName, 1, QStringLiteral("Owls"));
        game.click(Control::HomeShotButton);
        const QStringList before = game.allTexts();
        QByteArray changed;
        game.dialogs.afterFileChosen = [&](const QString& chosen) {
            replaceWith(chosen, change);
            if (QFileInfo(chosen).isFile())
                changed = readAll(chosen);
        };
        game.load(path);

        QCOMPARE(game.allTexts(), before);
        QCOMPARE(game.dialogs.messages.size(), 2);
        QCOMPARE(game.dialogs.messages[1].text,
                 "The game could not be loaded from " + path + ".\n" + reason + "\nNothing was changed.");
        if (QFileInfo(path).isFile())
            QCOMPARE(readAll(path), changed);
    }

    // The card file and a saved game are read in memory the size of the file, not of the
    // largest file either reader accepts: both still work on a machine short of memory.
    void filesAreReadInMemoryOfTheirOwnSize() {
        Game game;
        const QString path = game.path("game.TVN");
        QVERIFY(writeFile(path, earlierGame()));
        const AddressSpaceLimit limit(1 << 20);
        if (!limit.applied())
            QSKIP("The address space cannot be limited here.");
        QCOMPARE(readCardFile(game.path("FAC_Data.txt")).table.cardCount, 200);
        game.load(path);
        QCOMPARE(game.text(Control::AwayName, 1), QStringLiteral("Earlier"));
    }

    // A card file that cannot be read is reported once; the program starts all the same,
    // and its cards show as empty cards.
    void cardFileCannotBeRead_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        const QString accessError = "Error 75 trying to read FACs.\nPath/File access error";
        QTest::newRow("a folder") << "folder" << accessError;
        QTest::newRow("a named pipe") << "pipe" << accessError;
        QTest::newRow("100 MB")
            << "100 MB"
            << "Error 7 trying to read FACs.\nFile too large to be a card file (over 16 MB)";
    }
    void cardFileCannotBeRead() {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        Game game({}, false, [&](Game& g) { replaceWith(g.path("FAC_Data.txt"), fault); });
        QCOMPARE(game.dialogs.messages.size(), 1);
        QCOMPARE(game.dialogs.messages[0].text, message);
        QVERIFY(game.window->isVisible());
        QCOMPARE(game.controller->cardTable().cardCount, 0);

        for (Control button : {Control::TimedFlipButton, Control::FlipButton, Control::TimedFlipButton})
            game.click(button);
        QCOMPARE(shownUpperHalf(game), (QStringList{"0", "", "", "", "", "", "", "", "()"}));
        QCOMPARE(shownLowerHalf(game), (QStringList{"", "#", "", "", "", "", "", "", "", "", "", "", ""}));
        QCOMPARE(game.text(Control::Clock), QStringLiteral("19:20"));
        QCOMPARE(game.dialogs.messages.size(), 1);
    }
};

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
