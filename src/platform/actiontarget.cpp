#include "actiontarget.h"

#include "memo.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>

#include <string>

namespace platform {
namespace {

Memo* focusedEditIn(QWidget* window) {
    if (!window)
        return nullptr;
    auto* edit = qobject_cast<Memo*>(window->focusWidget());
    return edit && edit->hasFocus() ? edit : nullptr;
}

} // namespace

Memo* findEditTarget(QWidget* mainWindow) {
    QWidget* active = QApplication::activeWindow();
    if (Memo* edit = focusedEditIn(active))
        return edit;
    if (mainWindow && mainWindow != active && mainWindow->isVisible())
        return focusedEditIn(mainWindow);
    return nullptr;
}

bool EditControlView::focused() const {
    return m_edit.hasFocus();
}

int EditControlView::selectionLength() const {
    return m_edit.selLength();
}

int EditControlView::textLength() const {
    return m_edit.textLength();
}

bool EditControlView::canUndo() const {
    return m_edit.canUndo();
}

QWidget* firstReceiver(QWidget* window) {
    QWidget* focus = window->focusWidget();
    return focus ? focus : window;
}

bool clipboardHasText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

namespace {

// The letter or digit printed on a key of the US layout, by X keycode
// (evdev code + 8): under an Arabic layout Ctrl+C comes with the Arabic
// letter of that key, yet it must still copy, as it does on Windows.
std::uint16_t latinKeyAt(quint32 keycode) {
    static constexpr char kRows[][12] = {"1234567890", "QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
    static constexpr quint32 kFirst[] = {10, 24, 38, 52};
    for (int row = 0; row < 4; ++row) {
        const quint32 length = static_cast<quint32>(std::char_traits<char>::length(kRows[row]));
        if (keycode >= kFirst[row] && keycode < kFirst[row] + length)
            return static_cast<std::uint16_t>(kRows[row][keycode - kFirst[row]]);
    }
    return 0;
}

} // namespace

std::uint16_t shortcutOf(const QKeyEvent& event) {
    const int key = event.key();
    std::uint16_t vk = 0;
    // Qt's codes for letters and digits are the virtual-key codes.
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        vk = static_cast<std::uint16_t>(key);
    else if (key == Qt::Key_Delete)
        vk = core::kVkDelete;
    else if (key > 0x7F && key < Qt::Key_Escape)
        vk = latinKeyAt(event.nativeScanCode()); // a letter of another script
    if (vk == 0)
        return 0;
    const Qt::KeyboardModifiers m = event.modifiers();
    return core::shortcutNumber(vk, m & Qt::ShiftModifier, m & Qt::ControlModifier,
                                m & Qt::AltModifier);
}

} // namespace platform
