#include "icofile.h"

#include <QFile>

#include <array>
#include <cstdint>
#include <vector>

namespace {

// The palette of the 16-colour Windows system, in its usual order.
constexpr std::array<QRgb, 16> kPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

int paletteIndex(QRgb colour) {
    for (std::size_t i = 0; i < kPalette.size(); ++i)
        if (kPalette[i] == (colour & 0xFFFFFF))
            return static_cast<int>(i);
    return -1;
}

void put8(std::vector<char>& out, unsigned v) {
    out.push_back(static_cast<char>(v & 0xFF));
}

void put16(std::vector<char>& out, std::uint16_t v) {
    put8(out, v);
    put8(out, v >> 8u);
}

void put32(std::vector<char>& out, std::uint32_t v) {
    put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

} // namespace

bool writeIco4(const QImage& image, const QString& path) {
    if (image.isNull() || image.width() > 256 || image.height() > 256 || image.width() % 8 != 0)
        return false;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const auto width = static_cast<std::uint32_t>(rgb.width());
    const auto height = static_cast<std::uint32_t>(rgb.height());
    const std::uint32_t xorStride = (width / 2 + 3) / 4 * 4;
    const std::uint32_t andStride = (width / 8 + 3) / 4 * 4;
    const std::uint32_t imageBytes =
        40 + 4 * kPalette.size() + xorStride * height + andStride * height;

    std::vector<char> out;
    put16(out, 0);
    put16(out, 1); // icon, not cursor
    put16(out, 1); // one image
    put8(out, width == 256 ? 0 : width);
    put8(out, height == 256 ? 0 : height);
    put8(out, 16); // colours
    put8(out, 0);
    put16(out, 1); // planes
    put16(out, 4); // bits per pixel
    put32(out, imageBytes);
    put32(out, 6 + 16);

    put32(out, 40);
    put32(out, width);
    put32(out, height * 2); // colour rows and mask rows together
    put16(out, 1);
    put16(out, 4);
    put32(out, 0); // BI_RGB
    put32(out, xorStride * height + andStride * height);
    put32(out, 0);
    put32(out, 0);
    put32(out, 16);
    put32(out, 0);
    for (QRgb colour : kPalette) {
        put8(out, qBlue(colour));
        put8(out, qGreen(colour));
        put8(out, qRed(colour));
        put8(out, 0);
    }
    for (int y = rgb.height() - 1; y >= 0; --y) {
        std::uint32_t written = 0;
        for (int x = 0; x < rgb.width(); x += 2, ++written) {
            const int hi = paletteIndex(rgb.pixel(x, y));
            const int lo = paletteIndex(rgb.pixel(x + 1, y));
            if (hi < 0 || lo < 0)
                return false;
            put8(out, static_cast<unsigned>(hi << 4 | lo));
        }
        for (; written < xorStride; ++written)
            put8(out, 0);
    }
    // Every mask bit 0: the whole square is opaque.
    out.insert(out.end(), andStride * height, 0);

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const auto size = static_cast<qint64>(out.size());
    return file.write(out.data(), size) == size && file.flush();
}
