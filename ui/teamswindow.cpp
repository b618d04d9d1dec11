// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/teamswindow.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "core/services.h"
#include "game/rostercsv.h"
#include "io/filereplace.h"
#include "league/leaguestore.h"
#include "league/rostercodec.h"
#include "ui/rostermodel.h"

namespace {

// No roster file comes near it: a hundred players of long names take a few kilobytes.
constexpr qint64 kMaxRosterFileBytes = 1 << 20;
constexpr int kProblemsListed = 10;

QString shownName(const Roster& roster) {
    const QString name = roster.name.trimmed();
    return name.isEmpty() ? TeamsWindow::tr("(no name)") : name;
}

}  // namespace

TeamsWindow::TeamsWindow(LeagueStore& store, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_store(store), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("teamsWindow"));
    setWindowTitle(tr("Teams"));

    m_leagueName = new QLineEdit(this);
    m_leagueName->setObjectName(QStringLiteral("leagueName"));
    m_leagueName->setMaxLength(RosterCodec::kMaxNameChars);
    connect(m_leagueName, &QLineEdit::textEdited, this, &TeamsWindow::showState);
    auto* leagueRow = new QFormLayout;
    leagueRow->addRow(tr("&League name:"), m_leagueName);

    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("teamsNotice"));
    m_notice->setWordWrap(true);
    m_notice->setTextFormat(Qt::PlainText);
    m_notice->hide();

    m_teamList = new QListWidget(this);
    m_teamList->setObjectName(QStringLiteral("teamList"));
    connect(m_teamList, &QListWidget::currentRowChanged, this, &TeamsWindow::showTeam);
    auto* addTeam = new QPushButton(tr("&Add Team"), this);
    addTeam->setObjectName(QStringLiteral("cmdAddTeam"));
    connect(addTeam, &QPushButton::clicked, this, &TeamsWindow::addTeam);
    m_removeTeam = new QPushButton(tr("&Remove Team…"), this);
    m_removeTeam->setObjectName(QStringLiteral("cmdRemoveTeam"));
    connect(m_removeTeam, &QPushButton::clicked, this, &TeamsWindow::removeTeam);
    auto* teamButtons = new QHBoxLayout;
    teamButtons->addWidget(addTeam);
    teamButtons->addWidget(m_removeTeam);
    auto* teamsColumn = new QVBoxLayout;
    teamsColumn->addWidget(m_teamList);
    teamsColumn->addLayout(teamButtons);

    m_teamPane = new QWidget(this);
    m_name = new QLineEdit(m_teamPane);
    m_name->setObjectName(QStringLiteral("teamName"));
    m_name->setMaxLength(RosterCodec::kMaxNameChars);
    connect(m_name, &QLineEdit::textEdited, this, &TeamsWindow::teamNamesEdited);
    m_shortName = new QLineEdit(m_teamPane);
    m_shortName->setObjectName(QStringLiteral("teamShortName"));
    m_shortName->setMaxLength(Roster::kMaxShortNameLetters);
    m_shortName->setMaximumWidth(m_shortName->fontMetrics().horizontalAdvance(QStringLiteral("MMMMM")) + 16);
    connect(m_shortName, &QLineEdit::textEdited, this, &TeamsWindow::teamNamesEdited);
    auto* names = new QHBoxLayout;
    auto* nameLabel = new QLabel(tr("&Name:"), m_teamPane);
    nameLabel->setBuddy(m_name);
    auto* shortLabel = new QLabel(tr("&Short name:"), m_teamPane);
    shortLabel->setBuddy(m_shortName);
    names->addWidget(nameLabel);
    names->addWidget(m_name, 1);
    names->addWidget(shortLabel);
    names->addWidget(m_shortName);

    m_roster = new RosterModel(this);
    connect(m_roster, &RosterModel::edited, this, &TeamsWindow::rosterEdited);
    m_players = new QTableView(m_teamPane);
    m_players->setObjectName(QStringLiteral("rosterTable"));
    m_players->setModel(m_roster);
    m_players->setItemDelegate(new RosterDelegate(m_players));
    m_players->verticalHeader()->hide();
    m_players->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_players->horizontalHeader()->setSectionResizeMode(RosterModel::Name, QHeaderView::Stretch);
    m_players->setEditTriggers(QAbstractItemView::AllEditTriggers);
    connect(m_players->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TeamsWindow::showState);

    auto* addPlayer = new QPushButton(tr("Add &Player"), m_teamPane);
    addPlayer->setObjectName(QStringLiteral("cmdAddPlayer"));
    connect(addPlayer, &QPushButton::clicked, this, [this] {
        const int row = m_roster->addPlayer();
        const QModelIndex name = m_roster->index(row, RosterModel::Name);
        m_players->setCurrentIndex(name);
        m_players->edit(name);
    });
    m_removePlayer = new QPushButton(tr("Remo&ve Player"), m_teamPane);
    m_removePlayer->setObjectName(QStringLiteral("cmdRemovePlayer"));
    connect(m_removePlayer, &QPushButton::clicked, this, [this] {
        QList<int> rows;
        for (const QModelIndex& index : m_players->selectionModel()->selectedIndexes())
            rows.append(index.row());
        m_roster->removePlayers(rows);
    });
    auto* importButton = new QPushButton(tr("&Import CSV…"), m_teamPane);
    importButton->setObjectName(QStringLiteral("cmdImportRoster"));
    connect(importButton, &QPushButton::clicked, this, &TeamsWindow::importCsv);
    auto* exportButton = new QPushButton(tr("&Export CSV…"), m_teamPane);
    exportButton->setObjectName(QStringLiteral("cmdExportRoster"));
    connect(exportButton, &QPushButton::clicked, this, &TeamsWindow::exportCsv);
    auto* playerButtons = new QHBoxLayout;
    playerButtons->addWidget(addPlayer);
    playerButtons->addWidget(m_removePlayer);
    playerButtons->addStretch();
    playerButtons->addWidget(importButton);
    playerButtons->addWidget(exportButton);

    m_problems = new QLabel(m_teamPane);
    m_problems->setObjectName(QStringLiteral("teamProblems"));
    m_problems->setWordWrap(true);
    m_problems->setTextFormat(Qt::PlainText);

    auto* teamLayout = new QVBoxLayout(m_teamPane);
    teamLayout->setContentsMargins({});
    teamLayout->addLayout(names);
    teamLayout->addWidget(m_players, 1);
    teamLayout->addLayout(playerButtons);
    teamLayout->addWidget(buildLines());
    teamLayout->addWidget(m_problems);

    auto* columns = new QHBoxLayout;
    columns->addLayout(teamsColumn, 1);
    columns->addWidget(m_teamPane, 3);

    m_apply = new QPushButton(tr("A&pply"), this);
    m_apply->setObjectName(QStringLiteral("cmdApplyTeams"));
    m_apply->setDefault(true);
    connect(m_apply, &QPushButton::clicked, this, &TeamsWindow::apply);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(m_apply);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(leagueRow);
    layout->addWidget(m_notice);
    layout->addLayout(columns, 1);
    layout->addLayout(bottom);
    resize(820, 640);
    showTeam();
}

