#include <SDL_mixer.h>

#include "platform/files.h"
#include "platform/sdl_parts.h"

// One channel: a new sound cuts off the one playing, as the game expects.
// Without an audio device everything here quietly does nothing.
SdlSound::SdlSound() {
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) return;
    Mix_AllocateChannels(1);
    open_ = true;
}

SdlSound::~SdlSound() {
    if (!open_) return;
    Mix_HaltChannel(-1);
    for (auto& entry : chunks_)
        if (entry.second) Mix_FreeChunk(static_cast<Mix_Chunk*>(entry.second));
    Mix_CloseAudio();
}

void SdlSound::Play(const std::string& gameFileName) {
    if (!open_) return;
    const std::string path = ResolveGamePath(gameFileName);
    auto found = chunks_.find(path);
    if (found == chunks_.end()) {
        // A file that fails to load is remembered as missing; it may appear
        // later, but the game's sound files do not change while it runs.
        found = chunks_.emplace(path, Mix_LoadWAV(path.c_str())).first;
    }
    Mix_Chunk* chunk = static_cast<Mix_Chunk*>(found->second);
    if (!chunk) return;
    Mix_HaltChannel(0);
    Mix_PlayChannel(0, chunk, 0);
}
