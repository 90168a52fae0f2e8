#include "reading.h"

#include "letters.h"

namespace core {

std::size_t readText(std::string_view bytes, const PlayRecording& play) {
    std::size_t played = 0;
    for (char c : bytes) {
        if (const Letter* letter = letterByMatchByte(static_cast<unsigned char>(c))) {
            play(letter->recording);
            ++played;
        }
    }
    return played;
}

} // namespace core
