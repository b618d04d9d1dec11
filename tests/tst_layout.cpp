#include <QAccessible>
#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "deck/carddisplay.h"
#include "deck/facreader.h"
#include "support/testkit.h"
#include "ui/layout.h"

namespace {

QRect twipsToPixels(int left, int top, int width, int height) {
    auto px = [](int twips) { return qRound(twips / 15.0); };
    return QRect(QPoint(px(left), px(top)), QPoint(px(left + width) - 1, px(top + height) - 1));
}

QWidget* clientOf(const Game& game) {
    return game.window->centralWidget();
}

QWidget* widgetNamed(const Game& game, const QString& name) {
    return clientOf(game)->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
}

bool isYellowText(QRgb rgb) {
    return qRed(rgb) > 200 && qGreen(rgb) > 200 && qBlue(rgb) < 80;
}

int countPixels(const QImage& image, const QRect& rect, bool (*match)(QRgb)) {
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x)
            n += match(image.pixel(x, y)) ? 1 : 0;
    }
    return n;
}

}  // namespace

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void controlGeometryAndFont_data() {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");

        struct Row {
            const char* name;
            int left, top, width, height;
            double points;
            bool bold;
        };
        const Row rows[] = {
            {"txtPassTo1", 2490, 720, 1270, 270, 11.25, true},
            {"txtPassTo3", 3780, 720, 1170, 270, 11.25, true},
            {"txtPassTo2", 4980, 720, 2460, 345, 11.25, true},
            {"txtAction", 1500, 1515, 3450, 345, 9.75, true},
            {"txtStrategy1", 1500, 2115, 3450, 585, 11.25, true},
            {"txtFaceoff", 4980, 2100, 945, 630, 11.25, true},
            {"txtAssists", 6000, 2100, 945, 630, 11.25, true},
            {"txtBreak", 6960, 2020, 1470, 500, 9, true},
            {"txtBreakDef", 6960, 2520, 1470, 270, 9.75, true},
            {"txtShots2", 4980, 2865, 3450, 300, 11.25, true},
            {"txtShots1", 2490, 3045, 2460, 300, 11.25, true},
            {"txtStrategy2", 4980, 3255, 3450, 300, 9.75, true},
            {"txtRebound1", 2490, 3825, 2460, 390, 11.25, true},
            {"txtRebound2", 4980, 3825, 980, 390, 11.25, true},
            {"txtSO", 6960, 4035, 1455, 300, 9.75, true},
            {"txtDumpIns", 4980, 4455, 2415, 615, 11.25, true},
            {"txtLoosePuck", 2490, 4620, 2460, 345, 11.25, true},
            {"txtMinor", 4980, 5175, 2415, 345, 9.75, true},
            {"txtPenalty", 2490, 5280, 2460, 585, 11.25, true},
            {"txtMajor", 4980, 5595, 2415, 270, 9.75, true},
            {"txtNum", 1485, 120, 570, 330, 8.25, true},
            {"txtNum2", 7870, 120, 570, 330, 8.25, true},
            {"txtChangeLines", 6840, 6050, 2655, 375, 15.75, true},
            {"txtClock", 6900, 6720, 1575, 405, 12, true},
            {"txtPeriod", 8520, 6720, 975, 405, 12, true},
            {"txtTimer", 5880, 7920, 735, 285, 8.25, false},
            {"Text1", 120, 120, 1215, 390, 11.25, true},
            {"cmdFlip", 6840, 7320, 2655, 615, 8.25, true},
            {"cmdFlip2", 6840, 7935, 2655, 615, 8.25, true},
            {"cmdReset", 6840, 8550, 2655, 495, 8.25, true},
            {"cmdAwayShot", 5640, 6885, 975, 375, 8.25, false},
            {"cmdHomeShot", 5640, 7305, 975, 375, 8.25, false},
            {"cmdAwayGoal", 5640, 8460, 975, 375, 8.25, false},
            {"cmdHomeGoal", 5640, 8880, 975, 375, 8.25, false},
        };
        for (const Row& r : rows)
            QTest::newRow(r.name) << r.left << r.top << r.width << r.height << r.points << r.bold;

        const struct {
            const char *away, *home;
            int left, width;
        } columns[] = {{"txtAway", "txtHome", 600, 2800}, {"txt1V", "txt1H", 3480, 285},
                       {"txt2V", "txt2H", 3870, 285},     {"txt3V", "txt3H", 4260, 285},
                       {"txtOTV", "txtOTH", 4650, 285},   {"txtFV", "txtFH", 5040, 525}};
        const int awayTop[] = {0, 6980, 8550};
        const int homeTop[] = {0, 7380, 8940};
        for (int member : {1, 2}) {
            for (const auto& c : columns) {
                QTest::addRow("%s(%d)", c.away, member)
                    << c.left << awayTop[member] << c.width << 285 << 12.0 << true;
                QTest::addRow("%s(%d)", c.home, member)
                    << c.left << homeTop[member] << c.width << 285 << 12.0 << true;
            }
        }
    }

    // Every field and button sits where it was laid out, in its font, resolved to a font
    // with the metrics it was laid out for.
    void controlGeometryAndFont() {
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(double, points);
        QFETCH(bool, bold);
        Game game;
        QWidget* widget = widgetNamed(game, QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), twipsToPixels(left, top, width, height));
        QCOMPARE(widget->font().pointSizeF(), points);
        QCOMPARE(widget->font().bold(), bold);
        const QString used = QFontInfo(widget->font()).family();
        const QStringList metricCompatible = {"Arial", "Arial Narrow", "Liberation Sans",
                                              "Liberation Sans Narrow", "Arimo"};
        QVERIFY2(metricCompatible.contains(used), qPrintable(used));
    }

    void labelGeometry_data() {
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("text");
        const struct {
            const char* tag;
            int left, top, width, height;
            const char* text;
        } rows[] = {
            {"Label2(0)", 6900, 6480, 1575, 255, "TIME"}, {"Label2(1)", 8520, 6480, 975, 255, "PERIOD"},
            {"Label2(2)", 600, 6570, 2775, 285, "TEAM"},  {"Label2(3)", 600, 8150, 2775, 285, "TEAM"},
            {"Label2(4)", 3465, 6570, 300, 285, "1"},     {"Label2(5)", 3855, 6570, 300, 285, "2"},
            {"Label2(6)", 4260, 6570, 300, 285, "3"},     {"Label2(7)", 4605, 6570, 390, 285, "OT"},
            {"Label2(8)", 5130, 6570, 300, 285, "F"},     {"Label2(9)", 3480, 8150, 300, 285, "1"},
            {"Label2(10)", 3855, 8150, 300, 285, "2"},    {"Label2(11)", 4275, 8150, 300, 285, "3"},
            {"Label2(12)", 4605, 8150, 390, 285, "OT"},   {"Label2(13)", 5145, 8150, 300, 285, "F"},
            {"Label3", 7455, 5205, 975, 240, "MINOR"},    {"Label4", 7450, 5580, 975, 285, "MAJOR"},
        };
        for (const auto& r : rows)
            QTest::newRow(r.tag) << QRect(r.left, r.top, r.width, r.height) << QString::fromLatin1(r.text);
    }

    void labelGeometry() {
        QFETCH(QRect, twips);
        QFETCH(QString, text);
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        for (const Layout::LabelLook& label : Layout::labelLooks()) {
            const QString name = label.index < 0 ? QString::fromLatin1(label.name)
                                                 : QStringLiteral("%1(%2)").arg(label.name).arg(label.index);
            if (name != tag)
                continue;
            QCOMPARE(QRect(label.left, label.top, label.width, label.height), twips);
            QCOMPARE(QString::fromLatin1(label.text), text);
            return;
        }
        QFAIL("no such label");
    }

    // The client area is 661 by 642 below the menu bar, and the user cannot change that.
    void windowIsFixedSize() {
        Game game;
        FrmFAC& window = *game.window;
        QCOMPARE(clientOf(game)->size(), QSize(661, 642));
        QCOMPARE(window.size(), QSize(661, 642 + window.menuBar()->height()));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        window.resize(900, 900);
        QCOMPARE(clientOf(game)->size(), QSize(661, 642));
        QCOMPARE(window.windowTitle(), QStringLiteral("Torvane - FAC"));
        QVERIFY(!window.windowIcon().isNull());
        QCOMPARE(clientOf(game)->font().pointSizeF(), 11.25);

        const QRect screen = window.screen()->availableGeometry();
        QVERIFY(std::abs(window.frameGeometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(window.frameGeometry().top() >= screen.top());
    }

    void pixels_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("white margin") << QPoint(5, 100) << QColor(Qt::white);
        QTest::newRow("white right of the card") << QPoint(640, 200) << QColor(Qt::white);
        QTest::newRow("cyan pass-to cell") << QPoint(200, 34) << QColor(210, 253, 253);
        QTest::newRow("cyan action cell") << QPoint(103, 85) << QColor(210, 253, 253);
        QTest::newRow("green shots cell") << QPoint(170, 190) << QColor(206, 255, 200);
        QTest::newRow("yellow rebound cell") << QPoint(170, 242) << QColor(252, 252, 160);
        QTest::newRow("white loose-puck cell") << QPoint(170, 294) << QColor(Qt::white);
        QTest::newRow("grey title cell") << QPoint(102, 33) << QColor(192, 192, 192);
        QTest::newRow("grey MINOR cell") << QPoint(560, 345) << QColor(192, 192, 192);
        QTest::newRow("grid line") << QPoint(331, 150) << QColor(Qt::black);
        QTest::newRow("line parting the pass-to fields") << QPoint(251, 40) << QColor(Qt::black);
        QTest::newRow("black clock") << QPoint(465, 468) << QColor(Qt::black);
        QTest::newRow("black scoreboard row") << QPoint(100, 475) << QColor(Qt::black);
        QTest::newRow("white line in the scoreboard") << QPoint(229, 475) << QColor(Qt::white);
    }

    void pixels() {
        QFETCH(QPoint, at);
        QFETCH(QColor, colour);
        Game game;
        const QImage image = clientOf(game)->grab().toImage();
        QCOMPARE(image.pixelColor(at), colour);
    }

    // What the player reads is drawn in its colours: yellow on black, white on red.
    void textColours() {
        Game game;
        QImage image = clientOf(game)->grab().toImage();
        const QRect clock = widgetNamed(game, QStringLiteral("txtClock"))->geometry();
        QVERIFY(countPixels(image, clock, isYellowText) > 20);
        const QRect header = Layout::pixelRect(600, 6570, 2775, 285);
        QVERIFY(countPixels(image, header, isYellowText) > 20);  // TEAM
        QVERIFY(countPixels(image, Layout::pictureRect(Layout::Picture::Image5),
                            [](QRgb rgb) { return qRed(rgb) > 150 && qGreen(rgb) < 60; }) > 3);  // the band

        game.fields().setVisible(Ctl::txtChangeLines, true);
        image = clientOf(game)->grab().toImage();
        const QRect prompt = widgetNamed(game, QStringLiteral("txtChangeLines"))->geometry();
        QCOMPARE(image.pixelColor(prompt.topLeft() + QPoint(2, 2)), QColor(255, 0, 0));
        QVERIFY(countPixels(image, prompt, [](QRgb rgb) { return rgb == qRgb(255, 255, 255); }) > 30);
        // The prompt covers no card field.
        for (QLabel* field : clientOf(game)->findChildren<QLabel*>())
            QVERIFY2(!field->geometry().intersects(prompt), qPrintable(field->objectName()));
    }

    // Tab goes through what can take the focus in the laid-out order, starting at the flip.
    void focusOrder() {
        Game game;
        QVERIFY(QTest::qWaitForWindowActive(game.window.get()));
        const QStringList cycle = {
            "cmdFlip",     "txtClock",    "cmdFlip2",    "cmdReset",      "txtAway(1)", "txtAway(2)",
            "txtHome(1)",  "txtHome(2)",  "txt1V(1)",    "txt2V(1)",      "txt3V(1)",   "txtOTV(1)",
            "txtFV(1)",    "txtFV(2)",    "txt1V(2)",    "txt2V(2)",      "txt3V(2)",   "txtOTV(2)",
            "txt1H(1)",    "txt2H(1)",    "txt3H(1)",    "txtOTH(1)",     "txtFH(1)",   "txt1H(2)",
            "txt2H(2)",    "txt3H(2)",    "txtOTH(2)",   "txtFH(2)",      "txtPeriod",  "cmdAwayShot",
            "cmdHomeShot", "cmdAwayGoal", "cmdHomeGoal", "txtChangeLines"};
        game.fields().setVisible(Ctl::txtChangeLines, true);
        QStringList seen;
        for (int i = 0; i <= cycle.size(); ++i) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            seen.append(focus->objectName());
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(seen, cycle + QStringList{"cmdFlip"});
    }

    void accessibleNames_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("txtClock") << "Clock";
        QTest::newRow("txtPeriod") << "Period";
        QTest::newRow("txt1V(1)") << "Away shots, period 1";
        QTest::newRow("txtOTH(1)") << "Home shots, overtime";
        QTest::newRow("txtFH(2)") << "Home goals, total";
        QTest::newRow("txtAway(1)") << "Away team name, shots table";
        QTest::newRow("txtHome(2)") << "Home team name, goals table";
        QTest::newRow("txtPassTo1") << "Pass to";
        QTest::newRow("txtAction") << "Action";
        QTest::newRow("cmdFlip") << "Flip FAC-Advance Timer";
    }

    void accessibleNames() {
        QFETCH(QString, name);
        Game game;
        QWidget* widget = widgetNamed(game, QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(widget);
        QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), name);
    }

    // A screen reader can tell every shown control from the others, and hears the card's texts.
    void everyShownControlHasItsOwnName() {
        Game game;
        QSet<QString> names;
        for (QWidget* widget : clientOf(game)->findChildren<QWidget*>()) {
            if (!widget->isVisible())
                continue;
            const QString name = QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
            QVERIFY2(!name.isEmpty(), qPrintable(widget->objectName()));
            QVERIFY2(!names.contains(name), qPrintable(name));
            names.insert(name);
        }
        QWidget* action = widgetNamed(game, QStringLiteral("txtAction"));
        QCOMPARE(QAccessible::queryAccessibleInterface(action)->text(QAccessible::Description),
                 game.text(Ctl::txtAction));
    }

    // Every text of the shipped deck, as the card display writes it, fits its field in its
    // font: one line in a single-line field, no more lines than the field shows otherwise.
    void shippedDeckFitsTheCardFields() {
        const FacReadResult deck = readFacFile(QStringLiteral(TORVANE_DATA_DIR "/FAC_Data.txt"));
        QVERIFY(!deck.error);
        Game game;
        FieldModel shown;
        for (int position = 1; position <= FacTable::kSize; ++position) {
            writeUpperHalf(shown, deck.table.at(position));
            writeLowerHalf(shown, deck.table.at(position));
            for (const Layout::ControlLook& look : Layout::controlLooks()) {
                if (look.tabStop || !controlInfo(look.ctl).shown)
                    continue;  // only the card fields
                const QString text = shown.text(look.ctl, look.index);
                QWidget* field = game.window->widgetOf(look.ctl, look.index);
                const QRect room = field->contentsRect();
                const QFontMetrics metrics(field->font());
                const int flags = Qt::AlignHCenter | (look.multiLine ? Qt::TextWordWrap : 0);
                const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), 1000), flags, text);
                const QString where = QStringLiteral("card %1, %2: \"%3\" needs %4x%5, has %6x%7")
                                          .arg(deck.table.at(position).Num)
                                          .arg(field->objectName(), text)
                                          .arg(needed.width())
                                          .arg(needed.height())
                                          .arg(room.width())
                                          .arg(room.height());
                QVERIFY2(needed.width() <= room.width(), qPrintable(where));
                QVERIFY2(needed.height() <= std::max(room.height(), metrics.height()), qPrintable(where));
            }
        }
    }

    // Captions, the prompt and the painted labels fit on one line in their fonts.
    void fixedTextsFit() {
        Game game;
        for (QPushButton* button : clientOf(game)->findChildren<QPushButton*>()) {
            const int needed = button->fontMetrics().horizontalAdvance(button->text());
            QVERIFY2(needed <= button->width() - 6, qPrintable(button->objectName()));
        }
        QWidget* prompt = widgetNamed(game, QStringLiteral("txtChangeLines"));
        QVERIFY(prompt->fontMetrics().horizontalAdvance(game.text(Ctl::txtChangeLines)) <=
                prompt->width() - 4);
        for (const Layout::LabelLook& label : Layout::labelLooks()) {
            const QFontMetrics metrics(Layout::makeFont(label.font));
            QVERIFY2(metrics.horizontalAdvance(QString::fromLatin1(label.text)) <= label.pixelRect().width(),
                     label.text);
        }
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
