#include "wavwriter.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <numbers>
#include <stdexcept>

namespace testwav {
namespace {

void put(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void putTag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

std::vector<std::uint8_t> waveFile(const Format& f, const std::vector<std::uint8_t>& data) {
    const int blockAlign = f.channels * f.bits / 8;
    std::vector<std::uint8_t> out;
    out.reserve(44 + data.size());
    putTag(out, "RIFF");
    put(out, static_cast<std::uint32_t>(36 + data.size()), 4);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put(out, 16, 4);
    put(out, f.encoding == Encoding::Float ? 3 : 1, 2);
    put(out, static_cast<std::uint32_t>(f.channels), 2);
    put(out, static_cast<std::uint32_t>(f.rate), 4);
    put(out, static_cast<std::uint32_t>(f.rate * blockAlign), 4);
    put(out, static_cast<std::uint32_t>(blockAlign), 2);
    put(out, static_cast<std::uint32_t>(f.bits), 2);
    putTag(out, "data");
    put(out, static_cast<std::uint32_t>(data.size()), 4);
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

} // namespace

void writeWav(const std::string& path, const Format& format, const std::vector<double>& samples) {
    std::vector<std::uint8_t> data;
    for (double s : samples) {
        s = std::clamp(s, -1.0, 1.0);
        if (format.encoding == Encoding::Float) {
            const float f = static_cast<float>(s);
            std::uint32_t bits = 0;
            static_assert(sizeof bits == sizeof f);
            std::copy_n(reinterpret_cast<const std::uint8_t*>(&f), 4,
                        reinterpret_cast<std::uint8_t*>(&bits));
            put(data, bits, 4);
        } else if (format.bits == 8) {
            data.push_back(static_cast<std::uint8_t>(std::lround(128.0 + s * 127.0)));
        } else {
            const double scale = std::ldexp(1.0, format.bits - 1) - 1.0;
            const auto v = static_cast<std::int32_t>(std::lround(s * scale));
            put(data, static_cast<std::uint32_t>(v), format.bits / 8);
        }
    }
    writeBytes(path, waveFile(format, data));
}

void writeWav16(const std::string& path, int rate, int channels,
                const std::vector<std::int16_t>& samples) {
    std::vector<std::uint8_t> data;
    for (std::int16_t s : samples)
        put(data, static_cast<std::uint16_t>(s), 2);
    writeBytes(path, waveFile({Encoding::Pcm, 16, channels, rate}, data));
}

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::vector<std::uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<double> tone(double freq, double seconds, int rate, double amplitude) {
    const auto n = static_cast<std::size_t>(std::lround(seconds * rate));
    std::vector<double> out(n);
    for (std::size_t i = 0; i < n; ++i)
        out[i] =
            amplitude * std::sin(2.0 * std::numbers::pi * freq * static_cast<double>(i) / rate);
    return out;
}

std::vector<double> interleave(const std::vector<std::vector<double>>& channels) {
    std::vector<double> out;
    const std::size_t n = channels.empty() ? 0 : channels.front().size();
    for (std::size_t i = 0; i < n; ++i)
        for (const auto& c : channels)
            out.push_back(c[i]);
    return out;
}

} // namespace testwav
