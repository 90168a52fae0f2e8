// How close to the device PlaySoundA keeps its promise, measured against SDL's
// disk driver in real time:
//   first_sample  from the call to the callback that takes the first sample;
//   gap           silence between two recordings played back to back;
//   return_late   from the end of the last sample to the call's return.
// Each runs on the GUI thread with an event loop (as the program plays) and
// on a thread of its own, where the wait is a condition variable.

#include "playsound.h"
#include "sdlplayer.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

constexpr std::int16_t kLevelA = 8000;
constexpr std::int16_t kLevelB = -8000;

// A mono 16-bit 48 kHz file, the format of the letter recordings.
void writeLevel(const std::string& path, std::int16_t level, double seconds) {
    const auto frames = static_cast<std::uint32_t>(seconds * platform::kOutputRate);
    auto put = [](std::ofstream& out, std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.put(static_cast<char>(v >> (8 * i)));
    };
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    put(out, 36 + frames * 2, 4);
    out.write("WAVEfmt ", 8);
    put(out, 16, 4);
    put(out, 1, 2);
    put(out, 1, 2);
    put(out, platform::kOutputRate, 4);
    put(out, platform::kOutputRate * 2, 4);
    put(out, 2, 2);
    put(out, 16, 2);
    out.write("data", 4);
    put(out, frames * 2, 4);
    for (std::uint32_t i = 0; i < frames; ++i)
        put(out, static_cast<std::uint16_t>(level), 2);
}

struct Played {
    Clock::time_point called;
    Clock::time_point returned;
    platform::PlaybackTrace trace;
};

Played play(const char* name, bool onWorker) {
    Played p;
    auto run = [&] {
        p.called = Clock::now();
        if (!PlaySoundA(name, nullptr, SND_FILENAME))
            std::fprintf(stderr, "%s did not play\n", name);
        p.returned = Clock::now();
    };
    if (onWorker)
        std::thread(run).join();
    else
        run();
    p.trace = platform::lastPlaybackTrace();
    return p;
}

// When the last sample finished playing: the device plays a buffer in the
// time between its callback and the next one.
Clock::time_point soundEnd(const platform::PlaybackTrace& t) {
    constexpr auto n = static_cast<std::uint64_t>(platform::kBufferFrames);
    const std::uint64_t inBuffer = t.endFrame - (t.endFrame - 1) / n * n;
    const auto period = t.drained - t.lastCallback;
    return t.lastCallback + period * static_cast<long>(inBuffer) / static_cast<long>(n);
}

// The mean is the benchmark's time; the worst case goes in a counter.
class Stat {
public:
    void add(double ms) { max_ = std::max(max_, ms); }
    void report(benchmark::State& state, const char* name) const {
        state.counters[std::string(name) + "_max_ms"] = max_;
    }

private:
    double max_ = 0;
};

void BM_FirstSample(benchmark::State& state) {
    const bool worker = state.range(0) != 0;
    Stat stat;
    for (auto _ : state) {
        const Played p = play("a.wav", worker);
        const double ms = Ms(p.trace.firstCallback - p.called).count();
        stat.add(ms);
        state.SetIterationTime(ms / 1000);
    }
    stat.report(state, "first_sample");
}

void BM_BackToBackGap(benchmark::State& state) {
    const bool worker = state.range(0) != 0;
    Stat stat;
    for (auto _ : state) {
        const Played a = play("a.wav", worker);
        const Played b = play("b.wav", worker);
        const double frames = static_cast<double>(b.trace.firstFrame - a.trace.endFrame);
        const double ms = frames * 1000 / platform::kOutputRate;
        stat.add(ms);
        state.SetIterationTime(ms / 1000);
    }
    stat.report(state, "gap");
}

void BM_ReturnAfterEnd(benchmark::State& state) {
    const bool worker = state.range(0) != 0;
    Stat late;
    Stat wake;
    for (auto _ : state) {
        const Played p = play("a.wav", worker);
        const double ms = Ms(p.returned - soundEnd(p.trace)).count();
        late.add(ms);
        wake.add(Ms(p.returned - p.trace.drained).count());
        state.SetIterationTime(std::max(ms, 0.0) / 1000);
    }
    late.report(state, "return_late");
    wake.report(state, "after_drain");
}

void configure(benchmark::internal::Benchmark* b) {
    b->ArgName("worker")->Arg(0)->Arg(1)->Iterations(40)->UseManualTime()->Unit(
        benchmark::kMillisecond);
}
BENCHMARK(BM_FirstSample)->Apply(configure);
BENCHMARK(BM_BackToBackGap)->Apply(configure);
BENCHMARK(BM_ReturnAfterEnd)->Apply(configure);

// The silence the disk driver actually wrote between each end of a.wav and
// the start of b.wav, as a check on the frame counts above.
void reportCapturedGaps(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::int16_t> left;
    std::int16_t frame[2];
    while (in.read(reinterpret_cast<char*>(frame), sizeof frame))
        left.push_back(frame[0]);
    // Mono to stereo goes through float in SDL, so levels come back a unit
    // or so off; only their signs matter here.
    auto isA = [](std::int16_t v) { return v > kLevelA / 2; };
    auto isB = [](std::int16_t v) { return v < kLevelB / 2; };
    std::size_t count = 0;
    double sum = 0;
    double max = 0;
    for (std::size_t i = 1; i < left.size(); ++i) {
        if (!isA(left[i - 1]) || left[i] != 0)
            continue;
        std::size_t j = i;
        while (j < left.size() && left[j] == 0)
            ++j;
        if (j < left.size() && isB(left[j])) {
            const double ms = static_cast<double>(j - i) * 1000 / platform::kOutputRate;
            ++count;
            sum += ms;
            max = std::max(max, ms);
        }
    }
    if (count > 0)
        std::printf("captured a->b silence over %zu pairs: mean %.2f ms, max %.2f ms\n", count,
                    sum / static_cast<double>(count), max);
}

} // namespace

int main(int argc, char** argv) {
    platform::setSoundPlayer(&platform::sdlSoundPlayer());
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    const fs::path dir = fs::temp_directory_path() / ("qirazo-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    fs::current_path(dir);
    const std::string capture = (dir / "capture.raw").string();
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", capture.c_str(), 1);
    unsetenv("SDL_DISKAUDIODELAY");
    writeLevel("a.wav", kLevelA, 0.2);
    writeLevel("b.wav", kLevelB, 0.2);

    std::printf("device: %d Hz, s16, %d channels, %d frames per buffer (%.2f ms)\n",
                platform::kOutputRate, platform::kOutputChannels, platform::kBufferFrames,
                platform::kBufferFrames * 1000.0 / platform::kOutputRate);
    const Played first = play("a.wav", false);
    std::printf("first call, device opening included: first sample after %.2f ms\n",
                Ms(first.trace.firstCallback - first.called).count());

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    platform::closeSoundDevice();
    reportCapturedGaps(capture);
    std::error_code ec;
    fs::current_path(fs::temp_directory_path(), ec);
    fs::remove_all(dir, ec);
    return 0;
}
