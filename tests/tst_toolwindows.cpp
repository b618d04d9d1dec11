// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The tool windows beside the main window: where they open, what they remember across runs,
// and the keys they share with it.
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSettings>
#include <QTableView>
#include <QTest>
#include <QVBoxLayout>

#include "support/testkit.h"

namespace {

// Opens the game log or the penalty box from its menu item, active, with the focus in the
// penalty box's text box.
QWidget& open(Game& game, const QString& which) {
    const bool log = which == QStringLiteral("log");
    game.trigger(log ? "mnuGameLog" : "mnuPenaltyBox");
    QWidget& window = log ? static_cast<QWidget&>(game.tools->logWindow()) : game.tools->penaltyBoxWindow();
    QApplication::setActiveWindow(&window);
    (log ? static_cast<QWidget*>(game.tools->logWindow().table()) : window.findChild<QLineEdit*>())
        ->setFocus();
    return window;
}

// A window whose only content is a blank of a minimum size, adopted and brought up as a
// tool window the first time (no place kept from before); its content can grow.
struct SizedWindow {
    SizedWindow(ToolWindows& windows, QWidget* main, QSize minimum) : window(main, Qt::Window) {
        QSettings(ToolWindows::openSettings()->fileName(), QSettings::IniFormat).clear();
        auto* layout = new QVBoxLayout(&window);
        filler->setMinimumSize(minimum);
        layout->addWidget(filler);
        windows.adopt(window, QStringLiteral("Sized"));
        windows.bringUp(window);
    }
    // The content grows, and the window with it.
    bool grow(QSize minimum) {
        filler->setMinimumSize(minimum);
        if (!QTest::qWaitFor([this, minimum] { return window.width() >= minimum.width(); }))
            return false;
        QCoreApplication::processEvents();
        return true;
    }
    QWidget window;
    QWidget* filler = new QWidget;
};

}  // namespace

class TestToolWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        const QString folder = useOwnSettingsFolder();
        QVERIFY(ToolWindows::openSettings()->fileName().startsWith(folder + u'/'));
    }

    // The game log opened first, then the penalty box, beside a main window as a desktop
    // frames it: each wholly on the screen, and where the screen has room, covering neither
    // the card nor the other; on a wide screen, at its full size and touching the main window.
    // A third window may cover the other two, but never the main window's scores, clock and
    // buttons.
    void theWindowsOpenBesideTheCard_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("main");
        QTest::addColumn<bool>("roomy");
        QTest::newRow("1920x1080, centred") << QRect(0, 0, 1920, 1040) << QPoint(628, 171) << true;
        QTest::newRow("1920x1080, at the top right") << QRect(0, 0, 1920, 1040) << QPoint(1257, 0) << true;
        QTest::newRow("1280x1024, centred") << QRect(0, 0, 1280, 1024) << QPoint(308, 163) << true;
        QTest::newRow("1280x1024, at the left edge") << QRect(0, 0, 1280, 1024) << QPoint(0, 163) << true;
        QTest::newRow("1366x768 below a panel") << QRect(0, 27, 1366, 741) << QPoint(351, 49) << true;
        QTest::newRow("second screen") << QRect(1920, -200, 2560, 1440) << QPoint(2868, 171) << true;
        QTest::newRow("800x600, no room") << QRect(0, 0, 800, 600) << QPoint(69, 0) << false;
    }
    void theWindowsOpenBesideTheCard() {
        QFETCH(QRect, screen);
        QFETCH(QPoint, main);
        QFETCH(bool, roomy);
        ToolWindowRoom room{
            screen, QRect(main, QSize(663, 697)), QRect(main + QPoint(81, 58), QSize(500, 412)), {}};
        const QRect besideCard(room.main.left(), room.keepClear.top(), room.main.width(),
                               room.keepClear.height());
        for (const QSize size : {QSize(562, 449), QSize(482, 429), QSize(520, 440)}) {
            const QRect place = firstToolWindowPlace(room, size, size / 2);
            QVERIFY2(screen.contains(place), qPrintable(QDebug::toString(place)));
            QVERIFY(place.width() >= size.width() / 2 && place.height() >= size.height() / 2);
            const QRect coveredMain = place.intersected(room.main);
            QVERIFY2(!roomy || coveredMain.isEmpty() || besideCard.contains(coveredMain),
                     qPrintable(QDebug::toString(place)));
            const bool third = room.others.size() == 2;
            for (const QRect& covered : (third ? QList<QRect>() : room.others) + QList<QRect>{room.keepClear})
                QVERIFY2(!roomy || !place.intersects(covered), qPrintable(QDebug::toString(place)));
            if (screen.width() >= 1920 && !third)
                QVERIFY(place.size() == size && place.adjusted(-1, -1, 1, 1).intersects(room.main));
            room.others.append(place);
        }
    }

    // A window opened the first time takes the size its layout needs, and that size lies
    // wholly on the screen: not the size a widget has before it was ever shown.
    void aWindowOpensAtTheSizeItsLayoutNeeds() {
        Game game;
        ToolWindows windows(*game.window, QRect(0, 0, 10, 10));
        SizedWindow big(windows, game.window.get(), {700, 540});
        const QRect screen = game.window->screen()->availableGeometry();
        QVERIFY2(screen.contains(big.window.frameGeometry()),
                 qPrintable(QDebug::toString(big.window.frameGeometry())));
    }

    // A window that grows with what it shows, standing at the screen's right edge, stays
    // wholly on the screen.
    void aWindowThatGrowsStaysOnTheScreen() {
        Game game;
        ToolWindows windows(*game.window, QRect(0, 0, 10, 10));
        SizedWindow growing(windows, game.window.get(), {300, 200});
        const QRect screen = game.window->screen()->availableGeometry();
        growing.window.move(screen.right() + 1 - growing.window.frameGeometry().width(), screen.top());
        QCoreApplication::processEvents();

        QVERIFY(growing.grow({500, 200}));
        QVERIFY2(screen.contains(growing.window.frameGeometry()),
                 qPrintable(QDebug::toString(growing.window.frameGeometry())));
    }

    // Grown over the card by what it shows, a window is placed anew beside it.
    void aWindowThatGrowsOverTheCardMovesAside() {
        Game game;
        const QRect cardInWindow(40, 40, 60, 60);
        game.window->move(400, 100);
        QCoreApplication::processEvents();
        ToolWindows windows(*game.window, cardInWindow);
        SizedWindow growing(windows, game.window.get(), {150, 150});
        const QRect card(game.window->centralWidget()->mapToGlobal(cardInWindow.topLeft()),
                         cardInWindow.size());
        growing.window.move(growing.window.pos() + (QPoint(card.left() - 1, card.top()) -
                                                    growing.window.frameGeometry().topRight()));
        QCoreApplication::processEvents();
        QVERIFY(!growing.window.frameGeometry().intersects(card));

        QVERIFY(growing.grow({300, 150}));
        QVERIFY2(!growing.window.frameGeometry().intersects(card),
                 qPrintable(QDebug::toString(growing.window.frameGeometry())));
    }

    // In a tool window, with the focus in a box of its own where it has one: Alt with a menu's
    // letter opens that menu of the main window, unless the tool window uses the letter for a
    // control of its own; Escape closes the tool window.
    void keysInAToolWindow_data() {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QString>("menu");
        QTest::newRow("game log, Alt+G") << "log" << (Qt::ALT | Qt::Key_G) << "mnuGame";
        QTest::newRow("game log, Alt+H") << "log" << (Qt::ALT | Qt::Key_H) << "mnuHelp";
        QTest::newRow("penalty box, Alt+G") << "box" << (Qt::ALT | Qt::Key_G) << "mnuGame";
        QTest::newRow("penalty box, Alt+H is its Home team") << "box" << (Qt::ALT | Qt::Key_H) << "";
        QTest::newRow("penalty box, Alt+F is no menu's") << "box" << (Qt::ALT | Qt::Key_F) << "";
        QTest::newRow("game log, Escape") << "log" << QKeyCombination(Qt::Key_Escape) << "";
        QTest::newRow("penalty box, Escape") << "box" << QKeyCombination(Qt::Key_Escape) << "";
    }
    void keysInAToolWindow() {
        QFETCH(QString, which);
        QFETCH(QKeyCombination, key);
        QFETCH(QString, menu);
        Game game;
        QWidget& window = open(game, which);
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QCOMPARE(popup ? popup->objectName() : QString(), menu);
        if (popup)
            popup->close();
        QCOMPARE(window.isVisible(), key.key() != Qt::Key_Escape);
        // Pressed, not only given the focus as a letter of two owners would be.
        if (key.key() == Qt::Key_H && which == QStringLiteral("box"))
            QVERIFY(window.findChild<QRadioButton*>(QStringLiteral("penaltyTeamHome"))->isDown());
        // The letter is the menu's again once the main window is active.
        QApplication::setActiveWindow(game.window.get());
        QCOMPARE(game.window->findChild<QMenu*>(QStringLiteral("mnuHelp"))->title(), QStringLiteral("&Help"));
    }

    // A window's place and size outlive the program, and come back on the screen: offscreen,
    // 800 by 800 pixels, where a window's frame is 2 pixels wide.
    void placesAreKeptAcrossRuns_data() {
        QTest::addColumn<QRect>("left");
        QTest::addColumn<bool>("escape");  // closed before the end, or open at it
        QTest::addColumn<QRect>("expected");
        QTest::newRow("closed with Escape") << QRect(40, 50, 300, 200) << true << QRect(40, 50, 300, 200);
        QTest::newRow("open at the end") << QRect(400, 300, 350, 250) << false << QRect(400, 300, 350, 250);
        QTest::newRow("off every screen") << QRect(5000, -900, 300, 200) << false << QRect(498, 2, 300, 200);
        QTest::newRow("larger than the screen") << QRect(10, 10, 900, 900) << true << QRect(2, 2, 796, 796);
    }
    void placesAreKeptAcrossRuns() {
        QFETCH(QRect, left);
        QFETCH(bool, escape);
        QFETCH(QRect, expected);
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 800, 800));
        {
            Game game;
            QWidget& log = open(game, "log");
            log.setGeometry(left);
            if (escape)
                QTest::keyClick(&log, Qt::Key_Escape);
        }
        Game game;
        QVERIFY(!game.window->findChild<GameLogWindow*>());  // not built at start-up
        QCOMPARE(open(game, "log").geometry(), expected);
    }
};

QTEST_MAIN(TestToolWindows)
#include "tst_toolwindows.moc"
