// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/penaltyboxwindow.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
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
// Long enough for a number and a long name, or an infraction; the list shows it on one line.
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

// The buttons in rows of `columns`, each in the group with its id; the first is checked.
QWidget* radioGrid(QButtonGroup* group, const QList<QPair<QRadioButton*, int>>& buttons, int columns) {
    auto* grid = new QWidget;
    auto* layout = new QGridLayout(grid);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < buttons.size(); ++i) {
        layout->addWidget(buttons[i].first, i / columns, i % columns);
        group->addButton(buttons[i].first, buttons[i].second);
    }
    layout->setColumnStretch(columns, 1);
    buttons.first().first->setChecked(true);
    return grid;
}

QString rosterLabel(const RosterEntry& entry) {
    return QStringLiteral("%1 %2").arg(entry.number).arg(oneLine(entry.name).trimmed());
}

QString kindText(PenaltyKind kind) {
    switch (kind) {
        case PenaltyKind::Minor: return PenaltyBoxWindow::tr("Minor");
        case PenaltyKind::DoubleMinor: return PenaltyBoxWindow::tr("Double minor");
        case PenaltyKind::Major: return PenaltyBoxWindow::tr("Major");
        case PenaltyKind::Misconduct: return PenaltyBoxWindow::tr("Misconduct");
        case PenaltyKind::PenaltyShot: return PenaltyBoxWindow::tr("Penalty shot");
    }
    return {};
}

// A free text line, with a label that gives it the focus.
QLineEdit* textRow(QFormLayout* form, const QString& label, const char* name, const QString& placeholder) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(kPlayerMaxLength);
    edit->setPlaceholderText(placeholder);
    auto* buddy = new QLabel(label);
    buddy->setBuddy(edit);
    form->addRow(buddy, edit);
    return edit;
}

QRadioButton* radio(const QString& text, const char* name) {
    auto* button = new QRadioButton(text);
    button->setObjectName(QLatin1String(name));
    return button;
}

// A key that runs a command of the window where the widget would take it otherwise: Delete
// in the list removes the selected penalty, as the Remove button does; Enter in the player's
// box adds the penalty once, where the list would hand the key on to its text a second time.
class CommandKeyFilter : public QObject {
public:
    CommandKeyFilter(std::function<bool(const QKeyEvent&)> isKey, std::function<void()> command,
                     QObject* parent)
        : QObject(parent), m_isKey(std::move(isKey)), m_command(std::move(command)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && m_isKey(*static_cast<QKeyEvent*>(event))) {
            m_command();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<bool(const QKeyEvent&)> m_isKey;
    std::function<void()> m_command;
};

}  // namespace

