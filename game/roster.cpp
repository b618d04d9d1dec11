// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/roster.h"

#include <QCoreApplication>
#include <QSet>
#include <algorithm>

namespace {

constexpr const char* kPositionCodes[] = {"C", "LW", "RW", "D", "G"};
constexpr const char* kIcePositionCodes[] = {"LW", "C", "RW", "LD", "RD", "G"};

template <typename Enum, std::size_t N>
std::optional<Enum> fromCode(const char* const (&codes)[N], const QString& code) {
    const QString wanted = code.trimmed();
    for (std::size_t i = 0; i < N; ++i) {
        if (wanted.compare(QLatin1String(codes[i]), Qt::CaseInsensitive) == 0)
            return static_cast<Enum>(i);
    }
    return std::nullopt;
}

bool isForwardPlace(IcePosition at) {
    return at == IcePosition::LW || at == IcePosition::C || at == IcePosition::RW;
}

bool isDefencePlace(IcePosition at) {
    return at == IcePosition::LD || at == IcePosition::RD;
}

// The next line after `current` that has a player at one of the positions, wrapping.
int nextLine(const Lines& lines, int current, std::initializer_list<IcePosition> unit) {
    const int count = LinePlace::linesOf(*unit.begin());
    for (int step = 1; step <= count; ++step) {
        const int line = (current - 1 + step) % count + 1;
        if (std::any_of(unit.begin(), unit.end(), [&](IcePosition at) {
                return lines.player({line, at}) != kNobody;
            }))
            return line;
    }
    return current;
}

}  // namespace

QString positionCode(Position position) {
    return QLatin1String(kPositionCodes[static_cast<int>(position)]);
}

std::optional<Position> positionFromCode(const QString& code) {
    return fromCode<Position>(kPositionCodes, code);
}

QString icePositionCode(IcePosition position) {
    return QLatin1String(kIcePositionCodes[static_cast<int>(position)]);
}

std::optional<IcePosition> icePositionFromCode(const QString& code) {
    return fromCode<IcePosition>(kIcePositionCodes, code);
}

bool canPlay(Position position, IcePosition place) {
    switch (position) {
        case Position::C:
        case Position::LW:
        case Position::RW: return isForwardPlace(place);
        case Position::D: return isDefencePlace(place);
        case Position::G: return place == IcePosition::G;
    }
    return false;
}

int LinePlace::linesOf(IcePosition at) {
    return isForwardPlace(at) ? Lines::kForwardLines : isDefencePlace(at) ? Lines::kDefencePairs : 2;
}

qsizetype Lines::index(LinePlace place) {
    Q_ASSERT(place.isValid());
    const int at = static_cast<int>(place.at);
    if (isForwardPlace(place.at))
        return (place.line - 1) * 3 + at;
    if (isDefencePlace(place.at))
        return kForwardLines * 3 + (place.line - 1) * 2 + at - static_cast<int>(IcePosition::LD);
    return kForwardLines * 3 + kDefencePairs * 2 + place.line - 1;
}

QList<LinePlace> Lines::places() {
    QList<LinePlace> all;
    for (int line = 1; line <= kForwardLines; ++line)
        all.append({{line, IcePosition::LW}, {line, IcePosition::C}, {line, IcePosition::RW}});
    for (int line = 1; line <= kDefencePairs; ++line)
        all.append({{line, IcePosition::LD}, {line, IcePosition::RD}});
    all.append({{1, IcePosition::G}, {2, IcePosition::G}});
    return all;
}

std::optional<LinePlace> Lines::placeOf(int number) const {
    for (const LinePlace place : places()) {
        if (player(place) == number)
            return place;
    }
    return std::nullopt;
}

LinesOnIce nextLines(const Lines& lines, LinesOnIce onIce) {
    onIce.forwardLine =
        nextLine(lines, onIce.forwardLine, {IcePosition::LW, IcePosition::C, IcePosition::RW});
    onIce.defencePair = nextLine(lines, onIce.defencePair, {IcePosition::LD, IcePosition::RD});
    return onIce;
}

