#include "playbackfixture.h"

#include "playsound.h"
#include "sdlplayer.h"

#include <QDir>

#include <cstdlib>

void PlaybackTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    platform::closeSoundDevice();
    oldCwd_ = QDir::currentPath().toStdString();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", capturePath().c_str(), 1);
    // 1 ms per 5.3 ms buffer: five times real time, yet bounded, where 0
    // would write silence as fast as the disk takes it while the test reads.
    setenv("SDL_DISKAUDIODELAY", "1", 1);
}

void PlaybackTest::TearDown() {
    platform::closeSoundDevice();
    QDir::setCurrent(QString::fromStdString(oldCwd_));
}

void PlaybackTest::realTime() {
    unsetenv("SDL_DISKAUDIODELAY");
}

capture::Samples PlaybackTest::captured() const {
    platform::closeSoundDevice();
    return capture::read(capturePath());
}

std::string PlaybackTest::path(const std::string& name) const {
    return dir_.filePath(QString::fromStdString(name)).toStdString();
}

bool PlaybackTest::play(const char* name) {
    return PlaySoundA(name, nullptr, SND_FILENAME);
}

// These tests drive the SDL backend directly rather than through the module
// the program loads.
static const bool kSdlBackend = (platform::setSoundPlayer(&platform::sdlSoundPlayer()), true);
