#pragma once

// The menu commands as toolkit-free data: the eight actions with their
// captions, hints and shortcuts, and the rule that tells from the focused edit
// control whether a command may run.

#include <array>
#include <cstdint>
#include <string_view>

namespace core {

enum class Command { Exit, Cut, Copy, Paste, SelectAll, Undo, Delete, About };

// A shortcut is one 16-bit number: the virtual-key code plus these bits.
inline constexpr std::uint16_t kShiftBit = 0x2000;
inline constexpr std::uint16_t kCtrlBit = 0x4000;
inline constexpr std::uint16_t kAltBit = 0x8000;
inline constexpr std::uint16_t kNoShortcut = 0;
inline constexpr std::uint16_t kVkDelete = 0x2E;

constexpr std::uint16_t shortcutNumber(std::uint16_t virtualKey, bool shift, bool ctrl, bool alt) {
    return static_cast<std::uint16_t>(virtualKey | (shift ? kShiftBit : 0) | (ctrl ? kCtrlBit : 0) |
                                      (alt ? kAltBit : 0));
}

constexpr std::uint16_t ctrlKey(char letter) {
    return shortcutNumber(static_cast<std::uint16_t>(letter), false, true, false);
}

struct ActionDef {
    const char* name; // the component name, also the Qt objectName
    Command command;
    std::string_view caption; // '&' marks the access key
    std::uint16_t shortcut;
    std::string_view category;
    std::string_view hint; // short|long
    bool enabledAtStart;
};

// In the order the action manager holds them; the first match of a shortcut
// wins, so the order matters.
inline constexpr std::array<ActionDef, 8> kActions = {{
    {"FileExit1", Command::Exit, "E&xit", kNoShortcut, "File", "Exit|Quits the application", true},
    {"EditCut1", Command::Cut, "Cu&t", ctrlKey('X'), "Edit",
     "Cut|Cuts the selection and puts it on the Clipboard", true},
    {"EditCopy1", Command::Copy, "&Copy", ctrlKey('C'), "Edit",
     "Copy|Copies the selection and puts it on the Clipboard", true},
    {"EditPaste1", Command::Paste, "&Paste", ctrlKey('V'), "Edit",
     "Paste|Inserts Clipboard contents", true},
    {"EditSelectAll1", Command::SelectAll, "Select &All", ctrlKey('A'), "Edit",
     "Select All|Selects the entire document", true},
    {"EditUndo1", Command::Undo, "&Undo", ctrlKey('Z'), "Edit", "Undo|Reverts the last action",
     true},
    {"EditDelete1", Command::Delete, "&Delete", kVkDelete, "Edit", "Delete|Erases the selection",
     true},
    // Stored disabled; the first refresh, when ABOUT opens, enables it.
    {"HelpOnHelp1", Command::About, "About", kNoShortcut, "Help", "Help on help", false},
}};

// What the enabling rule needs to know of an edit control.
class EditControl {
public:
    virtual ~EditControl() = default;
    virtual bool focused() const = 0;
    virtual int selectionLength() const = 0;
    virtual int textLength() const = 0;
    virtual bool canUndo() const = 0;
};

// True for the six commands that work on an edit control.
constexpr bool isEditCommand(Command c) {
    return c != Command::Exit && c != Command::About;
}

// The state a refresh gives `command`. `target` is the edit control found for
// it, or nullptr when there is none; an edit control without the keyboard
// focus is no target either.
bool commandEnabled(Command command, const EditControl* target, bool clipboardHasText);

} // namespace core
