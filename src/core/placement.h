#pragma once

// Integer arithmetic of where things go on screen.

#include <algorithm>

namespace core {

struct Offset {
    int x, y;
};

// Origin that centres `size` in `available`, never below 0.
constexpr int centredOrigin(int available, int size) {
    return std::max(0, (available - size) / 2);
}

// Top-left of a w x h picture inside a W x H button face. A pressed button
// moves it one pixel right, and without visual styles one pixel down too.
constexpr Offset pictureOffset(int faceWidth, int faceHeight, int w, int h, bool pressed,
                               bool visualStyles) {
    Offset o{(faceWidth - w + 1) / 2, (faceHeight - h + 1) / 2};
    if (pressed) {
        o.x += 1;
        if (!visualStyles)
            o.y += 1;
    }
    return o;
}

} // namespace core
