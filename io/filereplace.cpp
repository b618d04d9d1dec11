// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "io/filereplace.h"

#include <QSaveFile>

std::optional<QString> replaceFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Unbuffered, so that every failed write shows here. A buffered QSaveFile (Qt 6.4) loses
    // the error of the flush in commit() and puts a cut-off file, or on a full disk an empty
    // one, in place of the earlier file.
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        qint64 written = 0;
        while (written < bytes.size()) {
            // A short write is retried, so that the next one reports why it stopped.
            const qint64 chunk = file.write(bytes.constData() + written, bytes.size() - written);
            if (chunk <= 0)
                break;
            written += chunk;
        }
        if (written == bytes.size() && file.commit())
            return std::nullopt;
    }
    const QString reason = file.errorString();
    file.cancelWriting();
    return reason.isEmpty() ? QStringLiteral("Unknown error") : reason;
}
