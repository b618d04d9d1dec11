// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "league/gamerecord.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <array>
#include <cmath>
#include <utility>

#include "core/numbertext.h"
#include "game/period.h"
#include "league/codecjson.h"

namespace GameCodec {

using namespace Json;

namespace {

constexpr int kPartVersion = 1;

QString tr(const char* text) {
    return QCoreApplication::translate("GameCodec", text);
}

// The members a game keeps, by the name the file gives them, and their place in a snapshot.
struct KeptMember {
    QString name;
    size_t slot;
    bool hasText;  // a text field; a button keeps only whether it is shown
};

const QList<KeptMember>& keptMembers() {
    static const QList<KeptMember> kept = [] {
        QList<KeptMember> list;
        const QList<Member>& members = allMembers();
        for (qsizetype i = 0; i < members.size(); ++i) {
            const Member m = members[i];
            if (m.ctl == Control::SavePath)
                continue;
            list.append({memberName(m.ctl, m.index), static_cast<size_t>(i),
                         controlInfo(m.ctl).kind == ControlKind::TextField});
        }
        return list;
    }();
    return kept;
}

struct Code {
    LogEntry::Event event;
    const char* code;
};
// Names that never change, whatever the order of the enums becomes.
const std::array<Code, 30> kEventCodes{{
    {Command::NewGame, "new-game"},
    {Command::LoadGame, "load-game"},
    {Command::ResumeGame, "resume-game"},
    {Command::TimedFlip, "timed-flip"},
    {Command::Flip, "flip"},
    {Command::NextPeriod, "next-period"},
    {Command::AwayShot, "away-shot"},
    {Command::HomeShot, "home-shot"},
    {Command::AwayGoal, "away-goal"},
    {Command::HomeGoal, "home-goal"},
    {Command::AddPenalty, "penalty-added"},
    {Command::RemovePenalty, "penalty-removed"},
    {Command::PenaltyShot, "penalty-shot"},
    {Command::NextLines, "next-lines"},
    {Command::PickLines, "pick-lines"},
    {Command::ChangeGoalie, "change-goalie"},
    {Command::EditGoal, "edit-goal"},
    {Command::ThreeStars, "three-stars"},
    {Command::UpdateRosters, "update-rosters"},
    {Command::EndGame, "end-game"},
    {Command::ShootoutAttempt, "shootout-attempt"},
    {Command::Correction, "correction"},
    {Command::Undo, "undo"},
    {Command::Redo, "redo"},
    {LogEvent::ChangeLines, "change-lines"},
    {LogEvent::PeriodEnd, "period-end"},
    {LogEvent::PenaltyExpired, "penalty-expired"},
    {LogEvent::PenaltyEndedByGoal, "penalty-ended-by-goal"},
    {LogEvent::FirstMinorEndedByGoal, "first-minor-ended-by-goal"},
    {LogEvent::Final, "final"},
}};
// Every command and every event has its code: a log entry without one could not be kept.
static_assert(kEventCodes.size() ==
              static_cast<size_t>(Command::Redo) + 1 + static_cast<size_t>(LogEvent::Final) + 1);
// A file may name a command as the command table does.
constexpr std::array<std::pair<const char*, Command>, 2> kOtherNames{{
    {"add-penalty", Command::AddPenalty},
    {"remove-penalty", Command::RemovePenalty},
}};

}  // namespace

size_t slotOf(Control ctl, int index) {
    const QList<Member>& members = allMembers();
    for (qsizetype i = 0; i < members.size(); ++i) {
        if (members[i].ctl == ctl && members[i].index == index)
            return static_cast<size_t>(i);
    }
    Q_UNREACHABLE();
}

QString textOf(const FieldModel::Snapshot& fields, Control ctl, int index) {
    const size_t slot = slotOf(ctl, index);
    return slot < fields.size() ? fields[slot].text : QString();
}

QByteArray encodeFields(const FieldModel::Snapshot& fields) {
    QJsonObject texts, shown;
    for (const KeptMember& m : keptMembers()) {
        if (m.slot >= fields.size())
            break;
        if (m.hasText)
            texts.insert(m.name, fields[m.slot].text);
        shown.insert(m.name, fields[m.slot].visible);
    }
    return compact({{QLatin1String("v"), kPartVersion},
                    {QLatin1String("texts"), texts},
                    {QLatin1String("shown"), shown}});
}

// A member the file does not name starts as in a fresh window: a later program may know
// members an earlier one did not write.
std::variant<FieldModel::Snapshot, GameRefusal> decodeFields(const QByteArray& json) {
    const std::optional<QJsonObject> object = parseObject(json);
    const QJsonValue textsValue = object ? object->value(QLatin1String("texts")) : QJsonValue();
    const QJsonValue shownValue = object ? object->value(QLatin1String("shown")) : QJsonValue();
    if (!textsValue.isObject() || !shownValue.isObject())
        return GameRefusal{tr("Its board cannot be read.")};
    const QJsonObject texts = textsValue.toObject();
    const QJsonObject shown = shownValue.toObject();

    FieldModel::Snapshot fields = FieldModel().snapshot();
    for (const KeptMember& m : keptMembers()) {
        if (const QJsonValue text = texts.value(m.name); m.hasText && !text.isUndefined()) {
            if (!text.isString() || text.toString().size() > kMaxTextChars)
                return GameRefusal{
                    tr("Its field %1 holds no text that the program could have written.").arg(m.name)};
            fields[m.slot].text = text.toString();
        }
        if (const QJsonValue visible = shown.value(m.name); !visible.isUndefined()) {
            if (!visible.isBool())
                return GameRefusal{tr("Its board cannot be read.")};
            fields[m.slot].visible = visible.toBool();
        }
    }
    // A clock outside its period never ends or never moves; loading a saved game refuses it too.
    const std::optional<double> seconds = readWholeNumber(fields[slotOf(Control::SecondsLeft, 0)].text);
    if (!seconds || *seconds < 0 || *seconds > Period::kSeconds)
        return GameRefusal{
            tr("Its seconds left in the period are not a number from 0 to %1.").arg(Period::kSeconds)};
    return fields;
}

QByteArray encodeOrder(const Deck::State& deck) {
    QByteArray order;
    order.reserve(Deck::kSize);
    for (qint16 position : deck.order)
        order.append(static_cast<char>(static_cast<quint8>(position)));
    return order;
}

std::variant<Deck::State, GameRefusal> decodeDeck(const QByteArray& order, qint64 position,
                                                  qint64 currentCard) {
    Deck::State deck;
    std::array<bool, Deck::kSize + 1> seen{};
    bool permutation = order.size() == Deck::kSize;
    for (qsizetype k = 0; permutation && k < order.size(); ++k) {
        const int card = static_cast<quint8>(order[k]);
        permutation = card >= 1 && card <= Deck::kSize && !seen[static_cast<size_t>(card)];
        if (permutation) {
            seen[static_cast<size_t>(card)] = true;
            deck.order[static_cast<size_t>(k)] = static_cast<qint16>(card);
        }
    }
    if (!permutation)
        return GameRefusal{tr("Its deck is not an order of the %1 cards.").arg(Deck::kSize)};
    if (position < 1 || position > Deck::kSize || currentCard < 1 || currentCard > Deck::kSize)
        return GameRefusal{tr("Its place in the deck is outside the deck.")};
    deck.position = static_cast<qint16>(position);
    deck.currentCard = static_cast<qint16>(currentCard);
    return deck;
}

namespace {

std::optional<Penalty> decodePenalty(const QJsonObject& object, int nextNumber) {
    Penalty penalty;
    const std::optional<qint64> number =
        wholeNumber(object.value(QLatin1String("number")), 1, nextNumber - 1);
    const QString team = object.value(QLatin1String("team")).toString();
    const std::optional<PenaltyKind> kind = kindFromCode(object.value(QLatin1String("kind")).toString());
    const QJsonValue player = object.value(QLatin1String("player"));
    const QJsonValue seconds = object.value(QLatin1String("seconds"));
    const QJsonValue running = object.value(QLatin1String("running"));
    if (!number || (team != QLatin1String("away") && team != QLatin1String("home")) || !kind ||
        !player.isString() || player.toString().size() > kMaxTextChars || !seconds.isDouble() ||
        !(seconds.toDouble() >= 0 && seconds.toDouble() <= Period::kSeconds) || !running.isBool())
        return std::nullopt;
    penalty.id = static_cast<int>(*number);
    penalty.team = team == QLatin1String("away") ? Team::Away : Team::Home;
    penalty.player = player.toString();
    penalty.kind = *kind;
    penalty.secondsLeft = seconds.toDouble();
    penalty.running = running.toBool();
    // Kept since the box learnt infractions and stoppages; a box kept before has none.
    const QJsonValue infraction = object.value(QLatin1String("infraction"));
    if (!infraction.isUndefined()) {
        if (!infraction.isString() || infraction.toString().size() > kMaxTextChars)
            return std::nullopt;
        penalty.infraction = infraction.toString();
    }
    // Kept since the box learnt the roster: -1 for a player typed.
    if (const QJsonValue jersey = object.value(QLatin1String("jersey")); !jersey.isUndefined()) {
        const std::optional<qint64> number = wholeNumber(jersey, -1, 99);
        if (!number)
            return std::nullopt;
        penalty.number = static_cast<int>(*number);
    }
    for (auto [name, flag] :
         {std::pair{"coincidental", &penalty.coincidental}, std::pair{"substituted", &penalty.substituted},
          std::pair{"atThisStoppage", &penalty.atThisStoppage}}) {
        const QJsonValue value = object.value(QLatin1String(name));
        if (value.isUndefined())
            continue;
        if (!value.isBool())
            return std::nullopt;
        *flag = value.toBool();
    }
    return penalty;
}

}  // namespace

QByteArray encodePenalties(const QList<Penalty>& penalties, int nextNumber) {
    QJsonArray list;
    for (const Penalty& p : penalties) {
        list.append(QJsonObject{{QLatin1String("number"), p.id},
                                {QLatin1String("team"), QLatin1String(teamCode(p.team))},
                                {QLatin1String("player"), p.player},
                                {QLatin1String("kind"), QLatin1String(kindCode(p.kind))},
                                {QLatin1String("seconds"), p.secondsLeft},
                                {QLatin1String("running"), p.running},
                                {QLatin1String("infraction"), p.infraction},
                                {QLatin1String("coincidental"), p.coincidental},
                                {QLatin1String("substituted"), p.substituted},
                                {QLatin1String("atThisStoppage"), p.atThisStoppage},
                                {QLatin1String("jersey"), p.number}});
    }
    return compact({{QLatin1String("v"), kPartVersion},
                    {QLatin1String("next"), nextNumber},
                    {QLatin1String("list"), list}});
}

std::variant<StoredPenalties, GameRefusal> decodePenalties(const QByteArray& json) {
    const GameRefusal refusal{tr("Its penalty box cannot be read.")};
    const std::optional<QJsonObject> object = parseObject(json);
    if (!object)
        return refusal;
    const std::optional<qint64> next = wholeNumber(object->value(QLatin1String("next")), 1, 1'000'000'000);
    const QJsonValue list = object->value(QLatin1String("list"));
    if (!next || !list.isArray() || list.toArray().size() > kMaxPenalties)
        return refusal;
    StoredPenalties stored;
    stored.nextNumber = static_cast<int>(*next);
    std::array<int, 2> running{};
    for (const QJsonValue& value : list.toArray()) {
        const std::optional<Penalty> penalty = decodePenalty(value.toObject(), stored.nextNumber);
        if (!penalty || (penalty->running &&
                         ++running[static_cast<size_t>(penalty->team)] > PenaltyBox::kMaxRunningPerTeam))
            return refusal;
        // Numbers grow in the order penalties were added, so each is above the one before.
        if (!stored.penalties.isEmpty() && penalty->id <= stored.penalties.last().id)
            return refusal;
        stored.penalties.append(*penalty);
    }
    return stored;
}

QString stateCode(GameState state) {
    return state == GameState::Final ? QStringLiteral("final") : QStringLiteral("in-progress");
}

std::optional<GameState> stateFromCode(const QString& code) {
    if (code == QLatin1String("in-progress"))
        return GameState::InProgress;
    if (code == QLatin1String("final"))
        return GameState::Final;
    return std::nullopt;
}

QString eventCode(const LogEntry::Event& event) {
    for (const Code& c : kEventCodes) {
        if (c.event == event)
            return QLatin1String(c.code);
    }
    Q_UNREACHABLE();
}

std::optional<LogEntry::Event> eventFromCode(const QString& code) {
    for (const Code& c : kEventCodes) {
        if (code == QLatin1String(c.code))
            return c.event;
    }
    for (const auto& [name, command] : kOtherNames) {
        if (code == QLatin1String(name))
            return command;
    }
    return std::nullopt;
}

QStringList knownEventCodes() {
    QStringList codes;
    for (const Code& c : kEventCodes)
        codes << QLatin1String(c.code);
    for (const auto& [name, command] : kOtherNames)
        codes << QLatin1String(name);
    return codes;
}

void keepProgramFields(FieldModel::Snapshot& stored, const FieldModel::Snapshot& program) {
    const size_t slot = slotOf(Control::SavePath, 0);
    if (slot < stored.size() && slot < program.size())
        stored[slot] = program[slot];
}

}  // namespace GameCodec
