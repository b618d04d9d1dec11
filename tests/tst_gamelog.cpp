// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game log: what each command leaves in it, its CSV against a reader of its own, the
// export's care with the earlier file, and the window that follows the game.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTableView>
#include <QTest>

#include "support/faults.h"
#include "support/testkit.h"

namespace {

// An RFC 4180 reader written from the RFC, not from the writer: records end in CR LF, a field
// in quotes may hold commas, CR LF and doubled quotes. Anything else is a failure.
std::optional<QList<QStringList>> readCsv(const QByteArray& bytes) {
    const QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() != bytes)
        return std::nullopt;  // not UTF-8
    QList<QStringList> records;
    QStringList record;
    QString field;
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i] == u'"') {
            ++i;
            for (;;) {
                if (i >= text.size())
                    return std::nullopt;  // an unclosed quote
                if (text[i] == u'"') {
                    if (i + 1 < text.size() && text[i + 1] == u'"') {
                        field += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i++];
            }
        } else {
            while (i < text.size() && text[i] != u',' && text[i] != u'\r' && text[i] != u'\n') {
                if (text[i] == u'"')
                    return std::nullopt;  // a quote inside an unquoted field
                field += text[i++];
            }
        }
        if (i < text.size() && text[i] == u',') {
            record << field;
            field.clear();
            ++i;
        } else if (text.mid(i, 2) == QStringLiteral("\r\n")) {
            record << field;
            records << record;
            record.clear();
            field.clear();
            i += 2;
        } else {
            return std::nullopt;  // a bare CR or LF, or text after a closing quote
        }
    }
    if (!record.isEmpty() || !field.isEmpty())
        return std::nullopt;  // the last record did not end in CR LF
    return records;
}

QStringList row(const LogEntry& entry) {
    return {entry.period, entry.clock, eventName(entry.event), entry.details};
}

QList<QStringList> rowsFrom(Game& game, qsizetype first) {
    QList<QStringList> rows;
    const QList<LogEntry>& entries = game.controller->gameLog().entries();
    for (qsizetype i = first; i < entries.size(); ++i)
        rows << row(entries[i]);
    return rows;
}

QString cards(Game& game) {
    return QStringLiteral("Upper half %1, lower half %2")
        .arg(game.text(Control::UpperNumber), game.text(Control::LowerNumber));
}

}  // namespace

