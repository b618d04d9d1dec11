// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/savefolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <filesystem>
#include <system_error>

namespace {

bool canCreateFilesIn(const QString& folder) {
    if (!QFileInfo(folder).isWritable())
        return false;
    // The permission bits do not tell the whole story: root passes them even on a read-only
    // file system. Creating a file does.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".torvane-write-check-XXXXXX")));
    return probe.open();
}

// A folder of the system's packages (an install under /usr or /usr/local): root can write
// there, but a game saved there would lie among the package's files.
bool isSystemFolder(const QString& folder) {
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    return path == QStringLiteral("/usr") || path.startsWith(QStringLiteral("/usr/"));
}

struct DataFolder {
    QString path;
    QString unusable;  // why no folder can be made there, when that is known beforehand
};

// The player's data folder as the XDG base directory rules name it. Qt 6.4 takes a relative
// XDG_DATA_HOME as it stands, relative to wherever the program was started, and without HOME
// it uses the root folder; the rules ignore the one and need the other.
DataFolder playerDataFolder() {
    const QString ours = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (QStandardPaths::isTestModeEnabled() || QDir::isAbsolutePath(dataHome))
        return {ours, {}};
    const QString generic = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString below =
        ours.startsWith(generic) ? ours.mid(generic.size()) : u'/' + QCoreApplication::applicationName();
    const QString home = qEnvironmentVariable("HOME");
    if (!QDir::isAbsolutePath(home)) {
        return {QStringLiteral("$HOME/.local/share") + below,
                QCoreApplication::translate("SaveFolder", "HOME is not set to a folder")};
    }
    return {QDir::cleanPath(home + QStringLiteral("/.local/share") + below), {}};
}

// Nothing when the folder is there or was made, else the system's reason.
QString makeFolder(const QString& folder) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(QFile::encodeName(folder).toStdString()),
                                        error);
    return error ? QString::fromLocal8Bit(error.message()) : QString();
}

}  // namespace

SaveFolder::SaveFolder(const QString& programDir) : m_path(choose(programDir)) {}

QString SaveFolder::choose(const QString& programDir) {
    if (!isSystemFolder(programDir) && canCreateFilesIn(programDir))
        return programDir;
    const DataFolder dataFolder = playerDataFolder();
    // Should this fail, Save says why when it tries again.
    if (dataFolder.unusable.isEmpty())
        makeFolder(dataFolder.path);
    return dataFolder.path;
}

std::optional<QString> SaveFolder::makeFor(const QString& savePath) const {
    const QString folder = QFileInfo(savePath).path();
    if (QDir::cleanPath(folder) != QDir::cleanPath(m_path) || QFileInfo(folder).isDir())
        return std::nullopt;
    const DataFolder dataFolder = playerDataFolder();
    QString reason = dataFolder.path == m_path ? dataFolder.unusable : QString();
    if (reason.isEmpty())
        reason = makeFolder(folder);
    if (reason.isEmpty())
        return std::nullopt;
    return QCoreApplication::translate("SaveFolder", "The folder %1 could not be made: %2.")
        .arg(QDir::toNativeSeparators(folder), reason);
}
