// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The horn's audio module: the only code that needs Qt Multimedia. The program loads it on
// the first horn, so that start-up does not load the audio libraries.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>
#include <memory>

#include "core/services.h"

namespace {

class SoundEffectPlayer : public SoundPlayer {
public:
    ~SoundEffectPlayer() override {
        // Qt 6.4's sample cache deadlocks at exit when it is torn down while a wave file is
        // still being decoded: let a horn that has just started finish loading first. The
        // program only hands over files that finish within milliseconds (see QtSoundPlayer).
        QElapsedTimer waited;
        waited.start();
        while (m_effect->status() == QSoundEffect::Loading && waited.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        // One that never finishes would make its destructor wait for the loading thread for
        // ever; it is left to the end of the process instead.
        if (m_effect->status() == QSoundEffect::Loading)
            m_effect.release();
    }

    void playSound(const QString& path) override {
        if (!QFileInfo(path).isFile())
            return;
        // A new sound cuts off one that is still playing.
        m_effect->stop();
        m_effect->setSource(QUrl::fromLocalFile(path));
        m_effect->play();
    }

private:
    std::unique_ptr<QSoundEffect> m_effect = std::make_unique<QSoundEffect>();
};

}  // namespace

extern "C" Q_DECL_EXPORT SoundPlayer* torvaneCreateSoundPlayer() {
    return new SoundEffectPlayer;
}