const RosterEntry* Roster::player(int number) const {
    const auto found = std::find_if(players.cbegin(), players.cend(),
                                    [number](const RosterEntry& entry) { return entry.number == number; });
    return found == players.cend() ? nullptr : &*found;
}

QStringList Roster::problems() const {
    QStringList found;
    if (name.trimmed().isEmpty())
        found.append(QCoreApplication::translate("Roster", "the team has no name"));
    const QString letters = shortName.trimmed();
    if (letters.isEmpty() || letters.size() > kMaxShortNameLetters ||
        !std::all_of(letters.cbegin(), letters.cend(), [](QChar c) { return c.isLetter(); }))
        found.append(QCoreApplication::translate("Roster", "the short name must be 1 to %1 letters")
                         .arg(kMaxShortNameLetters));

    QSet<int> numbers;
    for (const RosterEntry& entry : players) {
        if (entry.number < 0 || entry.number > kHighestNumber)
            found.append(QCoreApplication::translate("Roster", "number %1 is not from 0 to %2")
                             .arg(entry.number)
                             .arg(kHighestNumber));
        else if (numbers.contains(entry.number))
            found.append(QCoreApplication::translate("Roster", "number %1 is given twice").arg(entry.number));
        numbers.insert(entry.number);
        if (entry.name.trimmed().isEmpty())
            found.append(QCoreApplication::translate("Roster", "number %1 has no name").arg(entry.number));
    }

    QSet<int> placed;
    for (const LinePlace place : Lines::places()) {
        const int number = lines.player(place);
        if (number == kNobody)
            continue;
        const RosterEntry* entry = player(number);
        if (!entry)
            found.append(QCoreApplication::translate("Roster", "number %1 in %2 is not on the team")
                             .arg(number)
                             .arg(placeName(place)));
        else if (const QString misfit = placeProblem(*entry, place); !misfit.isEmpty())
            found.append(misfit);
        else if (placed.contains(number))
            found.append(
                QCoreApplication::translate("Roster", "number %1 has more than one place in the lines")
                    .arg(number));
        placed.insert(number);
    }
    return found;
}

bool Roster::answersTo(const QString& typed) const {
    const QString wanted = typed.trimmed();
    return !wanted.isEmpty() && wanted.compare(name.trimmed(), Qt::CaseInsensitive) == 0;
}

const Roster* findRoster(const QList<Roster>& rosters, const QString& typedName) {
    for (const Roster& roster : rosters) {
        if (roster.answersTo(typedName))
            return &roster;
    }
    return nullptr;
}

QString placeProblem(const RosterEntry& player, LinePlace place) {
    if (canPlay(player.position, place.at))
        return {};
    const QString text =
        place.at == IcePosition::G
            ? QCoreApplication::translate("Roster", "number %1 plays %2 and cannot be %3")
            : QCoreApplication::translate("Roster", "number %1 plays %2 and cannot play in %3");
    return text.arg(player.number).arg(positionCode(player.position), placeName(place));
}

QString placeName(LinePlace place) {
    if (isForwardPlace(place.at))
        return QCoreApplication::translate("Roster", "forward line %1").arg(place.line);
    if (isDefencePlace(place.at))
        return QCoreApplication::translate("Roster", "defence pair %1").arg(place.line);
    return place.line == 1 ? QCoreApplication::translate("Roster", "the starting goalie")
                           : QCoreApplication::translate("Roster", "the backup goalie");
}

std::optional<RosterEntry> playerOnIce(const Roster& roster, const LinesOnIce& onIce, IcePosition position,
                                       const QList<int>& inBox) {
    const int line = isForwardPlace(position)   ? onIce.forwardLine
                     : isDefencePlace(position) ? onIce.defencePair
                                                : onIce.goalie;
    const LinePlace place{line, position};
    if (!place.isValid())
        return std::nullopt;
    const int number = roster.lines.player(place);
    const RosterEntry* entry = number == kNobody || inBox.contains(number) ? nullptr : roster.player(number);
    return entry ? std::optional<RosterEntry>(*entry) : std::nullopt;
}
