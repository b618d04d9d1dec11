// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/penaltyboxwindow.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>
#include <functional>

#include "game/period.h"

namespace {

enum Column { TeamColumn, PlayerColumn, KindColumn, TimeColumn, StateColumn, ColumnCount };

constexpr int kIdRole = Qt::UserRole;
// Long enough for a number and a long name; the list shows it on one line.
constexpr int kPlayerMaxLength = 60;

// A penalty's clock shows whole seconds rounded up, so it reads 0:00 only once served.
QString timeText(double secondsLeft) {
    return Period::clockText(std::max(0.0, std::ceil(secondsLeft - 1e-6)));
}

// The player is free text: line breaks and other control characters would break the row,
// so they show as spaces. Items show plain text, so markup shows as typed.
QString oneLine(const QString& text) {
    QString line = text;
    for (QChar& ch : line) {
        const QChar::Category category = ch.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph)
            ch = QLatin1Char(' ');
    }
    return line;
}

QWidget* radioPair(QButtonGroup* group, QRadioButton* first, int firstId, QRadioButton* second,
                   int secondId) {
    auto* pair = new QWidget;
    auto* layout = new QHBoxLayout(pair);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(first);
    layout->addWidget(second);
    layout->addStretch();
    group->addButton(first, firstId);
    group->addButton(second, secondId);
    first->setChecked(true);
    return pair;
}

// Delete in the list removes the selected penalty, as the Remove button does.
class DeleteKeyFilter : public QObject {
public:
    DeleteKeyFilter(std::function<void()> onDelete, QObject* parent)
        : QObject(parent), m_onDelete(std::move(onDelete)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Delete)) {
            m_onDelete();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_onDelete;
};

}  // namespace

PenaltyBoxWindow::PenaltyBoxWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("penaltyBoxWindow"));
    setWindowTitle(tr("Penalty Box"));

    auto* form = new QGroupBox(tr("New penalty"));
    auto* formLayout = new QFormLayout(form);

    m_team = new QButtonGroup(this);
    auto* away = new QRadioButton(tr("A&way"));
    away->setObjectName(QStringLiteral("penaltyTeamAway"));
    auto* home = new QRadioButton(tr("&Home"));
    home->setObjectName(QStringLiteral("penaltyTeamHome"));
    formLayout->addRow(tr("Team:"), radioPair(m_team, away, static_cast<int>(Team::Away), home,
                                              static_cast<int>(Team::Home)));

    m_player = new QLineEdit;
    m_player->setObjectName(QStringLiteral("penaltyPlayer"));
    m_player->setMaxLength(kPlayerMaxLength);
    m_player->setPlaceholderText(tr("Number and name (optional)"));
    auto* playerLabel = new QLabel(tr("&Player:"));
    playerLabel->setBuddy(m_player);
    formLayout->addRow(playerLabel, m_player);

    m_kind = new QButtonGroup(this);
    auto* minor = new QRadioButton(tr("M&inor (2:00)"));
    minor->setObjectName(QStringLiteral("penaltyMinor"));
    auto* major = new QRadioButton(tr("Ma&jor (5:00)"));
    major->setObjectName(QStringLiteral("penaltyMajor"));
    formLayout->addRow(tr("Penalty:"), radioPair(m_kind, minor, static_cast<int>(PenaltyKind::Minor), major,
                                                 static_cast<int>(PenaltyKind::Major)));

    auto* add = new QPushButton(tr("&Add"));
    add->setObjectName(QStringLiteral("penaltyAdd"));
    auto* addRow = new QHBoxLayout;
    addRow->addStretch();
    addRow->addWidget(add);
    formLayout->addRow(addRow);

    m_list = new QTreeWidget;
    m_list->setObjectName(QStringLiteral("penaltyList"));
    m_list->setColumnCount(ColumnCount);
    m_list->setHeaderLabels({tr("Team"), tr("Player"), tr("Penalty"), tr("Time left"), tr("State")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setTextElideMode(Qt::ElideRight);
    QHeaderView* header = m_list->header();
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    for (int column = 0; column < ColumnCount; ++column)
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(PlayerColumn, QHeaderView::Stretch);
    m_list->headerItem()->setTextAlignment(TimeColumn, Qt::AlignRight | Qt::AlignVCenter);

    m_list->installEventFilter(new DeleteKeyFilter([this] { requestRemove(); }, m_list));

    auto* listLabel = new QLabel(tr("In the &box:"));
    listLabel->setBuddy(m_list);

    auto* strengthCaption = new QLabel(tr("Strength, away on home:"));
    m_strength = new QLabel;
    m_strength->setObjectName(QStringLiteral("penaltyStrength"));
    m_strength->setTextFormat(Qt::PlainText);
    QFont strengthFont = m_strength->font();
    strengthFont.setBold(true);
    m_strength->setFont(strengthFont);

    m_remove = new QPushButton(tr("&Remove"));
    m_remove->setObjectName(QStringLiteral("penaltyRemove"));
    m_remove->setEnabled(false);

    auto* bottomRow = new QHBoxLayout;
    bottomRow->addWidget(strengthCaption);
    bottomRow->addWidget(m_strength);
    bottomRow->addStretch();
    bottomRow->addWidget(m_remove);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form);
    layout->addWidget(listLabel);
    layout->addWidget(m_list, 1);
    layout->addLayout(bottomRow);

    setTabOrder(m_player, minor);
    setTabOrder(minor, add);
    setTabOrder(add, m_list);
    setTabOrder(m_list, m_remove);

    connect(add, &QPushButton::clicked, this, &PenaltyBoxWindow::requestAdd);
    connect(m_player, &QLineEdit::returnPressed, this, &PenaltyBoxWindow::requestAdd);
    connect(m_remove, &QPushButton::clicked, this, &PenaltyBoxWindow::requestRemove);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this,
            [this] { m_remove->setEnabled(selectedId().has_value()); });

    display(PenaltyBox());
    resize(480, 400);
    // The name is what changes from one penalty to the next.
    m_player->setFocus();
}

