#pragma once

#include <QObject>
#include <memory>

#include "app/services.h"

class QSoundEffect;

// Plays wave files with QSoundEffect. The sound object is made on the first call, not at
// start-up: opening the audio system is slow and most evenings reach the first horn late.
class QtSoundPlayer : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    void playSound(const QString& path) override;

private:
    std::unique_ptr<QSoundEffect> m_effect;
};
