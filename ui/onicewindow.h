// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <array>

#include "game/cardpositions.h"
#include "game/scoresheet.h"

class FieldModel;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;
struct CardTable;

// The team's name as typed into the shots table, on one line; "Away" or "Home" while empty.
QString shownTeamName(const QString& typed, Team team);
// A list of players wide enough for a number and a name from the start: the players come
// after the window is first shown.
void fitPlayerNames(QComboBox* combo);
// A row of the form: a list fitted for players, named, with its label as its buddy.
QComboBox* addPlayerRow(QFormLayout* form, const QString& label, const char* name);

// The positions that the halves on show name: the cards are found by the numbers the halves
// show. A half without a card names nothing.
QList<NamedPosition> cardPositionsOnShow(const FieldModel& fields, const CardTable& cards);

// Who is on the ice, as a tool window: for each team the five skaters and the goalie by
// position, the card's words beside the positions it names, and the lines and goalie to pick.
// It changes nothing itself: it asks through its signals and shows what it is given.
class OnIceWindow : public QWidget {
    Q_OBJECT

public:
    struct Sheet {
        QString awayName, homeName;  // as typed
        QList<NamedPosition> onShow;
    };

    explicit OnIceWindow(QWidget* parent = nullptr);

    void display(const ScoreSheet& sheet, const PenaltyBox& box, const Sheet& names);

signals:
    void nextLinesRequested();
    void linesPicked(Team team, LinesOnIce onIce);
    // kNobody: the net left empty for an extra attacker.
    void goalieChosen(Team team, int goalie);

private:
    static constexpr int kPlaces = 6;  // LW C RW LD RD G

    struct TeamPanel {
        QGroupBox* group = nullptr;
        QLabel* noRoster = nullptr;
        QWidget* rosterPart = nullptr;
        std::array<QLabel*, kPlaces> players{};
        std::array<QLabel*, kPlaces> cardWords{};
        QComboBox* forwardLine = nullptr;
        QComboBox* defencePair = nullptr;
        QComboBox* goalie = nullptr;
        LinesOnIce onIce;
    };

    TeamPanel buildPanel(Team team);
    void showTeam(Team team, const ScoreSheet& sheet, const PenaltyBox& box);
    // The card's words beside each place of the team: which team has the puck decides whom
    // "attack" and "defence" mean; while the player has not said, both teams.
    QString cardWordsAt(Team team, IcePosition position) const;
    void pickLines(Team team);
    TeamPanel& panel(Team team) { return m_panels[team == Team::Away ? 0 : 1]; }

    QComboBox* m_puck;
    std::array<TeamPanel, 2> m_panels;
    Sheet m_names;
};
