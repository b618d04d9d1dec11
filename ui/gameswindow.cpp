// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gameswindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "core/services.h"
#include "league/gamesmodel.h"
#include "ui/listtable.h"

GamesWindow::GamesWindow(GamesModel& model, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_model(model), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("gamesWindow"));
    setWindowTitle(tr("Games"));

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("leagueProblem"));
    m_problem->setWordWrap(true);
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->hide();

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("gamesTable"));
    m_table->setModel(&m_model);
    setUpListTable(*m_table);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    // Columns sized by their headings, never by ten thousand rows.
    QHeaderView* header = m_table->horizontalHeader();
    const QFontMetrics metrics = header->fontMetrics();
    // Each wide enough for its title too, which some languages make the longer.
    const auto titleWidth = [&](int column) {
        return metrics.horizontalAdvance(model.headerData(column, Qt::Horizontal).toString()) + 24;
    };
    header->resizeSection(GamesModel::LastPlayed,
                          std::max(metrics.horizontalAdvance(QStringLiteral("00/00/0000 00:00 MM")) + 16,
                                   titleWidth(GamesModel::LastPlayed)));
    for (int column : {GamesModel::Away, GamesModel::Home})
        header->resizeSection(
            column, std::max(metrics.horizontalAdvance(QStringLiteral("M")) * 12, titleWidth(column)));
    for (int column : {GamesModel::Score, GamesModel::Period, GamesModel::Clock})
        header->resizeSection(
            column, metrics.horizontalAdvance(model.headerData(column, Qt::Horizontal).toString()) + 24);
    connect(m_table, &QAbstractItemView::activated, this, &GamesWindow::requestResume);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &GamesWindow::showSelection);
    connect(&m_model, &QAbstractItemModel::modelReset, this, &GamesWindow::showSelection);

    m_resume = new QPushButton(tr("Resume"), this);
    m_resume->setObjectName(QStringLiteral("cmdResume"));
    m_resume->setDefault(true);
    connect(m_resume, &QPushButton::clicked, this, &GamesWindow::requestResume);
    m_delete = new QPushButton(tr("Delete…"), this);
    m_delete->setObjectName(QStringLiteral("cmdDeleteGame"));
    connect(m_delete, &QPushButton::clicked, this, &GamesWindow::requestDelete);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_delete);
    buttons->addStretch();
    buttons->addWidget(m_resume);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_problem);
    layout->addWidget(m_table);
    layout->addLayout(buttons);
    resize(640, 420);
    showSelection();
}

void GamesWindow::showProblem(const QString& problem) {
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
}

void GamesWindow::setDeleteAllowed(bool allowed) {
    m_deleteAllowed = allowed;
    showSelection();
}

void GamesWindow::setGameOnBoard(const QString& gameId) {
    m_gameOnBoard = gameId;
    showSelection();
}

void GamesWindow::showEvent(QShowEvent* event) {
    m_model.reload();
    if (m_model.rowCount() > 0)
        m_table->selectRow(0);
    QWidget::showEvent(event);
}

int GamesWindow::selectedRow() const {
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void GamesWindow::showSelection() {
    const int row = selectedRow();
    m_resume->setEnabled(row >= 0);
    m_delete->setEnabled(row >= 0 && m_deleteAllowed && m_model.gameId(row) != m_gameOnBoard);
}

void GamesWindow::requestResume() {
    if (const int row = selectedRow(); row >= 0)
        emit resumeRequested(m_model.gameId(row));
}

void GamesWindow::requestDelete() {
    const int row = selectedRow();
    if (row < 0 || !m_deleteAllowed || m_model.gameId(row) == m_gameOnBoard)
        return;
    const auto text = [this, row](int column) { return m_model.index(row, column).data().toString(); };
    const QString question =
        tr("Delete the game %1 against %2, last played %3? It cannot be brought back.")
            .arg(text(GamesModel::Away), text(GamesModel::Home), text(GamesModel::LastPlayed));
    if (m_dialogs.message(question, MessageButtons::YesNo) == MessageAnswer::Yes)
        emit deleteRequested(m_model.gameId(row));
}
