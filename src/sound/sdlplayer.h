#pragma once

// The SDL side of PlaySoundA: one output device, opened on the first sound and
// kept open, fed by SDL's audio callback. Everything here is for the GUI
// thread except where noted.

#include "playsound.h"

#include <chrono>
#include <cstdint>

namespace platform {

// The backend itself, created on first use.
SoundPlayer& sdlSoundPlayer();

// The one format the device is opened in; every recording is converted to it.
inline constexpr int kOutputRate = 48000;
inline constexpr int kOutputChannels = 2;
// Frames per callback. A sound can only start at a callback and its end is
// only known at the next one, so this bounds both the delay before a sound and
// the silence between two sounds played back to back.
inline constexpr int kBufferFrames = 256;

// When the last sound went through the device, for the benchmark. Frame
// numbers count every frame the device has been given since it was opened.
struct PlaybackTrace {
    using Clock = std::chrono::steady_clock;
    std::uint64_t firstFrame = 0;    // the sound's first sample
    std::uint64_t endFrame = 0;      // one past its last sample
    Clock::time_point firstCallback; // the callback that took the first sample
    Clock::time_point lastCallback;  // the callback that took the last sample
    Clock::time_point drained;       // the callback after it: the sound has left
};
PlaybackTrace lastPlaybackTrace();

// Closes the device and SDL's audio subsystem; the next sound opens them anew
// (and so reads SDL's environment again). Also flushes what the disk driver
// has written.
void closeSoundDevice();

} // namespace platform
