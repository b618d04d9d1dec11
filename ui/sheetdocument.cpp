// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/sheetdocument.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPdfWriter>
#include <QStringList>
#include <QTextDocument>

#include "core/numbertext.h"
#include "game/period.h"

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(GameSheet)
};

using SheetStats::kPeriodColumns;

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

QString cell(const QString& text, const char* tag = "td") {
    return QStringLiteral("<%1>%2</%1>")
        .arg(QLatin1String(tag), text.isEmpty() ? QStringLiteral("&nbsp;") : text);
}

QString row(const QStringList& cells, const char* tag = "td") {
    QString html = QStringLiteral("<tr>");
    for (const QString& text : cells)
        html += cell(text, tag);
    return html + QStringLiteral("</tr>");
}

// A bordered table with a title above it and one row of column titles.
QString table(const QString& title, const QStringList& titles, const QStringList& rows) {
    QStringList escapedTitles;
    for (const QString& text : titles)
        escapedTitles.append(escaped(text));
    return QStringLiteral(
               "<h3>%1</h3><table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\">")
               .arg(escaped(title)) +
           row(escapedTitles, "th") + rows.join(QString()) + QStringLiteral("</table>");
}

QStringList periodTitles() {
    QStringList titles;
    for (const QString& period : Period::names())
        titles.append(period);
    return titles;
}

class SheetWriter {
public:
    explicit SheetWriter(const SheetContent& content) : m_content(content) {}

    QString html() const {
        return QStringLiteral(
                   "<html><body style=\"font-family: 'Liberation Sans', Arial, sans-serif; font-size: "
                   "8pt\">") +
               header() + byPeriod() + goals() + penalties() + goalkeeping() +
               sideBySide(boxScore(Team::Away), boxScore(Team::Home)) + stars() +
               QStringLiteral("</body></html>");
    }

private:
    const ScoreSheet& sheet() const { return m_content.sheet; }

    // The teams' box scores beside each other keep a whole game to two pages.
    static QString sideBySide(const QString& left, const QString& right) {
        return QStringLiteral(
                   "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\"><tr><td width=\"49%\" "
                   "valign=\"top\">%1</td><td width=\"2%\"></td><td width=\"49%\" "
                   "valign=\"top\">%2</td></tr></table>")
            .arg(left, right);
    }

    QString teamName(Team team) const {
        const QString name = (team == Team::Away ? m_content.awayName : m_content.homeName).trimmed();
        return name.isEmpty() ? teamLabel(team) : name;
    }

    QString player(Team team, int number) const { return escaped(sheet().playerLabel(team, number)); }

    QString header() const {
        QString html = QStringLiteral("<h2 align=\"center\">%1</h2>").arg(escaped(Words::tr("Game Sheet")));
        if (!m_content.league.trimmed().isEmpty())
            html +=
                QStringLiteral("<p align=\"center\"><b>%1</b></p>").arg(escaped(m_content.league.trimmed()));
        const QString teams =
            Words::tr("%1 (away) at %2 (home)").arg(teamName(Team::Away), teamName(Team::Home));
        html += QStringLiteral("<p align=\"center\">%1<br>%2</p>")
                    .arg(escaped(teams), escaped(Words::tr("Date: %1").arg(m_content.date)));
        return html;
    }

    QString byPeriod() const {
        const QStringList periods = periodTitles();
        QStringList titles{Words::tr("Team")};
        for (const QString& tally : {Words::tr("Goals"), Words::tr("Shots")}) {
            for (const QString& period : periods)
                titles.append(QStringLiteral("%1 %2").arg(tally, period));
            titles.append(Words::tr("%1 total").arg(tally));
        }
        QStringList rows;
        for (const Team team : {Team::Away, Team::Home}) {
            const SheetStats::TeamCounts& counts = team == Team::Away ? m_content.away : m_content.home;
            QStringList cells{escaped(teamName(team))};
            for (const SheetStats::ByPeriod* tally : {&counts.goals, &counts.shots}) {
                for (const double count : tally->periods)
                    cells.append(numberText(count));
                cells.append(QStringLiteral("<b>%1</b>").arg(numberText(tally->total)));
            }
            rows.append(row(cells));
        }
        return table(Words::tr("Scoring and shots by period"), titles, rows);
    }

    QString goals() const {
        QStringList rows;
        for (const GoalRow& goal : sheet().goals()) {
            QStringList assists;
            for (const int assist : goal.assists)
                assists.append(player(goal.team, assist));
            rows.append(
                row({QString::number(goal.id), escaped(goal.period), escaped(goal.clock),
                     escaped(teamName(goal.team)), player(goal.team, goal.scorer),
                     assists.join(QStringLiteral(", ")), goalTypeCode(goal.strength, goal.emptyNet)}));
        }
        if (rows.isEmpty())
            rows.append(row({Words::tr("No goals")}));
        return table(Words::tr("Goals"),
                     {Words::tr("#"), Words::tr("Period"), Words::tr("Time"), Words::tr("Team"),
                      Words::tr("Scorer"), Words::tr("Assists"), Words::tr("Type")},
                     rows);
    }

