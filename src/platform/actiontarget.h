#pragma once

// How a command finds what it works on, and how a key becomes a shortcut
// number.

#include "commands.h"

#include <cstdint>

class QKeyEvent;
class QWidget;

namespace platform {

class Memo;

// The edit control with the keyboard focus: looked for in the active window,
// then in `mainWindow` if that is another window and shown. nullptr when the
// focus is on anything else.
Memo* findEditTarget(QWidget* mainWindow);

// The enabling rule's view of an edit control.
class EditControlView : public core::EditControl {
public:
    explicit EditControlView(const Memo& edit) : m_edit(edit) {}
    bool focused() const override;
    int selectionLength() const override;
    int textLength() const override;
    bool canUndo() const override;

private:
    const Memo& m_edit;
};

bool clipboardHasText();

// The widget of `window` that a key goes to first: its focus widget, or the
// window itself. A key that this widget passes on and ignores travels on to
// its parents, and filters watching the whole program must not act twice.
QWidget* firstReceiver(QWidget* window);

// The shortcut number of a key press, or 0 for a key no shortcut can name.
std::uint16_t shortcutOf(const QKeyEvent& event);

} // namespace platform
