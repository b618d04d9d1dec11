// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/onicewindow.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/fieldmodel.h"
#include "core/numbertext.h"
#include "deck/cardrecord.h"

namespace {

constexpr IcePosition kPlaceOrder[] = {IcePosition::LW, IcePosition::C,  IcePosition::RW,
                                       IcePosition::LD, IcePosition::RD, IcePosition::G};
constexpr int kEitherTeam = -1;

const CardRecord& cardShown(const FieldModel& fields, Control numberField, const CardTable& cards) {
    static const CardRecord none;
    const double number = readNumber(fields.text(numberField));
    if (number != std::floor(number) || !CardTable::isPosition(static_cast<int>(number)))
        return none;
    return cards.at(static_cast<int>(number));
}

// The card's own captions stay as the card prints them, in every language.
QString cardWord(const NamedPosition& named) {
    switch (named.field) {
        case Control::PassTo1:
        case Control::PassTo2:
        case Control::PassTo3: return QStringLiteral("PASS TO %1").arg(icePositionCode(named.named.position));
        case Control::LoosePuck: return OnIceWindow::tr("Loose puck");
        case Control::Faceoff: return OnIceWindow::tr("Faceoff");
        case Control::Assists: return QStringLiteral("AST");
        default: return {};
    }
}

// Each line of the unit that has a player; the one on the ice also when it has none.
void fillLines(QComboBox* combo, const QString& caption, int onIce, int count,
               std::initializer_list<IcePosition> unit, const Lines& lines) {
    const QSignalBlocker blocker(combo);
    combo->clear();
    for (int line = 1; line <= count; ++line) {
        const bool exists = std::any_of(unit.begin(), unit.end(), [&](IcePosition at) {
            return lines.player({line, at}) != kNobody;
        });
        if (exists || line == onIce)
            combo->addItem(caption.arg(line), line);
    }
    combo->setCurrentIndex(combo->findData(onIce));
}

QComboBox* labelledCombo(QHBoxLayout* row, const QString& label, const QString& name) {
    auto* combo = new QComboBox;
    combo->setObjectName(name);
    auto* buddy = new QLabel(label);
    buddy->setBuddy(combo);
    row->addWidget(buddy);
    row->addWidget(combo);
    return combo;
}

}  // namespace

void fitPlayerNames(QComboBox* combo) {
    // "30 Tomas Keller": a number and a name as a roster has them.
    constexpr int playerChars = 18;
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(playerChars);
}

QComboBox* addPlayerRow(QFormLayout* form, const QString& label, const char* name) {
    auto* combo = new QComboBox;
    combo->setObjectName(QLatin1String(name));
    fitPlayerNames(combo);
    auto* buddy = new QLabel(label);
    buddy->setBuddy(combo);
    form->addRow(buddy, combo);
    return combo;
}

QString shownTeamName(const QString& typed, Team team) {
    const QString name = typed.simplified();
    return name.isEmpty() ? teamLabel(team) : name;
}

QList<NamedPosition> cardPositionsOnShow(const FieldModel& fields, const CardTable& cards) {
    return positionsOnShow(cardShown(fields, Control::UpperNumber, cards),
                           cardShown(fields, Control::LowerNumber, cards));
}

