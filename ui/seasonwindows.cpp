// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/seasonwindows.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPageSize>
#include <QPdfWriter>
#include <QPushButton>
#include <QSaveFile>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QTextDocument>
#include <QVBoxLayout>

#include "core/services.h"
#include "io/csv.h"
#include "io/filereplace.h"
#include "league/leaguestore.h"
#include "ui/listtable.h"

namespace {

QStringList rowOf(const QAbstractItemModel& table, int row, int role = Qt::DisplayRole) {
    QStringList cells;
    for (int column = 0; column < table.columnCount(); ++column)
        cells << (row < 0 ? table.headerData(column, Qt::Horizontal).toString()
                          : table.index(row, column).data(role).toString());
    return cells;
}

QByteArray csvOf(const QAbstractItemModel& table) {
    CsvWriter csv;
    for (int row = -1; row < table.rowCount(); ++row)
        csv.writeRecord(rowOf(table, row, SeasonModel::kFileTextRole));
    return csv.bytes();
}

QString htmlOf(const QString& title, const QAbstractItemModel& table) {
    QString html = QStringLiteral("<h2>%1</h2><table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">")
                       .arg(title.toHtmlEscaped());
    for (int row = -1; row < table.rowCount(); ++row) {
        html += QStringLiteral("<tr>");
        const QStringList cells = rowOf(table, row);
        for (int column = 0; column < cells.size(); ++column) {
            const bool text =
                row >= 0 && table.index(row, column).data(Qt::TextAlignmentRole).toInt() & Qt::AlignLeft;
            html += QStringLiteral("<%1 align=\"%2\">%3</%1>")
                        .arg(row < 0 ? QStringLiteral("th") : QStringLiteral("td"),
                             text ? QStringLiteral("left") : QStringLiteral("right"),
                             cells[column].toHtmlEscaped());
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

// Letter where it is the paper sold: the United States and Canada.
QPageSize paperOfLocale() {
    const QLocale::Territory territory = QLocale().territory();
    return QPageSize(territory == QLocale::UnitedStates || territory == QLocale::Canada ? QPageSize::Letter
                                                                                        : QPageSize::A4);
}

void exportTable(Dialogs& dialogs, const LeagueStore& store, TableFormat format, const QString& title,
                 const QAbstractItemModel& table) {
    const QString folder = QFileInfo(store.filePath()).absolutePath();
    const std::optional<QString> chosen = dialogs.saveFile(
        format == TableFormat::Csv ? QObject::tr("CSV (*.csv)") : QObject::tr("PDF (*.pdf)"), folder);
    if (!chosen || chosen->isEmpty())
        return;
    if (const std::optional<QString> failure = writeTable(*chosen, format, title, table)) {
        dialogs.message(
            QObject::tr("The table “%1” could not be exported to %2.\n%3\nAny earlier file there is "
                        "unchanged.")
                .arg(title, *chosen, *failure),
            MessageButtons::Ok);
        return;
    }
    dialogs.message(QObject::tr("The table “%1” was exported to %2").arg(title, *chosen), MessageButtons::Ok);
}

QPushButton* exportButton(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

}  // namespace

std::optional<QString> writeTable(const QString& path, TableFormat format, const QString& title,
                                  const QAbstractItemModel& table) {
    if (format == TableFormat::Csv)
        return replaceFile(path, csvOf(table));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter pdf(&file);
        pdf.setPageSize(paperOfLocale());
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Torvane FAC"));
        QTextDocument document;
        document.setHtml(htmlOf(title, table));
        document.print(&pdf);
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

SeasonTable::SeasonTable(const LeagueStore& store, SeasonModel::Table table, QWidget* parent)
    : QWidget(parent),
      m_model(new SeasonModel(store, table, this)),
      m_sorted(new QSortFilterProxyModel(this)),
      m_view(new QTableView(this)) {
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(SeasonModel::kSortRole);
    m_sorted->setSortCaseSensitivity(Qt::CaseInsensitive);
    m_view->setModel(m_sorted);
    setUpListTable(*m_view);
    // No column's order until the player picks one: the league's order first.
    m_view->horizontalHeader()->setSortIndicator(-1, Qt::DescendingOrder);
    m_view->setSortingEnabled(true);
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_view->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins({});
    layout->addWidget(m_view);
}

const QAbstractItemModel& SeasonTable::shown() const {
    return *m_sorted;
}

StandingsWindow::StandingsWindow(LeagueStore& store, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_store(store), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("standingsWindow"));
    setWindowTitle(tr("Standings"));
    m_table = new SeasonTable(store, SeasonModel::Table::Standings, this);
    m_table->view()->setObjectName(QStringLiteral("standingsTable"));
    auto* csv = exportButton(tr("Export CSV…"), QStringLiteral("cmdStandingsCsv"), this);
    auto* pdf = exportButton(tr("Export PDF…"), QStringLiteral("cmdStandingsPdf"), this);
    connect(csv, &QPushButton::clicked, this, [this] { exportAs(TableFormat::Csv); });
    connect(pdf, &QPushButton::clicked, this, [this] { exportAs(TableFormat::Pdf); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(csv);
    buttons->addWidget(pdf);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Final games only. Two points for a win, one for a loss in overtime or "
                                    "the shoot-out, one for a tie."),
                                 this));
    layout->addWidget(m_table);
    layout->addLayout(buttons);
    connect(&store, &LeagueStore::resultsChanged, this, [this] {
        if (isVisible())
            reload();
    });
    resize(720, 520);
}

void StandingsWindow::reload() {
    m_table->model().reload();
}

void StandingsWindow::exportAs(TableFormat format) {
    exportTable(m_dialogs, m_store, format, tr("Standings"), m_table->shown());
}

void StandingsWindow::showEvent(QShowEvent* event) {
    reload();
    QWidget::showEvent(event);
}

LeadersWindow::LeadersWindow(LeagueStore& store, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_store(store), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("leadersWindow"));
    setWindowTitle(tr("Leaders"));
    m_team = new QComboBox(this);
    m_team->setObjectName(QStringLiteral("leadersTeam"));
    auto* teamLabel = new QLabel(tr("&Team:"), this);
    teamLabel->setBuddy(m_team);
    connect(m_team, &QComboBox::activated, this, &LeadersWindow::teamPicked);

    m_tabs = new QTabWidget(this);
    m_skaters = new SeasonTable(store, SeasonModel::Table::Skaters, m_tabs);
    m_skaters->view()->setObjectName(QStringLiteral("skatersTable"));
    m_goalies = new SeasonTable(store, SeasonModel::Table::Goalies, m_tabs);
    m_goalies->view()->setObjectName(QStringLiteral("goaliesTable"));
    m_tabs->addTab(m_skaters, tr("&Skaters"));
    m_tabs->addTab(m_goalies, tr("&Goalies"));

    auto* csv = exportButton(tr("Export CSV…"), QStringLiteral("cmdLeadersCsv"), this);
    auto* pdf = exportButton(tr("Export PDF…"), QStringLiteral("cmdLeadersPdf"), this);
    connect(csv, &QPushButton::clicked, this, [this] { exportAs(TableFormat::Csv); });
    connect(pdf, &QPushButton::clicked, this, [this] { exportAs(TableFormat::Pdf); });

    auto* filter = new QHBoxLayout;
    filter->addWidget(teamLabel);
    filter->addWidget(m_team, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(tr("Final games only. GAA: goals against per game played."), this));
    buttons->addStretch();
    buttons->addWidget(csv);
    buttons->addWidget(pdf);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filter);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);
    connect(&store, &LeagueStore::resultsChanged, this, [this] {
        if (isVisible())
            reload();
    });
    resize(760, 560);
}

void LeadersWindow::reload() {
    const QString picked = m_team->currentData().toString();
    m_team->clear();
    m_team->addItem(tr("All teams"), QString());
    for (const QString& team : m_store.leaderTeams())
        m_team->addItem(team, team);
    // A team no longer counted leaves the whole league on show.
    m_team->setCurrentIndex(std::max(0, m_team->findData(picked)));
    teamPicked();
}

void LeadersWindow::teamPicked() {
    const QString team = m_team->currentData().toString();
    for (SeasonTable* table : {m_skaters, m_goalies}) {
        table->model().setTeam(team);
        table->model().reload();
    }
}

void LeadersWindow::exportAs(TableFormat format) {
    const bool skaters = m_tabs->currentWidget() == m_skaters;
    QString title = skaters ? tr("Skaters") : tr("Goalies");
    if (const QString team = m_team->currentData().toString(); !team.isEmpty())
        title = tr("%1 of %2").arg(title, team);
    exportTable(m_dialogs, m_store, format, title, (skaters ? m_skaters : m_goalies)->shown());
}

void LeadersWindow::showEvent(QShowEvent* event) {
    reload();
    QWidget::showEvent(event);
}
