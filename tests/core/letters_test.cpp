#include "letters.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using core::kLetters;

namespace {

struct Row {
    const char* utf8; // the letter as it is written
    unsigned byte;
    const char* recording;
    const char* caption;
    int w, h;
};

// The letter table as a reader would check it against the alphabet chart.
const Row kExpected[28] = {
    {"أ", 0xC3, "a.wav", "A", 46, 60},   {"ب", 0xC8, "b.wav", "B", 48, 60},
    {"ج", 0xCC, "g.wav", "J", 46, 60},   {"د", 0xCF, "d.wav", "D", 46, 60},
    {"ه", 0xE5, "h.wav", "HA", 46, 60},  {"و", 0xE6, "w.wav", "W", 46, 60},
    {"ز", 0xD2, "z.wav", "Z", 46, 60},   {"ح", 0xCD, "7.wav", "H", 46, 60},
    {"ط", 0xD8, "8.wav", "T", 46, 60},   {"ي", 0xED, "y.wav", "Y", 46, 60},
    {"ك", 0xDF, "k.wav", "K", 47, 60},   {"ل", 0xE1, "l.wav", "L", 46, 60},
    {"م", 0xE3, "m.wav", "M", 46, 60},   {"ن", 0xE4, "n.wav", "N", 46, 60},
    {"س", 0xD3, "s.wav", "S", 46, 60},   {"ع", 0xDA, "3.wav", "A", 46, 60},
    {"ف", 0xDD, "f.wav", "F", 49, 60},   {"ص", 0xD5, "c.wav", "S", 62, 60},
    {"ق", 0xDE, "4.wav", "KA", 46, 60},  {"ر", 0xD1, "r.wav", "R", 46, 60},
    {"ش", 0xD4, "ch.wav", "CH", 52, 60}, {"ت", 0xCA, "t.wav", "T", 46, 60},
    {"ث", 0xCB, "th.wav", "TH", 46, 60}, {"خ", 0xCE, "10.wav", "KH", 46, 60},
    {"ذ", 0xD0, "dh.wav", "DT", 46, 60}, {"ض", 0xD6, "6.wav", "DT", 62, 60},
    {"ظ", 0xD9, "5.wav", "DT", 48, 60},  {"غ", 0xDB, "gh.wav", "GH", 46, 64},
};

char16_t fromUtf8(const char* s) {
    // Every letter here is two UTF-8 bytes: 110xxxxx 10xxxxxx.
    auto b0 = static_cast<unsigned char>(s[0]), b1 = static_cast<unsigned char>(s[1]);
    return char16_t(((b0 & 0x1F) << 6) | (b1 & 0x3F));
}

} // namespace

TEST(LetterTable, EveryRowMatchesTheAlphabet) {
    for (int i = 0; i < 28; ++i) {
        const core::Letter& l = kLetters[i];
        const Row& e = kExpected[i];
        SCOPED_TRACE(l.button);
        EXPECT_EQ(l.position, i + 1);
        EXPECT_EQ(std::string(l.button), "BitBtn" + std::to_string(i + 1));
        EXPECT_EQ(std::string(l.label), "Label" + std::to_string(i + 2));
        EXPECT_EQ(l.codePoint, fromUtf8(e.utf8));
        EXPECT_EQ(l.byte, e.byte);
        EXPECT_EQ(l.matchByte, l.byte);
        EXPECT_STREQ(l.recording, e.recording);
        EXPECT_STREQ(l.caption, e.caption);
        EXPECT_EQ(l.pictureWidth, e.w);
        EXPECT_EQ(l.pictureHeight, e.h);
    }
}

TEST(LetterTable, HehAndMeemAppendATatweelAndNoOtherLetterDoes) {
    for (const core::Letter& l : kLetters) {
        SCOPED_TRACE(l.button);
        if (l.position == 5 || l.position == 13) {
            ASSERT_EQ(l.display.size(), 2u);
            EXPECT_EQ(static_cast<unsigned char>(l.display[1]), core::kTatweel);
        } else {
            ASSERT_EQ(l.display.size(), 1u);
        }
        EXPECT_EQ(static_cast<unsigned char>(l.display[0]), l.byte);
    }
}

TEST(LetterTable, PicturesDrawInitialFormsForFiveLetters) {
    std::set<int> initial;
    for (const core::Letter& l : kLetters)
        if (l.initialForm)
            initial.insert(l.position);
    EXPECT_EQ(initial, (std::set<int>{5, 10, 11, 15, 21}));
}

TEST(LetterTable, MatchBytesAreDistinctAndFindTheirOwnRow) {
    std::set<unsigned> seen;
    for (const core::Letter& l : kLetters) {
        EXPECT_TRUE(seen.insert(l.matchByte).second) << l.button;
        EXPECT_EQ(core::letterByMatchByte(l.matchByte), &l);
    }
}

TEST(LetterTable, LookAlikesAndTheTatweelMatchNothing) {
    // tatweel, bare alef, hamza forms, teh marbuta, alef maksura, ASCII, CR, LF
    for (unsigned b : {0xDCu, 0xC7u, 0xC5u, 0xC2u, 0xC4u, 0xC6u, 0xC1u, 0xC9u, 0xECu, 0x20u, 0x0Du,
                       0x0Au, 0x3Fu, 0x41u, 0x31u, 0x00u, 0xFFu})
        EXPECT_EQ(core::letterByMatchByte(static_cast<unsigned char>(b)), nullptr) << std::hex << b;
}

TEST(LetterTable, RecordingNamesAreBareLowerCaseWaveNames) {
    for (const core::Letter& l : kLetters) {
        const std::string name = l.recording;
        SCOPED_TRACE(name);
        ASSERT_GT(name.size(), 4u);
        EXPECT_EQ(name.substr(name.size() - 4), ".wav");
        for (char c : name.substr(0, name.size() - 4))
            EXPECT_TRUE((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'));
    }
}
