// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gamelogwindow.h"

#include <QAbstractTableModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

// The log's entries as table rows, read from the log itself: an evening's thousands of rows
// cost the window no copy.
class GameLogModel : public QAbstractTableModel {
public:
    enum Column { Period, Clock, Event, Details, ColumnCount };

    explicit GameLogModel(const GameLog& log, QObject* parent) : QAbstractTableModel(parent), m_log(log) {
        m_rows = m_log.entries().size();
        connect(&m_log, &GameLog::entryAdded, this, [this](qsizetype) { takeNewRows(); });
        connect(&m_log, &GameLog::gameSwitched, this, [this] {
            beginResetModel();
            m_rows = m_log.entries().size();
            endResetModel();
        });
    }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_rows);
    }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : ColumnCount; }

    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows)
            return {};
        const LogEntry& entry = m_log.entries().at(index.row());
        switch (index.column()) {
            case Period: return entry.period;
            case Clock: return entry.clock;
            case Event: return eventName(entry.event);
            case Details: return entry.details;
            default: return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        return GameLog::columnTitles().value(section);
    }

private:
    void takeNewRows() {
        const qsizetype total = m_log.entries().size();
        if (total <= m_rows)
            return;
        beginInsertRows({}, static_cast<int>(m_rows), static_cast<int>(total - 1));
        m_rows = total;
        endInsertRows();
    }

    const GameLog& m_log;
    qsizetype m_rows = 0;
};

GameLogWindow::GameLogWindow(const GameLog& log, QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("gameLogWindow"));
    setWindowTitle(tr("Game Log"));

    m_model = new GameLogModel(log, this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("gameLogTable"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    // Rows of one height let the view skip measuring thousands of rows.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(true);
    header->resizeSection(GameLogModel::Period,
                          header->fontMetrics().horizontalAdvance(GameLog::columnTitles().first()) + 24);
    // Wide enough for its title in every language, as for the longest time.
    header->resizeSection(
        GameLogModel::Clock,
        std::max(header->fontMetrics().horizontalAdvance(QStringLiteral("20:00")),
                 header->fontMetrics().horizontalAdvance(GameLog::columnTitles().at(GameLogModel::Clock))) +
            24);
    header->resizeSection(
        GameLogModel::Event,
        header->fontMetrics().horizontalAdvance(eventName(LogEvent::FirstMinorEndedByGoal)) + 16);

    auto* exportButton = new QPushButton(tr("Export…"), this);
    exportButton->setObjectName(QStringLiteral("cmdExportLog"));
    connect(exportButton, &QPushButton::clicked, this, &GameLogWindow::exportRequested);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(exportButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addLayout(buttons);
    resize(560, 420);

    connect(m_model, &QAbstractItemModel::rowsInserted, this, &GameLogWindow::entryAdded);
    m_table->scrollToBottom();
}

void GameLogWindow::entryAdded() {
    // Follows the game while the player looks at its end; stays put while he reads back.
    QScrollBar* bar = m_table->verticalScrollBar();
    if (bar->value() >= bar->maximum() - m_table->verticalHeader()->defaultSectionSize() * 2 || !isVisible())
        m_table->scrollToBottom();
}
