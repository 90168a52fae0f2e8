// The edit commands' enabled state after a refresh, in the real windows: the
// focused edit control, its text, selection and undo history, and the
// clipboard decide.

#include "action.h"
#include "bitbtn.h"
#include "letters.h"
#include "memo.h"
#include "windows.h"

#include <QApplication>
#include <QPushButton>

#include <array>
#include <functional>

namespace {

using States = std::array<bool, 6>; // cut, copy, paste, select all, undo, delete

States refreshed() {
    States s{};
    platform::Action* actions[] = {Form1->EditCut1,       Form1->EditCopy1, Form1->EditPaste1,
                                   Form1->EditSelectAll1, Form1->EditUndo1, Form1->EditDelete1};
    for (std::size_t i = 0; i < 6; ++i) {
        actions[i]->update();
        s[i] = actions[i]->isEnabled();
    }
    return s;
}

std::string describe(const States& s) {
    std::string out;
    for (bool b : s)
        out += b ? '1' : '0';
    return out;
}

class Enabling : public Windows {};

TEST_F(Enabling, FollowsTheFocusedEditControl) {
    struct Case {
        const char* what;
        std::function<void()> setUp;
        States expected;
    };
    // The windows are built anew for every case: reach them through Form1.
    const Case cases[] = {
        {"empty text area, empty clipboard", [] {}, {0, 0, 0, 0, 0, 0}},
        {"empty text area, text on the clipboard", [] { setClipboard("x"); }, {0, 0, 1, 0, 0, 0}},
        {"typed text, no selection", [&] { typeInto(Form1->Me, "abc"); }, {0, 0, 0, 1, 1, 0}},
        {"typed text, all selected",
         [&] {
             typeInto(Form1->Me, "abc");
             Form1->Me->selectAll();
         },
         {1, 1, 0, 1, 1, 1}},
        {"text set as a whole: nothing to undo",
         [&] { Form1->Me->setText("abc"); },
         {0, 0, 0, 1, 0, 0}},
        {"undone back to the start: nothing left to undo",
         [&] {
             typeInto(Form1->Me, "a");
             Form1->Me->undo();
         },
         {0, 0, 0, 0, 0, 0}},
        {"focus on a letter button, selection left in the text area",
         [&] {
             typeInto(Form1->Me, "abc");
             Form1->Me->selectAll();
             setClipboard("x");
             Form1->LetterButtons[0]->setFocus();
         },
         {0, 0, 0, 0, 0, 0}},
        {"right after a letter entry",
         [&] {
             typeInto(Form1->Me, "abc");
             Form1->LetterButtonClick(core::kLetters[2]);
         },
         {0, 0, 0, 1, 0, 0}},
        {"after a reading, focus on the read button",
         [&] {
             typeInto(Form1->Me, "abc");
             Form1->BitBtn29->setFocus();
             Form1->BitBtn29Click();
         },
         {0, 0, 0, 0, 0, 0}},
        {"after a reading and Tab into the text area",
         [&] {
             Form1->Me->setText("abc");
             Form1->BitBtn29->setFocus();
             Form1->BitBtn29Click();
             QTest::keyClick(Form1->BitBtn29, Qt::Key_Tab);
             ASSERT_EQ(QApplication::focusWidget(), Form1->Me);
         },
         {1, 1, 0, 1, 0, 1}},
        {"focus in the about window's English box with a selection",
         [&] {
             showAbout();
             Form2->Memo1->setFocus();
             QTextCursor c = Form2->Memo1->textCursor();
             c.setPosition(0);
             c.setPosition(7, QTextCursor::KeepAnchor);
             Form2->Memo1->setTextCursor(c);
         },
         {1, 1, 0, 1, 0, 1}},
        {"about window active, focus on its button: the text area does not count",
         [&] {
             typeInto(Form1->Me, "abc");
             Form1->Me->selectAll();
             showAbout();
             Form2->Button1->setFocus();
         },
         {0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        c.setUp();
        EXPECT_EQ(describe(refreshed()), describe(c.expected));
    }
}

TEST_F(Enabling, AboutStartsDisabledAndExitEnabled) {
    EXPECT_FALSE(Form1->HelpOnHelp1->isEnabled());
    EXPECT_TRUE(Form1->FileExit1->isEnabled());
    Form1->HelpOnHelp1->update();
    Form1->FileExit1->update();
    EXPECT_TRUE(Form1->HelpOnHelp1->isEnabled());
    EXPECT_TRUE(Form1->FileExit1->isEnabled());
}

TEST_F(Enabling, StateHoldsBetweenRefreshes) {
    // Nothing refreshes while the program is idle.
    Form1->EditCut1->update();
    ASSERT_FALSE(Form1->EditCut1->isEnabled());
    typeInto(Form1->Me, "abc");
    Form1->Me->selectAll();
    QTest::qWait(50);
    EXPECT_FALSE(Form1->EditCut1->isEnabled());
    Form1->EditCut1->update();
    EXPECT_TRUE(Form1->EditCut1->isEnabled());
}

} // namespace
