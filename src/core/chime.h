#pragma once

// The sound heard in place of a recording that cannot be played: a short,
// soft two-note chime, made in code so that it can never be missing itself.

#include <cstdint>
#include <vector>

namespace core {

inline constexpr double kChimeSeconds = 0.3;

// Interleaved signed 16-bit samples of the chime at `sampleRate`, the same
// signal on each of `channels` channels. It starts and ends in silence.
std::vector<std::int16_t> chimeSamples(int sampleRate, int channels);

} // namespace core
