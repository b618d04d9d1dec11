// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "io/smallfile.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace SmallFile {

namespace {

// Reads an open file to its end, but never more than one byte past `limit`, so that a file
// which grew beyond the limit after its size was checked is still recognised as too large.
// The buffer grows with what is read, from the size the file reports, so reading a small file
// never reserves a buffer the size of the limit.
QByteArray readAtMost(QFile& file, qint64 limit) {
    const qint64 ceiling = limit + 1;
    QByteArray bytes(std::clamp<qint64>(file.size() + 1, 1, ceiling), Qt::Uninitialized);
    qint64 filled = 0;
    while (filled < ceiling) {
        if (filled == bytes.size())
            bytes.resize(std::min<qint64>(bytes.size() * 2, ceiling));
        const qint64 got = file.read(bytes.data() + filled, bytes.size() - filled);
        if (got <= 0)
            break;
        filled += got;
    }
    bytes.truncate(filled);
    return bytes;
}

}  // namespace

ReadResult read(const QString& path, qint64 sizeLimit) {
    const QFileInfo info(path);
    if (!info.exists())
        return Refusal{Failure::NotFound, {}};
    if (!info.isFile())
        return Refusal{Failure::NotAFile, {}};
    if (info.size() > sizeLimit)
        return Refusal{Failure::TooLarge, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Refusal{Failure::CannotRead, file.errorString()};
    QByteArray bytes = readAtMost(file, sizeLimit);
    if (file.error() != QFileDevice::NoError)
        return Refusal{Failure::CannotRead, file.errorString()};
    if (bytes.size() > sizeLimit)
        return Refusal{Failure::TooLarge, {}};
    return bytes;
}

}  // namespace SmallFile
