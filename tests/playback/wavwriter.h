#pragma once

// Writes the recordings the playback tests play: plain PCM and float wave
// files with exactly the samples asked for.

#include <cstdint>
#include <string>
#include <vector>

namespace testwav {

enum class Encoding { Pcm, Float };

struct Format {
    Encoding encoding = Encoding::Pcm;
    int bits = 16; // 8, 16, 24 or 32 for Pcm; 32 for Float
    int channels = 1;
    int rate = 48000;
};

// `samples` are interleaved, full scale at +-1.0.
void writeWav(const std::string& path, const Format& format, const std::vector<double>& samples);

// 16-bit PCM with the exact sample values given.
void writeWav16(const std::string& path, int rate, int channels,
                const std::vector<std::int16_t>& samples);

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> readBytes(const std::string& path);

// A sine of `freq` Hz, `seconds` long, at `amplitude` (+-1.0 full scale).
std::vector<double> tone(double freq, double seconds, int rate, double amplitude = 0.5);

// Interleaves one vector per channel.
std::vector<double> interleave(const std::vector<std::vector<double>>& channels);

} // namespace testwav
