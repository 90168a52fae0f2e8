#include "wavdecode.h"

#include "sdlplayer.h"

#include <SDL.h>

#include <climits>
#include <filesystem>
#include <memory>

namespace platform {
namespace {

struct WavFree {
    void operator()(Uint8* p) const { SDL_FreeWAV(p); }
};
struct StreamFree {
    void operator()(SDL_AudioStream* s) const { SDL_FreeAudioStream(s); }
};

} // namespace

std::vector<std::int16_t> decodeWave(const char* name) {
    // Opening a FIFO or device node would block the GUI thread, and a
    // directory is not a sound: only plain files are read.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(name, ec))
        return {};

    // A file cut short in its sample data is treated as broken rather than
    // played in part; a wrong overall RIFF size alone is tolerated.
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");

    SDL_AudioSpec spec{};
    Uint8* raw = nullptr;
    Uint32 len = 0;
    if (SDL_LoadWAV(name, &spec, &raw, &len) == nullptr)
        return {};
    const std::unique_ptr<Uint8, WavFree> data(raw);
    if (len == 0 || len > static_cast<Uint32>(INT_MAX / 2))
        return {};

    const std::unique_ptr<SDL_AudioStream, StreamFree> stream(SDL_NewAudioStream(
        spec.format, spec.channels, spec.freq, AUDIO_S16SYS, kOutputChannels, kOutputRate));
    if (!stream)
        return {};
    // SDL 2.26 only flushes a resampling stream's tail (some 512 source
    // frames) when its staging buffer holds data, and one large put bypasses
    // that buffer. Putting the last frame on its own leaves it there, so the
    // flush gives back the whole sound.
    const int inFrame = SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels;
    if (inFrame <= 0 || len % static_cast<Uint32>(inFrame) != 0)
        return {};
    const int body = static_cast<int>(len) - inFrame;
    if ((body > 0 && SDL_AudioStreamPut(stream.get(), data.get(), body) != 0) ||
        SDL_AudioStreamPut(stream.get(), data.get() + body, inFrame) != 0 ||
        SDL_AudioStreamFlush(stream.get()) != 0)
        return {};

    constexpr int frameBytes = kOutputChannels * static_cast<int>(sizeof(std::int16_t));
    const int available = SDL_AudioStreamAvailable(stream.get());
    std::vector<std::int16_t> out(static_cast<std::size_t>(available / frameBytes) *
                                  kOutputChannels);
    const int got = SDL_AudioStreamGet(stream.get(), out.data(),
                                       static_cast<int>(out.size() * sizeof(std::int16_t)));
    if (got <= 0)
        return {};
    out.resize(static_cast<std::size_t>(got / frameBytes) * kOutputChannels);
    return out;
}

} // namespace platform
