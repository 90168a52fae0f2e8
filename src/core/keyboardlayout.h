#pragma once

// Where the letter buttons and their caption labels stand on the main window,
// in client-area pixels at 96 dpi. Rows run right to left in letter order.

#include <array>

namespace core {

struct KeySlot {
    int buttonLeft, buttonTop, buttonWidth;
    int labelLeft, labelTop;
};

inline constexpr int kLetterButtonHeight = 69;

// Indexed by letter position - 1.
inline constexpr std::array<KeySlot, 28> kKeySlots = {{
    {626, 242, 62, 648, 320}, {554, 242, 62, 576, 320}, {482, 242, 62, 504, 320},
    {410, 242, 62, 432, 320}, {337, 242, 62, 360, 320}, {265, 242, 62, 288, 320},
    {194, 242, 62, 216, 320}, {122, 242, 62, 144, 320}, {52, 242, 62, 72, 320},
    {661, 355, 60, 680, 432}, {588, 355, 60, 608, 432}, {516, 355, 60, 536, 432},
    {444, 355, 60, 464, 432}, {372, 355, 60, 392, 432}, {302, 355, 60, 328, 432},
    {229, 355, 60, 248, 432}, {160, 355, 60, 184, 432}, {80, 355, 70, 104, 432},
    {11, 354, 60, 32, 432},   {623, 467, 62, 648, 544}, {552, 468, 62, 568, 544},
    {479, 468, 62, 504, 544}, {408, 467, 62, 424, 544}, {337, 468, 62, 352, 544},
    {262, 468, 62, 280, 544}, {187, 467, 70, 208, 544}, {117, 468, 62, 136, 544},
    {45, 468, 62, 64, 544},
}};

// The right-most and bottom-most edges of all controls: below this client
// size the window scrolls.
inline constexpr int kControlsRight = 731;
inline constexpr int kControlsBottom = 568;

} // namespace core
