#include "shortcuttext.h"

#include "commands.h"

namespace core {
namespace {

std::string keyName(std::uint16_t vk) {
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))
        return std::string(1, static_cast<char>(vk));
    if (vk == kVkDelete)
        return std::string(programString(StringId::DeleteKeyName));
    return {};
}

} // namespace

std::string shortcutText(std::uint16_t shortcut) {
    std::string name = keyName(shortcut & 0xFF);
    if (name.empty())
        return {};
    std::string text;
    if (shortcut & kShiftBit)
        text += programString(StringId::ShiftPrefix);
    if (shortcut & kCtrlBit)
        text += programString(StringId::CtrlPrefix);
    if (shortcut & kAltBit)
        text += programString(StringId::AltPrefix);
    return text + name;
}

} // namespace core