QWidget* TeamsWindow::buildLines() {
    auto* box = new QGroupBox(tr("Lines"), m_teamPane);
    auto* grid = new QGridLayout(box);
    const auto addBox = [this, box, grid](LinePlace place, int row, int column) {
        auto* combo = new QComboBox(box);
        combo->setObjectName(QStringLiteral("line_%1_%2").arg(icePositionCode(place.at)).arg(place.line));
        connect(combo, &QComboBox::activated, this,
                [this, combo, place] { m_roster->setLinePlayer(place, combo->currentData().toInt()); });
        grid->addWidget(combo, row, column);
        m_lineBoxes.append({place, combo});
    };
    int row = 0;
    const auto heading = [&](const QStringList& texts) {
        for (qsizetype i = 0; i < texts.size(); ++i)
            grid->addWidget(new QLabel(texts[i], box), row, static_cast<int>(i) + 1, Qt::AlignHCenter);
        ++row;
    };
    heading({icePositionCode(IcePosition::LW), icePositionCode(IcePosition::C),
             icePositionCode(IcePosition::RW)});
    for (int line = 1; line <= Lines::kForwardLines; ++line, ++row) {
        grid->addWidget(new QLabel(tr("Forward line %1").arg(line), box), row, 0);
        int column = 1;
        for (const IcePosition at : {IcePosition::LW, IcePosition::C, IcePosition::RW})
            addBox({line, at}, row, column++);
    }
    heading({icePositionCode(IcePosition::LD), icePositionCode(IcePosition::RD)});
    for (int pair = 1; pair <= Lines::kDefencePairs; ++pair, ++row) {
        grid->addWidget(new QLabel(tr("Defence pair %1").arg(pair), box), row, 0);
        addBox({pair, IcePosition::LD}, row, 1);
        addBox({pair, IcePosition::RD}, row, 2);
    }
    heading({tr("Starting"), tr("Backup")});
    grid->addWidget(new QLabel(tr("Goalies"), box), row, 0);
    addBox({1, IcePosition::G}, row, 1);
    addBox({2, IcePosition::G}, row, 2);
    for (int column = 1; column <= 3; ++column)
        grid->setColumnStretch(column, 1);
    return box;
}

void TeamsWindow::showEvent(QShowEvent* event) {
    reload();
    QWidget::showEvent(event);
}

