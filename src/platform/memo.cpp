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

    // An edit control without focus keeps its selection but does not show it.
    QPalette pal = palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight,
                 pal.color(QPalette::Active, QPalette::Base));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                 pal.color(QPalette::Active, QPalette::Text));
    setPalette(pal);
}

void Memo::setText(const QString& text) {
    setPlainText(text);
}

std::string Memo::bytes() const {
    const QString t = toPlainText();
    return core::textToCp1256(std::u16string_view(reinterpret_cast<const char16_t*>(t.utf16()),
                                                  static_cast<std::size_t>(t.size())));
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