class TestGameLog : public QObject {
    Q_OBJECT

private slots:
    // A short game, entry by entry: period, clock, event and details.
    void entriesOfAGame() {
        Game game;
        QCOMPARE(rowsFrom(game, 0), QList<QStringList>({{"1", "20:00", "New game", cards(game)}}));

        qsizetype seen = 1;
        QList<QStringList> expected;
        for (int i = 0; i < 6; ++i) {
            game.click(Control::TimedFlipButton);
            expected << QStringList{"1", game.text(Control::Clock), "Timed flip", cards(game)};
        }
        expected << QStringList{"1", "18:00", "Change lines", ""};
        game.click(Control::FlipButton);
        expected << QStringList{"1", "18:00", "Flip", cards(game)};
        game.type(Control::HomeName, 1, QStringLiteral("Owls"));
        game.click(Control::HomeGoalButton);
        expected << QStringList{"1", "18:00", "Correction", "Home team: Owls"}
                 << QStringList{"1", "18:00", "Home goal", "Score Away 0, Owls 1; EV"};
        game.click(Control::AwayShotButton);
        expected << QStringList{"1", "18:00", "Away shot", "Shots Away 1, Owls 0"};
        game.controller->addPenalty(Team::Away, QStringLiteral("Ryan, #4"), PenaltyKind::Minor);
        expected << QStringList{"1", "18:00", "Penalty", "Away minor, Ryan, #4 (penalty 1)"};
        game.controller->removePenalty(1);
        expected << QStringList{"1", "18:00", "Penalty removed", "Away minor, Ryan, #4 (penalty 1)"};
        game.trigger(QStringLiteral("mnuUndo"));
        expected << QStringList{"1", "18:00", "Undo", "Remove Penalty"};
        game.trigger(QStringLiteral("mnuRedo"));
        expected << QStringList{"1", "18:00", "Redo", "Remove Penalty"};
        QCOMPARE(rowsFrom(game, seen), expected);

        seen = game.controller->gameLog().entries().size();
        for (int i = 0; i < 54; ++i)
            game.click(Control::TimedFlipButton);
        const QList<QStringList> end = rowsFrom(game, seen).mid(rowsFrom(game, seen).size() - 3);
        QCOMPARE(end[0].mid(0, 3), QStringList({"1", "0:20", "Timed flip"}));
        QCOMPARE(end[1].mid(0, 3), QStringList({"1", "0:00", "Timed flip"}));
        QCOMPARE(end[2], QStringList({"1", "0:00", "End of period", ""}));
        game.click(Control::NextPeriodButton);
        QCOMPARE(rowsFrom(game, 0).last(), QStringList({"2", "20:00", "Next period", ""}));

        game.trigger(QStringLiteral("mnuSave"));
        game.trigger(QStringLiteral("mnuNewGame"));
        QCOMPARE(rowsFrom(game, 0).last(), QStringList({"1", "20:00", "New game", cards(game)}));
        game.load(game.path(QStringLiteral("Settings.TVN")));
        QCOMPARE(rowsFrom(game, 0).last(),
                 QStringList({"2", "20:00", "Load game", game.path(QStringLiteral("Settings.TVN"))}));
    }

    // Penalties that end in a timed flip or by a goal are in the log, and undone with it.
    void penaltiesThatEndAreLoggedAndUndone() {
        Game game;
        // Home is two men short, so the away goal ends its minor, not its major. A flip between
        // the calls keeps the minors apart: at one stoppage they would cancel.
        game.controller->addPenalty(Team::Home, QStringLiteral("Jones"), PenaltyKind::Major);
        game.controller->addPenalty(Team::Home, QStringLiteral("Smith"), PenaltyKind::Minor);
        game.click(Control::FlipButton);
        game.controller->addPenalty(Team::Away, QStringLiteral("Ryan"), PenaltyKind::Minor);
        for (int i = 0; i < 5; ++i)
            game.click(Control::TimedFlipButton);
        game.click(Control::AwayGoalButton);
        QCOMPARE(rowsFrom(game, 0).last(),
                 QStringList({"1", "18:20", "Penalty ended by a goal", "Home minor, Smith (penalty 2)"}));
        const BoardState beforeExpiry = game.controller->board();
        game.click(Control::TimedFlipButton);
        QCOMPARE(rowsFrom(game, 0).last(),
                 QStringList({"1", "18:00", "Penalty over", "Away minor, Ryan (penalty 3)"}));
        QCOMPARE(game.controller->penaltyBox().penalties().size(), 1);
        game.trigger(QStringLiteral("mnuUndo"));
        QVERIFY(game.controller->board() == beforeExpiry);
    }