void TeamsWindow::reload() {
    if (hasEdits())
        return;
    const LeagueTeams read = m_store.readTeams();
    m_teams.clear();
    for (const LeagueTeam& team : read.teams)
        m_teams.append({team.id, team.roster, team.roster});
    m_storedLeagueName = m_store.leagueName();
    m_showing = true;
    m_leagueName->setText(m_storedLeagueName);
    m_teamList->clear();
    for (const EditedTeam& team : std::as_const(m_teams))
        m_teamList->addItem(shownName(team.roster));
    m_showing = false;
    QStringList notice = read.refused;
    if (!m_store.problem().isEmpty())
        notice.prepend(m_store.problem());
    setNotice(notice.join(u'\n'));
    m_teamList->setCurrentRow(m_teams.isEmpty() ? -1 : 0);
    showTeam();
}

bool TeamsWindow::hasEdits() const {
    return m_leagueName->text() != m_storedLeagueName || !m_removed.isEmpty() ||
           std::any_of(m_teams.cbegin(), m_teams.cend(),
                       [](const EditedTeam& team) { return team.edited(); });
}

int TeamsWindow::current() const {
    const int row = m_teamList->currentRow();
    return row >= 0 && row < m_teams.size() ? row : -1;
}

void TeamsWindow::showTeam() {
    if (m_showing)
        return;
    const int row = current();
    m_showing = true;
    const Roster roster = row >= 0 ? m_teams[row].roster : Roster();
    m_name->setText(roster.name);
    m_shortName->setText(roster.shortName);
    m_roster->setRoster(roster);
    m_showing = false;
    m_teamPane->setEnabled(row >= 0);
    fillLineBoxes();
    showState();
}

// Each place offers the players who can play there.
void TeamsWindow::fillLineBoxes() {
    const Roster& roster = m_roster->roster();
    QList<RosterEntry> players = roster.players;
    std::sort(players.begin(), players.end(),
              [](const RosterEntry& a, const RosterEntry& b) { return a.number < b.number; });
    for (const auto& [place, combo] : std::as_const(m_lineBoxes)) {
        const QSignalBlocker quiet(combo);
        combo->clear();
        combo->addItem(tr("—"), kNobody);
        for (const RosterEntry& player : std::as_const(players)) {
            if (canPlay(player.position, place.at))
                combo->addItem(QStringLiteral("%1 %2").arg(player.number).arg(player.name), player.number);
        }
        const int number = roster.lines.player(place);
        int index = combo->findData(number);
        if (index < 0) {
            combo->addItem(QString::number(number), number);
            index = combo->count() - 1;
        }
        combo->setCurrentIndex(index);
    }
}

void TeamsWindow::rosterEdited() {
    const int row = current();
    if (m_showing || row < 0)
        return;
    Roster& roster = m_teams[row].roster;
    const bool playersChanged = roster.players != m_roster->roster().players;
    roster.players = m_roster->roster().players;
    roster.lines = m_roster->roster().lines;
    // A pick in a box changes that box alone; the others stay open to the same players.
    if (playersChanged)
        fillLineBoxes();
    showState();
}

void TeamsWindow::teamNamesEdited() {
    const int row = current();
    if (m_showing || row < 0)
        return;
    m_teams[row].roster.name = m_name->text();
    m_teams[row].roster.shortName = m_shortName->text();
    m_teamList->item(row)->setText(shownName(m_teams[row].roster));
    showState();
}

void TeamsWindow::addTeam() {
    Roster roster;
    roster.name = tr("New team");
    for (int n = 2; std::any_of(m_teams.cbegin(), m_teams.cend(),
                                [&](const EditedTeam& t) { return t.roster.answersTo(roster.name); });
         ++n)
        roster.name = tr("New team %1").arg(n);
    m_teams.append({0, roster, std::nullopt});
    m_teamList->addItem(shownName(roster));
    m_teamList->setCurrentRow(static_cast<int>(m_teams.size()) - 1);
    m_name->setFocus();
    m_name->selectAll();
}

