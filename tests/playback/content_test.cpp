// What comes out of the device: whole recordings in order, every wave format
// at its own length and pitch, and the chime for whatever cannot be played.

#include "capture.h"
#include "chime.h"
#include "playbackfixture.h"
#include "wavwriter.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <string>

using namespace std::chrono_literals;
using Runs = std::vector<capture::Run>;

namespace {

void appendLevel(std::vector<std::int16_t>& s, std::int16_t left, std::int16_t right,
                 std::size_t frames) {
    for (std::size_t i = 0; i < frames; ++i) {
        s.push_back(left);
        s.push_back(right);
    }
}

Runs loudRuns(const capture::Samples& stereo) {
    Runs out;
    for (const capture::Run& r : capture::runs(stereo))
        if (r.left != 0 || r.right != 0)
            out.push_back(r);
    return out;
}

} // namespace

TEST_F(PlaybackTest, RecordingsPlayWholeAndInCallOrder) {
    std::vector<std::int16_t> a;
    appendLevel(a, 8000, -3000, 4800);
    appendLevel(a, -12000, 12000, 2400);
    appendLevel(a, 3000, 3000, 9600);
    testwav::writeWav16(path("a.wav"), 48000, 2, a);
    std::vector<std::int16_t> b;
    appendLevel(b, 20000, 20000, 1); // a one-frame sound must not be lost either
    appendLevel(b, -5000, 7000, 333);
    testwav::writeWav16(path("b.wav"), 48000, 2, b);

    EXPECT_TRUE(play("a.wav"));
    EXPECT_TRUE(play("b.wav"));
    EXPECT_TRUE(play("a.wav"));

    const Runs runA{{8000, -3000, 4800}, {-12000, 12000, 2400}, {3000, 3000, 9600}};
    const Runs runB{{20000, 20000, 1}, {-5000, 7000, 333}};
    Runs expected = runA;
    expected.insert(expected.end(), runB.begin(), runB.end());
    expected.insert(expected.end(), runA.begin(), runA.end());
    EXPECT_EQ(loudRuns(captured()), expected);
}

TEST_F(PlaybackTest, CallLastsAsLongAsTheSound) {
    realTime();
    std::vector<std::int16_t> s;
    appendLevel(s, 6000, 6000, 19200); // 0.4 s
    testwav::writeWav16(path("a.wav"), 48000, 2, s);
    ASSERT_TRUE(play("a.wav")); // opens the device, which is not what is timed

    bool played = false;
    const auto took = timed([&] { played = play("a.wav"); });
    EXPECT_TRUE(played);
    // SDL's disk driver sleeps whole milliseconds per buffer (5 ms for 5.3 ms
    // of sound) and so runs some 6 % fast; hence the lower bound's margin. The
    // upper bound only catches a wait that does not end with the sound.
    EXPECT_GE(took, 0.4s * 0.9);
    EXPECT_LT(took, 0.4s + 3s);
    EXPECT_EQ(loudRuns(captured()), (Runs{{6000, 6000, 19200}, {6000, 6000, 19200}}));
}

// ---------------------------------------------------------------------------

struct Unplayable {
    const char* label;
    std::function<void(const std::string& path)> make;
};

void PrintTo(const Unplayable& c, std::ostream* os) {
    *os << c.label;
}

class UnplayableTest : public PlaybackTest, public testing::WithParamInterface<Unplayable> {};

TEST_P(UnplayableTest, PlaysTheChimeInsteadAndReportsFailure) {
    GetParam().make(path("a.wav"));
    EXPECT_FALSE(play("a.wav"));
    // Exactly the chime, nothing of the file before or after it.
    const auto chime = capture::trimmed(core::chimeSamples(48000, 2));
    EXPECT_EQ(capture::trimmed(captured()), chime);
}

