// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the pictures of the README into a folder: the main window as a player first sees
// it (window.png), the game log after the first minutes of a game (gamelog.png), the
// penalty box with a few penalties in it (penaltybox.png) and the first page of a whole game's
// game sheet as it prints (gamesheet.png), and that page in German (gamesheet-de.png). They
// are drawn offscreen, so that
// they do not depend on a desktop, its theme or its window frames, and with a fixed deal and
// a fixed course of play, so that they come out the same every time.
//
// Usage: make_pictures <card data file> <output folder>

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextDocument>
#include <cstdio>
#include <random>

#include "app/gamecontroller.h"
#include "app/gametools.h"
#include "app/translations.h"
#include "fullgamesheet.h"
#include "ui/classicstyle.h"
#include "ui/mainwindow.h"
#include "ui/qtdialogs.h"

namespace {

class FixedRandom : public RandomSource {
public:
    void seedFromClock() override {}
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine); }

private:
    std::mt19937 m_engine{2026};
};

class Silence : public SoundPlayer {
public:
    void playSound(const QString&) override {}
};

void playTheFirstMinutes(GameController& game) {
    game.fields().setText(Control::AwayName, 1, QStringLiteral("Bears"));
    game.fields().setText(Control::HomeName, 1, QStringLiteral("Owls"));
    game.finishTyping();
    for (int i = 0; i < 4; ++i)
        game.timedFlip();
    game.addShot(Team::Home);
    game.timedFlip();
    game.flip();
    game.timedFlip();
    game.addShot(Team::Away);
    game.addGoal(Team::Away);
    game.addPenalty(Team::Home, QStringLiteral("#8 Lindqvist"), PenaltyKind::Minor);
    game.timedFlip();
    game.addGoal(Team::Home);
    game.undo();
    game.timedFlip();
}

// Two away minors running and one waiting, a home major: 3 on 4.
PenaltyBox sampleBox() {
    PenaltyBox box;
    box.add(Team::Away, QStringLiteral("#12 Lindqvist"), PenaltyKind::Minor, QStringLiteral("Tripping"));
    box.elapse(40);
    box.add(Team::Home, QStringLiteral("#27 Brandt"), PenaltyKind::Major, QStringLiteral("Boarding"));
    box.add(Team::Away, QStringLiteral("#4 Okafor"), PenaltyKind::Minor, QStringLiteral("Hooking"));
    box.elapse(20);
    box.add(Team::Away, QStringLiteral("#19 Duval"), PenaltyKind::Minor, QStringLiteral("Holding"));
    return box;
}

bool save(QWidget& widget, const QDir& folder, const char* name) {
    widget.show();
    QApplication::processEvents();
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (widget.grab().save(path, "PNG"))
        return true;
    std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
    return false;
}

// The first page of the sheet, A4 at 96 dots per inch with 12 mm margins, as the PDF lays it out.
bool saveSheetPage(const QDir& folder, const char* name) {
    const QSize page(794, 1123);
    const int margin = 45;
    const std::unique_ptr<QTextDocument> document = sheetDocument(fullGameSheet());
    document->setPageSize(QSizeF(page.width() - 2 * margin, page.height() - 2 * margin));
    QImage image(page, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::gray);
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    painter.translate(margin, margin);
    document->drawContents(&painter, QRectF(QPointF(0, 0), document->pageSize()));
    painter.end();
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: make_pictures <card data file> <output folder>\n");
        return 2;
    }
    const QDir folder(args.at(1));
    ClassicStyle::applyToApplication();
    QTemporaryDir programDir;
    QtDialogs dialogs;
    Silence sound;
    FixedRandom random;
    GameController controller({dialogs, sound, random, [] {}}, {programDir.path(), args.at(0)});
    MainWindow window(controller.fields());
    dialogs.setParentWindow(&window);
    GameTools tools(window, controller, dialogs);
    controller.start();
    if (!save(window, folder, "window.png"))
        return 1;

    playTheFirstMinutes(controller);
    GameLogWindow& log = tools.logWindow();
    log.resize(600, 470);
    log.table()->setCurrentIndex({});
    if (!save(log, folder, "gamelog.png"))
        return 1;

    PenaltyBoxWindow& penalties = tools.penaltyBoxWindow();
    penalties.display(sampleBox(),
                      {QStringLiteral("Bears"), QStringLiteral("Owls"), QStringLiteral("Minor on defence"),
                       QStringLiteral("Interference"), QStringLiteral("Charging")});
    if (!save(penalties, folder, "penaltybox.png"))
        return 1;
    if (!saveSheetPage(folder, "gamesheet.png"))
        return 1;

    // The same sheet in German, with the translation the build made beside the program.
    const Translations german({QStringLiteral("de")},
                              QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("..")));
    if (german.language() != QStringLiteral("de")) {
        std::fprintf(stderr, "make_pictures: the German translation is not built\n");
        return 1;
    }
    return saveSheetPage(folder, "gamesheet-de.png") ? 0 : 1;
}
