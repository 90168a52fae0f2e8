// The entry point the program looks up when it loads the sound module.

#include "sdlplayer.h"

extern "C" __attribute__((visibility("default"))) platform::SoundPlayer* qirazo_sound_player() {
    return &platform::sdlSoundPlayer();
}
