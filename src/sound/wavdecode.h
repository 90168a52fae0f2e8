#pragma once

#include <cstdint>
#include <vector>

namespace platform {

// Reads the wave file `name` (relative to the working directory) and returns
// its sound converted to the output format: interleaved signed 16-bit frames,
// kOutputChannels channels at kOutputRate. Empty when the file is missing,
// not a regular file, not a wave file, truncated, undecodable or silent by
// having no samples at all.
std::vector<std::int16_t> decodeWave(const char* name);

} // namespace platform
