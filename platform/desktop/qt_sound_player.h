#pragma once

#include "platform/sound_player.h"

#include <QString>

#include <map>
#include <memory>
#include <string>

class QSoundEffect;

namespace nuvra::platform {

// Plays the program folder's wave files through Qt Multimedia; each file is loaded once.
class QtSoundPlayer final : public SoundPlayer {
public:
    explicit QtSoundPlayer(QString programFolder);
    ~QtSoundPlayer() override;

    void play(std::string_view soundName) override;

private:
    QString m_programFolder;
    std::map<std::string, std::unique_ptr<QSoundEffect>, std::less<>> m_effects;
};

} // namespace nuvra::platform
