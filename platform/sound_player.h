#pragma once

#include <string_view>

namespace nuvra::platform {

// Plays a short wave file of the program's folder by its sound name ("Button" plays
// "Button.wav"). A missing file or audio device is silent, never an error.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(std::string_view soundName) = 0;
};

} // namespace nuvra::platform
