// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The league's teams with their rosters, and the league's own settings.
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include "league/leaguestore.h"
#include "league/rostercodec.h"

namespace {

const QString kNameKey = QStringLiteral("name");

QString text(const QString& value) {
    return value.isNull() ? QStringLiteral("") : value;
}

}  // namespace

LeagueTeams LeagueStore::readTeams() const {
    LeagueTeams read;
    if (m_mode == Mode::Closed)
        return read;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    // Only what could be ours is handed over: a name of a megabyte, or a number where a name
    // should be, stays in the file.
    query.prepare(QStringLiteral(
        "SELECT id, CASE WHEN typeof(name) = 'text' AND length(name) <= ? THEN name END,"
        " CASE WHEN typeof(short_name) = 'text' AND length(short_name) <= ? THEN short_name END,"
        " CASE WHEN length(CAST(roster AS BLOB)) <= ? THEN CAST(roster AS BLOB) END FROM teams ORDER BY id"));
    query.bindValue(0, RosterCodec::kMaxNameChars);
    query.bindValue(1, RosterCodec::kMaxNameChars);
    query.bindValue(2, RosterCodec::kMaxBytes);
    if (!query.exec()) {
        read.refused.append(
            tr("The teams of the league file cannot be read: %1.").arg(query.lastError().databaseText()));
        return read;
    }
    while (query.next()) {
        const QVariant name = query.value(1);
        const QVariant shortName = query.value(2);
        const QString shownName = name.toString().trimmed().left(60);
        const auto refuse = [&](const QString& reason) {
            read.refused.append(
                shownName.isEmpty()
                    ? tr("A team in the league file cannot be read: %1. It is left as it is.").arg(reason)
                    : tr("The team “%1” in the league file cannot be read: %2. It is left as it is.")
                          .arg(shownName, reason));
        };
        if (name.isNull() || shortName.isNull()) {
            refuse(tr("its names are not text this program writes"));
            continue;
        }
        if (query.value(3).isNull()) {
            refuse(tr("its roster is larger than any this program writes"));
            continue;
        }
        std::variant<Roster, GameRefusal> decoded = RosterCodec::decode(query.value(3).toByteArray());
        if (const auto* refusal = std::get_if<GameRefusal>(&decoded)) {
            refuse(refusal->reason);
            continue;
        }
        Roster& roster = std::get<Roster>(decoded);
        roster.name = name.toString();
        roster.shortName = shortName.toString();
        if (const QStringList problems = roster.problems(); !problems.isEmpty()) {
            refuse(problems.join(QStringLiteral("; ")));
            continue;
        }
        // The first of two teams of one name is the one a typed name finds.
        if (findRoster(teams(read), roster.name)) {
            refuse(tr("another team has its name"));
            continue;
        }
        read.teams.append({query.value(0).toLongLong(), std::move(roster)});
    }
    return read;
}

QList<Roster> LeagueStore::teams(const LeagueTeams& read) {
    QList<Roster> rosters;
    rosters.reserve(read.teams.size());
    for (const LeagueTeam& team : read.teams)
        rosters.append(team.roster);
    return rosters;
}

QList<Roster> LeagueStore::teams() const {
    return teams(readTeams());
}

bool LeagueStore::writeTeamRows(const QList<LeagueTeam>& teams, const QList<qint64>& removed,
                                QList<qint64>& ids) {
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("DELETE FROM teams WHERE id = ?"));
    for (const qint64 id : removed) {
        query.bindValue(0, id);
        if (!query.exec()) {
            writingFailed(query);
            return false;
        }
    }
    // A row another copy of the program took out in the meantime is written again.
    query.prepare(QStringLiteral(
        "INSERT INTO teams (id, name, short_name, roster) VALUES (?, ?, ?, ?) ON CONFLICT (id) DO UPDATE"
        " SET name = excluded.name, short_name = excluded.short_name, roster = excluded.roster RETURNING "
        "id"));
    for (const LeagueTeam& team : teams) {
        query.bindValue(0, team.id == 0 ? QVariant(QMetaType::fromType<qint64>()) : QVariant(team.id));
        query.bindValue(1, text(team.roster.name.trimmed()));
        query.bindValue(2, text(team.roster.shortName.trimmed()));
        query.bindValue(3, RosterCodec::encode(team.roster));
        if (!query.exec() || !query.next()) {
            writingFailed(query);
            return false;
        }
        ids.append(query.value(0).toLongLong());
        query.finish();
    }
    return true;
}

bool LeagueStore::writeTeams(QList<LeagueTeam>& teams, const QList<qint64>& removed) {
    QList<qint64> ids;
    if (!transaction([&] { return writeTeamRows(teams, removed, ids); }))
        return false;
    for (qsizetype i = 0; i < teams.size(); ++i) {
        teams[i].id = ids[i];
        teams[i].roster.name = teams[i].roster.name.trimmed();
        teams[i].roster.shortName = teams[i].roster.shortName.trimmed();
    }
    emit teamsChanged();
    return true;
}

QString LeagueStore::leagueName() const {
    if (m_mode == Mode::Closed)
        return {};
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(
        QStringLiteral("SELECT CASE WHEN typeof(value) = 'text' AND length(value) <= ? THEN value END"
                       " FROM league_settings WHERE key = ?"));
    query.bindValue(0, RosterCodec::kMaxNameChars);
    query.bindValue(1, kNameKey);
    if (!query.exec() || !query.next())
        return {};
    return query.value(0).toString();
}

QString LeagueStore::shownName() const {
    const QString name = leagueName().trimmed();
    return name.isEmpty() ? QFileInfo(m_path).completeBaseName() : name;
}

bool LeagueStore::setLeagueName(const QString& name) {
    const bool written = transaction([&] {
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        query.prepare(
            QStringLiteral("INSERT INTO league_settings (key, value) VALUES (?, ?)"
                           " ON CONFLICT (key) DO UPDATE SET value = excluded.value"));
        query.bindValue(0, kNameKey);
        query.bindValue(1, text(name.trimmed()));
        if (!query.exec()) {
            writingFailed(query);
            return false;
        }
        return true;
    });
    if (written)
        emit leagueNameChanged();
    return written;
}
