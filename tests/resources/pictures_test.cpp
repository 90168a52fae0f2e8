// The letter-button and read-button pictures as committed: the format the
// buttons expect, the sizes of the letter table, and one common scale.
#include "bitmap.h"
#include "filebytes.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <set>

namespace {

struct ExpectedPicture {
    int position;
    const char* letter; // for the failure message
    int width;
    int height;
};

// Sizes from the letter table; ص and ض stand on the wider buttons.
constexpr std::array<ExpectedPicture, 28> kPictures = {{
    {1, "alef hamza", 46, 60}, {2, "beh", 48, 60},   {3, "jeem", 46, 60},  {4, "dal", 46, 60},
    {5, "heh", 46, 60},        {6, "waw", 46, 60},   {7, "zain", 46, 60},  {8, "hah", 46, 60},
    {9, "tah", 46, 60},        {10, "yeh", 46, 60},  {11, "kaf", 47, 60},  {12, "lam", 46, 60},
    {13, "meem", 46, 60},      {14, "noon", 46, 60}, {15, "seen", 46, 60}, {16, "ain", 46, 60},
    {17, "feh", 49, 60},       {18, "sad", 62, 60},  {19, "qaf", 46, 60},  {20, "reh", 46, 60},
    {21, "sheen", 52, 60},     {22, "teh", 46, 60},  {23, "theh", 46, 60}, {24, "khah", 46, 60},
    {25, "thal", 46, 60},      {26, "dad", 62, 60},  {27, "zah", 48, 60},  {28, "ghain", 46, 64},
}};
constexpr int kSeen = 15;
constexpr int kGhain = 28;

std::string picturePath(int position) {
    char name[32];
    std::snprintf(name, sizeof name, "resources/pictures/letter%02d.bmp", position);
    return sourcePath(name);
}

// Fails unless every pixel is pure black or pure white and both occur.
void expectTwoColours(const Bitmap& bitmap) {
    const std::set<std::uint32_t> colours(bitmap.pixels.begin(), bitmap.pixels.end());
    EXPECT_EQ(colours, (std::set<std::uint32_t>{0x000000, 0xFFFFFF}));
}

class LetterPicture : public testing::TestWithParam<ExpectedPicture> {};

TEST_P(LetterPicture, IsATwoColourBitmapOfItsSizeWithTheLetterCentred) {
    const ExpectedPicture& expected = GetParam();
    std::string error;
    const auto bitmap = readBitmap24(picturePath(expected.position), error);
    ASSERT_TRUE(bitmap) << error;
    EXPECT_EQ(bitmap->width, expected.width);
    EXPECT_EQ(bitmap->height, expected.height);
    expectTwoColours(*bitmap);
    // The button takes its transparent colour from the bottom-left pixel.
    EXPECT_EQ(bitmap->at(0, bitmap->height - 1), 0xFFFFFFu);

    const InkBox ink = inkBox(*bitmap);
    ASSERT_FALSE(ink.empty());
    // Ink touching an edge means the letter was clipped.
    EXPECT_GT(ink.left, 0);
    EXPECT_GT(ink.top, 0);
    EXPECT_LT(ink.right, bitmap->width - 1);
    EXPECT_LT(ink.bottom, bitmap->height - 1);
    EXPECT_LE(std::abs((ink.left + ink.right) - (bitmap->width - 1)), 4) << "not centred across";
    EXPECT_LE(std::abs((ink.top + ink.bottom) - (bitmap->height - 1)), 4) << "not centred down";
}

INSTANTIATE_TEST_SUITE_P(AllLetters, LetterPicture, testing::ValuesIn(kPictures),
                         [](const testing::TestParamInfo<ExpectedPicture>& info) {
                             return "letter" + std::to_string(info.param.position);
                         });

TEST(LetterPictures, ShareOneScaleFromSeenToGhain) {
    std::array<int, 29> heights{};
    for (const ExpectedPicture& expected : kPictures) {
        std::string error;
        const auto bitmap = readBitmap24(picturePath(expected.position), error);
        ASSERT_TRUE(bitmap) << error;
        heights[expected.position] = inkBox(*bitmap).height();
    }
    for (const ExpectedPicture& expected : kPictures) {
        if (expected.position != kGhain) {
            EXPECT_LT(heights[expected.position], heights[kGhain]) << expected.letter;
        }
        if (expected.position != kSeen) {
            EXPECT_GT(heights[expected.position], heights[kSeen]) << expected.letter;
        }
    }
    // The drawn range is 12 (seen with its joining stroke) to 47 (ghain).
    EXPECT_NEAR(heights[kGhain], 47, 1);
    EXPECT_NEAR(heights[kSeen], 12, 2);
}

TEST(ReadPicture, HoldsThreeWordsInTheirBoxes) {
    std::string error;
    const auto bitmap = readBitmap24(sourcePath("resources/pictures/read.bmp"), error);
    ASSERT_TRUE(bitmap) << error;
    ASSERT_EQ(bitmap->width, 210);
    ASSERT_EQ(bitmap->height, 43);
    expectTwoColours(*bitmap);
    EXPECT_EQ(bitmap->at(0, bitmap->height - 1), 0xFFFFFFu);

    const InkBox ink = inkBox(*bitmap);
    EXPECT_EQ(ink.top, 11);
    EXPECT_EQ(ink.bottom, 33);

    // Words are the runs of inked columns with a wide gap between them;
    // letters within a word stand closer than that.
    constexpr int kWordGap = 8;
    std::vector<std::pair<int, int>> words;
    int blank = kWordGap;
    for (int x = 0; x < bitmap->width; ++x) {
        bool inked = false;
        for (int y = 0; y < bitmap->height; ++y)
            inked = inked || bitmap->at(x, y) == 0x000000;
        if (inked && blank >= kWordGap)
            words.emplace_back(x, x);
        if (inked) {
            words.back().second = x;
            blank = 0;
        } else {
            ++blank;
        }
    }
    const std::vector<std::pair<int, int>> expected{{8, 78}, {95, 140}, {154, 199}};
    EXPECT_EQ(words, expected);
}

} // namespace
