#include "app/qtsoundplayer.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

QtSoundPlayer::QtSoundPlayer() = default;
QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::playSound(const QString& path) {
    if (!QFileInfo(path).isFile())
        return;
    if (!m_effect)
        m_effect = std::make_unique<QSoundEffect>();
    // A new sound cuts off one that is still playing.
    m_effect->stop();
    m_effect->setSource(QUrl::fromLocalFile(path));
    m_effect->play();
}