namespace {

std::vector<std::uint8_t> goodFile(const std::string& path) {
    testwav::writeWav(path, {}, testwav::tone(440, 1.0, 48000));
    return testwav::readBytes(path);
}

std::vector<std::uint8_t> prefix(std::vector<std::uint8_t> bytes, std::size_t n) {
    bytes.resize(n);
    return bytes;
}

const Unplayable kUnplayable[] = {
    {"missing", [](const std::string&) {}},
    {"empty", [](const std::string& p) { testwav::writeBytes(p, {}); }},
    {"no_samples", [](const std::string& p) { testwav::writeWav16(p, 48000, 1, {}); }},
    {"cut_in_samples",
     [](const std::string& p) { testwav::writeBytes(p, prefix(goodFile(p), 48000)); }},
    {"cut_in_header",
     [](const std::string& p) { testwav::writeBytes(p, prefix(goodFile(p), 30)); }},
    {"garbage",
     [](const std::string& p) {
         std::mt19937 rng(7);
         std::vector<std::uint8_t> bytes(8192);
         for (auto& b : bytes)
             b = static_cast<std::uint8_t>(rng());
         testwav::writeBytes(p, bytes);
     }},
    {"garbage_after_riff_header",
     [](const std::string& p) {
         auto bytes = prefix(goodFile(p), 12);
         bytes.resize(4096, 0xA5);
         testwav::writeBytes(p, bytes);
     }},
    {"text",
     [](const std::string& p) {
         testwav::writeBytes(p, {'h', 'e', 'l', 'l', 'o'});
     }},
    {"unknown_encoding",
     [](const std::string& p) {
         auto bytes = goodFile(p);
         bytes[20] = 0x55; // format tag of MPEG layer 3, which SDL cannot decode
         testwav::writeBytes(p, bytes);
     }},
    {"directory", [](const std::string& p) { std::filesystem::create_directory(p); }},
};

} // namespace

INSTANTIATE_TEST_SUITE_P(Files, UnplayableTest, testing::ValuesIn(kUnplayable),
                         [](const auto& info) { return std::string(info.param.label); });

// ---------------------------------------------------------------------------

struct FormatCase {
    const char* label;
    testwav::Format format;
    std::vector<double> freqs;         // one per channel
    const char* soxEncoding = nullptr; // re-encode with sox when set
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.label;
}

class FormatTest : public PlaybackTest, public testing::WithParamInterface<FormatCase> {};

TEST_P(FormatTest, ComesOutAtItsLengthAndPitch) {
    const FormatCase& c = GetParam();
    constexpr double seconds = 0.5;
    std::vector<std::vector<double>> channels;
    for (double f : c.freqs)
        channels.push_back(testwav::tone(f, seconds, c.format.rate));
    const std::string source = c.soxEncoding ? path("source.wav") : path("a.wav");
    testwav::writeWav(source, c.format, testwav::interleave(channels));
    if (c.soxEncoding) {
        const std::string cmd =
            "sox -V1 '" + source + "' -e " + c.soxEncoding + " '" + path("a.wav") + "' 2>/dev/null";
        if (std::system(cmd.c_str()) != 0)
            GTEST_SKIP() << "sox cannot make this file";
    }

    EXPECT_TRUE(play("a.wav"));
    const auto sound = capture::trimmed(captured(), 300);
    const double frames = static_cast<double>(sound.size()) / 2;
    // Block codecs pad their last block and resamplers ring at the edges.
    EXPECT_NEAR(frames, seconds * 48000, 0.012 * 48000);
    for (int ch = 0; ch < 2; ++ch) {
        const double f = c.freqs[c.freqs.size() == 1 ? 0 : static_cast<std::size_t>(ch)];
        const int crossings = capture::zeroCrossings(capture::channel(sound, ch));
        EXPECT_NEAR(crossings, 2 * f * seconds, 2 * f * seconds * 0.01 + 2) << "channel " << ch;
    }
}

namespace {
using testwav::Encoding;
const FormatCase kFormats[] = {
    {"pcm8", {Encoding::Pcm, 8, 1, 48000}, {440}},
    {"pcm16_stereo", {Encoding::Pcm, 16, 2, 48000}, {440, 660}},
    {"pcm24", {Encoding::Pcm, 24, 1, 48000}, {440}},
    {"pcm32", {Encoding::Pcm, 32, 1, 48000}, {440}},
    {"float32", {Encoding::Float, 32, 1, 48000}, {440}},
    {"rate22050", {Encoding::Pcm, 16, 1, 22050}, {440}},
    {"rate44100_stereo", {Encoding::Pcm, 16, 2, 44100}, {300, 500}},
    {"rate8000_pcm8", {Encoding::Pcm, 8, 1, 8000}, {440}},
    {"ima_adpcm", {Encoding::Pcm, 16, 1, 22050}, {440}, "ima-adpcm"},
    {"ms_adpcm", {Encoding::Pcm, 16, 1, 22050}, {440}, "ms-adpcm"},
    {"a_law", {Encoding::Pcm, 16, 1, 8000}, {440}, "a-law"},
    {"mu_law", {Encoding::Pcm, 16, 1, 8000}, {440}, "u-law"},
};
} // namespace

INSTANTIATE_TEST_SUITE_P(Formats, FormatTest, testing::ValuesIn(kFormats),
                         [](const auto& info) { return std::string(info.param.label); });
