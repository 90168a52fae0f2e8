#pragma once

// Each test plays into SDL's disk driver from a fresh temporary working
// directory, with the device closed before and after so that every test opens
// it with its own settings.

#include "capture.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <chrono>
#include <string>

class PlaybackTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes the disk driver keep real time (by default it runs five times
    // faster).
    // Takes effect when the device next opens.
    static void realTime();

    // Closes the device, so that everything played is in the file, and reads
    // it.
    capture::Samples captured() const;

    std::string path(const std::string& name) const;
    std::string capturePath() const { return path("capture.raw"); }

    static bool play(const char* name);

private:
    QTemporaryDir dir_;
    std::string oldCwd_;
};

// The time a call takes.
template <class F> std::chrono::duration<double> timed(F&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::steady_clock::now() - start;
}
