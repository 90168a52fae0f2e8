#pragma once

#include <QPlainTextEdit>

#include <string>

namespace platform {

// A multi-line edit control with the manners of a classic desktop memo: Tab
// moves the focus on instead of being typed, Enter breaks the line, lines
// wrap at word boundaries, and the selection shows only while it has focus.
class Memo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit Memo(QWidget* parent = nullptr);

    QString text() const { return toPlainText(); }
    // Replaces the whole text; the undo history goes with the old text.
    void setText(const QString& text);

    // The text as Windows-1256 bytes, line breaks as CR LF.
    std::string bytes() const;

    // The text's length in characters, counted without copying the text.
    int textLength() const;
    int selLength() const;
    bool canUndo() const;
    // Removes the selected text, leaving the clipboard alone.
    void clearSelection();

    // Lays the text out from the right edge, always: the program is for
    // Arabic text, whatever the desktop's locale.
    void setRightToLeft();

protected:
    void changeEvent(QEvent* e) override;

private:
    void hideInactiveSelection();
};

} // namespace platform
