// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The league's rules for overtime, kept among its own settings.
#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "league/leaguestore.h"

namespace {

const QString kSuddenDeathKey = QStringLiteral("overtime_sudden_death");
const QString kMinutesKey = QStringLiteral("overtime_minutes");
const QString kSkatersKey = QStringLiteral("overtime_skaters");
const QString kShootoutKey = QStringLiteral("overtime_shootout");

QString onOff(bool on) {
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

}  // namespace

OvertimeRules LeagueStore::overtimeRules() const {
    OvertimeRules rules;
    if (m_mode == Mode::Closed)
        return rules;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT key, CASE WHEN typeof(value) = 'text' AND length(value) <= 8 THEN value END"
                       " FROM league_settings WHERE key IN (?, ?, ?, ?)"));
    const QString keys[] = {kSuddenDeathKey, kMinutesKey, kSkatersKey, kShootoutKey};
    for (int i = 0; i < 4; ++i)
        query.bindValue(i, keys[i]);
    if (!query.exec())
        return rules;
    QHash<QString, QString> values;
    while (query.next())
        values.insert(query.value(0).toString(), query.value(1).toString());
    // Each setting on its own: one the file garbled leaves the others as they are.
    const QString suddenDeath = values.value(kSuddenDeathKey);
    if (suddenDeath == onOff(true) || suddenDeath == onOff(false))
        rules.suddenDeath = suddenDeath == onOff(true);
    const QString shootout = values.value(kShootoutKey);
    if (shootout == onOff(true) || shootout == onOff(false))
        rules.shootout = shootout == onOff(true);
    const QString minutes = values.value(kMinutesKey);
    if (minutes == QString::number(OvertimeRules::kShortMinutes) ||
        minutes == QString::number(OvertimeRules::kFullMinutes))
        rules.minutes = minutes.toInt();
    const QString skaters = values.value(kSkatersKey);
    if (skaters == QLatin1String("3") || skaters == QLatin1String("4") || skaters == QLatin1String("5"))
        rules.skaters = skaters.toInt();
    return rules;
}

bool LeagueStore::setOvertimeRules(const OvertimeRules& rules) {
    return transaction([&] {
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        query.prepare(
            QStringLiteral("INSERT INTO league_settings (key, value) VALUES (?, ?)"
                           " ON CONFLICT (key) DO UPDATE SET value = excluded.value"));
        const std::pair<QString, QString> settings[] = {{kSuddenDeathKey, onOff(rules.suddenDeath)},
                                                        {kMinutesKey, QString::number(rules.minutes)},
                                                        {kSkatersKey, QString::number(rules.skaters)},
                                                        {kShootoutKey, onOff(rules.shootout)}};
        for (const auto& [key, value] : settings) {
            query.bindValue(0, key);
            query.bindValue(1, value);
            if (!query.exec()) {
                writingFailed(query);
                return false;
            }
        }
        return true;
    });
}
