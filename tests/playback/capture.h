#pragma once

// Reading what the SDL disk driver wrote: raw interleaved signed 16-bit
// stereo at 48 kHz, silence included.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace capture {

using Samples = std::vector<std::int16_t>;

Samples read(const std::string& path);

// The frames from the first to the last one with a sample louder than
// `threshold`; empty when there is none.
Samples trimmed(const Samples& stereo, int threshold = 0);

Samples channel(const Samples& stereo, int index);

// Runs of identical frames, in order.
struct Run {
    std::int16_t left;
    std::int16_t right;
    std::size_t frames;
    bool operator==(const Run&) const = default;
};
std::vector<Run> runs(const Samples& stereo);

// Sign changes of a mono signal, ignoring wiggles smaller than `hysteresis`.
int zeroCrossings(const Samples& mono, int hysteresis = 500);

bool contains(const Samples& haystack, const Samples& needle);

} // namespace capture
