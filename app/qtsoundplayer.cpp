// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/qtsoundplayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

QtSoundPlayer::QtSoundPlayer() : QtSoundPlayer(QCoreApplication::applicationDirPath()) {}

QtSoundPlayer::QtSoundPlayer(QString moduleFolder) : m_moduleFolder(std::move(moduleFolder)) {}

QtSoundPlayer::~QtSoundPlayer() {
    // The player's code lives in the module: destroy it while the module is still loaded.
    m_player.reset();
}

bool QtSoundPlayer::isPlayableWave(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxWaveBytes)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    const QByteArray riff = file.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return false;
    // The sample's bytes, when the format chunk has been read: the data must hold whole frames.
    qint64 frameBytes = 0;
    qint64 pos = 12;
    while (pos + 8 <= size) {
        if (!file.seek(pos))
            return false;
        const QByteArray header = file.read(8);
        if (header.size() < 8)
            return false;
        const QByteArray id = header.left(4);
        const qint64 length = qFromLittleEndian<quint32>(header.constData() + 4);
        const qint64 body = pos + 8;
        if (body + length > size)
            return false;
        if (id == "data")
            return frameBytes > 0 && length > 0 && length % frameBytes == 0;
        // Qt 6.4 loses its place after the pad byte of an odd chunk.
        if (length % 2 != 0)
            return false;
        if (id == "fmt ") {
            const QByteArray format = file.read(16);
            if (length < 16 || format.size() < 16)
                return false;
            const quint16 tag = qFromLittleEndian<quint16>(format.constData());
            const quint16 channels = qFromLittleEndian<quint16>(format.constData() + 2);
            const quint32 rate = qFromLittleEndian<quint32>(format.constData() + 4);
            const quint16 bits = qFromLittleEndian<quint16>(format.constData() + 14);
            // Integer PCM in the sample sizes Qt 6.4 reads as they are.
            if (tag != 1 || channels == 0 || rate == 0 || (bits != 8 && bits != 16 && bits != 32))
                return false;
            frameBytes = qint64(channels) * (bits / 8);
        }
        pos = body + length;
    }
    return false;
}

void QtSoundPlayer::playSound(const QString& path) {
    if (!isPlayableWave(path))
        return;
    if (!m_triedLoading) {
        m_triedLoading = true;
        m_module.setFileName(QDir(m_moduleFolder).filePath(QString::fromLatin1(kModuleName)));
        using Create = SoundPlayer* (*)();
        if (auto create = reinterpret_cast<Create>(m_module.resolve("torvaneCreateSoundPlayer")))
            m_player.reset(create());
    }
    if (m_player)
        m_player->playSound(path);
}
