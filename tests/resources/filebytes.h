#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Little-endian reads from a whole file held in memory. Out-of-range reads
// give 0 and mark the buffer bad, so a truncated file fails its checks instead
// of reading past the end.
class FileBytes {
public:
    explicit FileBytes(const std::string& path);

    bool loaded() const { return loaded_; }
    bool bad() const { return bad_; }
    std::size_t size() const { return data_.size(); }

    std::uint8_t u8(std::size_t at);
    std::uint16_t u16(std::size_t at);
    std::uint32_t u32(std::size_t at);
    std::int32_t s32(std::size_t at) { return static_cast<std::int32_t>(u32(at)); }
    std::string text(std::size_t at, std::size_t length);

private:
    std::vector<std::uint8_t> data_;
    bool loaded_ = false;
    bool bad_ = false;
};

std::string sourcePath(const std::string& relative);
