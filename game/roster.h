// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// What a player plays, as the roster lists him.
enum class Position { C, LW, RW, D, G };

// A place on the ice as the cards name it: the three forwards, the two defencemen, the goalie.
enum class IcePosition { LW, C, RW, LD, RD, G };

// The codes of files and cards: "C", "LW", "D"; not translated. Reading ignores case and
// surrounding spaces.
QString positionCode(Position position);
std::optional<Position> positionFromCode(const QString& code);
QString icePositionCode(IcePosition position);
std::optional<IcePosition> icePositionFromCode(const QString& code);

// A forward plays any forward place (a centre may take a wing), a defenceman either side, a
// goalie only the net.
bool canPlay(Position position, IcePosition place);

inline constexpr int kNobody = -1;

struct RosterEntry {
    int number = 0;  // 0 to 99, one player each in a team
    QString name;
    Position position = Position::C;

    bool operator==(const RosterEntry&) const = default;
};

// A place in the lines. Its position says which unit: LW, C and RW are in forward line 1 to
// 4, LD and RD in defence pair 1 to 3, G is the net, 1 for the starting goalie, 2 for the
// backup.
struct LinePlace {
    int line = 1;
    IcePosition at = IcePosition::C;

    static int linesOf(IcePosition at);  // 4, 3 or 2
    bool isValid() const { return line >= 1 && line <= linesOf(at); }
    bool operator==(const LinePlace&) const = default;
};

// Who is on each forward line and defence pair, and the two goalies: player numbers, kNobody
// where a place is empty. A line may be short of players; it exists while it has one.
class Lines {
public:
    static constexpr int kForwardLines = 4;
    static constexpr int kDefencePairs = 3;

    Lines() { m_players.fill(kNobody); }

    int player(LinePlace place) const { return m_players[index(place)]; }
    void setPlayer(LinePlace place, int number) { m_players[index(place)] = number; }
    // The first place the player has, in the order of places().
    std::optional<LinePlace> placeOf(int number) const;
    // Forward line 1 LW, C, RW, line 2 ..., pair 1 LD, RD, ..., goalie 1, 2.
    static QList<LinePlace> places();

    bool operator==(const Lines&) const = default;

private:
    static qsizetype index(LinePlace place);

    std::array<int, kForwardLines * 3 + kDefencePairs * 2 + 2> m_players;
};

// The forward line, the defence pair and the goalie a team has on the ice, by number.
struct LinesOnIce {
    int forwardLine = 1;
    int defencePair = 1;
    int goalie = 1;

    bool operator==(const LinesOnIce&) const = default;
};

// The next forward line and the next pair that exist, after the last one back to the first;
// the goalie stays. A unit with no line that exists stays where it is.
LinesOnIce nextLines(const Lines& lines, LinesOnIce onIce);

// A team of the league: its names, its players and its lines.
struct Roster {
    static constexpr int kMaxShortNameLetters = 4;
    static constexpr int kHighestNumber = 99;

    QString name;
    QString shortName;
    QList<RosterEntry> players;
    Lines lines;

    // nullptr when no player has the number.
    const RosterEntry* player(int number) const;
    // What is wrong, in the player's words, as phrases: "number 7 is given twice". Empty when
    // nothing is. The names must be given,
    // the short name be 1 to 4 letters, the numbers 0 to 99 and unique, each player have a
    // name, and the lines name players of the roster, each at a place he plays and in one
    // place only.
    QStringList problems() const;
    // The name as typed into a score sheet: case and surrounding spaces do not count.
    bool answersTo(const QString& typed) const;

    bool operator==(const Roster&) const = default;
};

// The first roster that answers to the typed name; nullptr when none does.
const Roster* findRoster(const QList<Roster>& rosters, const QString& typedName);

// Why the player cannot take the place, in the player's words; empty when he can.
QString placeProblem(const RosterEntry& player, LinePlace place);
// "forward line 2", "defence pair 1", "the starting goalie", in the player's words.
QString placeName(LinePlace place);

// The player at the position with the lines on the ice; none when the place is empty or its
// player is in the penalty box (the team plays short there).
std::optional<RosterEntry> playerOnIce(const Roster& roster, const LinesOnIce& onIce, IcePosition position,
                                       const QList<int>& inBox);