PenaltyBoxWindow::PenaltyBoxWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("penaltyBoxWindow"));
    setWindowTitle(tr("Penalty Box"));

    auto* form = new QGroupBox(tr("New penalty"));
    auto* formLayout = new QFormLayout(form);

    m_team = new QButtonGroup(this);
    formLayout->addRow(tr("Team:"), radioGrid(m_team,
                                              {{radio({}, "penaltyTeamAway"), static_cast<int>(Team::Away)},
                                               {radio({}, "penaltyTeamHome"), static_cast<int>(Team::Home)}},
                                              2));

    // The roster to pick from, and still a line to type any name into.
    m_playerList = new QComboBox;
    m_playerList->setObjectName(QStringLiteral("penaltyPlayerList"));
    m_playerList->setEditable(true);
    m_playerList->setInsertPolicy(QComboBox::NoInsert);
    m_player = new QLineEdit;
    m_player->setObjectName(QStringLiteral("penaltyPlayer"));
    m_player->setMaxLength(kPlayerMaxLength);
    m_playerList->setLineEdit(m_player);
    // Completing "1" to "12 Jones" as it is typed would file the penalty under another player.
    m_playerList->setCompleter(nullptr);
    m_player->setPlaceholderText(tr("Number and name (optional)"));
    auto* playerLabel = new QLabel(tr("&Player:"));
    playerLabel->setBuddy(m_playerList);
    formLayout->addRow(playerLabel, m_playerList);
    m_infraction =
        textRow(formLayout, tr("I&nfraction:"), "penaltyInfraction", tr("Tripping, Fighting... (optional)"));

    m_kind = new QButtonGroup(this);
    auto* minor = radio(tr("M&inor (2:00)"), "penaltyMinor");
    formLayout->addRow(
        tr("Penalty:"),
        radioGrid(m_kind,
                  {{minor, static_cast<int>(PenaltyKind::Minor)},
                   {radio(tr("&Double minor (4:00)"), "penaltyDoubleMinor"),
                    static_cast<int>(PenaltyKind::DoubleMinor)},
                   {radio(tr("Ma&jor (5:00)"), "penaltyMajor"), static_cast<int>(PenaltyKind::Major)},
                   {radio(tr("Misc&onduct (10:00)"), "penaltyMisconduct"),
                    static_cast<int>(PenaltyKind::Misconduct)},
                   {radio(tr("Penalty &shot"), "penaltyShot"), static_cast<int>(PenaltyKind::PenaltyShot)}},
                  // Two columns keep the window narrow enough to stand beside the card.
                  2));

    m_fromCard = new QPushButton(tr("From &card"));
    m_fromCard->setObjectName(QStringLiteral("penaltyFromCard"));
    m_fromCard->setToolTip(
        tr("The kind the card's penalty cell calls, and the infraction of its lower half"));
    auto* add = new QPushButton(tr("&Add"));
    add->setObjectName(QStringLiteral("penaltyAdd"));
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(m_fromCard);
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

    m_list->installEventFilter(
        new CommandKeyFilter([](const QKeyEvent& key) { return key.matches(QKeySequence::Delete); },
                             [this] { requestRemove(); }, m_list));
    const auto isEnter = [](const QKeyEvent& key) {
        return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    };
    for (QWidget* player : {static_cast<QWidget*>(m_playerList), static_cast<QWidget*>(m_player)})
        player->installEventFilter(new CommandKeyFilter(
            isEnter, [this] { requestAdd(); }, player));

    auto* listLabel = new QLabel(tr("In the &box:"));
    listLabel->setBuddy(m_list);

    auto* strengthCaption = new QLabel(tr("Strength:"));
    m_teams = new QLabel;
    m_teams->setObjectName(QStringLiteral("penaltyTeams"));
    m_teams->setTextFormat(Qt::PlainText);
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
    bottomRow->addWidget(m_teams);
    bottomRow->addWidget(m_strength);
    bottomRow->addStretch();
    bottomRow->addWidget(m_remove);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form);
    layout->addWidget(listLabel);
    layout->addWidget(m_list, 1);
    layout->addLayout(bottomRow);

    setTabOrder(m_playerList, m_infraction);
    setTabOrder(m_infraction, minor);
    setTabOrder(minor, m_fromCard);
    setTabOrder(m_fromCard, add);
    setTabOrder(add, m_list);
    setTabOrder(m_list, m_remove);

    connect(add, &QPushButton::clicked, this, &PenaltyBoxWindow::requestAdd);
    connect(m_infraction, &QLineEdit::returnPressed, this, &PenaltyBoxWindow::requestAdd);
    connect(m_fromCard, &QPushButton::clicked, this, &PenaltyBoxWindow::fillFromCard);
    connect(m_remove, &QPushButton::clicked, this, &PenaltyBoxWindow::requestRemove);
    connect(m_team, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            listPlayers();
    });
    connect(m_list, &QTreeWidget::itemSelectionChanged, this,
            [this] { m_remove->setEnabled(selectedId().has_value()); });

    display(PenaltyBox());
    resize(480, 400);
    // The name is what changes from one penalty to the next.
    m_player->setFocus();
}

