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

    // Looks for the module in the program's own folder.
    QtSoundPlayer();
    explicit QtSoundPlayer(QString moduleFolder);
    ~QtSoundPlayer() override;
    void playSound(const QString& path) override;
    // Whether the first horn found the audio module.
    bool hasAudio() const { return m_player != nullptr; }

private:
    QString m_moduleFolder;
    QLibrary m_module;
    std::unique_ptr<SoundPlayer> m_player;
    bool m_triedLoading = false;
};
