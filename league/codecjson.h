// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <optional>

#include "game/penaltybox.h"
#include "game/team.h"

// The pieces every JSON part of a game is made of, and their checks on the way back.
namespace GameCodec::Json {

// A part's object, when the bytes are one of a known size with a version.
std::optional<QJsonObject> parseObject(const QByteArray& json);
// A whole number from low to high, or nothing.
std::optional<qint64> wholeNumber(const QJsonValue& value, qint64 low, qint64 high);
// A text of at most maxChars, or nothing.
std::optional<QString> text(const QJsonValue& value, qsizetype maxChars);
QByteArray compact(const QJsonObject& object);

const char* teamCode(Team team);
std::optional<Team> teamFromCode(const QJsonValue& value);
const char* kindCode(PenaltyKind kind);
std::optional<PenaltyKind> kindFromCode(const QString& code);

}  // namespace GameCodec::Json
