// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAccessible>
#include <QFontInfo>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "deck/carddisplay.h"
#include "deck/cardreader.h"
#include "support/testkit.h"
#include "ui/emblem.h"
#include "ui/layout.h"

namespace {

QWidget* client(const Game& game) {
    return game.window->centralWidget();
}

QWidget* widgetNamed(const Game& game, const QString& name) {
    return client(game)->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
}

QString accessible(QWidget* widget, QAccessible::Text what = QAccessible::Name) {
    QAccessibleInterface* face = widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
    return face ? face->text(what) : QString();
}

int countPixels(const QImage& image, const QRect& rect, bool (*match)(QRgb)) {
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            n += match(image.pixel(x, y)) ? 1 : 0;
    return n;
}

// The documented Left, Top, Width, Height (twips) and font size of every field and button;
// scoreboard member 1 is the shots table, member 2 the goals table.
const struct {
    const char* name;
    int left, top, width, height;
    double points;
} kControls[] = {
    {"txtPassTo1", 2490, 720, 1270, 270, 11.25},    {"txtPassTo3", 3780, 720, 1170, 270, 11.25},
    {"txtPassTo2", 4980, 720, 2460, 345, 11.25},    {"txtAction", 1500, 1515, 3450, 345, 9.75},
    {"txtStrategy1", 1500, 2115, 3450, 585, 11.25}, {"txtFaceoff", 4980, 2100, 945, 630, 11.25},
    {"txtAssists", 6000, 2100, 945, 630, 11.25},    {"txtBreak", 6960, 2020, 1470, 500, 9},
    {"txtBreakDef", 6960, 2520, 1470, 270, 9.75},   {"txtShots2", 4980, 2865, 3450, 300, 11.25},
    {"txtShots1", 2490, 3045, 2460, 300, 11.25},    {"txtStrategy2", 4980, 3255, 3450, 300, 9.75},
    {"txtRebound1", 2490, 3825, 2460, 390, 11.25},  {"txtRebound2", 4980, 3825, 980, 390, 11.25},
    {"txtSO", 6960, 4035, 1455, 300, 9.75},         {"txtDumpIns", 4980, 4455, 2415, 615, 11.25},
    {"txtLoosePuck", 2490, 4620, 2460, 345, 11.25}, {"txtMinor", 4980, 5175, 2415, 345, 9.75},
    {"txtPenalty", 2490, 5280, 2460, 585, 11.25},   {"txtMajor", 4980, 5595, 2415, 270, 9.75},
    {"txtNum", 1485, 120, 570, 330, 8.25},          {"txtNum2", 7870, 120, 570, 330, 8.25},
    {"txtClock", 6900, 6720, 1575, 405, 12},        {"txtChangeLines", 6840, 6050, 2655, 375, 15.75},
    {"txtPeriod", 8520, 6720, 975, 405, 12},        {"txtTimer", 5880, 7920, 735, 285, 8.25},
    {"Text1", 120, 120, 1215, 390, 11.25},          {"cmdFlip", 6840, 7320, 2655, 615, 8.25},
    {"cmdFlip2", 6840, 7935, 2655, 615, 8.25},      {"cmdReset", 6840, 8550, 2655, 495, 8.25},
    {"cmdAwayShot", 5640, 6885, 975, 375, 8.25},    {"cmdHomeShot", 5640, 7305, 975, 375, 8.25},
    {"cmdAwayGoal", 5640, 8460, 975, 375, 8.25},    {"cmdHomeGoal", 5640, 8880, 975, 375, 8.25},
    {"txtAway(1)", 600, 6980, 2800, 285, 12},       {"txt1V(1)", 3480, 6980, 285, 285, 12},
    {"txt2V(1)", 3870, 6980, 285, 285, 12},         {"txt3V(1)", 4260, 6980, 285, 285, 12},
    {"txtOTV(1)", 4650, 6980, 285, 285, 12},        {"txtFV(1)", 5040, 6980, 525, 285, 12},
    {"txtHome(1)", 600, 7380, 2800, 285, 12},       {"txt1H(1)", 3480, 7380, 285, 285, 12},
    {"txt2H(1)", 3870, 7380, 285, 285, 12},         {"txt3H(1)", 4260, 7380, 285, 285, 12},
    {"txtOTH(1)", 4650, 7380, 285, 285, 12},        {"txtFH(1)", 5040, 7380, 525, 285, 12},
    {"txtAway(2)", 600, 8550, 2800, 285, 12},       {"txt1V(2)", 3480, 8550, 285, 285, 12},
    {"txt2V(2)", 3870, 8550, 285, 285, 12},         {"txt3V(2)", 4260, 8550, 285, 285, 12},
    {"txtOTV(2)", 4650, 8550, 285, 285, 12},        {"txtFV(2)", 5040, 8550, 525, 285, 12},
    {"txtHome(2)", 600, 8940, 2800, 285, 12},       {"txt1H(2)", 3480, 8940, 285, 285, 12},
    {"txt2H(2)", 3870, 8940, 285, 285, 12},         {"txt3H(2)", 4260, 8940, 285, 285, 12},
    {"txtOTH(2)", 4650, 8940, 285, 285, 12},        {"txtFH(2)", 5040, 8940, 525, 285, 12},
};

const QStringList kNotBold = {"txtTimer", "cmdAwayShot", "cmdHomeShot", "cmdAwayGoal", "cmdHomeGoal"};

// The painted labels: name, Left, Top, Width, Height (twips) and text.
const QStringList kLabels = {"Label2(0) 6900 6480 1575 255 TIME", "Label2(1) 8520 6480 975 255 PERIOD",
                             "Label2(2) 600 6570 2775 285 TEAM",  "Label2(3) 600 8150 2775 285 TEAM",
                             "Label2(4) 3465 6570 300 285 1",     "Label2(5) 3855 6570 300 285 2",
                             "Label2(6) 4260 6570 300 285 3",     "Label2(7) 4605 6570 390 285 OT",
                             "Label2(8) 5130 6570 300 285 F",     "Label2(9) 3480 8150 300 285 1",
                             "Label2(10) 3855 8150 300 285 2",    "Label2(11) 4275 8150 300 285 3",
                             "Label2(12) 4605 8150 390 285 OT",   "Label2(13) 5145 8150 300 285 F",
                             "Label3 7455 5205 975 240 MINOR",    "Label4 7450 5580 975 285 MAJOR"};

const QColor kWhite(Qt::white), kBlack(Qt::black), kCyan(210, 253, 253), kGreen(206, 255, 200),
    kYellow(252, 252, 160), kGrey(192, 192, 192);
const struct {
    const char* what;
    int x, y;
    QColor colour;
} kSamples[] = {
    {"left margin", 5, 100, kWhite},      {"right margin", 640, 200, kWhite},
    {"pass-to cell", 200, 34, kCyan},     {"action cell", 103, 85, kCyan},
    {"shots cell", 170, 190, kGreen},     {"rebound cell", 170, 242, kYellow},
    {"loose puck", 170, 294, kWhite},     {"title cell", 102, 33, kGrey},
    {"MINOR cell", 560, 345, kGrey},      {"grid line", 331, 150, kBlack},
    {"Line1 (pass-to)", 251, 40, kBlack}, {"clock ground", 465, 468, kBlack},
    {"scores row", 100, 475, kBlack},     {"scores line", 229, 475, kWhite},
};

}  // namespace

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    // The emblem lands where the caller's painter puts it, inside the caller's clip.
    void emblemKeepsThePaintersTransformAndClip() {
        QImage direct(80, 80, QImage::Format_ARGB32_Premultiplied);
        direct.fill(Qt::white);
        {
            QPainter painter(&direct);
            Emblem::paint(painter, QRectF(30, 20, 40, 50));
        }
        QImage moved(80, 80, QImage::Format_ARGB32_Premultiplied);
        moved.fill(Qt::white);
        {
            QPainter painter(&moved);
            painter.translate(30, 20);
            Emblem::paint(painter, QRectF(0, 0, 40, 50));
        }
        QCOMPARE(moved, direct);

        QImage clipped(80, 80, QImage::Format_ARGB32_Premultiplied);
        clipped.fill(Qt::white);
        {
            QPainter painter(&clipped);
            painter.setClipRect(0, 0, 50, 80);
            Emblem::paint(painter, QRectF(30, 20, 40, 50));
        }
        for (int y = 0; y < 80; ++y)
            QCOMPARE(clipped.pixelColor(60, y), QColor(Qt::white));
        QCOMPARE(clipped.copy(0, 0, 50, 80), direct.copy(0, 0, 50, 80));
    }

    void controlGeometryAndFont_data() {
        QTest::addColumn<int>("row");
        for (int row = 0; row < int(std::size(kControls)); ++row)
            QTest::newRow(kControls[row].name) << row;
    }

    // Each sits there (edges rounded to pixels), in its font, resolved to a metric-compatible family.
    void controlGeometryAndFont() {
        QFETCH(int, row);
        const auto& r = kControls[row];
        Game game;
        QWidget* widget = widgetNamed(game, QString::fromLatin1(r.name));
        QVERIFY(widget);
        auto px = [](int twips) { return qRound(twips / 15.0); };
        QCOMPARE(widget->geometry(), QRect(QPoint(px(r.left), px(r.top)),
                                           QPoint(px(r.left + r.width) - 1, px(r.top + r.height) - 1)));
        QCOMPARE(widget->font().pointSizeF(), r.points);
        QCOMPARE(widget->font().bold(), !kNotBold.contains(QLatin1String(r.name)));
        const QString used = QFontInfo(widget->font()).family();
        const QStringList metricCompatible = {"Arial", "Arial Narrow", "Liberation Sans",
                                              "Liberation Sans Narrow", "Arimo"};
        QVERIFY2(metricCompatible.contains(used), qPrintable(used));
    }

    // The painted labels are where and what they should be, and fit on one line in their fonts.
    void labels() {
        QStringList labels;
        for (const Layout::LabelLook& l : Layout::labelLooks()) {
            const QString name = l.index < 0 ? l.name : QString::asprintf("%s(%d)", l.name, l.index);
            labels << QString::asprintf("%s %d %d %d %d %s", qPrintable(name), l.left, l.top, l.width,
                                        l.height, l.text);
            QVERIFY2(
                QFontMetrics(Layout::makeFont(l.font)).horizontalAdvance(l.text) <= l.pixelRect().width(),
                l.text);
        }
        QCOMPARE(labels.size(), kLabels.size());
        for (const QString& label : kLabels)
            QVERIFY2(labels.contains(label), qPrintable(label));
    }

    // The client area is 661 by 642 below the menu bar, and the user cannot change that.
    void windowIsFixedSize() {
        Game game;
        MainWindow& window = *game.window;
        QCOMPARE(client(game)->size(), QSize(661, 642));
        QCOMPARE(window.size(), QSize(661, 642 + window.menuBar()->height()));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        window.resize(900, 900);
        QCOMPARE(client(game)->size(), QSize(661, 642));
        QCOMPARE(window.windowTitle(), QStringLiteral("Torvane - FAC"));
        QVERIFY(!window.windowIcon().isNull());
        QCOMPARE(client(game)->font().pointSizeF(), 11.25);
        const QRect screen = window.screen()->availableGeometry();
        QVERIFY(std::abs(window.frameGeometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(window.frameGeometry().top() >= screen.top());
    }

    // Sampled pixels of the grabbed window, and the texts in their colours: yellow on black, white on red.
    void pixels() {
        Game game;
        QImage image = client(game)->grab().toImage();
        for (const auto& s : kSamples)
            QVERIFY2(image.pixelColor(s.x, s.y) == s.colour,
                     qPrintable(QString::fromLatin1(s.what) + ": " + image.pixelColor(s.x, s.y).name()));
        auto yellow = [](QRgb rgb) { return qRed(rgb) > 200 && qGreen(rgb) > 200 && qBlue(rgb) < 80; };
        QVERIFY(countPixels(image, widgetNamed(game, "txtClock")->geometry(), yellow) > 20);
        QVERIFY(countPixels(image, Layout::pixelRect(600, 6570, 2775, 285), yellow) > 20);  // TEAM
        QVERIFY(countPixels(image, Layout::pictureRect(Layout::Picture::Image5),
                            [](QRgb rgb) { return qRed(rgb) > 150 && qGreen(rgb) < 60; }) > 3);  // the band

        game.fields().setVisible(Control::ChangeLines, true);
        image = client(game)->grab().toImage();
        const QRect prompt = widgetNamed(game, "txtChangeLines")->geometry();
        QCOMPARE(image.pixelColor(prompt.topLeft() + QPoint(2, 2)), QColor(255, 0, 0));
        QVERIFY(countPixels(image, prompt, [](QRgb rgb) { return rgb == qRgb(255, 255, 255); }) > 30);
    }

    // Tab goes through what can take the focus in the laid-out order, starting at the flip.
    void focusOrder() {
        Game game;
        QVERIFY(QTest::qWaitForWindowActive(game.window.get()));
        const QStringList cycle =
            QStringLiteral(
                "cmdFlip txtClock cmdFlip2 cmdReset txtAway(1) txtAway(2) txtHome(1) txtHome(2) "
                "txt1V(1) txt2V(1) txt3V(1) txtOTV(1) txtFV(1) txtFV(2) txt1V(2) txt2V(2) txt3V(2) txtOTV(2) "
                "txt1H(1) txt2H(1) txt3H(1) txtOTH(1) txtFH(1) txt1H(2) txt2H(2) txt3H(2) txtOTH(2) txtFH(2) "
                "txtPeriod cmdAwayShot cmdHomeShot cmdAwayGoal cmdHomeGoal txtChangeLines cmdFlip")
                .split(u' ');
        game.fields().setVisible(Control::ChangeLines, true);
        for (const QString& expected : cycle) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            QCOMPARE(focus->objectName(), expected);
            QTest::keyClick(focus, Qt::Key_Tab);
        }
    }

    // A screen reader can tell every shown control from the others, and hears the card's texts.
    void accessibleNames() {
        Game game;
        QSet<QString> names;
        for (QWidget* widget : client(game)->findChildren<QWidget*>()) {
            const QString name = accessible(widget);
            if (!widget->isVisible())
                continue;
            QVERIFY2(!name.isEmpty() && !names.contains(name),
                     qPrintable(widget->objectName() + ": " + name));
            names.insert(name);
        }
        auto nameOf = [&game](const char* control) { return accessible(widgetNamed(game, control)); };
        QCOMPARE(nameOf("txtClock"), QStringLiteral("Clock"));
        QCOMPARE(nameOf("txt1V(1)"), QStringLiteral("Away shots, period 1"));
        QCOMPARE(nameOf("txtOTH(1)"), QStringLiteral("Home shots, overtime"));
        QCOMPARE(nameOf("txtHome(2)"), QStringLiteral("Home team name, goals table"));
        QCOMPARE(nameOf("txtPassTo1"), QStringLiteral("Pass to"));
        QCOMPARE(nameOf("cmdFlip"), QStringLiteral("Flip FAC-Advance Timer"));
        QCOMPARE(accessible(widgetNamed(game, "txtAction"), QAccessible::Description),
                 game.text(Control::Action));
    }

    // Captions and the prompt fit on one line. Every text of the shipped deck, as the card display
    // writes it, fits its field in its font: one line in a single-line field, no more lines than
    // the field shows otherwise.
    void textsFitTheirFields() {
        Game game;
        for (QPushButton* button : client(game)->findChildren<QPushButton*>())
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) <= button->width() - 6,
                     qPrintable(button->objectName()));
        QWidget* prompt = widgetNamed(game, "txtChangeLines");
        QVERIFY(prompt->fontMetrics().horizontalAdvance(game.text(Control::ChangeLines)) <=
                prompt->width() - 4);

        const CardReadResult deck = readCardFile(QStringLiteral(TORVANE_DATA_DIR "/FAC_Data.txt"));
        QVERIFY(!deck.error);
        FieldModel shown;
        for (int position = 1; position <= CardTable::kSize; ++position) {
            writeUpperHalf(shown, deck.table.at(position));
            writeLowerHalf(shown, deck.table.at(position));
            for (const Layout::ControlLook& look : Layout::controlLooks()) {
                if (look.tabStop || !controlInfo(look.ctl).shown)
                    continue;  // only the card fields
                const QString text = shown.text(look.ctl, look.index);
                QWidget* field = game.window->widgetOf(look.ctl, look.index);
                const QRect room = field->contentsRect();
                const QFontMetrics metrics(field->font());
                const QRect needed =
                    metrics.boundingRect(QRect(0, 0, room.width(), 1000),
                                         Qt::AlignHCenter | (look.multiLine ? Qt::TextWordWrap : 0), text);
                QVERIFY2(needed.width() <= room.width() &&
                             needed.height() <= std::max(room.height(), metrics.height()),
                         qPrintable(QStringLiteral("card %1, %2: \"%3\"")
                                        .arg(deck.table.at(position).number)
                                        .arg(field->objectName(), text)));
            }
        }
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