void PenaltyBoxWindow::display(const PenaltyBox& box) {
    const std::optional<int> selected = selectedId();
    const QList<Penalty>& penalties = box.penalties();

    // The rows are reused, not rebuilt, so the list keeps its scroll position.
    while (m_list->topLevelItemCount() > penalties.size())
        delete m_list->takeTopLevelItem(m_list->topLevelItemCount() - 1);
    while (m_list->topLevelItemCount() < penalties.size())
        m_list->addTopLevelItem(new QTreeWidgetItem);

    const QBrush waitingText = palette().brush(QPalette::Disabled, QPalette::Text);
    QTreeWidgetItem* toSelect = nullptr;
    for (int row = 0; row < penalties.size(); ++row) {
        const Penalty& penalty = penalties.at(row);
        QTreeWidgetItem* item = m_list->topLevelItem(row);
        item->setData(TeamColumn, kIdRole, penalty.id);
        item->setText(TeamColumn, teamLabel(penalty.team));
        item->setText(PlayerColumn, oneLine(penalty.player));
        item->setText(KindColumn, penalty.kind == PenaltyKind::Minor ? tr("Minor") : tr("Major"));
        item->setText(TimeColumn, timeText(penalty.secondsLeft));
        item->setTextAlignment(TimeColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(StateColumn, penalty.running ? tr("Running") : tr("Waiting"));
        for (int column = 0; column < ColumnCount; ++column) {
            if (penalty.running)
                item->setData(column, Qt::ForegroundRole, QVariant());
            else
                item->setForeground(column, waitingText);
        }
        if (selected == penalty.id)
            toSelect = item;
    }

    // A penalty that has left the box takes the selection with it, so that a second press
    // of Remove cannot take out its neighbour.
    if (toSelect) {
        m_list->setCurrentItem(toSelect);
    } else {
        m_list->clearSelection();
        m_list->setCurrentItem(nullptr);
    }
    m_remove->setEnabled(selectedId().has_value());

    m_strength->setText(box.strength());
}

void PenaltyBoxWindow::requestAdd() {
    const auto team = static_cast<Team>(m_team->checkedId());
    const auto kind = static_cast<PenaltyKind>(m_kind->checkedId());
    const QString player = m_player->text().trimmed();
    m_player->clear();
    m_player->setFocus();
    emit addRequested(team, player, kind);
}

void PenaltyBoxWindow::requestRemove() {
    if (const std::optional<int> id = selectedId())
        emit removeRequested(*id);
}

std::optional<int> PenaltyBoxWindow::selectedId() const {
    const QList<QTreeWidgetItem*> items = m_list->selectedItems();
    if (items.isEmpty())
        return std::nullopt;
    return items.first()->data(TeamColumn, kIdRole).toInt();
}
