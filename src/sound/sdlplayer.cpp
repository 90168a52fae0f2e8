#include "sdlplayer.h"

#include "chime.h"
#include "playsound.h"
#include "sdldevice.h"
#include "wavdecode.h"

namespace platform {
namespace {

class SdlSoundPlayer final : public SoundPlayer {
public:
    bool playFile(const char* name) override {
        SdlDevice& device = sdlDevice();
        // Without a device not even the chime can be heard: fail at once.
        if (!device.open())
            return false;
        const std::vector<std::int16_t> sound = decodeWave(name);
        if (!sound.empty())
            return device.play(sound);
        static const std::vector<std::int16_t> chime =
            core::chimeSamples(kOutputRate, kOutputChannels);
        device.play(chime);
        return false;
    }
};

} // namespace

SoundPlayer& sdlSoundPlayer() {
    static SdlSoundPlayer player;
    return player;
}

PlaybackTrace lastPlaybackTrace() {
    return sdlDevice().trace();
}

void closeSoundDevice() {
    sdlDevice().close();
}

} // namespace platform
