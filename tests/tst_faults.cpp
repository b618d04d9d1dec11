// Faults a player's machine throws at the program: a read-only or full disk, a saved game
// that changes between the dialog and the read, folders and pipes where files should be,
// random bytes and very large files. Each gives a clear message, or the specified silence,
// and nothing is lost.
#include <QDir>
#include <QFile>
#include <QTest>
#include <optional>
#include <random>

#include <sys/stat.h>

#include "support/cardcheck.h"
#include "support/faults.h"

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

// A saved game of 27 lines, "Earlier" for its names.
QByteArray earlierGame() {
    QByteArray bytes = "Earlier\r\nGame\r\n";
    for (int line = 3; line <= 24; ++line)
        bytes += QByteArray::number(line) + "\r\n";
    return bytes + "540\r\n9:00\r\n2\r\n";
}

void loadThroughTheMenu(Game& game, const QString& path) {
    game.dialogs.answers.push_back(MessageAnswer::Yes);
    game.dialogs.fileChoices.push_back(path);
    game.trigger("Load Game");
}

bool makeSparseFile(const QString& path, qint64 size) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.resize(size);
}

bool makePipe(const QString& path) {
    return mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
}

QStringList leftBehind(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("Settings.TVN?*")}, QDir::AllEntries | QDir::Hidden);
}

// The message of a save that failed, and its reason: "" when it was no such message.
QString failedSaveReason(Game& game) {
    const QString head = "The game could not be saved to " + game.text(Ctl::Text1) + ".\r\n";
    const QString tail = QStringLiteral("\r\nAny earlier saved game there is unchanged.");
    if (game.dialogs.messages.size() != 1)
        return {};
    const QString text = game.dialogs.messages[0].text;
    if (!text.startsWith(head) || !text.endsWith(tail))
        return {};
    return text.mid(head.size(), text.size() - head.size() - tail.size());
}

}  // namespace

