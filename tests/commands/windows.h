#pragma once

// Both windows built as the main block builds them, the main window shown and
// active with the focus in the text area. Sounds are faked: letter playback
// returns at once and menu sounds are only recorded.

#include "Unit1.h"
#include "Unit2.h"

#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace platform {
class Memo;
}

// Menu event sounds asked for since the last clear.
std::vector<std::string>& menuSounds();

// Installs the fakes; called once from main.
void installTestSounds();

class Windows : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A key typed on whatever has the focus, through the ordinary event path.
    static void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier);
    static QString clipboardText();
    static void setClipboard(const QString& text);
    // Types `text` into `memo` (which gets the focus) so that it can be undone.
    static void typeInto(platform::Memo* memo, const QString& text);
    void showAbout();

    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;
};

// Counts the key presses, modifier keys aside, that reach a widget itself.
class KeySpy : public QObject {
public:
    explicit KeySpy(QWidget* w) : m_w(w) { w->installEventFilter(this); }
    ~KeySpy() override { m_w->removeEventFilter(this); }
    int presses = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key != Qt::Key_Control && key != Qt::Key_Shift && key != Qt::Key_Alt &&
            key != Qt::Key_Meta)
            ++presses;
        return false;
    }

private:
    QWidget* m_w;
};
