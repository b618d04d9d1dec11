// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>
#include <variant>

#include "core/fieldmodel.h"
#include "deck/deck.h"
#include "game/gamelog.h"
#include "game/penaltybox.h"
#include "game/scoresheet.h"

enum class GameState { InProgress, Final };

// The board as a step leaves it: all a game needs to carry on exactly where it stood.
struct GameBoard {
    // Every member in the order of allMembers(). The save path is the program's, not the
    // game's: it is not kept, and a board read back holds the initial one.
    FieldModel::Snapshot fields;
    Deck::State deck;
    QList<Penalty> penalties;  // running and waiting, in the order they were added
    int nextPenaltyNumber = 1;
    ScoreSheet sheet;

    bool operator==(const GameBoard&) const = default;
};

// One game of the league, as read back whole.
struct GameRecord {
    QString id;  // a UUID, without braces
    QDateTime started;
    QDateTime lastPlayed;
    GameState state = GameState::InProgress;
    GameBoard board;
    QList<LogEntry> log;
};

// Why a stored game cannot be taken back, in words for the player.
struct GameRefusal {
    QString reason;
};

// The encodings of a game's parts in the league file, and their checks on the way back.
// What the program writes, it reads back unchanged; anything else is refused with a reason,
// never half-taken. Each part is a versioned JSON object that a later program may add keys
// to: keys it does not know are passed over.
namespace GameCodec {

// No text the program keeps comes near these: a field holds at most a saved game's line,
// the log a correction of a few such fields.
inline constexpr qsizetype kMaxTextChars = 1 << 20;
inline constexpr qsizetype kMaxPartBytes = 16 << 20;
inline constexpr qsizetype kMaxLogEntries = 1'000'000;
inline constexpr int kMaxPenalties = 1000;

// The place of a member in a snapshot, and its text there.
size_t slotOf(Control ctl, int index);
QString textOf(const FieldModel::Snapshot& fields, Control ctl, int index);

QByteArray encodeFields(const FieldModel::Snapshot& fields);
std::variant<FieldModel::Snapshot, GameRefusal> decodeFields(const QByteArray& json);

// The order as one byte per position, 1 to 200.
QByteArray encodeOrder(const Deck::State& deck);
std::variant<Deck::State, GameRefusal> decodeDeck(const QByteArray& order, qint64 position,
                                                  qint64 currentCard);

QByteArray encodePenalties(const QList<Penalty>& penalties, int nextNumber);
struct StoredPenalties {
    QList<Penalty> penalties;
    int nextNumber = 1;
};
std::variant<StoredPenalties, GameRefusal> decodePenalties(const QByteArray& json);

// A game kept before sheets were has an empty one.
QByteArray encodeSheet(const ScoreSheet& sheet);
std::variant<ScoreSheet, GameRefusal> decodeSheet(const QByteArray& json);

QString stateCode(GameState state);
std::optional<GameState> stateFromCode(const QString& code);

// "timed-flip": a log event as the file names it, whatever the player's language.
QString eventCode(const LogEntry::Event& event);
std::optional<LogEntry::Event> eventFromCode(const QString& code);
// Every name eventFromCode() takes.
QStringList knownEventCodes();

// Puts the members a game does not keep (the save path) back as the program has them.
void keepProgramFields(FieldModel::Snapshot& stored, const FieldModel::Snapshot& program);

}  // namespace GameCodec
