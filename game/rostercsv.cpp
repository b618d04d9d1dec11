// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/rostercsv.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

#include "io/csv.h"

namespace {

const QStringList& header() {
    static const QStringList cells = {QStringLiteral("number"), QStringLiteral("name"),
                                      QStringLiteral("position"), QStringLiteral("line")};
    return cells;
}

QChar unitOf(IcePosition at) {
    switch (at) {
        case IcePosition::LD:
        case IcePosition::RD: return u'D';
        case IcePosition::G: return u'G';
        case IcePosition::LW:
        case IcePosition::C:
        case IcePosition::RW: break;
    }
    return u'F';
}

std::optional<IcePosition> ownPlace(Position position) {
    switch (position) {
        case Position::C: return IcePosition::C;
        case Position::LW: return IcePosition::LW;
        case Position::RW: return IcePosition::RW;
        case Position::D:
        case Position::G: break;
    }
    return std::nullopt;
}

// Where the line cell puts a player of the position, given the places taken so far. No place
// and no reason for an empty cell.
std::optional<LinePlace> placeFromCell(const QString& cell, const RosterEntry& player, const Lines& lines,
                                       QString& reason) {
    static const QRegularExpression code(QStringLiteral("^([FDG])([0-9])\\s*(LW|C|RW|LD|RD)?$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QString text = cell.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    const QRegularExpressionMatch match = code.match(text);
    const QChar unit = match.hasMatch() ? match.captured(1).at(0).toUpper() : QChar();
    const std::optional<IcePosition> named = icePositionFromCode(match.captured(3));
    LinePlace place{match.captured(2).toInt(), unit == u'F'   ? IcePosition::C
                                               : unit == u'D' ? IcePosition::LD
                                                              : IcePosition::G};
    if (!match.hasMatch() || !place.isValid() || (named && unitOf(*named) != unit)) {
        reason = QCoreApplication::translate("RosterFile", "“%1” is not a place in the lines").arg(text);
        return std::nullopt;
    }
    reason = placeProblem(player, place);
    if (!reason.isEmpty())
        return std::nullopt;

    if (named) {
        place.at = *named;
    } else if (unit == u'F') {
        place.at = *ownPlace(player.position);
    } else if (unit == u'D' && lines.player(place) != kNobody) {
        place.at = IcePosition::RD;
    }
    if (const int taken = lines.player(place); taken != kNobody) {
        reason = place.at == IcePosition::G
                     ? QCoreApplication::translate("RosterFile", "%1 is number %2 already")
                           .arg(placeName(place))
                           .arg(taken)
                     : QCoreApplication::translate("RosterFile", "%1 has number %2 at %3 already")
                           .arg(placeName(place))
                           .arg(taken)
                           .arg(icePositionCode(place.at));
        return std::nullopt;
    }
    return place;
}

QString lineCell(const Lines& lines, const RosterEntry& entry) {
    const std::optional<LinePlace> place = lines.placeOf(entry.number);
    if (!place)
        return {};
    const QString line = QString::number(place->line);
    switch (place->at) {
        case IcePosition::G: return u'G' + line;
        case IcePosition::LD:
        case IcePosition::RD: return u'D' + line + u' ' + icePositionCode(place->at);
        case IcePosition::LW:
        case IcePosition::C:
        case IcePosition::RW: break;
    }
    return ownPlace(entry.position) == place->at ? u'F' + line
                                                 : u'F' + line + u' ' + icePositionCode(place->at);
}

}  // namespace

QString RosterFileProblem::message() const {
    return QCoreApplication::translate("RosterFile", "Line %1: %2").arg(line).arg(reason);
}

RosterFile readRosterCsv(const QByteArray& bytes) {
    RosterFile file;
    const QList<CsvRow> rows = readCsv(bytes);
    auto problem = [&file](int line, const QString& reason) { file.problems.append({line, reason}); };
    if (rows.isEmpty()) {
        problem(1, QCoreApplication::translate("RosterFile", "the file is empty"));
        return file;
    }
    QStringList firstCells;
    for (const QString& cell : rows.first().cells)
        firstCells.append(cell.trimmed().toLower());
    if (firstCells != header()) {
        problem(rows.first().line,
                QCoreApplication::translate("RosterFile", "the first line is not the header %1")
                    .arg(header().join(u',')));
    }

    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,3}$"));
    QList<RosterEntry> players;
    Lines lines;
    QHash<int, int> lineOfNumber;
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const CsvRow& row = rows[i];
        if (!row.fault.isEmpty()) {
            problem(row.line, row.fault);
            continue;
        }
        if (row.cells.size() != header().size()) {
            problem(row.line, QCoreApplication::translate("RosterFile", "%1 cells where there should be %2")
                                  .arg(row.cells.size())
                                  .arg(header().size()));
            continue;
        }
        RosterEntry entry;
        const QString number = row.cells[0].trimmed();
        entry.number = digits.match(number).hasMatch() ? number.toInt() : -1;
        if (entry.number < 0 || entry.number > Roster::kHighestNumber) {
            problem(row.line, QCoreApplication::translate("RosterFile", "the number “%1” is not from 0 to %2")
                                  .arg(number)
                                  .arg(Roster::kHighestNumber));
            continue;
        }
        if (lineOfNumber.contains(entry.number)) {
            problem(row.line, QCoreApplication::translate("RosterFile", "number %1 is on line %2 already")
                                  .arg(entry.number)
                                  .arg(lineOfNumber.value(entry.number)));
            continue;
        }
        lineOfNumber.insert(entry.number, row.line);
        entry.name = row.cells[1].trimmed();
        const std::optional<Position> position = positionFromCode(row.cells[2]);
        if (entry.name.isEmpty()) {
            problem(row.line,
                    QCoreApplication::translate("RosterFile", "number %1 has no name").arg(entry.number));
            continue;
        }
        if (!position) {
            problem(row.line,
                    QCoreApplication::translate("RosterFile", "“%1” is not a position: C, LW, RW, D or G")
                        .arg(row.cells[2].trimmed()));
            continue;
        }
        entry.position = *position;
        QString reason;
        const std::optional<LinePlace> place = placeFromCell(row.cells[3], entry, lines, reason);
        if (!reason.isEmpty()) {
            problem(row.line, reason);
            continue;
        }
        if (place)
            lines.setPlayer(*place, entry.number);
        players.append(entry);
    }
    if (file.problems.isEmpty() && players.isEmpty())
        problem(rows.last().line, QCoreApplication::translate("RosterFile", "the file lists no players"));
    if (file.problems.isEmpty()) {
        file.players = players;
        file.lines = lines;
    }
    return file;
}

QByteArray writeRosterCsv(const Roster& roster) {
    CsvWriter csv;
    csv.writeRecord(header());
    for (const RosterEntry& entry : roster.players)
        csv.writeRecord({QString::number(entry.number), entry.name, positionCode(entry.position),
                         lineCell(roster.lines, entry)});
    return csv.bytes();
}