    QString penalties() const {
        QStringList rows;
        for (const PenaltyRow& penalty : sheet().penalties()) {
            const QString named = penalty.player.trimmed().isEmpty()
                                      ? sheet().playerLabel(penalty.team, penalty.number)
                                      : penalty.player;
            const QString on = penalty.endClock.isEmpty()
                                   ? QString()
                                   : QStringLiteral("%1 %2").arg(penalty.endPeriod, penalty.endClock);
            rows.append(
                row({escaped(penalty.period), escaped(teamName(penalty.team)), escaped(named),
                     escaped(penalty.infraction), QString::number(penaltyMinutes(penalty.kind)),
                     escaped(QStringLiteral("%1 %2").arg(penalty.period, penalty.clock)), escaped(on)}));
        }
        if (rows.isEmpty())
            rows.append(row({Words::tr("No penalties")}));
        return table(Words::tr("Penalties"),
                     {Words::tr("Period"), Words::tr("Team"), Words::tr("Player"), Words::tr("Infraction"),
                      Words::tr("Minutes"), Words::tr("Off"), Words::tr("On")},
                     rows);
    }

    QString goalieName(const SheetStats::GoalieLine& line) const {
        if (line.number != kNobody)
            return player(line.team, line.number);
        return sheet().team(line.team).roster ? escaped(Words::tr("Empty net"))
                                              : escaped(Words::tr("Goalie"));
    }

    QString goalkeeping() const {
        QStringList titles{Words::tr("Team"), Words::tr("Goalie")};
        for (const QString& period : periodTitles())
            titles.append(Words::tr("Saves %1").arg(period));
        titles << Words::tr("Saves") << Words::tr("Shots against") << Words::tr("Goals against");
        QStringList rows;
        for (const Team team : {Team::Away, Team::Home}) {
            for (const SheetStats::GoalieLine& line : SheetStats::goalkeeping(sheet(), team)) {
                // Nobody stops a shot at an empty net.
                const bool empty = line.number == kNobody && sheet().team(team).roster;
                QStringList cells{escaped(teamName(team)), goalieName(line)};
                for (int column = 0; column < kPeriodColumns; ++column)
                    cells.append(empty ? QStringLiteral("-") : QString::number(line.saves(column)));
                cells << (empty ? QStringLiteral("-") : QStringLiteral("<b>%1</b>").arg(line.totalSaves()))
                      << QString::number(line.totalShotsAgainst())
                      << QString::number(line.totalGoalsAgainst());
                rows.append(row(cells));
            }
        }
        if (rows.isEmpty())
            rows.append(row({Words::tr("No shots")}));
        return table(Words::tr("Goalkeeping"), titles, rows);
    }

    QString boxScore(Team team) const {
        const QList<SheetStats::PlayerLine> lines = SheetStats::boxScore(sheet(), team);
        QStringList rows;
        for (const SheetStats::PlayerLine& line : lines) {
            const std::optional<SheetStats::GoalieLine>& net = line.goalkeeping;
            const QString plusMinus = line.plusMinus > 0 ? QStringLiteral("+%1").arg(line.plusMinus)
                                                         : QString::number(line.plusMinus);
            rows.append(row({QString::number(line.player.number), escaped(line.player.name),
                             positionCode(line.player.position), QString::number(line.goals),
                             QString::number(line.assists), QString::number(line.points()),
                             QString::number(line.penaltyMinutes), plusMinus,
                             net ? QString::number(net->totalShotsAgainst()) : QString(),
                             net ? QString::number(net->totalGoalsAgainst()) : QString(),
                             net ? QString::number(net->totalSaves()) : QString()}));
        }
        if (rows.isEmpty())
            rows.append(row({Words::tr("No roster")}));
        return table(Words::tr("Box score: %1").arg(teamName(team)),
                     {Words::tr("No."), Words::tr("Player"), Words::tr("Pos"), Words::tr("G"), Words::tr("A"),
                      Words::tr("PTS"), Words::tr("PIM"), Words::tr("+/-"), Words::tr("SA"), Words::tr("GA"),
                      Words::tr("SV")},
                     rows);
    }

    QString stars() const {
        const SheetStats::Stars chosen = SheetStats::threeStars(sheet(), m_content.away, m_content.home);
        const QString places[] = {Words::tr("First star"), Words::tr("Second star"), Words::tr("Third star")};
        QStringList rows;
        for (size_t place = 0; place < chosen.size(); ++place) {
            const std::optional<SheetStats::Star>& star = chosen[place];
            rows.append(row({escaped(places[place]), star ? escaped(teamName(star->team)) : QString(),
                             star ? player(star->team, star->number) : QStringLiteral("-")}));
        }
        return table(Words::tr("Three stars"), {Words::tr("Star"), Words::tr("Team"), Words::tr("Player")},
                     rows);
    }

    const SheetContent& m_content;
};

}  // namespace

QString sheetHtml(const SheetContent& content) {
    return SheetWriter(content).html();
}

std::unique_ptr<QTextDocument> sheetDocument(const SheetContent& content) {
    auto document = std::make_unique<QTextDocument>();
    document->setHtml(sheetHtml(content));
    return document;
}

QPageSize::PageSizeId sheetPageSize(const QLocale& locale) {
    const QLocale::Territory territory = locale.territory();
    return territory == QLocale::UnitedStates || territory == QLocale::Canada ? QPageSize::Letter
                                                                              : QPageSize::A4;
}

QByteArray sheetPdf(const QTextDocument& document, QPageSize::PageSizeId pageSize) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(pageSize));
        writer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(Words::tr("Game Sheet"));
        writer.setCreator(QStringLiteral("Torvane FAC"));
        document.print(&writer);
    }
    buffer.close();
    return bytes;
}
