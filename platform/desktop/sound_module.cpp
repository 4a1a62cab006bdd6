#include "platform/desktop/qt_sound_player.h"

// The entry point of the sound module: the program loads it on the first sound, so that Qt
// Multimedia and the audio libraries it brings are not loaded before the calculator shows.
extern "C" Q_DECL_EXPORT nuvra::platform::SoundPlayer* nuvra_create_sound_player(
    const QString& programFolder)
{
    return new nuvra::platform::QtSoundPlayer(programFolder);
}
