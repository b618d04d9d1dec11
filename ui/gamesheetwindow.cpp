// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gamesheetwindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include "core/services.h"
#include "io/filereplace.h"

namespace {

// A star in a combo's item: the team and the number in one int; the proposal has none.
constexpr int kHomeOffset = 1000;

int starKey(Team team, int number) {
    return (team == Team::Home ? kHomeOffset : 0) + number;
}

StarPick pickOf(int key) {
    return key >= kHomeOffset ? StarPick{Team::Home, key - kHomeOffset} : StarPick{Team::Away, key};
}

}  // namespace

GameSheetWindow::GameSheetWindow(Source source, Dialogs& dialogs, QString folder, QWidget* parent)
    : QWidget(parent, Qt::Tool),
      m_source(std::move(source)),
      m_dialogs(dialogs),
      m_folder(std::move(folder)) {
    setObjectName(QStringLiteral("gameSheetWindow"));
    setWindowTitle(tr("Game Sheet"));

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("gameSheetText"));
    m_browser->setOpenLinks(false);

    auto* stars = new QHBoxLayout;
    const QString titles[] = {tr("First star:"), tr("Second star:"), tr("Third star:")};
    for (int place = 0; place < 3; ++place) {
        auto* box = new QComboBox(this);
        box->setObjectName(QStringLiteral("cboStar%1").arg(place + 1));
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        auto* label = new QLabel(titles[place], this);
        label->setBuddy(box);
        stars->addWidget(label);
        stars->addWidget(box, 1);
        connect(box, &QComboBox::activated, this, [this, place] { starChosen(place); });
        m_stars[place] = box;
    }

    auto* exportButton = new QPushButton(tr("Export PDF…"), this);
    exportButton->setObjectName(QStringLiteral("cmdExportSheet"));
    connect(exportButton, &QPushButton::clicked, this, &GameSheetWindow::exportPdf);
    auto* printButton = new QPushButton(tr("Print…"), this);
    printButton->setObjectName(QStringLiteral("cmdPrintSheet"));
    connect(printButton, &QPushButton::clicked, this, &GameSheetWindow::print);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(exportButton);
    buttons->addWidget(printButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser, 1);
    layout->addLayout(stars);
    layout->addLayout(buttons);
    resize(720, 760);

    m_qtPrinter = std::make_unique<QtSheetPrinter>();
    m_printer = m_qtPrinter.get();
}

GameSheetWindow::~GameSheetWindow() = default;

void GameSheetWindow::stepTaken() {
    if (isVisible())
        refresh();
    else
        m_stale = true;
}

void GameSheetWindow::showEvent(QShowEvent* event) {
    if (m_stale)
        refresh();
    QWidget::showEvent(event);
}

void GameSheetWindow::refresh() {
    // Most steps are flips, which leave the sheet as it was: laying it out again would cost
    // each of them far more than the step itself.
    SheetContent content = m_source();
    if (!m_stale && content == m_content)
        return;
    m_stale = false;
    m_content = std::move(content);
    QScrollBar* bar = m_browser->verticalScrollBar();
    const int scrolled = bar->value();
    m_browser->setHtml(sheetHtml(m_content));
    bar->setValue(scrolled);
    showStars();
}

void GameSheetWindow::showStars() {
    const ScoreSheet& sheet = m_content.sheet;
    const StarPicks& picks = sheet.starPicks();
    const auto label = [&](Team team, int number) {
        const QString name = (team == Team::Away ? m_content.awayName : m_content.homeName).trimmed();
        return QStringLiteral("%1 - %2").arg(name.isEmpty() ? teamLabel(team) : name,
                                             sheet.playerLabel(team, number));
    };
    for (int place = 0; place < 3; ++place) {
        // What the place shows when the player leaves it to the proposal.
        StarPicks unpicked = picks;
        unpicked[place].reset();
        const std::optional<SheetStats::Star> proposed =
            SheetStats::threeStars(sheet, unpicked, m_content.away, m_content.home)[place];

        QComboBox* box = m_stars[place];
        const QSignalBlocker quiet(box);
        box->clear();
        box->addItem(proposed ? tr("(proposed) %1").arg(label(proposed->team, proposed->number))
                              : tr("(proposed) nobody"));
        for (const Team team : {Team::Away, Team::Home}) {
            for (const SheetStats::PlayerLine& line : SheetStats::boxScore(sheet, team))
                box->addItem(label(team, line.player.number), starKey(team, line.player.number));
        }
        if (const std::optional<StarPick>& pick = picks[place]) {
            const int key = starKey(pick->team, pick->number);
            if (box->findData(key) < 0)  // a player the roster no longer has
                box->addItem(label(pick->team, pick->number), key);
            box->setCurrentIndex(box->findData(key));
        } else {
            box->setCurrentIndex(0);
        }
    }
}

void GameSheetWindow::starChosen(int place) {
    StarPicks picks = m_content.sheet.starPicks();
    const QVariant key = m_stars[place]->currentData();
    if (key.isValid())
        picks[place] = pickOf(key.toInt());
    else
        picks[place].reset();
    if (picks != m_content.sheet.starPicks())
        emit starsPicked(picks);
}

void GameSheetWindow::exportPdf() {
    const std::optional<QString> chosen = m_dialogs.saveFile(tr("PDF (*.pdf)"), m_folder);
    if (!chosen || chosen->isEmpty())
        return;
    exportPdfTo(*chosen);
}

void GameSheetWindow::exportPdfTo(const QString& path) {
    const QByteArray pdf = sheetPdf(*sheetDocument(m_source()), sheetPageSize(QLocale::system()));
    std::optional<QString> failure =
        pdf.isEmpty() ? std::optional<QString>(tr("The PDF could not be made.")) : replaceFile(path, pdf);
    if (failure) {
        m_dialogs.message(
            tr("The game sheet could not be exported to %1.\n%2\nAny earlier file there is unchanged.")
                .arg(path, *failure),
            MessageButtons::Ok);
        return;
    }
    m_dialogs.message(tr("The game sheet was exported to %1").arg(path), MessageButtons::Ok);
}

void GameSheetWindow::print() {
    const std::unique_ptr<QTextDocument> document = sheetDocument(m_source());
    if (m_printer->print(*document, this) == SheetPrinter::Outcome::Failed)
        m_dialogs.message(tr("The game sheet could not be printed."), MessageButtons::Ok);
}
