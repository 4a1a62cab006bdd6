#include "platform/desktop/deferred_sound_player.h"

#include <QLibrary>

namespace nuvra::platform {

namespace {

using CreateSoundPlayer = SoundPlayer* (*)(const QString&);

} // namespace

DeferredSoundPlayer::DeferredSoundPlayer(QString programFolder)
    : m_programFolder(std::move(programFolder))
{
}

DeferredSoundPlayer::~DeferredSoundPlayer() = default;

void DeferredSoundPlayer::prepare()
{
    if (m_tried)
        return;
    m_tried = true;
    // The module stays loaded for the rest of the run.
    QLibrary module(m_programFolder + QStringLiteral("/libnuvra_sound.so"));
    const auto create =
        reinterpret_cast<CreateSoundPlayer>(module.resolve("nuvra_create_sound_player"));
    if (create)
        m_player.reset(create(m_programFolder));
}

void DeferredSoundPlayer::play(std::string_view soundName)
{
    prepare();
    if (m_player)
        m_player->play(soundName);
}

} // namespace nuvra::platform
