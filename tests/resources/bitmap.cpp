#include "bitmap.h"

#include "filebytes.h"

#include <algorithm>

std::optional<Bitmap> readBitmap24(const std::string& path, std::string& error) {
    FileBytes file(path);
    if (!file.loaded()) {
        error = "cannot read " + path;
        return std::nullopt;
    }
    if (file.text(0, 2) != "BM" || file.u32(2) != file.size()) {
        error = "no bitmap file header, or its size field is wrong";
        return std::nullopt;
    }
    const std::uint32_t offset = file.u32(10);
    const std::int32_t width = file.s32(18);
    const std::int32_t height = file.s32(22);
    if (file.u32(14) != 40 || file.u16(26) != 1) {
        error = "not a BITMAPINFOHEADER bitmap";
        return std::nullopt;
    }
    if (file.u16(28) != 24 || file.u32(30) != 0) {
        error = "not 24 bits per pixel, uncompressed: " + std::to_string(file.u16(28)) +
                " bpp, compression " + std::to_string(file.u32(30));
        return std::nullopt;
    }
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096) {
        error = "unexpected dimensions";
        return std::nullopt;
    }
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    if (offset + stride * static_cast<std::size_t>(height) > file.size()) {
        error = "pixel data is cut short";
        return std::nullopt;
    }
    Bitmap bitmap{width, height, {}};
    bitmap.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        // Positive height: rows are stored bottom-up.
        const std::size_t row = offset + stride * static_cast<std::size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const std::size_t at = row + static_cast<std::size_t>(x) * 3;
            bitmap.pixels[static_cast<std::size_t>(y * width + x)] =
                static_cast<std::uint32_t>(file.u8(at + 2)) << 16 |
                static_cast<std::uint32_t>(file.u8(at + 1)) << 8 | file.u8(at);
        }
    }
    return bitmap;
}

InkBox inkBox(const Bitmap& bitmap) {
    InkBox box{bitmap.width, bitmap.height, -1, -1};
    for (int y = 0; y < bitmap.height; ++y)
        for (int x = 0; x < bitmap.width; ++x)
            if (bitmap.at(x, y) == 0x000000) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
    return box;
}
