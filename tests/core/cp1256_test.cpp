#include "cp1256.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <string>

namespace {

// What glibc says byte `b` is in CP1256, as one UTF-16 unit.
char16_t iconvDecode(unsigned char b) {
    iconv_t cd = iconv_open("UTF-16LE", "CP1256");
    EXPECT_NE(cd, (iconv_t)-1);
    char in[1] = {static_cast<char>(b)};
    char out[8] = {};
    char* ip = in;
    char* op = out;
    size_t il = 1, ol = sizeof out;
    const size_t r = iconv(cd, &ip, &il, &op, &ol);
    iconv_close(cd);
    EXPECT_NE(r, size_t(-1)) << int(b);
    return char16_t(static_cast<unsigned char>(out[0]) | (static_cast<unsigned char>(out[1]) << 8));
}

std::u16string u(const char16_t* s) {
    return s;
}

} // namespace

TEST(Cp1256, AllBytesAgreeWithGlibcBothWays) {
    for (int b = 0; b < 256; ++b) {
        const char16_t expected = iconvDecode(static_cast<unsigned char>(b));
        EXPECT_EQ(core::decodeCp1256(static_cast<unsigned char>(b)), expected) << b;
        EXPECT_EQ(core::encodeCp1256(expected), std::optional<unsigned char>(b)) << b;
    }
}

TEST(Cp1256, CharactersOutsideTheCodePageHaveNoByte) {
    for (char32_t c : {U'\u0671', U'\u00C0', U'\u4E2D', U'\U0001F600', U'\uFEFB'})
        EXPECT_FALSE(core::encodeCp1256(c).has_value()) << unsigned(c);
}

TEST(Cp1256, ByteViewOfText) {
    struct Case {
        std::u16string text;
        std::string bytes;
    } cases[] = {
        {u"", ""},
        {u"\u0628\u0627\u0628\n\u062F\u0627\u0631", "\xC8\xC7\xC8\r\n\xCF\xC7\xD1"},
        {u"a\r\nb", "a\r\nb"},
        {u"a\u2029b", "a\r\nb"},
        {u"\n\n", "\r\n\r\n"},
        // outside the code page: one '?' per character, surrogate pairs too
        {u"\u0628\U0001F600\u4E2D\u0628", "\xC8??\xC8"},
        {u"\u00E9\u00E0", "\xE9\xE0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(core::textToCp1256(c.text), c.bytes);
}

TEST(Cp1256, DecodeRoundTripsTheHeldCharacters) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n')
            all.push_back(static_cast<char>(b));
    EXPECT_EQ(core::textToCp1256(core::decodeCp1256(all)), all);
    EXPECT_EQ(core::decodeCp1256(std::string("\xE5\xDC")), u(u"\u0647\u0640"));
}
