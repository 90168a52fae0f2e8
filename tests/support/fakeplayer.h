#pragma once

// Stands in for the sound device: remembers what was asked for and lets a
// test look at the window at the moment a sound starts.

#include "playsound.h"

#include <functional>
#include <string>
#include <vector>

class FakePlayer : public platform::SoundPlayer {
public:
    FakePlayer() { previous = platform::setSoundPlayer(this); }
    ~FakePlayer() override { platform::setSoundPlayer(previous); }

    bool playFile(const char* name) override {
        played.emplace_back(name);
        if (onPlay)
            onPlay(name);
        return true;
    }

    std::vector<std::string> played;
    std::function<void(const char*)> onPlay;

private:
    platform::SoundPlayer* previous = nullptr;
};
