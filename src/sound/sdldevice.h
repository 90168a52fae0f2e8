#pragma once

#include "sdlplayer.h"

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <span>

class QEventLoop;

namespace platform {

// The output device and the hand-over between the GUI thread, which puts one
// sound at a time in place and waits, and SDL's audio thread, which takes the
// samples in its callback and says when the last one has left.
class SdlDevice {
public:
    SdlDevice() = default;
    SdlDevice(const SdlDevice&) = delete;
    SdlDevice& operator=(const SdlDevice&) = delete;
    ~SdlDevice();

    // Opens SDL audio and the device unless already open. False when there is
    // no usable device; nothing is kept then, so the next call tries again.
    bool open();
    void close();

    // Plays `samples` (interleaved, in the output format) and returns once
    // the last of them has left the device. False when the device went away
    // or stalled before that; it is closed then, to be reopened next time.
    bool play(std::span<const std::int16_t> samples);

    PlaybackTrace trace();

private:
    enum class Phase { Idle, Playing, Draining, Done };

    static void callback(void* self, std::uint8_t* out, int bytes);
    void fill(std::uint8_t* out, std::size_t bytes);
    bool deviceAlive() const;
    bool waitInEventLoop(std::chrono::steady_clock::time_point deadline);
    bool waitOnCondition(std::chrono::steady_clock::time_point deadline);

    std::uint32_t id_ = 0;

    // Shared with the audio thread, under mutex_.
    std::mutex mutex_;
    std::condition_variable drained_;
    Phase phase_ = Phase::Idle;
    std::span<const std::int16_t> sound_;
    std::size_t pos_ = 0; // in samples
    QEventLoop* loop_ = nullptr;
    std::uint64_t framesOut_ = 0;
    PlaybackTrace trace_;
};

SdlDevice& sdlDevice();

} // namespace platform
