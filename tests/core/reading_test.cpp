#include "reading.h"

#include "cp1256.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> heard(const std::u16string& text) {
    std::vector<std::string> played;
    const std::size_t n =
        core::readText(core::textToCp1256(text), [&](const char* r) { played.push_back(r); });
    EXPECT_EQ(n, played.size());
    return played;
}

using V = std::vector<std::string>;

} // namespace

TEST(Reading, PlaysEveryLetterInTextOrderAndNothingElse) {
    struct Case {
        const char* what;
        std::u16string text;
        V recordings;
    } cases[] = {
        {"entered with the buttons", u"\u0623\u0645\u0640\u0644", V{"a.wav", "m.wav", "l.wav"}},
        {"two typed lines", u"\u0628\u0627\u0628\n\u062F\u0627\u0631",
         V{"b.wav", "b.wav", "d.wav", "r.wav"}},
        {"lam alef", u"\u0644\u0627", V{"l.wav"}},
        {"a mark on a letter", u"\u0628\u064E", V{"b.wav"}},
        {"a letter twice", u"\u062E\u062E", V{"10.wav", "10.wav"}},
        {"look-alikes", u"\u0640\u0627\u0625\u0622\u0621\u0624\u0626\u0629\u0649", V{}},
        {"digits, Latin, blanks, breaks", u"0123 abc XYZ\r\n\n\t", V{}},
        {"outside the code page", u"\u0671\U0001F600\u4E2D", V{}},
        {"mixed with foreign text", u"\u4E2D\u0639\U0001F600\u063A", V{"3.wav", "gh.wav"}},
        {"empty", u"", V{}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(heard(c.text), c.recordings) << c.what;
}

TEST(Reading, ExactlyTheTwentyEightLetterBytesSound) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    std::vector<std::string> played;
    core::readText(all, [&](const char* r) { played.push_back(r); });
    // In byte order: أ C3, ب C8, ت CA ... ي ED.
    const V expected = {"a.wav", "b.wav",  "t.wav", "th.wav", "g.wav",  "7.wav",  "10.wav",
                        "d.wav", "dh.wav", "r.wav", "z.wav",  "s.wav",  "ch.wav", "c.wav",
                        "6.wav", "8.wav",  "5.wav", "3.wav",  "gh.wav", "f.wav",  "4.wav",
                        "k.wav", "l.wav",  "m.wav", "n.wav",  "h.wav",  "w.wav",  "y.wav"};
    EXPECT_EQ(played, expected);
}
