// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/leaguefiles.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

namespace LeagueFiles {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("LeagueFiles", text);
}

QString filter() {
    return tr("League (*.sqlite)");
}

QString folderInUse(const LeagueKeeper& league) {
    return QFileInfo(league.store()->filePath()).absolutePath();
}

void switchTo(LeagueKeeper& league, Dialogs& dialogs, const QString& file) {
    if (const std::optional<QString> told = league.switchTo(file))
        dialogs.message(*told, MessageButtons::Ok);
}

}  // namespace

void newLeague(LeagueKeeper& league, Dialogs& dialogs) {
    if (!league.store())
        return;
    const std::optional<QString> file = dialogs.saveFile(filter(), folderInUse(league));
    if (!file)
        return;
    // A league is never overwritten.
    if (QFileInfo::exists(*file) &&
        dialogs.message(tr("The file %1 exists already, and a league is never written over. Open it as the "
                           "league instead?")
                            .arg(QDir::toNativeSeparators(*file)),
                        MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    switchTo(league, dialogs, *file);
}

void openLeague(LeagueKeeper& league, Dialogs& dialogs) {
    if (!league.store())
        return;
    if (const std::optional<QString> file = dialogs.openFile(filter(), folderInUse(league)))
        switchTo(league, dialogs, *file);
}

void importGames(LeagueKeeper& league, Dialogs& dialogs) {
    LeagueStore* store = league.store();
    if (!store)
        return;
    const std::optional<QString> file = dialogs.openFile(filter(), folderInUse(league));
    if (!file)
        return;
    if (QFileInfo(*file) == QFileInfo(store->filePath())) {
        dialogs.message(tr("This is the league in use: its games are here already."), MessageButtons::Ok);
        return;
    }
    LeagueStore other(LeagueStore::AtPath{*file});
    if (const std::optional<QString> refused = other.openToRead()) {
        dialogs.message(tr("No game was imported. %1").arg(*refused), MessageButtons::Ok);
        return;
    }
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    const LeagueImport imported = store->importGames(other);
    QGuiApplication::restoreOverrideCursor();
    dialogs.message(imported.summary(), MessageButtons::Ok);
}

}  // namespace LeagueFiles
