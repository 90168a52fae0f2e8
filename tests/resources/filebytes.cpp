#include "filebytes.h"

#include <fstream>
#include <iterator>

FileBytes::FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return;
    data_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    loaded_ = true;
}

std::uint8_t FileBytes::u8(std::size_t at) {
    if (at >= data_.size()) {
        bad_ = true;
        return 0;
    }
    return data_[at];
}

std::uint16_t FileBytes::u16(std::size_t at) {
    return static_cast<std::uint16_t>(u8(at) | u8(at + 1) << 8);
}

std::uint32_t FileBytes::u32(std::size_t at) {
    return static_cast<std::uint32_t>(u16(at)) | static_cast<std::uint32_t>(u16(at + 2)) << 16;
}

std::string FileBytes::text(std::size_t at, std::size_t length) {
    std::string out;
    for (std::size_t i = 0; i < length; ++i)
        out.push_back(static_cast<char>(u8(at + i)));
    return out;
}

std::string sourcePath(const std::string& relative) {
    return std::string(QIRAZO_SOURCE_DIR) + "/" + relative;
}
