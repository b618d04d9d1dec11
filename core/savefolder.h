// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

// Where the game is saved, Load's dialog starts and the log is exported: the program's folder
// while it can be written to (as after a build), otherwise, as for an installed copy, the
// player's data folder as the XDG base directory rules name it. A program folder under /usr is
// never used, even when root could write there: a game saved there would lie among the
// package's files.
class SaveFolder {
public:
    explicit SaveFolder(const QString& programDir);

    QString path() const { return m_path; }

    // Makes this folder when a game is about to be saved into it and it is missing. Nothing
    // when it is there (or the game goes elsewhere), else why it cannot be made.
    std::optional<QString> makeFor(const QString& savePath) const;

private:
    static QString choose(const QString& programDir);

    QString m_path;
};
