#include "app/qtsoundplayer.h"

#include <QCoreApplication>
#include <QDir>

QtSoundPlayer::QtSoundPlayer() : QtSoundPlayer(QCoreApplication::applicationDirPath()) {}

QtSoundPlayer::QtSoundPlayer(QString moduleFolder) : m_moduleFolder(std::move(moduleFolder)) {}

QtSoundPlayer::~QtSoundPlayer() {
    // The player's code lives in the module: destroy it while the module is still loaded.
    m_player.reset();
}

void QtSoundPlayer::playSound(const QString& path) {
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
