#pragma once

// The texts a drop-down shows beside an item for its shortcut. The modifier
// and key names are the program's own strings, not the desktop's, so the
// Delete key reads "Suppr" on every system.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace core {

enum class StringId { ShiftPrefix, CtrlPrefix, AltPrefix, DeleteKeyName };

inline constexpr std::array<std::string_view, 4> kStrings = {"Shift+", "Ctrl+", "Alt+", "Suppr"};

constexpr std::string_view programString(StringId id) {
    return kStrings[static_cast<std::size_t>(id)];
}

// "Ctrl+X", "Suppr", ...; empty for no shortcut or a key without a name.
std::string shortcutText(std::uint16_t shortcut);

} // namespace core
