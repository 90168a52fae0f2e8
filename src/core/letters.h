#pragma once

// The 28 letters of the Arabic alphabet in abjad order, with everything the
// program attaches to each: its button, its Windows-1256 byte, the string a
// press shows and appends, the byte the reader matches, its recording, the
// caption under its button and the size of its picture.

#include <array>
#include <string_view>

namespace core {

inline constexpr unsigned char kTatweel = 0xDC;

struct Letter {
    int position;             // 1..28, also the number in the button's name
    const char* button;       // "BitBtn1" ...
    const char* label;        // the caption label under it, "Label2" ...
    char16_t codePoint;       // the letter itself
    unsigned char byte;       // its Windows-1256 byte
    std::string_view display; // Windows-1256 bytes shown and appended
    unsigned char matchByte;  // what the reader compares each character with
    const char* recording;    // bare file name, zero-terminated
    const char* caption;      // Latin transliteration under the button
    int pictureWidth;
    int pictureHeight;
    bool initialForm; // the picture draws the joining form
};

using LetterTable = std::array<Letter, 28>;
extern const LetterTable kLetters;

// The row whose match byte is `byte`, or nullptr. Constant time.
const Letter* letterByMatchByte(unsigned char byte);

} // namespace core
