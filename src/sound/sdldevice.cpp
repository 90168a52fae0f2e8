#include "sdldevice.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QThread>
#include <QTimer>

#include <SDL.h>

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

using Clock = std::chrono::steady_clock;

// The end of a wait comes from the audio callback. This interval only paces
// the check for a device that went away (SDL then stops calling back) or
// stopped running.
constexpr std::chrono::milliseconds kWatchInterval{20};
// How long past the sound's own length a silent device is waited for.
constexpr std::chrono::seconds kStallGrace{2};

constexpr std::size_t kFrameBytes = kOutputChannels * sizeof(std::int16_t);

} // namespace

SdlDevice::~SdlDevice() {
    close();
}

bool SdlDevice::open() {
    if (id_ != 0)
        return true;
    // Otherwise SDL turns SIGINT and SIGTERM into a quit event that nobody
    // here reads, and the program could no longer be ended by a signal.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;

    SDL_AudioSpec want{};
    want.freq = kOutputRate;
    want.format = AUDIO_S16SYS;
    want.channels = kOutputChannels;
    want.samples = kBufferFrames;
    want.callback = &SdlDevice::callback;
    want.userdata = this;
    SDL_AudioSpec have{};
    // No changes allowed: where the hardware differs SDL converts behind the
    // callback, which always sees exactly this format and buffer size.
    const SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (id == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    {
        const std::lock_guard lock(mutex_);
        phase_ = Phase::Idle;
        framesOut_ = 0;
    }
    id_ = id;
    SDL_PauseAudioDevice(id_, 0);
    return true;
}

void SdlDevice::close() {
    if (id_ == 0)
        return;
    SDL_CloseAudioDevice(id_);
    id_ = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlDevice::play(std::span<const std::int16_t> samples) {
    if (!open())
        return false;
    const auto frames = samples.size() / kOutputChannels;
    const auto length = std::chrono::duration<double>(static_cast<double>(frames) / kOutputRate);
    const auto deadline =
        Clock::now() + std::chrono::duration_cast<Clock::duration>(length) + kStallGrace;
    {
        const std::lock_guard lock(mutex_);
        sound_ = samples.first(frames * kOutputChannels);
        pos_ = 0;
        trace_ = {};
        phase_ = Phase::Playing;
    }

    // However the wait ends, even by an exception out of an event handler,
    // the audio thread must stop reading the caller's samples and stop
    // posting to a loop that no longer exists.
    struct Release {
        SdlDevice& d;
        ~Release() {
            const std::lock_guard lock(d.mutex_);
            d.phase_ = Phase::Idle;
            d.sound_ = {};
            d.loop_ = nullptr;
        }
    };
    bool drained = false;
    {
        const Release release{*this};
        auto* app = QCoreApplication::instance();
        const bool guiThread = app != nullptr && QThread::currentThread() == app->thread();
        drained = guiThread ? waitInEventLoop(deadline) : waitOnCondition(deadline);
    }
    if (!drained)
        close();
    return drained;
}

PlaybackTrace SdlDevice::trace() {
    const std::lock_guard lock(mutex_);
    return trace_;
}

void SdlDevice::callback(void* self, std::uint8_t* out, int bytes) {
    static_cast<SdlDevice*>(self)->fill(out, static_cast<std::size_t>(bytes));
}

void SdlDevice::fill(std::uint8_t* out, std::size_t bytes) {
    const auto now = Clock::now();
    const std::lock_guard lock(mutex_);

    // This call means the buffer before it, which held the last sample, has
    // gone out: the sound is over.
    if (phase_ == Phase::Draining) {
        phase_ = Phase::Done;
        trace_.drained = now;
        drained_.notify_all();
        if (loop_ != nullptr)
            QMetaObject::invokeMethod(loop_, "quit", Qt::QueuedConnection);
    }

    std::size_t written = 0;
    if (phase_ == Phase::Playing) {
        if (pos_ == 0) {
            trace_.firstFrame = framesOut_;
            trace_.firstCallback = now;
        }
        const std::size_t n = std::min(bytes / sizeof(std::int16_t), sound_.size() - pos_);
        std::memcpy(out, sound_.data() + pos_, n * sizeof(std::int16_t));
        pos_ += n;
        written = n * sizeof(std::int16_t);
        if (pos_ == sound_.size()) {
            phase_ = Phase::Draining;
            trace_.endFrame = framesOut_ + written / kFrameBytes;
            trace_.lastCallback = now;
        }
    }
    std::memset(out + written, 0, bytes - written);
    framesOut_ += bytes / kFrameBytes;
}

bool SdlDevice::deviceAlive() const {
    return SDL_GetAudioDeviceStatus(id_) == SDL_AUDIO_PLAYING;
}

bool SdlDevice::waitInEventLoop(std::chrono::steady_clock::time_point deadline) {
    QEventLoop loop;
    {
        const std::lock_guard lock(mutex_);
        if (phase_ == Phase::Done)
            return true;
        loop_ = &loop;
    }
    bool gaveUp = false;
    QTimer watch;
    watch.setInterval(kWatchInterval);
    QObject::connect(&watch, &QTimer::timeout, &loop, [&] {
        if (!deviceAlive() || Clock::now() >= deadline) {
            gaveUp = true;
            loop.quit();
        }
    });
    watch.start();

    auto finished = [&] {
        const std::lock_guard lock(mutex_);
        return phase_ == Phase::Done;
    };
    bool ok = true;
    // Windows keep painting; mouse clicks and key presses stay queued and are
    // handled, in order, after the sound.
    while (!gaveUp && !finished()) {
        if (loop.exec(QEventLoop::ExcludeUserInputEvents) == -1) {
            // The application is shutting down and refuses to run event
            // loops; wait without one.
            ok = waitOnCondition(deadline);
            break;
        }
    }
    const std::lock_guard lock(mutex_);
    loop_ = nullptr;
    return ok && phase_ == Phase::Done;
}

bool SdlDevice::waitOnCondition(std::chrono::steady_clock::time_point deadline) {
    std::unique_lock lock(mutex_);
    while (!drained_.wait_for(lock, kWatchInterval, [&] { return phase_ == Phase::Done; })) {
        lock.unlock();
        const bool alive = deviceAlive();
        lock.lock();
        if (phase_ == Phase::Done)
            break;
        if (!alive || Clock::now() >= deadline)
            return false;
    }
    return true;
}

SdlDevice& sdlDevice() {
    static SdlDevice device;
    return device;
}

} // namespace platform