    // What a penalty leaves in the log: its number, never given twice in a game, and the
    // entries of the kinds that end otherwise.
    void penaltyEntries_data() {
        QTest::addColumn<std::function<void(Game&)>>("play");
        QTest::addColumn<QStringList>("last");
        using Play = std::function<void(Game&)>;
        const auto add = [](Game& game, PenaltyKind kind) {
            game.controller->addPenalty(Team::Away, {}, kind);
        };
        QTest::newRow("a number taken back is not given again") << Play([add](Game& g) {
            add(g, PenaltyKind::Minor);
            g.trigger("mnuUndo");
            add(g, PenaltyKind::Minor);
        }) << QStringList{"Penalty", "Away minor (penalty 2)"};
        QTest::newRow("a new game numbers from 1") << Play([add](Game& g) {
            add(g, PenaltyKind::Major);
            g.trigger("mnuNewGame");
            add(g, PenaltyKind::Major);
        }) << QStringList{"Penalty", "Away major (penalty 1)"};
        QTest::newRow("a penalty shot") << Play([](Game& g) {
            g.controller->addPenalty(Team::Home, "Smith", PenaltyKind::PenaltyShot, "Hooking");
        }) << QStringList{"Penalty shot", "Home for Hooking, Smith"};
        QTest::newRow("a goal against a double minor") << Play([add](Game& g) {
            add(g, PenaltyKind::DoubleMinor);
            g.click(Control::HomeGoalButton);
        }) << QStringList{"First minor ended by a goal", "Away double minor (penalty 1)"};
        // From 0:10 the period runs 10 seconds, and a minor with 20 left is not yet over.
        QTest::newRow("a timed flip from 0:10") << Play([add](Game& g) {
            add(g, PenaltyKind::Minor);
            for (int i = 0; i < 5; ++i)
                g.click(Control::TimedFlipButton);
            g.fields().setText(Control::SecondsLeft, "10");
            g.click(Control::TimedFlipButton);
        }) << QStringList{"End of period", ""};
    }
    void penaltyEntries() {
        QFETCH(std::function<void(Game&)>, play);
        QFETCH(QStringList, last);
        Game game;
        play(game);
        QCOMPARE(rowsFrom(game, 0).last().mid(2), last);
    }

    // The CSV read back by a reader of its own is the header and the entries, field for field,
    // whatever the names and the period hold. A cell a spreadsheet would run as a formula
    // reads back with a leading apostrophe; a plain number stays as it is.
    void csvReadsBackAsTheEntries_data() {
        QTest::addColumn<QString>("awayName");
        QTest::addColumn<QString>("player");
        QTest::addColumn<QString>("period");
        QTest::addColumn<QString>("periodCell");
        const auto row = [](const char* name, const QString& awayName, const QString& player,
                            const QString& period = "1", const QString& periodCell = "1") {
            QTest::newRow(name) << awayName << player << period << periodCell;
        };
        row("plain", "Bears", "Ryan");
        row("commas", "Bears, Chicago", ",");
        row("quotes", "The \"Bears\"", "\"");
        row("line breaks", "two\r\nlines", "a\nb\rc");
        row("beyond ASCII", "Montréal Ülker 北京", "Łukasz 🏒");
        row("empty", "", "", "", "");
        row("spaces at the ends", " Bears ", "  ", " 2 ", " 2 ");
        row("=", "Bears", "Ryan", "=HYPERLINK(\"http://x\",\"2\")", "'=HYPERLINK(\"http://x\",\"2\")");
        row("+", "Bears", "Ryan", "+1+cmd|' /C calc'!A0", "'+1+cmd|' /C calc'!A0");
        row("-", "Bears", "Ryan", "-2+3", "'-2+3");
        row("@", "Bears", "Ryan", "@SUM(A1:A9)", "'@SUM(A1:A9)");
        row("tab", "Bears", "Ryan", "\t=1", "'\t=1");
        row("carriage return", "Bears", "Ryan", "\r=1", "'\r=1");
        row("-3 stays a number", "Bears", "Ryan", "-3", "-3");
        row("3 stays a number", "Bears", "Ryan", "3", "3");
    }
    void csvReadsBackAsTheEntries() {
        QFETCH(QString, awayName);
        QFETCH(QString, player);
        QFETCH(QString, period);
        QFETCH(QString, periodCell);
        Game game;
        game.fields().setText(Control::AwayName, 1, awayName);
        game.fields().setText(Control::Period, period);
        game.controller->finishTyping();
        game.click(Control::TimedFlipButton);
        game.click(Control::AwayGoalButton);
        game.controller->addPenalty(Team::Home, player, PenaltyKind::Major);
        game.trigger(QStringLiteral("mnuUndo"));

        const QByteArray csv = game.controller->gameLog().toCsv();
        const std::optional<QList<QStringList>> records = readCsv(csv);
        QVERIFY2(records, csv.constData());
        QList<QStringList> expected = {{"Period", "Clock", "Event", "Details"}};
        for (QStringList row : rowsFrom(game, 0)) {
            if (row[0] == period)
                row[0] = periodCell;
            expected << row;
        }
        QCOMPARE(*records, expected);
        QVERIFY(records->size() >= 6);
    }

