// The window icon as committed, parsed byte by byte: Qt's own reader would
// accept far more than the one 16-colour image the window may carry.
#include "filebytes.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace {

constexpr std::array<std::uint32_t, 16> kStandardPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};
constexpr int kMagenta = 13;
constexpr int kWhite = 15;

class IconFile : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(file.loaded()); }

    // Image offset from the directory's single entry.
    std::size_t image() { return file.u32(18); }
    // Colour rows are bottom-up, 16 bytes a row; the high nibble is the left pixel.
    int pixel(int x, int y) {
        const std::size_t row = image() + 40 + 64 + static_cast<std::size_t>(31 - y) * 16;
        const std::uint8_t pair = file.u8(row + static_cast<std::size_t>(x / 2));
        return x % 2 == 0 ? pair >> 4 : pair & 0x0F;
    }

    FileBytes file{sourcePath("resources/icons/qirazo.ico")};
};

TEST_F(IconFile, HoldsOne32By32ImageOf16Colours) {
    EXPECT_EQ(file.u16(0), 0);
    EXPECT_EQ(file.u16(2), 1) << "not an icon";
    ASSERT_EQ(file.u16(4), 1) << "image count";
    EXPECT_EQ(file.u8(6), 32);
    EXPECT_EQ(file.u8(7), 32);
    EXPECT_EQ(file.u8(8), 16) << "colour count";
    EXPECT_EQ(file.u16(12), 4) << "bits per pixel in the directory";
    EXPECT_EQ(file.u32(14) + image(), file.size()) << "image size in the directory";

    const std::size_t header = image();
    EXPECT_EQ(file.u32(header), 40u);
    EXPECT_EQ(file.s32(header + 4), 32);
    EXPECT_EQ(file.s32(header + 8), 64) << "colour and mask rows together";
    EXPECT_EQ(file.u16(header + 14), 4);
    EXPECT_EQ(file.u32(header + 16), 0u) << "compressed";
    for (std::size_t i = 0; i < kStandardPalette.size(); ++i) {
        const std::size_t at = header + 40 + i * 4;
        const std::uint32_t rgb = static_cast<std::uint32_t>(file.u8(at + 2)) << 16 |
                                  static_cast<std::uint32_t>(file.u8(at + 1)) << 8 | file.u8(at);
        EXPECT_EQ(rgb, kStandardPalette[i]) << "palette entry " << i;
    }
    EXPECT_EQ(file.size(), header + 40 + 64 + 32 * 16 + 32 * 4);
    EXPECT_FALSE(file.bad());
}

TEST_F(IconFile, DrawsMagentaOnWhiteWithNoTransparentPixel) {
    std::set<int> used;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            used.insert(pixel(x, y));
    EXPECT_EQ(used, (std::set<int>{kMagenta, kWhite}));

    const std::size_t mask = image() + 40 + 64 + 32 * 16;
    for (std::size_t i = 0; i < 32 * 4; ++i)
        ASSERT_EQ(file.u8(mask + i), 0) << "transparent pixels in mask byte " << i;
    EXPECT_FALSE(file.bad());
}

TEST_F(IconFile, LettersBothHalvesAcrossTheIcon) {
    for (int half = 0; half < 2; ++half) {
        int left = 32, right = -1;
        for (int y = half * 16; y < half * 16 + 16; ++y)
            for (int x = 0; x < 32; ++x)
                if (pixel(x, y) == kMagenta) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        EXPECT_GE(right - left + 1, 26) << (half == 0 ? "Arabic" : "Latin") << " name too narrow";
    }
}

} // namespace
