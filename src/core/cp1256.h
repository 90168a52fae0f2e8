#pragma once

// Windows-1256, the Arabic code page in which the program compares letters.
// The text area holds Unicode; the reader works on this byte view of it.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace core {

// Unicode for bytes 0x80..0xFF; the lower half is ASCII.
extern const std::array<char16_t, 128> kCp1256High;

// The character that `byte` stands for.
char16_t decodeCp1256(unsigned char byte);

// The byte for `ch`, or nothing when Windows-1256 cannot hold it.
std::optional<unsigned char> encodeCp1256(char32_t ch);

// Byte string to UTF-16.
std::u16string decodeCp1256(std::string_view bytes);

// The byte view of a UTF-16 text as the reader sees it: one byte per
// character, '?' for a character the code page cannot hold (it then matches no
// letter), and every line break ("\n", "\r\n" or U+2029) as CR LF.
std::string textToCp1256(std::u16string_view text);

} // namespace core
