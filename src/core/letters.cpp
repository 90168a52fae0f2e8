#include "letters.h"

namespace core {

using namespace std::string_view_literals;

// clang-format off
const LetterTable kLetters = {{
    {1, "BitBtn1", "Label2", u'\u0623', 0xC3, "\xC3"sv, 0xC3, "a.wav", "A", 46, 60, false}, // أ
    {2, "BitBtn2", "Label3", u'\u0628', 0xC8, "\xC8"sv, 0xC8, "b.wav", "B", 48, 60, false}, // ب
    {3, "BitBtn3", "Label4", u'\u062C', 0xCC, "\xCC"sv, 0xCC, "g.wav", "J", 46, 60, false}, // ج
    {4, "BitBtn4", "Label5", u'\u062F', 0xCF, "\xCF"sv, 0xCF, "d.wav", "D", 46, 60, false}, // د
    {5, "BitBtn5", "Label6", u'\u0647', 0xE5, "\xE5\xDC"sv, 0xE5, "h.wav", "HA", 46, 60, true}, // ه
    {6, "BitBtn6", "Label7", u'\u0648', 0xE6, "\xE6"sv, 0xE6, "w.wav", "W", 46, 60, false}, // و
    {7, "BitBtn7", "Label8", u'\u0632', 0xD2, "\xD2"sv, 0xD2, "z.wav", "Z", 46, 60, false}, // ز
    {8, "BitBtn8", "Label9", u'\u062D', 0xCD, "\xCD"sv, 0xCD, "7.wav", "H", 46, 60, false}, // ح
    {9, "BitBtn9", "Label10", u'\u0637', 0xD8, "\xD8"sv, 0xD8, "8.wav", "T", 46, 60, false}, // ط
    {10, "BitBtn10", "Label11", u'\u064A', 0xED, "\xED"sv, 0xED, "y.wav", "Y", 46, 60, true}, // ي
    {11, "BitBtn11", "Label12", u'\u0643', 0xDF, "\xDF"sv, 0xDF, "k.wav", "K", 47, 60, true}, // ك
    {12, "BitBtn12", "Label13", u'\u0644', 0xE1, "\xE1"sv, 0xE1, "l.wav", "L", 46, 60, false}, // ل
    {13, "BitBtn13", "Label14", u'\u0645', 0xE3, "\xE3\xDC"sv, 0xE3, "m.wav", "M", 46, 60, false}, // م
    {14, "BitBtn14", "Label15", u'\u0646', 0xE4, "\xE4"sv, 0xE4, "n.wav", "N", 46, 60, false}, // ن
    {15, "BitBtn15", "Label16", u'\u0633', 0xD3, "\xD3"sv, 0xD3, "s.wav", "S", 46, 60, true}, // س
    {16, "BitBtn16", "Label17", u'\u0639', 0xDA, "\xDA"sv, 0xDA, "3.wav", "A", 46, 60, false}, // ع
    {17, "BitBtn17", "Label18", u'\u0641', 0xDD, "\xDD"sv, 0xDD, "f.wav", "F", 49, 60, false}, // ف
    {18, "BitBtn18", "Label19", u'\u0635', 0xD5, "\xD5"sv, 0xD5, "c.wav", "S", 62, 60, false}, // ص
    {19, "BitBtn19", "Label20", u'\u0642', 0xDE, "\xDE"sv, 0xDE, "4.wav", "KA", 46, 60, false}, // ق
    {20, "BitBtn20", "Label21", u'\u0631', 0xD1, "\xD1"sv, 0xD1, "r.wav", "R", 46, 60, false}, // ر
    {21, "BitBtn21", "Label22", u'\u0634', 0xD4, "\xD4"sv, 0xD4, "ch.wav", "CH", 52, 60, true}, // ش
    {22, "BitBtn22", "Label23", u'\u062A', 0xCA, "\xCA"sv, 0xCA, "t.wav", "T", 46, 60, false}, // ت
    {23, "BitBtn23", "Label24", u'\u062B', 0xCB, "\xCB"sv, 0xCB, "th.wav", "TH", 46, 60, false}, // ث
    {24, "BitBtn24", "Label25", u'\u062E', 0xCE, "\xCE"sv, 0xCE, "10.wav", "KH", 46, 60, false}, // خ
    {25, "BitBtn25", "Label26", u'\u0630', 0xD0, "\xD0"sv, 0xD0, "dh.wav", "DT", 46, 60, false}, // ذ
    {26, "BitBtn26", "Label27", u'\u0636', 0xD6, "\xD6"sv, 0xD6, "6.wav", "DT", 62, 60, false}, // ض
    {27, "BitBtn27", "Label28", u'\u0638', 0xD9, "\xD9"sv, 0xD9, "5.wav", "DT", 48, 60, false}, // ظ
    {28, "BitBtn28", "Label29", u'\u063A', 0xDB, "\xDB"sv, 0xDB, "gh.wav", "GH", 46, 64, false}, // غ
}};
// clang-format on

namespace {

struct ByMatchByte {
    std::array<const Letter*, 256> rows{};
    ByMatchByte() {
        for (const Letter& l : kLetters)
            rows[l.matchByte] = &l;
    }
};

} // namespace

const Letter* letterByMatchByte(unsigned char byte) {
    static const ByMatchByte index;
    return index.rows[byte];
}

} // namespace core
