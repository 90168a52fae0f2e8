#include "capture.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

namespace capture {

Samples read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
    Samples out(bytes.size() / 4 * 2);
    std::memcpy(out.data(), bytes.data(), out.size() * sizeof(std::int16_t));
    return out;
}

Samples trimmed(const Samples& stereo, int threshold) {
    auto loud = [threshold](std::int16_t s) { return std::abs(static_cast<int>(s)) > threshold; };
    const auto first = std::find_if(stereo.begin(), stereo.end(), loud);
    if (first == stereo.end())
        return {};
    const auto last = std::find_if(stereo.rbegin(), stereo.rend(), loud).base();
    // Widen to whole frames.
    const auto begin = (first - stereo.begin()) / 2 * 2;
    const auto end = (last - stereo.begin() + 1) / 2 * 2;
    return {stereo.begin() + begin, stereo.begin() + end};
}

Samples channel(const Samples& stereo, int index) {
    Samples out;
    for (std::size_t i = static_cast<std::size_t>(index); i < stereo.size(); i += 2)
        out.push_back(stereo[i]);
    return out;
}

std::vector<Run> runs(const Samples& stereo) {
    std::vector<Run> out;
    for (std::size_t i = 0; i + 1 < stereo.size(); i += 2) {
        if (!out.empty() && out.back().left == stereo[i] && out.back().right == stereo[i + 1])
            ++out.back().frames;
        else
            out.push_back({stereo[i], stereo[i + 1], 1});
    }
    return out;
}

int zeroCrossings(const Samples& mono, int hysteresis) {
    int crossings = 0;
    int sign = 0;
    for (std::int16_t s : mono) {
        const int now = s > hysteresis ? 1 : s < -hysteresis ? -1 : 0;
        if (now != 0 && sign != 0 && now != sign)
            ++crossings;
        if (now != 0)
            sign = now;
    }
    return crossings;
}

bool contains(const Samples& haystack, const Samples& needle) {
    return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) !=
           haystack.end();
}

} // namespace capture
