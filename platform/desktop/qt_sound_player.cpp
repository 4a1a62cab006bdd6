#include "platform/desktop/qt_sound_player.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace nuvra::platform {

QtSoundPlayer::QtSoundPlayer(QString programFolder) : m_programFolder(std::move(programFolder)) {}

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::play(std::string_view soundName)
{
    auto found = m_effects.find(soundName);
    if (found == m_effects.end()) {
        const QString file =
            m_programFolder + '/' + QString::fromUtf8(soundName.data(), soundName.size()) + ".wav";
        std::unique_ptr<QSoundEffect> effect;
        if (QFileInfo::exists(file)) {
            effect = std::make_unique<QSoundEffect>();
            effect->setSource(QUrl::fromLocalFile(file));
        }
        found = m_effects.emplace(std::string(soundName), std::move(effect)).first;
    }
    // No file: silent. No audio device: QSoundEffect reports an error status and stays silent.
    if (QSoundEffect* effect = found->second.get()) {
        effect->stop();
        effect->play();
    }
}

} // namespace nuvra::platform