void PenaltyBoxWindow::display(const PenaltyBox& box, const Sheet& sheet) {
    m_sheet = sheet;
    for (const Team team : {Team::Away, Team::Home}) {
        const bool named = !oneLine(team == Team::Away ? sheet.awayName : sheet.homeName).trimmed().isEmpty();
        QAbstractButton* button = m_team->button(static_cast<int>(team));
        if (named)
            button->setText(QString(teamName(team)).replace(u'&', QStringLiteral("&&")));
        else
            button->setText(team == Team::Away ? tr("A&way") : tr("&Home"));
    }
    m_fromCard->setEnabled(!(sheet.penaltyCell + sheet.minorCell + sheet.majorCell).trimmed().isEmpty());

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
        item->setText(TeamColumn, teamName(penalty.team));
        item->setText(PlayerColumn, oneLine(penalty.player));
        const QString infraction = oneLine(penalty.infraction).trimmed();
        item->setText(KindColumn, kindText(penalty.kind) +
                                      (infraction.isEmpty() ? QString() : QStringLiteral(", ") + infraction));
        item->setText(TimeColumn, timeText(penalty.secondsLeft));
        item->setTextAlignment(TimeColumn, Qt::AlignRight | Qt::AlignVCenter);
        // A misconduct costs no skater either, but it is not matched with anything.
        item->setText(StateColumn, !penalty.running ? tr("Waiting")
                                   : penalty.substituted && penalty.kind != PenaltyKind::Misconduct
                                       ? tr("Coincidental")
                                       : tr("Running"));
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

    // Names are elided so that a long one cannot widen the window.
    const QFontMetrics metrics = m_teams->fontMetrics();
    const auto shortName = [&](Team team) {
        return metrics.elidedText(teamName(team), Qt::ElideRight, metrics.averageCharWidth() * 16);
    };
    m_teams->setText(tr("%1 %2, %3 %4")
                         .arg(shortName(Team::Away))
                         .arg(box.skaters(Team::Away))
                         .arg(shortName(Team::Home))
                         .arg(box.skaters(Team::Home)));
    m_strength->setText(box.strength());
}

QString PenaltyBoxWindow::teamName(Team team) const {
    const QString name = oneLine(team == Team::Away ? m_sheet.awayName : m_sheet.homeName).trimmed();
    return name.isEmpty() ? teamLabel(team) : name;
}

void PenaltyBoxWindow::fillFromCard() {
    const PenaltyCall call = penaltyFromCard(m_sheet.penaltyCell, m_sheet.minorCell, m_sheet.majorCell,
                                             static_cast<PenaltyKind>(m_kind->checkedId()));
    m_kind->button(static_cast<int>(call.kind))->setChecked(true);
    if (call.team)
        m_team->button(static_cast<int>(*call.team))->setChecked(true);
    if (!call.infraction.isEmpty())
        m_infraction->setText(call.infraction);
    // The card says what; the player's name is what is left to type.
    m_player->setFocus();
}

void PenaltyBoxWindow::requestAdd() {
    const auto team = static_cast<Team>(m_team->checkedId());
    const auto kind = static_cast<PenaltyKind>(m_kind->checkedId());
    const QString player = m_player->text().trimmed();
    const QString infraction = m_infraction->text().trimmed();
    int number = kNobody;
    for (const RosterEntry& entry : playersOf(team)) {
        if (player == rosterLabel(entry))
            number = entry.number;
    }
    // Ready for the next call, which is most often a minor of either team.
    m_playerList->setCurrentIndex(-1);
    m_player->clear();
    m_infraction->clear();
    m_kind->button(static_cast<int>(PenaltyKind::Minor))->setChecked(true);
    m_player->setFocus();
    emit addRequested(team, player, kind, infraction, number);
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

const QList<RosterEntry>& PenaltyBoxWindow::playersOf(Team team) const {
    return team == Team::Away ? m_awayPlayers : m_homePlayers;
}

void PenaltyBoxWindow::showRosters(const QList<RosterEntry>& away, const QList<RosterEntry>& home) {
    m_awayPlayers = away;
    m_homePlayers = home;
    listPlayers();
}

void PenaltyBoxWindow::listPlayers() {
    QStringList labels;
    for (const RosterEntry& entry : playersOf(static_cast<Team>(m_team->checkedId())))
        labels.append(rosterLabel(entry));
    QStringList listed;
    for (int row = 0; row < m_playerList->count(); ++row)
        listed.append(m_playerList->itemText(row));
    if (labels == listed)
        return;
    const QString typed = m_player->text();
    m_playerList->clear();
    m_playerList->addItems(labels);
    m_playerList->setCurrentIndex(-1);
    m_player->setText(typed);
}
