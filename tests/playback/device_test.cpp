// The device's life: none at all, one that goes away mid-sound, and calls made
// while a sound is being waited for.

#include "playbackfixture.h"
#include "playsound.h"
#include "wavwriter.h"

#include <QTimer>

#include <cstdlib>
#include <filesystem>

using namespace std::chrono_literals;

namespace {

void writeLevel(const std::string& path, std::int16_t level, double seconds) {
    testwav::writeWav16(
        path, 48000, 1,
        std::vector<std::int16_t>(static_cast<std::size_t>(seconds * 48000), level));
}

bool hasLevel(const capture::Samples& s, std::int16_t level) {
    return std::find(s.begin(), s.end(), level) != s.end();
}

} // namespace

TEST_F(PlaybackTest, WithoutDeviceFailsFastAndTheNextCallTriesAgain) {
    writeLevel(path("a.wav"), 4000, 0.05);
    setenv("SDL_AUDIODRIVER", "dummy-nonexistent", 1);
    bool played = true;
    const auto took = timed([&] { played = play("a.wav"); });
    EXPECT_FALSE(played);
    EXPECT_LT(took, 5s); // generous; what matters is that it does not hang
    EXPECT_FALSE(play("a.wav"));
    EXPECT_FALSE(std::filesystem::exists(capturePath()));

    setenv("SDL_AUDIODRIVER", "disk", 1);
    EXPECT_TRUE(play("a.wav"));
    EXPECT_TRUE(hasLevel(captured(), 4000));
}

TEST_F(PlaybackTest, DeviceLostMidSoundEndsTheWaitAndTheNextCallReopens) {
    realTime();
    writeLevel(path("long.wav"), 4000, 10.0);
    // Writes to /dev/full fail, and SDL's disk driver then drops the device
    // as if it had been unplugged.
    setenv("SDL_DISKAUDIOFILE", "/dev/full", 1);
    bool played = true;
    const auto took = timed([&] { played = play("long.wav"); });
    EXPECT_FALSE(played);
    EXPECT_LT(took, 6s); // well short of the 10 s sound

    setenv("SDL_DISKAUDIOFILE", capturePath().c_str(), 1);
    writeLevel(path("short.wav"), 5000, 0.05);
    EXPECT_TRUE(play("short.wav"));
    EXPECT_TRUE(hasLevel(captured(), 5000));
}

TEST_F(PlaybackTest, CallFromInsideTheWaitReturnsFalseAtOnce) {
    realTime();
    writeLevel(path("outer.wav"), 4000, 0.3);
    writeLevel(path("inner.wav"), -7000, 0.3);

    bool ranDuringSound = false;
    bool inner = true;
    std::chrono::duration<double> innerTook{};
    // Timers go on during the wait, so this fires while outer.wav plays.
    QTimer::singleShot(0, [&] {
        ranDuringSound = platform::soundPlaying();
        innerTook = timed([&] { inner = play("inner.wav"); });
    });
    EXPECT_TRUE(play("outer.wav"));
    EXPECT_TRUE(ranDuringSound);
    EXPECT_FALSE(inner);
    EXPECT_LT(innerTook, 0.2s);

    const auto out = captured();
    EXPECT_TRUE(hasLevel(out, 4000));
    EXPECT_FALSE(hasLevel(out, -7000));
    EXPECT_EQ(capture::trimmed(out).size(), 2u * 14400); // outer.wav only, no chime
}
