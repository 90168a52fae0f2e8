// Shortcut keys typed into the windows go through the real event path: an
// enabled action runs and uses the key up, a disabled one leaves the key to
// the control.

#include "bitbtn.h"
#include "memo.h"
#include "windows.h"

#include <QApplication>

#include <functional>

namespace {

class Shortcuts : public Windows {
public:
    platform::Memo* me() const { return Form1->Me; }
    void select(platform::Memo* m, int from, int to) {
        QTextCursor c = m->textCursor();
        c.setPosition(from);
        c.setPosition(to, QTextCursor::KeepAnchor);
        m->setTextCursor(c);
    }
    void caretAt(platform::Memo* m, int pos) {
        QTextCursor c = m->textCursor();
        c.setPosition(pos);
        m->setTextCursor(c);
    }
};

TEST_F(Shortcuts, EnabledCommandsRunAndUseTheKeyUp) {
    struct Case {
        const char* what;
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        std::function<void(Shortcuts&)> setUp;
        QString text;
        QString clipboard;
    };
    const Case cases[] = {
        {"Ctrl+X cuts", Qt::Key_X, Qt::ControlModifier,
         [](Shortcuts& t) {
             typeInto(t.me(), "abcd");
             t.select(t.me(), 1, 3);
         },
         "ad", "bc"},
        {"Ctrl+C copies", Qt::Key_C, Qt::ControlModifier,
         [](Shortcuts& t) {
             typeInto(t.me(), "abcd");
             t.select(t.me(), 0, 2);
         },
         "abcd", "ab"},
        {"Ctrl+V pastes over the selection", Qt::Key_V, Qt::ControlModifier,
         [](Shortcuts& t) {
             typeInto(t.me(), "abcd");
             t.select(t.me(), 1, 3);
             setClipboard("XY");
         },
         "aXYd", "XY"},
        {"Ctrl+A selects all", Qt::Key_A, Qt::ControlModifier,
         [](Shortcuts& t) { typeInto(t.me(), "abcd"); }, "abcd", ""},
        {"Ctrl+Z undoes", Qt::Key_Z, Qt::ControlModifier,
         [](Shortcuts& t) {
             t.me()->setText("ab");
             t.me()->moveCursor(QTextCursor::End);
             QTest::keyClicks(t.me(), "c");
         },
         "ab", ""},
        {"Delete removes the selection and leaves the clipboard alone", Qt::Key_Delete,
         Qt::NoModifier,
         [](Shortcuts& t) {
             typeInto(t.me(), "abcd");
             t.select(t.me(), 0, 3);
             setClipboard("keep");
         },
         "d", "keep"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        c.setUp(*this);
        KeySpy spy(me());
        QTest::keyClick(me(), c.key, c.mods);
        EXPECT_EQ(spy.presses, 0) << "the text area saw the key";
        EXPECT_EQ(me()->text(), c.text);
        EXPECT_EQ(clipboardText(), c.clipboard);
        if (c.key == Qt::Key_A) {
            EXPECT_EQ(me()->selLength(), 4);
        }
    }
    EXPECT_TRUE(menuSounds().empty()) << "shortcut keys make no menu sound";
}

TEST_F(Shortcuts, DisabledCommandsPassTheKeyToTheControl) {
    struct Case {
        const char* what;
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        QString before;
        QString after;
    };
    // The text is set as a whole, so there is nothing to undo; the caret is
    // at the start and nothing is selected; the clipboard is empty.
    const Case cases[] = {
        {"Ctrl+X without a selection", Qt::Key_X, Qt::ControlModifier, "abc", "abc"},
        {"Ctrl+C without a selection", Qt::Key_C, Qt::ControlModifier, "abc", "abc"},
        {"Ctrl+V with an empty clipboard", Qt::Key_V, Qt::ControlModifier, "abc", "abc"},
        {"Ctrl+A in an empty text area", Qt::Key_A, Qt::ControlModifier, "", ""},
        {"Ctrl+Z with nothing to undo", Qt::Key_Z, Qt::ControlModifier, "abc", "abc"},
        {"Delete without a selection deletes after the caret", Qt::Key_Delete, Qt::NoModifier,
         "abc", "bc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        me()->setText(c.before);
        caretAt(me(), 0);
        KeySpy spy(me());
        QTest::keyClick(me(), c.key, c.mods);
        EXPECT_EQ(spy.presses, 1) << "the key did not reach the text area";
        EXPECT_EQ(me()->text(), c.after);
        EXPECT_EQ(clipboardText(), QString());
    }
}

TEST_F(Shortcuts, CtrlCInTheAboutWindowCopiesItsSelection) {
    showAbout();
    Form2->Memo1->setFocus();
    select(Form2->Memo1, 0, 7);
    KeySpy spy(Form2->Memo1);
    QTest::keyClick(Form2->Memo1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(spy.presses, 0);
    EXPECT_EQ(clipboardText(), "English");
}

TEST_F(Shortcuts, DoNothingWithTheFocusOnAButton) {
    typeInto(me(), "abc");
    me()->selectAll();
    setClipboard("clip");
    platform::BitBtn* button = Form1->LetterButtons[4];
    button->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), button);
    for (auto [key, mods] : {std::pair{Qt::Key_X, Qt::ControlModifier},
                             {Qt::Key_C, Qt::ControlModifier},
                             {Qt::Key_V, Qt::ControlModifier},
                             {Qt::Key_A, Qt::ControlModifier},
                             {Qt::Key_Z, Qt::ControlModifier},
                             {Qt::Key_Delete, Qt::KeyboardModifier::NoModifier}}) {
        QTest::keyClick(button, key, mods);
    }
    EXPECT_EQ(me()->text(), "abc");
    EXPECT_EQ(me()->selLength(), 3);
    EXPECT_EQ(clipboardText(), "clip");
    EXPECT_EQ(QApplication::focusWidget(), button);
}

TEST_F(Shortcuts, OtherModifiersAreOtherShortcuts) {
    // Ctrl+Shift+C is no shortcut of ours: the text area gets it.
    typeInto(me(), "abc");
    me()->selectAll();
    KeySpy spy(me());
    QTest::keyClick(me(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(spy.presses, 1);
}

TEST_F(Shortcuts, KeysOfAnArabicLayoutFindTheLatinShortcutOfTheirKey) {
    // With an Arabic layout the C key gives the letter ؤ, the V key ر; the
    // shortcut belongs to the key, as the physical keyboard labels it.
    typeInto(me(), "abcd");
    me()->selectAll();
    KeySpy spy(me());
    auto press = [this](char16_t letter, quint32 keycode) {
        QKeyEvent down(QEvent::KeyPress, letter, Qt::ControlModifier, keycode, 0, 0,
                       QString(QChar(letter)));
        QApplication::sendEvent(me(), &down);
    };
    press(u'\u0624', 54); // Ctrl+C
    EXPECT_EQ(clipboardText(), "abcd");
    press(u'\u0631', 55); // Ctrl+V over the whole text
    EXPECT_EQ(me()->text(), "abcd");
    EXPECT_EQ(spy.presses, 0);
    // A key with no Latin letter under it is no shortcut.
    press(u'\u0630', 49);
    EXPECT_EQ(spy.presses, 1);
}

} // namespace
