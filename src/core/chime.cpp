#include "chime.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace core {
namespace {

// A bell-like note: a sine with a weaker octave, quick attack, exponential
// decay. Amplitudes are kept low so the chime is gentle next to a voice.
double note(double t, double freq, double peak) {
    if (t < 0.0)
        return 0.0;
    constexpr double attack = 0.006;
    constexpr double decay = 0.07;
    const double env = std::min(1.0, t / attack) * std::exp(-t / decay);
    const double w = 2.0 * std::numbers::pi * freq * t;
    return peak * env * (std::sin(w) + 0.3 * std::sin(2.0 * w));
}

} // namespace

std::vector<std::int16_t> chimeSamples(int sampleRate, int channels) {
    if (sampleRate <= 0 || channels <= 0)
        return {};
    const auto frames = static_cast<std::size_t>(kChimeSeconds * sampleRate);
    // The last few milliseconds fade linearly to zero so the end has no click.
    const double fadeFrames = 0.02 * sampleRate;
    std::vector<std::int16_t> out(frames * static_cast<std::size_t>(channels));
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        double v = note(t, 880.0, 0.16) + note(t - 0.09, 1318.5, 0.13);
        const double left = static_cast<double>(frames - 1 - i);
        v *= std::min(1.0, left / fadeFrames);
        const auto s = static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0));
        std::fill_n(out.begin() + static_cast<std::ptrdiff_t>(i) * channels, channels, s);
    }
    return out;
}

} // namespace core
