// The 28 letter recordings as committed: the names the letter table plays,
// one format for all, and one loudness so no letter stands out.
#include "filebytes.h"
#include "wave.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

namespace {

// Recording names in abjad order, position 1 to 28.
const std::array<std::string, 28> kNames = {
    "a.wav",  "b.wav", "g.wav",  "d.wav",  "h.wav",  "w.wav", "z.wav", "7.wav",  "8.wav", "y.wav",
    "k.wav",  "l.wav", "m.wav",  "n.wav",  "s.wav",  "3.wav", "f.wav", "c.wav",  "4.wav", "r.wav",
    "ch.wav", "t.wav", "th.wav", "10.wav", "dh.wav", "6.wav", "5.wav", "gh.wav",
};

std::string recordingDir() {
    return sourcePath("resources/recordings");
}

int peakOf(const Wave& wave) {
    int peak = 0;
    for (std::int16_t s : wave.samples)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak;
}

double decibels(double ratio) {
    return 20.0 * std::log10(ratio);
}

TEST(Recordings, AreExactlyTheTwentyEightNamesOfTheLetterTable) {
    std::set<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(recordingDir()))
        found.insert(entry.path().filename().string());
    EXPECT_EQ(found, std::set<std::string>(kNames.begin(), kNames.end()));
}

class Recording : public testing::TestWithParam<std::string> {};

TEST_P(Recording, IsShortMonoPcmAt48kHzWithItsSilenceTrimmed) {
    std::string error;
    const auto wave = readWave(recordingDir() + "/" + GetParam(), error);
    ASSERT_TRUE(wave) << error;
    EXPECT_EQ(wave->channels, 1);
    EXPECT_EQ(wave->sampleRate, 48000);
    EXPECT_EQ(wave->bitsPerSample, 16);
    EXPECT_GE(wave->seconds(), 0.3);
    EXPECT_LE(wave->seconds(), 2.0);

    // Sound within 20 ms of either end: the lead-in and tail were cut.
    const int audible = 32768 / 200;
    const std::size_t edge = 48000 / 50;
    ASSERT_GT(wave->samples.size(), 2 * edge);
    auto loud = [audible](std::int16_t s) { return std::abs(static_cast<int>(s)) > audible; };
    EXPECT_TRUE(std::any_of(wave->samples.begin(), wave->samples.begin() + edge, loud));
    EXPECT_TRUE(std::any_of(wave->samples.end() - edge, wave->samples.end(), loud));
}

INSTANTIATE_TEST_SUITE_P(AllLetters, Recording, testing::ValuesIn(kNames),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return "position" + std::to_string(info.index + 1);
                         });

TEST(Recordings, PeakWithinOneDecibelOfEachOtherWithoutClipping) {
    int loudest = 0, quietest = 32768;
    std::string loudestName, quietestName;
    for (const std::string& name : kNames) {
        std::string error;
        const auto wave = readWave(recordingDir() + "/" + name, error);
        ASSERT_TRUE(wave) << name << ": " << error;
        const int peak = peakOf(*wave);
        if (peak > loudest)
            loudest = peak, loudestName = name;
        if (peak < quietest)
            quietest = peak, quietestName = name;
    }
    ASSERT_GT(quietest, 0) << quietestName << " is silent";
    EXPECT_LE(decibels(static_cast<double>(loudest) / quietest), 1.0)
        << loudestName << " against " << quietestName;
    EXPECT_LT(loudest, 32767) << loudestName << " clips";
}

} // namespace
