// The horn's audio module: the only code that needs Qt Multimedia. The program loads it on
// the first horn, so that start-up does not load the audio libraries.
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>
#include <memory>

#include "app/services.h"

namespace {

class SoundEffectPlayer : public SoundPlayer {
public:
    void playSound(const QString& path) override {
        if (!QFileInfo(path).isFile())
            return;
        // A new sound cuts off one that is still playing.
        m_effect.stop();
        m_effect.setSource(QUrl::fromLocalFile(path));
        m_effect.play();
    }

private:
    QSoundEffect m_effect;
};

}  // namespace

extern "C" Q_DECL_EXPORT SoundPlayer* torvaneCreateSoundPlayer() {
    return new SoundEffectPlayer;
}