void TeamsWindow::removeTeam() {
    const int row = current();
    if (row < 0)
        return;
    const QString question =
        tr("Remove the team %1 and its roster from the league?").arg(shownName(m_teams[row].roster));
    if (m_dialogs.message(question, MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    if (m_teams[row].id != 0)
        m_removed.append(m_teams[row].id);
    m_teams.removeAt(row);
    delete m_teamList->takeItem(row);
    showTeam();
}

QStringList TeamsWindow::problemsOf(int row) const {
    const Roster& roster = m_teams[row].roster;
    QStringList problems = roster.problems();
    for (const RosterEntry& player : roster.players) {
        if (player.name.size() > RosterCodec::kMaxNameChars)
            problems.append(tr("the name of number %1 is longer than %2 letters")
                                .arg(player.number)
                                .arg(RosterCodec::kMaxNameChars));
    }
    for (qsizetype other = 0; other < m_teams.size(); ++other) {
        if (other != row && m_teams[other].roster.answersTo(roster.name)) {
            problems.append(tr("another team is named %1").arg(roster.name.trimmed()));
            break;
        }
    }
    return problems;
}

void TeamsWindow::showState() {
    if (m_showing)
        return;
    const int row = current();
    const QStringList problems = row >= 0 ? problemsOf(row) : QStringList();
    m_problems->setText(problems.isEmpty() ? QString()
                                           : tr("Not to be kept while %1.").arg(problems.join(tr("; "))));
    m_problems->setVisible(!problems.isEmpty());
    m_removeTeam->setEnabled(row >= 0);
    m_removePlayer->setEnabled(m_players->selectionModel()->hasSelection());
    m_apply->setEnabled(hasEdits() && m_store.mode() == LeagueStore::Mode::ReadWrite);
}

void TeamsWindow::apply() {
    QList<LeagueTeam> written;
    QList<int> rows;
    QStringList notWritten;
    for (int row = 0; row < m_teams.size(); ++row) {
        if (!m_teams[row].edited())
            continue;
        if (const QStringList problems = problemsOf(row); !problems.isEmpty()) {
            notWritten.append(tr("%1: %2.").arg(shownName(m_teams[row].roster), problems.join(tr("; "))));
            continue;
        }
        written.append({m_teams[row].id, m_teams[row].roster});
        rows.append(row);
    }
    const auto failed = [this] { setNotice(tr("Nothing was kept. %1").arg(m_store.problem())); };
    if ((!written.isEmpty() || !m_removed.isEmpty()) && !m_store.writeTeams(written, m_removed))
        return failed();
    m_removed.clear();
    for (qsizetype i = 0; i < rows.size(); ++i) {
        EditedTeam& team = m_teams[rows[i]];
        team.id = written[i].id;
        team.roster = written[i].roster;
        team.stored = team.roster;
    }
    if (m_leagueName->text() != m_storedLeagueName) {
        if (!m_store.setLeagueName(m_leagueName->text()))
            return failed();
        m_storedLeagueName = m_leagueName->text();
    }
    setNotice(
        notWritten.isEmpty()
            ? QString()
            : tr("These teams were not kept, for what is wrong with them:\n%1").arg(notWritten.join(u'\n')));
    showTeam();
}

void TeamsWindow::importCsv() {
    const int row = current();
    if (row < 0)
        return;
    const QString folder = QFileInfo(m_store.filePath()).absolutePath();
    const std::optional<QString> chosen = m_dialogs.openFile(tr("CSV (*.csv)"), folder);
    if (!chosen || chosen->isEmpty())
        return;
    QFile file(*chosen);
    const auto refuse = [this, &chosen](const QString& why) {
        m_dialogs.message(
            tr("The roster could not be imported from %1.\n%2\nNothing of the file was imported.")
                .arg(*chosen, why),
            MessageButtons::Ok);
    };
    if (!file.open(QIODevice::ReadOnly))
        return refuse(file.errorString());
    if (file.size() > kMaxRosterFileBytes)
        return refuse(tr("The file is larger than any roster."));
    const RosterFile read = readRosterCsv(file.readAll());
    if (!read.problems.isEmpty()) {
        QStringList lines;
        for (const RosterFileProblem& problem : read.problems.mid(0, kProblemsListed))
            lines.append(problem.message());
        if (read.problems.size() > kProblemsListed)
            lines.append(
                tr("and %n more lines", nullptr, static_cast<int>(read.problems.size() - kProblemsListed)));
        return refuse(lines.join(u'\n'));
    }
    Roster roster = m_teams[row].roster;
    roster.players = read.players;
    roster.lines = read.lines;
    m_teams[row].roster = roster;
    showTeam();
}

void TeamsWindow::exportCsv() {
    const int row = current();
    if (row < 0)
        return;
    const QString folder = QFileInfo(m_store.filePath()).absolutePath();
    const std::optional<QString> chosen = m_dialogs.saveFile(tr("CSV (*.csv)"), folder);
    if (!chosen || chosen->isEmpty())
        return;
    if (const std::optional<QString> failure = replaceFile(*chosen, writeRosterCsv(m_teams[row].roster))) {
        m_dialogs.message(
            tr("The roster could not be exported to %1.\n%2\nAny earlier file there is unchanged.")
                .arg(*chosen, *failure),
            MessageButtons::Ok);
        return;
    }
    m_dialogs.message(tr("The roster of %1 was exported to %2").arg(shownName(m_teams[row].roster), *chosen),
                      MessageButtons::Ok);
}

QString TeamsWindow::notice() const {
    return m_notice->text();
}

void TeamsWindow::setNotice(const QString& text) {
    m_notice->setText(text);
    m_notice->setVisible(!text.isEmpty());
}
