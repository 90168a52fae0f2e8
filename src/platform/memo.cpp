#include "memo.h"

#include "cp1256.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace platform {

Memo::Memo(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

    hideInactiveSelection();
}

void Memo::hideInactiveSelection() {
    // An edit control without focus keeps its selection but does not show
    // it: unfocused, the selection is drawn in the box's own colours.
    QPalette pal = palette();
    const QColor base = pal.color(QPalette::Inactive, QPalette::Base);
    const QColor text = pal.color(QPalette::Inactive, QPalette::Text);
    if (pal.color(QPalette::Inactive, QPalette::Highlight) == base &&
        pal.color(QPalette::Inactive, QPalette::HighlightedText) == text)
        return;
    pal.setColor(QPalette::Inactive, QPalette::Highlight, base);
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText, text);
    setPalette(pal);
}

void Memo::changeEvent(QEvent* e) {
    QPlainTextEdit::changeEvent(e);
    // Whoever recolours the box, the hidden selection follows its colours.
    if (e->type() == QEvent::PaletteChange)
        hideInactiveSelection();
}

void Memo::setText(const QString& text) {
    setPlainText(text);
}

std::string Memo::bytes() const {
    const QString t = toPlainText();
    return core::textToCp1256(std::u16string_view(reinterpret_cast<const char16_t*>(t.utf16()),
                                                  static_cast<std::size_t>(t.size())));
}

int Memo::textLength() const {
    // The document also counts the paragraph separator that ends its last
    // block.
    return document()->characterCount() - 1;
}

int Memo::selLength() const {
    const QTextCursor c = textCursor();
    return c.selectionEnd() - c.selectionStart();
}

bool Memo::canUndo() const {
    return document()->isUndoAvailable();
}

void Memo::clearSelection() {
    QTextCursor c = textCursor();
    c.removeSelectedText();
    setTextCursor(c);
}

void Memo::setRightToLeft() {
    setLayoutDirection(Qt::RightToLeft);
    QTextOption opt = document()->defaultTextOption();
    opt.setTextDirection(Qt::RightToLeft);
    opt.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    document()->setDefaultTextOption(opt);
}

} // namespace platform
