// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The score sheet and the rosters as the league file keeps them.
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>

#include "league/codecjson.h"
#include "league/gamerecord.h"
#include "league/rostercodec.h"

namespace GameCodec {

using namespace Json;

namespace {

constexpr int kSheetVersion = 1;
// A game has a few dozen rows of each; these are far beyond any.
constexpr qsizetype kMaxRows = 10'000;

QString tr(const char* text) {
    return QCoreApplication::translate("GameCodec", text);
}

QJsonArray numbers(const QList<int>& list) {
    QJsonArray array;
    for (const int number : list)
        array.append(number);
    return array;
}

std::optional<int> playerNumber(const QJsonValue& value) {
    const std::optional<qint64> number = wholeNumber(value, kNobody, Roster::kHighestNumber);
    return number ? std::optional<int>(static_cast<int>(*number)) : std::nullopt;
}

std::optional<QList<int>> numberList(const QJsonValue& value, qsizetype most) {
    if (!value.isArray() || value.toArray().size() > most)
        return std::nullopt;
    QList<int> list;
    for (const QJsonValue& item : value.toArray()) {
        const std::optional<qint64> number = wholeNumber(item, 0, Roster::kHighestNumber);
        if (!number)
            return std::nullopt;
        list.append(static_cast<int>(*number));
    }
    return list;
}

// Rows of a list, each read by `read`; nothing when the list or any row is not right.
template <typename Row, typename Read>
std::optional<QList<Row>> rows(const QJsonValue& value, Read read) {
    if (!value.isArray() || value.toArray().size() > kMaxRows)
        return std::nullopt;
    QList<Row> list;
    for (const QJsonValue& item : value.toArray()) {
        std::optional<Row> row = read(item.toObject());
        if (!row)
            return std::nullopt;
        list.append(std::move(*row));
    }
    return list;
}

QJsonObject rosterObject(const Roster& roster) {
    QJsonObject object = RosterCodec::toJson(roster);
    object.insert(QLatin1String("name"), roster.name);
    object.insert(QLatin1String("short"), roster.shortName);
    return object;
}

std::optional<Roster> rosterFrom(const QJsonObject& object) {
    auto read = RosterCodec::fromJson(object);
    const std::optional<QString> name = text(object.value(QLatin1String("name")), RosterCodec::kMaxNameChars);
    const std::optional<QString> shortName =
        text(object.value(QLatin1String("short")), RosterCodec::kMaxNameChars);
    auto* roster = std::get_if<Roster>(&read);
    if (!roster || !name || !shortName)
        return std::nullopt;
    roster->name = *name;
    roster->shortName = *shortName;
    // Only a roster the Teams window would keep: the sheet's numbers lead into it.
    if (!roster->problems().isEmpty())
        return std::nullopt;
    return std::move(*roster);
}

QJsonObject teamObject(const SheetTeam& team) {
    return {{QLatin1String("roster"), team.roster ? QJsonValue(rosterObject(*team.roster)) : QJsonValue()},
            {QLatin1String("forwardLine"), team.onIce.forwardLine},
            {QLatin1String("defencePair"), team.onIce.defencePair},
            {QLatin1String("goalieLine"), team.onIce.goalie},
            {QLatin1String("goalie"), team.goalie},
            {QLatin1String("netEmpty"), team.netEmpty}};
}

std::optional<SheetTeam> teamFrom(const QJsonObject& object) {
    SheetTeam team;
    const QJsonValue roster = object.value(QLatin1String("roster"));
    if (roster.isObject()) {
        team.roster = rosterFrom(roster.toObject());
        if (!team.roster)
            return std::nullopt;
    } else if (!roster.isNull()) {
        return std::nullopt;
    }
    const std::optional<qint64> forward =
        wholeNumber(object.value(QLatin1String("forwardLine")), 1, Lines::kForwardLines);
    const std::optional<qint64> pair =
        wholeNumber(object.value(QLatin1String("defencePair")), 1, Lines::kDefencePairs);
    const std::optional<qint64> goalieLine = wholeNumber(object.value(QLatin1String("goalieLine")), 1, 2);
    const std::optional<int> goalie = playerNumber(object.value(QLatin1String("goalie")));
    const QJsonValue netEmpty = object.value(QLatin1String("netEmpty"));
    if (!forward || !pair || !goalieLine || !goalie || !netEmpty.isBool())
        return std::nullopt;
    team.onIce = {static_cast<int>(*forward), static_cast<int>(*pair), static_cast<int>(*goalieLine)};
    team.goalie = *goalie;
    team.netEmpty = netEmpty.toBool();
    return team;
}

QString strengthCode(GoalStrength strength) {
    switch (strength) {
        case GoalStrength::Even: return QStringLiteral("ev");
        case GoalStrength::PowerPlay: return QStringLiteral("pp");
        case GoalStrength::ShortHanded: return QStringLiteral("sh");
    }
    return {};
}

std::optional<GoalRow> goalFrom(const QJsonObject& object) {
    GoalRow goal;
    const std::optional<qint64> id = wholeNumber(object.value(QLatin1String("id")), 1, kMaxRows);
    const std::optional<QString> period =
        text(object.value(QLatin1String("period")), RosterCodec::kMaxNameChars);
    const std::optional<QString> clock =
        text(object.value(QLatin1String("clock")), RosterCodec::kMaxNameChars);
    const std::optional<Team> team = teamFromCode(object.value(QLatin1String("team")));
    const QString strength = object.value(QLatin1String("strength")).toString();
    const QJsonValue emptyNet = object.value(QLatin1String("emptyNet"));
    const std::optional<int> scorer = playerNumber(object.value(QLatin1String("scorer")));
    const std::optional<QList<int>> assists = numberList(object.value(QLatin1String("assists")), 2);
    const std::optional<QList<int>> plus = numberList(object.value(QLatin1String("plus")), 6);
    const std::optional<QList<int>> minus = numberList(object.value(QLatin1String("minus")), 6);
    const std::optional<int> goalie = playerNumber(object.value(QLatin1String("goalieAgainst")));
    if (!id || !period || !clock || !team || !emptyNet.isBool() || !scorer || !assists || !plus || !minus ||
        !goalie)
        return std::nullopt;
    bool known = false;
    for (const GoalStrength s : {GoalStrength::Even, GoalStrength::PowerPlay, GoalStrength::ShortHanded}) {
        if (strength == strengthCode(s)) {
            goal.strength = s;
            known = true;
        }
    }
    if (!known)
        return std::nullopt;
    goal.id = static_cast<int>(*id);
    goal.period = *period;
    goal.clock = *clock;
    goal.team = *team;
    goal.emptyNet = emptyNet.toBool();
    goal.scorer = *scorer;
    goal.assists = *assists;
    goal.plus = *plus;
    goal.minus = *minus;
    goal.goalieAgainst = *goalie;
    return goal;
}

std::optional<PenaltyRow> penaltyFrom(const QJsonObject& object) {
    PenaltyRow row;
    const std::optional<qint64> id = wholeNumber(object.value(QLatin1String("penalty")), 0, 1'000'000'000);
    const std::optional<QString> period =
        text(object.value(QLatin1String("period")), RosterCodec::kMaxNameChars);
    const std::optional<QString> clock =
        text(object.value(QLatin1String("clock")), RosterCodec::kMaxNameChars);
    const std::optional<Team> team = teamFromCode(object.value(QLatin1String("team")));
    const std::optional<int> number = playerNumber(object.value(QLatin1String("number")));
    const std::optional<QString> player = text(object.value(QLatin1String("player")), kMaxTextChars);
    const std::optional<PenaltyKind> kind = kindFromCode(object.value(QLatin1String("kind")).toString());
    const std::optional<QString> infraction = text(object.value(QLatin1String("infraction")), kMaxTextChars);
    const std::optional<QString> endPeriod =
        text(object.value(QLatin1String("endPeriod")), RosterCodec::kMaxNameChars);
    const std::optional<QString> endClock =
        text(object.value(QLatin1String("endClock")), RosterCodec::kMaxNameChars);
    if (!id || !period || !clock || !team || !number || !player || !kind || !infraction || !endPeriod ||
        !endClock)
        return std::nullopt;
    row = {static_cast<int>(*id), *period,    *clock,   *team, *number, *player, *kind,
           *infraction,           *endPeriod, *endClock};
    return row;
}

std::optional<GoalieChange> goalieChangeFrom(const QJsonObject& object) {
    const std::optional<QString> period =
        text(object.value(QLatin1String("period")), RosterCodec::kMaxNameChars);
    const std::optional<QString> clock =
        text(object.value(QLatin1String("clock")), RosterCodec::kMaxNameChars);
    const std::optional<Team> team = teamFromCode(object.value(QLatin1String("team")));
    const std::optional<int> goalie = playerNumber(object.value(QLatin1String("goalie")));
    if (!period || !clock || !team || !goalie)
        return std::nullopt;
    return GoalieChange{*period, *clock, *team, *goalie};
}

std::optional<ShotsFaced> shotsFrom(const QJsonObject& object) {
    const std::optional<Team> team = teamFromCode(object.value(QLatin1String("team")));
    const std::optional<QString> period =
        text(object.value(QLatin1String("period")), RosterCodec::kMaxNameChars);
    const std::optional<int> goalie = playerNumber(object.value(QLatin1String("goalie")));
    const std::optional<qint64> shots = wholeNumber(object.value(QLatin1String("shots")), 0, 1'000'000);
    if (!team || !period || !goalie || !shots)
        return std::nullopt;
    return ShotsFaced{*team, *period, *goalie, static_cast<int>(*shots)};
}

QJsonObject rulesObject(const OvertimeRules& rules) {
    return {{QLatin1String("suddenDeath"), rules.suddenDeath},
            {QLatin1String("minutes"), rules.minutes},
            {QLatin1String("skaters"), rules.skaters},
            {QLatin1String("shootout"), rules.shootout}};
}

std::optional<OvertimeRules> rulesFrom(const QJsonObject& object) {
    const QJsonValue suddenDeath = object.value(QLatin1String("suddenDeath"));
    const std::optional<qint64> minutes = wholeNumber(
        object.value(QLatin1String("minutes")), OvertimeRules::kShortMinutes, OvertimeRules::kFullMinutes);
    const std::optional<qint64> skaters = wholeNumber(object.value(QLatin1String("skaters")), 3, 5);
    const QJsonValue shootout = object.value(QLatin1String("shootout"));
    if (!suddenDeath.isBool() || !minutes || !skaters || !shootout.isBool() ||
        (*minutes != OvertimeRules::kShortMinutes && *minutes != OvertimeRules::kFullMinutes))
        return std::nullopt;
    return OvertimeRules{suddenDeath.toBool(), static_cast<int>(*minutes), static_cast<int>(*skaters),
                         shootout.toBool()};
}

std::optional<ShootoutAttempt> attemptFrom(const QJsonObject& object) {
    const std::optional<Team> team = teamFromCode(object.value(QLatin1String("team")));
    const std::optional<int> shooter = playerNumber(object.value(QLatin1String("shooter")));
    const std::optional<int> goalie = playerNumber(object.value(QLatin1String("goalie")));
    const QJsonValue scored = object.value(QLatin1String("scored"));
    if (!team || !shooter || !goalie || !scored.isBool())
        return std::nullopt;
    return ShootoutAttempt{*team, *shooter, *goalie, scored.toBool()};
}

}  // namespace

QByteArray encodeSheet(const ScoreSheet& sheet) {
    const ScoreSheet::Parts parts = sheet.parts();
    QJsonArray teams;
    for (const SheetTeam& team : parts.teams)
        teams.append(teamObject(team));
    QJsonArray goals;
    for (const GoalRow& goal : parts.goals) {
        goals.append(QJsonObject{{QLatin1String("id"), goal.id},
                                 {QLatin1String("period"), goal.period},
                                 {QLatin1String("clock"), goal.clock},
                                 {QLatin1String("team"), QLatin1String(teamCode(goal.team))},
                                 {QLatin1String("strength"), strengthCode(goal.strength)},
                                 {QLatin1String("emptyNet"), goal.emptyNet},
                                 {QLatin1String("scorer"), goal.scorer},
                                 {QLatin1String("assists"), numbers(goal.assists)},
                                 {QLatin1String("plus"), numbers(goal.plus)},
                                 {QLatin1String("minus"), numbers(goal.minus)},
                                 {QLatin1String("goalieAgainst"), goal.goalieAgainst}});
    }
    QJsonArray penalties;
    for (const PenaltyRow& row : parts.penalties) {
        penalties.append(QJsonObject{{QLatin1String("penalty"), row.penaltyId},
                                     {QLatin1String("period"), row.period},
                                     {QLatin1String("clock"), row.clock},
                                     {QLatin1String("team"), QLatin1String(teamCode(row.team))},
                                     {QLatin1String("number"), row.number},
                                     {QLatin1String("player"), row.player},
                                     {QLatin1String("kind"), QLatin1String(kindCode(row.kind))},
                                     {QLatin1String("infraction"), row.infraction},
                                     {QLatin1String("endPeriod"), row.endPeriod},
                                     {QLatin1String("endClock"), row.endClock}});
    }
    QJsonArray goalies;
    for (const GoalieChange& change : parts.goalieChanges) {
        goalies.append(QJsonObject{{QLatin1String("period"), change.period},
                                   {QLatin1String("clock"), change.clock},
                                   {QLatin1String("team"), QLatin1String(teamCode(change.team))},
                                   {QLatin1String("goalie"), change.goalie}});
    }
    QJsonArray shots;
    for (const ShotsFaced& tally : parts.shotsFaced) {
        shots.append(QJsonObject{{QLatin1String("team"), QLatin1String(teamCode(tally.team))},
                                 {QLatin1String("period"), tally.period},
                                 {QLatin1String("goalie"), tally.goalie},
                                 {QLatin1String("shots"), tally.shots}});
    }
    QJsonArray stars;
    for (const std::optional<StarPick>& pick : parts.stars) {
        stars.append(
            pick ? QJsonValue(QJsonObject{{QLatin1String("team"), QLatin1String(teamCode(pick->team))},
                                          {QLatin1String("number"), pick->number}})
                 : QJsonValue());
    }
    QJsonArray shootout;
    for (const ShootoutAttempt& attempt : parts.shootout) {
        shootout.append(QJsonObject{{QLatin1String("team"), QLatin1String(teamCode(attempt.team))},
                                    {QLatin1String("shooter"), attempt.shooter},
                                    {QLatin1String("goalie"), attempt.goalie},
                                    {QLatin1String("scored"), attempt.scored}});
    }
    return compact({{QLatin1String("v"), kSheetVersion},
                    {QLatin1String("teams"), teams},
                    {QLatin1String("goals"), goals},
                    {QLatin1String("penalties"), penalties},
                    {QLatin1String("goalies"), goalies},
                    {QLatin1String("shots"), shots},
                    {QLatin1String("stars"), stars},
                    {QLatin1String("rules"), rulesObject(parts.rules)},
                    {QLatin1String("endedByHand"), parts.endedByHand},
                    {QLatin1String("shootout"), shootout}});
}

std::variant<ScoreSheet, GameRefusal> decodeSheet(const QByteArray& json) {
    if (json.isEmpty())
        return ScoreSheet();
    const GameRefusal refusal{tr("Its score sheet cannot be read.")};
    const std::optional<QJsonObject> object = parseObject(json);
    if (!object)
        return refusal;
    ScoreSheet::Parts parts;
    const QJsonValue teams = object->value(QLatin1String("teams"));
    if (!teams.isArray() || teams.toArray().size() != 2)
        return refusal;
    for (qsizetype i = 0; i < 2; ++i) {
        std::optional<SheetTeam> team = teamFrom(teams.toArray().at(i).toObject());
        if (!team)
            return refusal;
        parts.teams[static_cast<size_t>(i)] = std::move(*team);
    }
    auto goals = rows<GoalRow>(object->value(QLatin1String("goals")), goalFrom);
    auto penalties = rows<PenaltyRow>(object->value(QLatin1String("penalties")), penaltyFrom);
    auto goalies = rows<GoalieChange>(object->value(QLatin1String("goalies")), goalieChangeFrom);
    auto shots = rows<ShotsFaced>(object->value(QLatin1String("shots")), shotsFrom);
    const QJsonValue stars = object->value(QLatin1String("stars"));
    if (!goals || !penalties || !goalies || !shots || !stars.isArray() || stars.toArray().size() != 3)
        return refusal;
    // Goal ids grow in the order goals were pressed.
    for (qsizetype i = 1; i < goals->size(); ++i) {
        if ((*goals)[i].id <= (*goals)[i - 1].id)
            return refusal;
    }
    for (qsizetype i = 0; i < 3; ++i) {
        const QJsonValue pick = stars.toArray().at(i);
        if (pick.isNull())
            continue;
        const std::optional<Team> team = teamFromCode(pick.toObject().value(QLatin1String("team")));
        const std::optional<int> number = playerNumber(pick.toObject().value(QLatin1String("number")));
        if (!team || !number)
            return refusal;
        parts.stars[static_cast<size_t>(i)] = StarPick{*team, *number};
    }
    // The rules, End Game and the shoot-out came later: a sheet kept before has none of them
    // and played under the default rules.
    const QJsonValue rules = object->value(QLatin1String("rules"));
    const QJsonValue endedByHand = object->value(QLatin1String("endedByHand"));
    const QJsonValue shootout = object->value(QLatin1String("shootout"));
    if (!rules.isUndefined()) {
        const std::optional<OvertimeRules> read = rulesFrom(rules.toObject());
        if (!read)
            return refusal;
        parts.rules = *read;
    }
    if (!endedByHand.isUndefined() && !endedByHand.isBool())
        return refusal;
    parts.endedByHand = endedByHand.toBool(false);
    if (!shootout.isUndefined()) {
        auto attempts = rows<ShootoutAttempt>(shootout, attemptFrom);
        if (!attempts)
            return refusal;
        parts.shootout = std::move(*attempts);
    }
    parts.goals = std::move(*goals);
    parts.penalties = std::move(*penalties);
    parts.goalieChanges = std::move(*goalies);
    parts.shotsFaced = std::move(*shots);
    return ScoreSheet::kept(std::move(parts));
}

}  // namespace GameCodec
