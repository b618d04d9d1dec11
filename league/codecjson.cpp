// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "league/codecjson.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <cmath>

#include "league/gamerecord.h"

namespace GameCodec::Json {

std::optional<QJsonObject> parseObject(const QByteArray& json) {
    if (json.size() > kMaxPartBytes)
        return std::nullopt;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    const QJsonValue version = object.value(QLatin1String("v"));
    if (!version.isDouble() || version.toDouble() < 1)
        return std::nullopt;
    return object;
}

// A whole number from low to high, or nothing.
std::optional<qint64> wholeNumber(const QJsonValue& value, qint64 low, qint64 high) {
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!(number >= static_cast<double>(low) && number <= static_cast<double>(high)) ||
        number != std::floor(number))
        return std::nullopt;
    return static_cast<qint64>(number);
}

QByteArray compact(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

const char* teamCode(Team team) {
    return team == Team::Away ? "away" : "home";
}

const char* kindCode(PenaltyKind kind) {
    switch (kind) {
        case PenaltyKind::Minor: return "minor";
        case PenaltyKind::Major: return "major";
        case PenaltyKind::DoubleMinor: return "double-minor";
        case PenaltyKind::Misconduct: return "misconduct";
        case PenaltyKind::PenaltyShot: return "penalty-shot";
    }
    return "";
}

std::optional<PenaltyKind> kindFromCode(const QString& code) {
    for (PenaltyKind kind : {PenaltyKind::Minor, PenaltyKind::Major, PenaltyKind::DoubleMinor,
                             PenaltyKind::Misconduct, PenaltyKind::PenaltyShot}) {
        if (code == QLatin1String(kindCode(kind)))
            return kind;
    }
    return std::nullopt;
}

std::optional<QString> text(const QJsonValue& value, qsizetype maxChars) {
    if (!value.isString() || value.toString().size() > maxChars)
        return std::nullopt;
    return value.toString();
}

std::optional<Team> teamFromCode(const QJsonValue& value) {
    const QString code = value.toString();
    if (code == QLatin1String("away"))
        return Team::Away;
    if (code == QLatin1String("home"))
        return Team::Home;
    return std::nullopt;
}

}  // namespace GameCodec::Json
