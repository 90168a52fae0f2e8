#include "wave.h"

#include "filebytes.h"

std::optional<Wave> readWave(const std::string& path, std::string& error) {
    FileBytes file(path);
    if (!file.loaded()) {
        error = "cannot read " + path;
        return std::nullopt;
    }
    if (file.text(0, 4) != "RIFF" || file.text(8, 4) != "WAVE" || file.u32(4) + 8 != file.size()) {
        error = "no RIFF WAVE header, or its size field is wrong";
        return std::nullopt;
    }
    Wave wave;
    bool haveFormat = false, haveData = false;
    for (std::size_t at = 12; at + 8 <= file.size();) {
        const std::string id = file.text(at, 4);
        const std::uint32_t size = file.u32(at + 4);
        const std::size_t body = at + 8;
        if (body + size > file.size()) {
            error = "chunk " + id + " runs past the end of the file";
            return std::nullopt;
        }
        if (id == "fmt ") {
            // 1 is plain PCM; sox writes WAVE_FORMAT_EXTENSIBLE only for
            // more than two channels or more than 16 bits.
            if (file.u16(body) != 1) {
                error = "format tag " + std::to_string(file.u16(body)) + ", not PCM";
                return std::nullopt;
            }
            wave.channels = file.u16(body + 2);
            wave.sampleRate = static_cast<int>(file.u32(body + 4));
            wave.bitsPerSample = file.u16(body + 14);
            const std::uint32_t blockAlign = file.u16(body + 12);
            if (blockAlign != static_cast<std::uint32_t>(wave.channels * wave.bitsPerSample / 8) ||
                file.u32(body + 8) != blockAlign * static_cast<std::uint32_t>(wave.sampleRate)) {
                error = "byte rate or block alignment disagrees with the format";
                return std::nullopt;
            }
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat || wave.bitsPerSample != 16) {
                error = "data before a 16-bit format chunk";
                return std::nullopt;
            }
            for (std::size_t i = 0; i + 1 < size; i += 2)
                wave.samples.push_back(static_cast<std::int16_t>(file.u16(body + i)));
            haveData = true;
        }
        at = body + size + (size & 1); // chunks are padded to an even length
    }
    if (!haveFormat || !haveData) {
        error = "missing fmt or data chunk";
        return std::nullopt;
    }
    return wave;
}
