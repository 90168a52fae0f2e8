#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// An uncompressed 24-bit Windows bitmap as the program's pictures are stored,
// read independently of the tool that writes them. `pixels` is top row first,
// 0xRRGGBB.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

struct InkBox {
    int left = 0, top = 0, right = -1, bottom = -1; // inclusive; empty when right < left
    bool empty() const { return right < left; }
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
};

// Empty result with `error` set when the file is not such a bitmap.
std::optional<Bitmap> readBitmap24(const std::string& path, std::string& error);

// Black (000000) pixels, the ink of a picture.
InkBox inkBox(const Bitmap& bitmap);
