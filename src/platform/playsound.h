#pragma once

// Playback of wave files by name, in the shape of the Windows multimedia call
// the program was designed around: PlaySoundA(name, nullptr, SND_FILENAME)
// plays the file to its end and only then returns.

#include <QObject>

#include <functional>

inline constexpr unsigned SND_FILENAME = 0x20000;

// Plays the wave file `name` (looked up from the working directory) and
// returns once the last sample has been heard. A file that cannot be played is
// replaced by the default sound. Returns false when the named file did not
// play. A call made while another sound is playing returns false at once:
// sounds never nest.
bool PlaySoundA(const char* name, void* module, unsigned flags);

namespace platform {

// What actually makes the sound. The program uses the SDL backend; tests put a
// recording fake in its place.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual bool playFile(const char* name) = 0;
};

// Replaces the backend for the rest of the run (nullptr restores the default)
// and returns the one it replaced.
SoundPlayer* setSoundPlayer(SoundPlayer* player);

// The SDL backend, loaded from the sound module next to the executable on
// first use. When the module cannot be loaded every call fails, as without a
// sound device.
SoundPlayer& defaultSoundPlayer();

// True while a PlaySoundA call is in progress.
bool soundPlaying();

// Runs `action` once no sound is playing: at once when idle, otherwise as soon
// as the current sound has ended. `context` bounds its lifetime.
void whenSoundIdle(QObject* context, std::function<void()> action);

} // namespace platform
