#pragma once

#include "platform/sound_player.h"

#include <QString>

#include <memory>

namespace nuvra::platform {

// Plays through the sound module of the program folder, loaded on the first sound (or by
// prepare()). Without the module, or without an audio device, every sound is silent.
class DeferredSoundPlayer final : public SoundPlayer {
public:
    explicit DeferredSoundPlayer(QString programFolder);
    ~DeferredSoundPlayer() override;

    void play(std::string_view soundName) override;
    // Loads the module now, so that the first sound comes without delay.
    void prepare();

private:
    QString m_programFolder;
    std::unique_ptr<SoundPlayer> m_player;
    bool m_tried = false;
};

} // namespace nuvra::platform
