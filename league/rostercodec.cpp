// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "league/rostercodec.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>
#include <limits>

namespace RosterCodec {

namespace {

constexpr int kVersion = 1;

QString tr(const char* text) {
    return QCoreApplication::translate("RosterCodec", text);
}

GameRefusal refused(const char* text) {
    return GameRefusal{tr(text)};
}

std::optional<int> wholeNumber(const QJsonValue& value, int low, int high) {
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!(number >= low && number <= high) || number != std::floor(number))
        return std::nullopt;
    return static_cast<int>(number);
}

std::optional<QString> shortText(const QJsonValue& value) {
    if (!value.isString() || value.toString().size() > kMaxNameChars)
        return std::nullopt;
    return value.toString();
}

}  // namespace

QJsonObject toJson(const Roster& roster) {
    QJsonArray players;
    for (const RosterEntry& entry : roster.players)
        players.append(QJsonObject{{QLatin1String("number"), entry.number},
                                   {QLatin1String("name"), entry.name},
                                   {QLatin1String("position"), positionCode(entry.position)}});
    QJsonArray lines;
    for (const LinePlace place : Lines::places()) {
        if (const int number = roster.lines.player(place); number != kNobody)
            lines.append(QJsonObject{{QLatin1String("line"), place.line},
                                     {QLatin1String("at"), icePositionCode(place.at)},
                                     {QLatin1String("number"), number}});
    }
    return {
        {QLatin1String("v"), kVersion}, {QLatin1String("players"), players}, {QLatin1String("lines"), lines}};
}

std::variant<Roster, GameRefusal> fromJson(const QJsonValue& json) {
    const QJsonObject object = json.toObject();
    const QJsonValue version = object.value(QLatin1String("v"));
    const QJsonValue playersValue = object.value(QLatin1String("players"));
    const QJsonValue linesValue = object.value(QLatin1String("lines"));
    if (!json.isObject() || !wholeNumber(version, 1, std::numeric_limits<int>::max()) ||
        !playersValue.isArray() || !linesValue.isArray())
        return refused("its roster is not one this program writes");
    const QJsonArray players = playersValue.toArray();
    const QJsonArray lines = linesValue.toArray();
    if (players.size() > kMaxPlayers)
        return GameRefusal{tr("its roster has more than %1 players").arg(kMaxPlayers)};
    if (lines.size() > Lines::places().size())
        return refused("its lines have more places than there are");

    Roster roster;
    for (const QJsonValue& value : players) {
        const QJsonObject player = value.toObject();
        const std::optional<int> number =
            wholeNumber(player.value(QLatin1String("number")), 0, Roster::kHighestNumber);
        if (!number)
            return GameRefusal{
                tr("a player of its roster has no number from 0 to %1").arg(Roster::kHighestNumber)};
        const std::optional<QString> name = shortText(player.value(QLatin1String("name")));
        const QJsonValue code = player.value(QLatin1String("position"));
        const std::optional<Position> position =
            code.isString() ? positionFromCode(code.toString()) : std::nullopt;
        if (!name)
            return GameRefusal{tr("number %1 has no name this program writes").arg(*number)};
        if (!position)
            return GameRefusal{tr("number %1 has no position C, LW, RW, D or G").arg(*number)};
        roster.players.append({*number, *name, *position});
    }
    for (const QJsonValue& value : lines) {
        const QJsonObject place = value.toObject();
        const QJsonValue at = place.value(QLatin1String("at"));
        const IcePosition position = icePositionFromCode(at.toString()).value_or(IcePosition::G);
        const std::optional<int> line =
            wholeNumber(place.value(QLatin1String("line")), 1, LinePlace::linesOf(position));
        const std::optional<int> number =
            wholeNumber(place.value(QLatin1String("number")), 0, Roster::kHighestNumber);
        if (!at.isString() || !icePositionFromCode(at.toString()) || !line || !number)
            return refused("its lines name a place or a number that does not exist");
        const LinePlace linePlace{*line, position};
        if (roster.lines.player(linePlace) != kNobody)
            return GameRefusal{
                tr("%1 has two players at %2").arg(placeName(linePlace), icePositionCode(position))};
        roster.lines.setPlayer(linePlace, *number);
    }
    return roster;
}

QByteArray encode(const Roster& roster) {
    return QJsonDocument(toJson(roster)).toJson(QJsonDocument::Compact);
}

std::variant<Roster, GameRefusal> decode(const QByteArray& json) {
    if (json.size() > kMaxBytes)
        return refused("its roster is larger than any this program writes");
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return refused("its roster is damaged");
    return fromJson(document.object());
}

}  // namespace RosterCodec