OnIceWindow::OnIceWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("OnIceWindow"));
    setWindowTitle(tr("On Ice"));

    auto* layout = new QVBoxLayout(this);
    auto* puckRow = new QHBoxLayout;
    m_puck = new QComboBox;
    m_puck->setObjectName(QStringLiteral("onIcePuck"));
    m_puck->setToolTip(tr("Whom the card's attack and defence mean"));
    auto* puckLabel = new QLabel(tr("&Puck:"));
    puckLabel->setBuddy(m_puck);
    puckRow->addWidget(puckLabel);
    puckRow->addWidget(m_puck, 1);
    layout->addLayout(puckRow);
    m_panels = {buildPanel(Team::Away), buildPanel(Team::Home)};
    for (const TeamPanel& team : m_panels)
        layout->addWidget(team.group);

    auto* next = new QPushButton(tr("&Next Lines"));
    next->setObjectName(QStringLiteral("onIceNextLines"));
    next->setToolTip(tr("Both teams change to their next forward line and defence pair (F4)"));
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(next);
    layout->addLayout(bottom);
    layout->addStretch();

    connect(next, &QPushButton::clicked, this, &OnIceWindow::nextLinesRequested);
    connect(m_puck, &QComboBox::currentIndexChanged, this, [this] {
        for (const Team team : {Team::Away, Team::Home}) {
            for (int place = 0; place < kPlaces; ++place)
                panel(team).cardWords[place]->setText(cardWordsAt(team, kPlaceOrder[place]));
        }
    });
    display(ScoreSheet(), PenaltyBox(), {});
}

OnIceWindow::TeamPanel OnIceWindow::buildPanel(Team team) {
    const QString prefix = team == Team::Away ? QStringLiteral("onIceAway") : QStringLiteral("onIceHome");
    TeamPanel built;
    built.group = new QGroupBox;
    built.group->setObjectName(prefix);
    auto* groupLayout = new QVBoxLayout(built.group);

    built.noRoster = new QLabel(
        tr("This team plays without a roster. To give it one, add the team in League > Teams… and type "
           "its name in the SHOTS table."));
    built.noRoster->setObjectName(prefix + QStringLiteral("NoRoster"));
    built.noRoster->setWordWrap(true);
    groupLayout->addWidget(built.noRoster);

    built.rosterPart = new QWidget;
    auto* rosterLayout = new QVBoxLayout(built.rosterPart);
    rosterLayout->setContentsMargins(0, 0, 0, 0);
    auto* grid = new QGridLayout;
    for (int place = 0; place < kPlaces; ++place) {
        const QString code = icePositionCode(kPlaceOrder[place]);
        grid->addWidget(new QLabel(code), place, 0);
        built.players[place] = new QLabel;
        built.players[place]->setObjectName(prefix + code);
        built.cardWords[place] = new QLabel;
        built.cardWords[place]->setObjectName(prefix + code + QStringLiteral("Card"));
        QFont bold = built.cardWords[place]->font();
        bold.setBold(true);
        built.cardWords[place]->setFont(bold);
        for (QLabel* label : {built.players[place], built.cardWords[place]})
            label->setTextFormat(Qt::PlainText);
        grid->addWidget(built.players[place], place, 1);
        grid->addWidget(built.cardWords[place], place, 2);
    }
    grid->setColumnStretch(1, 1);
    rosterLayout->addLayout(grid);

    auto* pick = new QHBoxLayout;
    built.forwardLine = labelledCombo(pick, tr("Forwards:"), prefix + QStringLiteral("Forwards"));
    built.defencePair = labelledCombo(pick, tr("Defence:"), prefix + QStringLiteral("Pair"));
    built.goalie = labelledCombo(pick, tr("Goalie:"), prefix + QStringLiteral("Goalie"));
    fitPlayerNames(built.goalie);
    pick->addStretch();
    rosterLayout->addLayout(pick);
    groupLayout->addWidget(built.rosterPart);

    connect(built.forwardLine, &QComboBox::activated, this, [this, team] { pickLines(team); });
    connect(built.defencePair, &QComboBox::activated, this, [this, team] { pickLines(team); });
    connect(built.goalie, &QComboBox::activated, this,
            [this, team] { emit goalieChosen(team, panel(team).goalie->currentData().toInt()); });
    return built;
}

