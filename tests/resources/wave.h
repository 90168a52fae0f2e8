#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A RIFF wave file of 16-bit PCM samples, read chunk by chunk.
struct Wave {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<std::int16_t> samples;

    double seconds() const {
        return channels > 0 && sampleRate > 0
                   ? static_cast<double>(samples.size()) / channels / sampleRate
                   : 0.0;
    }
};

// Empty result with `error` set when the file is no 16-bit PCM wave file.
std::optional<Wave> readWave(const std::string& path, std::string& error);
