#include "cp1256.h"

namespace core {

const std::array<char16_t, 128> kCp1256High = {
    0x20AC, 0x067E, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0679, 0x2039,
    0x0152, 0x0686, 0x0698, 0x0688, 0x06AF, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x06A9, 0x2122, 0x0691, 0x203A, 0x0153, 0x200C, 0x200D, 0x06BA, 0x00A0, 0x060C, 0x00A2, 0x00A3,
    0x00A4, 0x00A5, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x06BE, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x061B, 0x00BB,
    0x00BC, 0x00BD, 0x00BE, 0x061F, 0x06C1, 0x0621, 0x0622, 0x0623, 0x0624, 0x0625, 0x0626, 0x0627,
    0x0628, 0x0629, 0x062A, 0x062B, 0x062C, 0x062D, 0x062E, 0x062F, 0x0630, 0x0631, 0x0632, 0x0633,
    0x0634, 0x0635, 0x0636, 0x00D7, 0x0637, 0x0638, 0x0639, 0x063A, 0x0640, 0x0641, 0x0642, 0x0643,
    0x00E0, 0x0644, 0x00E2, 0x0645, 0x0646, 0x0647, 0x0648, 0x00E7, 0x00E8, 0x00E9, 0x00EA, 0x00EB,
    0x0649, 0x064A, 0x00EE, 0x00EF, 0x064B, 0x064C, 0x064D, 0x064E, 0x00F4, 0x064F, 0x0650, 0x00F7,
    0x0651, 0x00F9, 0x0652, 0x00FB, 0x00FC, 0x200E, 0x200F, 0x06D2,
};

namespace {

// Reverse lookup for the whole Basic Multilingual Plane, built once: 0 marks a
// character the code page cannot hold (U+0000 itself is ASCII and handled
// apart). A direct table keeps the reader's byte view linear and cheap.
struct Reverse {
    std::array<unsigned char, 0x10000> bytes{};
    Reverse() {
        for (unsigned i = 1; i < 0x80; ++i)
            bytes[i] = static_cast<unsigned char>(i);
        for (unsigned i = 0; i < 128; ++i)
            bytes[kCp1256High[i]] = static_cast<unsigned char>(0x80 + i);
    }
};

const Reverse& reverse() {
    static const Reverse table;
    return table;
}

} // namespace

char16_t decodeCp1256(unsigned char byte) {
    return byte < 0x80 ? char16_t(byte) : kCp1256High[byte - 0x80];
}

std::optional<unsigned char> encodeCp1256(char32_t ch) {
    if (ch == 0)
        return static_cast<unsigned char>(0);
    if (ch > 0xFFFF)
        return std::nullopt;
    const unsigned char b = reverse().bytes[ch];
    return b ? std::optional<unsigned char>(b) : std::nullopt;
}

std::u16string decodeCp1256(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (char b : bytes)
        out.push_back(decodeCp1256(static_cast<unsigned char>(b)));
    return out;
}

std::string textToCp1256(std::u16string_view text) {
    const auto& bytes = reverse().bytes;
    // Each character gives one byte, a line break at most two.
    std::string out(text.size() * 2, '\0');
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            continue; // the "\n" that follows writes the break
        if (c == u'\n' || c == u'\r' || c == 0x2029) {
            out[n++] = '\r';
            out[n++] = '\n';
            continue;
        }
        // A surrogate pair is one character outside the code page: one '?'.
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000)
            ++i;
        const unsigned char b = bytes[c];
        out[n++] = static_cast<char>(b || c == 0 ? b : '?');
    }
    out.resize(n);
    return out;
}

} // namespace core