void OnIceWindow::display(const ScoreSheet& sheet, const PenaltyBox& box, const Sheet& names) {
    m_names = names;
    {
        const QSignalBlocker blocker(m_puck);
        const int puck = m_puck->currentIndex() < 0 ? kEitherTeam : m_puck->currentData().toInt();
        m_puck->clear();
        m_puck->addItem(tr("Either team has it"), kEitherTeam);
        m_puck->addItem(shownTeamName(names.awayName, Team::Away), static_cast<int>(Team::Away));
        m_puck->addItem(shownTeamName(names.homeName, Team::Home), static_cast<int>(Team::Home));
        m_puck->setCurrentIndex(m_puck->findData(puck));
    }
    for (const Team team : {Team::Away, Team::Home})
        showTeam(team, sheet, box);
}

void OnIceWindow::showTeam(Team team, const ScoreSheet& sheet, const PenaltyBox& box) {
    TeamPanel& shown = panel(team);
    const SheetTeam& side = sheet.team(team);
    shown.group->setTitle(shownTeamName(team == Team::Away ? m_names.awayName : m_names.homeName, team));
    shown.noRoster->setVisible(!side.roster);
    shown.rosterPart->setVisible(side.roster.has_value());
    shown.onIce = side.onIce;
    for (int place = 0; place < kPlaces; ++place) {
        const std::optional<RosterEntry> player = sheet.playerAt(team, kPlaceOrder[place], box);
        QString text = player ? sheet.playerLabel(team, player->number) : QString();
        if (kPlaceOrder[place] == IcePosition::G && side.netEmpty)
            text = tr("Empty net");
        shown.players[place]->setText(text);
        shown.cardWords[place]->setText(cardWordsAt(team, kPlaceOrder[place]));
    }
    if (!side.roster)
        return;
    const Lines& lines = side.roster->lines;
    fillLines(shown.forwardLine, tr("Line %1"), side.onIce.forwardLine, Lines::kForwardLines,
              {IcePosition::LW, IcePosition::C, IcePosition::RW}, lines);
    fillLines(shown.defencePair, tr("Pair %1"), side.onIce.defencePair, Lines::kDefencePairs,
              {IcePosition::LD, IcePosition::RD}, lines);

    const QSignalBlocker blocker(shown.goalie);
    shown.goalie->clear();
    for (const RosterEntry& player : side.roster->players) {
        if (player.position == Position::G || (player.number == side.goalie && !side.netEmpty))
            shown.goalie->addItem(sheet.playerLabel(team, player.number), player.number);
    }
    shown.goalie->addItem(tr("Empty net (extra attacker)"), kNobody);
    // A roster without a goalie has nobody in net, which is not a net left empty.
    const bool nobodyInNet = !side.netEmpty && side.goalie == kNobody;
    shown.goalie->setCurrentIndex(
        nobodyInNet ? -1 : shown.goalie->findData(side.netEmpty ? kNobody : side.goalie));
}

QString OnIceWindow::cardWordsAt(Team team, IcePosition position) const {
    const int puck = m_puck->currentIndex() < 0 ? kEitherTeam : m_puck->currentData().toInt();
    const bool attacking = puck == kEitherTeam || puck == static_cast<int>(team);
    const bool defending = puck == kEitherTeam || puck != static_cast<int>(team);
    QStringList words;
    for (const NamedPosition& named : m_names.onShow) {
        if (named.named.position != position)
            continue;
        bool meansTeam = false;
        switch (named.named.team) {
            case CardTeam::Attacking: meansTeam = attacking; break;
            case CardTeam::Defending: meansTeam = defending; break;
            case CardTeam::Home: meansTeam = team == Team::Home; break;
            case CardTeam::Away: meansTeam = team == Team::Away; break;
        }
        if (meansTeam)
            words.append(cardWord(named));
    }
    return words.join(QStringLiteral(", "));
}

void OnIceWindow::pickLines(Team team) {
    const TeamPanel& shown = panel(team);
    LinesOnIce picked = shown.onIce;
    picked.forwardLine = shown.forwardLine->currentData().toInt();
    picked.defencePair = shown.defencePair->currentData().toInt();
    if (picked != shown.onIce)
        emit linesPicked(team, picked);
}
