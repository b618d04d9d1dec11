// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLibrary>
#include <memory>

#include "core/services.h"

// Plays wave files with Qt Multimedia, through the audio module that sits beside the program.
// The module is loaded on the first call, not at start-up: the audio libraries cost start-up
// time and memory, and most evenings reach the first horn late. Without the module the horn
// is silent, like any horn that cannot be played.
class QtSoundPlayer : public SoundPlayer {
public:
    static constexpr const char* kModuleName = "torvane-horn";
    // No horn comes near this; a larger file would be read whole into memory.
    static constexpr qint64 kMaxWaveBytes = 16 * 1024 * 1024;

    // Whether the file is a wave file Qt Multimedia can finish loading: a regular file of at
    // most kMaxWaveBytes, RIFF/WAVE, an integer PCM format chunk of 8, 16 or 32 bits, then a
    // data chunk of whole frames that lies wholly inside the file, no odd-sized chunk before it.
    // Qt 6.4 never finishes loading an empty or cut-off file, nor one that breaks these rules,
    // and then every later QSoundEffect waits for its loading thread for ever when destroyed.
    static bool isPlayableWave(const QString& path);

    // Looks for the module in the program's own folder.
    QtSoundPlayer();
    explicit QtSoundPlayer(QString moduleFolder);
    ~QtSoundPlayer() override;
    // Silent, and without loading the module, for a file that is no playable wave file.
    void playSound(const QString& path) override;
    // Whether the first horn found the audio module.
    bool hasAudio() const { return m_player != nullptr; }

private:
    QString m_moduleFolder;
    QLibrary m_module;
    std::unique_ptr<SoundPlayer> m_player;
    bool m_triedLoading = false;
};