class TestFaults : public QObject {
    Q_OBJECT

private slots:
    // A save that cannot be written says why, and the earlier saved game stays as it was.
    void saveCannotWrite_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason");  // "" when any reason will do
        QTest::newRow("folder read-only by its permissions") << "permissions"
                                                             << "";
        QTest::newRow("folder on a read-only file system") << "read-only mount"
                                                           << "";
        QTest::newRow("disk full") << "full tmpfs"
                                   << "No space left on device";
        QTest::newRow("file size limit reached") << "file size limit"
                                                 << "File too large";
        QTest::newRow("saved game is a folder") << "folder"
                                                << "";
    }
    void saveCannotWrite() {
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        Game game;
        const QString folder = game.dir.path();
        const QString path = game.text(Ctl::Text1);
        game.type(Ctl::txtAway, 1, QStringLiteral("Bears"));
        game.click(Ctl::cmdAwayGoal);

        std::optional<TmpfsMount> mount;
        if (fault == "read-only mount" || fault == "full tmpfs") {
            mount.emplace(folder, "size=64k,mode=0755");
            if (!mount->mounted())
                QSKIP(qPrintable("this process may not mount a small file system: " + mount->error()));
        }
        if (fault == "folder") {
            QVERIFY(QDir(folder).mkpath(QStringLiteral("Settings.TVN/inside")));
            QVERIFY(writeFile(path + "/inside/kept.txt", "kept"));
        } else {
            QVERIFY(writeFile(path, earlierGame()));
        }

        std::optional<FileSizeLimit> sizeLimit;
        std::optional<FilesAsNobody> nobody;
        if (fault == "permissions") {
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                                      QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
            nobody.emplace();
            if (!nobody->works()) {
                nobody.reset();
                QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                QSKIP(
                    "running as root without the right to act as another user: permission bits stop nothing");
            }
        } else if (fault == "read-only mount") {
            QVERIFY(mount->remountReadOnly());
        } else if (fault == "full tmpfs") {
            QFile filler(folder + "/filler");
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(4096, 'x');
            while (filler.write(block) == block.size()) {
            }
        } else if (fault == "file size limit") {
            sizeLimit.emplace(8);
            QVERIFY(sizeLimit->applied());
        }

        game.trigger("Save Game");
        sizeLimit.reset();
        nobody.reset();
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        const QString said = failedSaveReason(game);
        QVERIFY2(!said.isEmpty(), qPrintable(game.dialogs.messages.value(0).text));
        if (reason.isEmpty())
            qInfo("%s", qPrintable(said));
        else
            QCOMPARE(said, reason);
        if (fault == "folder") {
            QVERIFY(QFileInfo(path).isDir());
            QCOMPARE(readAll(path + "/inside/kept.txt"), QByteArray("kept"));
        } else {
            QCOMPARE(readAll(path), earlierGame());
        }
        QCOMPARE(leftBehind(folder), QStringList());

        // Nothing is lost: the earlier game still loads.
        if (fault != "folder") {
            loadThroughTheMenu(game, path);
            QCOMPARE(game.text(Ctl::txtAway, 1), QStringLiteral("Earlier"));
            QCOMPARE(game.text(Ctl::txtPeriod), QStringLiteral("2"));
        }
    }

    // The chosen file changes after the dialog closed and before it is read: the load is
    // refused whole, with the reason, and no field changes.
    void savedGameChangesAfterTheDialog_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("reason");
        QTest::newRow("deleted") << "delete"
                                 << "The file does not exist.";
        QTest::newRow("replaced by a folder") << "folder"
                                              << "It is not a file.";
        QTest::newRow("replaced by a named pipe") << "pipe"
                                                  << "It is not a file.";
        QTest::newRow("emptied") << "empty"
                                 << "It holds 0 of the 27 lines of a saved game.";
        QTest::newRow("grown to 100 MB") << "100 MB"
                                         << "It is too large to be a saved game.";
    }
    void savedGameChangesAfterTheDialog() {
        QFETCH(QString, change);
        QFETCH(QString, reason);
        Game game;
        const QString path = game.path("game.TVN");
        QVERIFY(writeFile(path, earlierGame()));
        game.type(Ctl::txtHome, 1, QStringLiteral("Owls"));
        game.click(Ctl::cmdHomeShot);
        const QStringList before = allTexts(game);

        game.dialogs.afterFileChosen = [&](const QString& chosen) {
            QFile::remove(chosen);
            if (change == "folder")
                QDir().mkdir(chosen);
            else if (change == "pipe")
                makePipe(chosen);
            else if (change == "empty")
                writeFile(chosen, {});
            else if (change == "100 MB")
                makeSparseFile(chosen, 100 * 1024 * 1024);
        };
        loadThroughTheMenu(game, path);

        QCOMPARE(allTexts(game), before);
        QCOMPARE(game.dialogs.messages.size(), 2);
        QCOMPARE(game.dialogs.messages[1].text,
                 "The game could not be loaded from " + path + ".\r\n" + reason + "\r\nNothing was changed.");
    }

    // Random bytes as a saved game: refused with a message and no change, or 27 lines loaded.
    void savedGameOfRandomBytes() {
        std::mt19937 random(7);
        Game game;
        const QString path = game.path("noise.TVN");
        for (int round = 0; round < 40; ++round) {
            QByteArray bytes(static_cast<int>(random() % 2000), Qt::Uninitialized);
            const unsigned lineBreakOdds = 1 + random() % 40;
            for (char& b : bytes)
                b = random() % lineBreakOdds == 0 ? '\n' : static_cast<char>(random() & 0xFF);
            QVERIFY(writeFile(path, bytes));
            const QStringList before = allTexts(game);
            game.dialogs.messages.clear();
            loadThroughTheMenu(game, path);
            const QString context = QStringLiteral("round %1").arg(round);
            if (game.dialogs.messages.size() == 2) {
                QVERIFY2(game.dialogs.messages[1].text.startsWith("The game could not be loaded from "),
                         qPrintable(context));
                QCOMPARE(allTexts(game), before);
            } else {
                QVERIFY2(game.dialogs.messages.size() == 1, qPrintable(context));
                QCOMPARE(game.text(Ctl::txtAway, 2), game.text(Ctl::txtAway, 1));
            }
            QCOMPARE(readAll(path), bytes);
        }
    }

    // A card file that cannot be read is reported once; the program starts all the same,
    // and its cards show as empty cards.
    void cardFileCannotBeRead_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("a folder") << "folder"
                                  << "Error 75 trying to read FACs.\r\nPath/File access error";
        QTest::newRow("a named pipe") << "pipe"
                                      << "Error 75 trying to read FACs.\r\nPath/File access error";
        QTest::newRow("100 MB")
            << "100 MB"
            << "Error 7 trying to read FACs.\r\nFile too large to be a card file (over 16 MB)";
    }
    void cardFileCannotBeRead() {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        Game game({}, false, [&](Game& g) {
            const QString path = g.path("FAC_Data.txt");
            if (fault == "folder")
                QDir().mkdir(path);
            else if (fault == "pipe")
                makePipe(path);
            else
                makeSparseFile(path, 100 * 1024 * 1024);
        });
        QCOMPARE(game.dialogs.messages.size(), 1);
        QCOMPARE(game.dialogs.messages[0].text, message);
        QVERIFY(game.window->isVisible());
        QCOMPARE(game.form->facTable().facCount, 0);

        for (Ctl button : {Ctl::cmdFlip, Ctl::cmdFlip2, Ctl::cmdFlip})
            game.click(button);
        QCOMPARE(shownUpperHalf(game), (QStringList{"0", "", "", "", "", "", "", "", "()"}));
        QCOMPARE(shownLowerHalf(game), (QStringList{"", "#", "", "", "", "", "", "", "", "", "", "", ""}));
        QCOMPARE(game.text(Ctl::txtClock), QStringLiteral("19:20"));
        QCOMPARE(game.dialogs.messages.size(), 1);
    }

    // Random bytes as the card file: at most one message, and every card shown is a record
    // of what was read.
    void cardFileOfRandomBytes() {
        std::mt19937 random(11);
        for (int round = 0; round < 12; ++round) {
            QByteArray bytes(static_cast<int>(random() % 6000), Qt::Uninitialized);
            for (char& b : bytes) {
                const unsigned roll = random() % 16;
                b = roll == 0 ? ',' : roll == 1 ? '\n' : static_cast<char>(random() & 0xFF);
            }
            Game game(bytes);
            const QString context = QStringLiteral("round %1").arg(round);
            QVERIFY2(game.dialogs.messages.size() <= 1, qPrintable(context));
            if (!game.dialogs.messages.isEmpty())
                QVERIFY2(game.dialogs.messages[0].text.startsWith("Error "), qPrintable(context));
            for (int flip = 0; flip < 250; ++flip)
                game.click(flip % 2 ? Ctl::cmdFlip : Ctl::cmdFlip2);
            const Deck& deck = game.form->deck();
            QCOMPARE(game.text(Ctl::txtNum),
                     QString::number(game.form->facTable().at(deck.deckOrder(deck.deckPos())).Num));
        }
    }
};

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
