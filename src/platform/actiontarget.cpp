#include "actiontarget.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace platform {
namespace {

QPlainTextEdit* focusedEditIn(QWidget* window) {
    if (!window)
        return nullptr;
    auto* edit = qobject_cast<QPlainTextEdit*>(window->focusWidget());
    return edit && edit->hasFocus() ? edit : nullptr;
}

} // namespace

QPlainTextEdit* findEditTarget(QWidget* mainWindow) {
    QWidget* active = QApplication::activeWindow();
    if (QPlainTextEdit* edit = focusedEditIn(active))
        return edit;
    if (mainWindow && mainWindow != active && mainWindow->isVisible())
        return focusedEditIn(mainWindow);
    return nullptr;
}

bool EditControlView::focused() const {
    return m_edit.hasFocus();
}

int EditControlView::selectionLength() const {
    const QTextCursor c = m_edit.textCursor();
    return c.selectionEnd() - c.selectionStart();
}

int EditControlView::textLength() const {
    // The document counts the paragraph separator that ends its last block.
    return m_edit.document()->characterCount() - 1;
}

bool EditControlView::canUndo() const {
    return m_edit.isUndoRedoEnabled() && m_edit.document()->isUndoAvailable();
}

QWidget* firstReceiver(QWidget* window) {
    QWidget* focus = window->focusWidget();
    return focus ? focus : window;
}

bool clipboardHasText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

std::uint16_t shortcutOf(const QKeyEvent& event) {
    const int key = event.key();
    std::uint16_t vk = 0;
    // Qt's codes for letters and digits are the virtual-key codes.
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        vk = static_cast<std::uint16_t>(key);
    else if (key == Qt::Key_Delete)
        vk = core::kVkDelete;
    else
        return 0;
    const Qt::KeyboardModifiers m = event.modifiers();
    return core::shortcutNumber(vk, m & Qt::ShiftModifier, m & Qt::ControlModifier,
                                m & Qt::AltModifier);
}

} // namespace platform