    // Export writes the CSV through the save dialog's file; a failure says so and keeps the
    // earlier file whole.
    void exportKeepsTheEarlierFileOnFailure_data() {
        QTest::addColumn<QString>("fault");
        QTest::newRow("none") << "";
        QTest::newRow("full disk") << "full disk";
        QTest::newRow("a folder in the way") << "folder";
    }
    void exportKeepsTheEarlierFileOnFailure() {
        QFETCH(QString, fault);
        Game game;
        game.click(Control::TimedFlipButton);
        const QString folder = game.path(QStringLiteral("logs"));
        QVERIFY(QDir().mkpath(folder));
        QString path = folder + QStringLiteral("/evening.csv");
        const QByteArray earlier = "earlier,file\r\n";
        if (fault == QStringLiteral("folder")) {
            path = folder;
        } else {
            QVERIFY(writeFile(path, earlier));
        }
        game.dialogs.saveChoices = {path};
        {
            std::optional<FileSizeLimit> limit;
            if (fault == QStringLiteral("full disk"))
                QVERIFY(limit.emplace(8).applied());
            QMetaObject::invokeMethod(&game.tools->logWindow(), "exportRequested");
        }
        QCOMPARE(game.dialogs.saveDialogs.size(), 1);
        QCOMPARE(game.dialogs.saveDialogs[0].first, QStringLiteral("CSV (*.csv)"));
        QCOMPARE(game.dialogs.messages.size(), 1);
        const QString message = game.dialogs.messages[0].text;
        if (fault.isEmpty()) {
            QCOMPARE(message, "The game log was exported to " + path);
            QCOMPARE(readAll(path), game.controller->gameLog().toCsv());
        } else {
            QVERIFY2(message.startsWith("The game log could not be exported to " + path + ".\n"),
                     qPrintable(message));
            QVERIFY(message.endsWith("\nAny earlier file there is unchanged."));
            if (fault != QStringLiteral("folder"))
                QCOMPARE(readAll(path), earlier);
        }
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), fault == "folder" ? 0 : 1);
    }

    void cancelledExportWritesNothing() {
        Game game;
        game.dialogs.saveChoices = {QString()};
        QMetaObject::invokeMethod(&game.tools->logWindow(), "exportRequested");
        QCOMPARE(game.dialogs.saveDialogs.size(), 1);
        QVERIFY(game.dialogs.messages.isEmpty());
    }

    // Ctrl+L opens the log; its rows follow the game as it goes on, undo included.
    void theWindowFollowsTheGame() {
        Game game;
        GameLogWindow& window = game.tools->logWindow();
        QVERIFY(!window.isVisible());
        QApplication::setActiveWindow(game.window.get());
        QTest::keyClick(game.window->widgetOf(Control::HomePeriod1, 1), Qt::Key_L, Qt::ControlModifier);
        QVERIFY(window.isVisible());
        QAbstractItemModel* model = window.table()->model();
        QCOMPARE(model->rowCount(), 1);
        game.click(Control::HomeShotButton);
        game.trigger(QStringLiteral("mnuUndo"));
        QCOMPARE(model->rowCount(), 3);
        QCOMPARE(model->index(2, 2).data().toString(), QStringLiteral("Undo"));
        QCOMPARE(model->index(2, 3).data().toString(), QStringLiteral("Home Shot"));
        QCOMPARE(model->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Details"));
    }
};

QTEST_MAIN(TestGameLog)
#include "tst_gamelog.moc"
