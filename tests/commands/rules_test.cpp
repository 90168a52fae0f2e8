// The enabling rule, shortcut numbers and texts, and the menu tree, without
// any toolkit.

#include "commands.h"
#include "menutree.h"
#include "shortcuttext.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using core::Command;

struct EditState {
    bool hasFocus = true;
    int sel = 0;
    int len = 0;
    bool undo = false;
};

struct FakeEdit : core::EditControl {
    explicit FakeEdit(EditState s = {}) : state(s) {}
    EditState state;
    bool focused() const override { return state.hasFocus; }
    int selectionLength() const override { return state.sel; }
    int textLength() const override { return state.len; }
    bool canUndo() const override { return state.undo; }
};

struct Row {
    const char* what;
    EditState edit;
    bool noTarget;
    bool clipboard;
    // cut, copy, paste, select all, undo, delete
    std::array<bool, 6> expected;
};

const Row kRows[] = {
    {"empty text, nothing to undo, empty clipboard",
     {true, 0, 0, false},
     false,
     false,
     {false, false, false, false, false, false}},
    {"empty text, clipboard holds text",
     {true, 0, 0, false},
     false,
     true,
     {false, false, true, false, false, false}},
    {"text without selection",
     {true, 0, 5, false},
     false,
     false,
     {false, false, false, true, false, false}},
    {"text with selection",
     {true, 2, 5, false},
     false,
     false,
     {true, true, false, true, false, true}},
    {"text that can be undone",
     {true, 0, 5, true},
     false,
     false,
     {false, false, false, true, true, false}},
    {"everything on", {true, 5, 5, true}, false, true, {true, true, true, true, true, true}},
    // A selection left behind in an edit control that lost the focus does not
    // count: after a reading the whole text is selected but the read button
    // has the focus.
    {"edit control without focus",
     {false, 5, 5, true},
     false,
     true,
     {false, false, false, false, false, false}},
    {"no edit control found", {}, true, true, {false, false, false, false, false, false}},
};

const Command kEditCommands[] = {Command::Cut,       Command::Copy, Command::Paste,
                                 Command::SelectAll, Command::Undo, Command::Delete};

TEST(EnablingRule, EditCommandsFollowTheFocusedControl) {
    for (const Row& row : kRows) {
        const FakeEdit edit(row.edit);
        const core::EditControl* target = row.noTarget ? nullptr : &edit;
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_EQ(core::commandEnabled(kEditCommands[i], target, row.clipboard),
                      row.expected[i])
                << row.what << ", command " << i;
        }
    }
}

TEST(EnablingRule, ExitAndAboutNeedNoTarget) {
    for (Command c : {Command::Exit, Command::About}) {
        EXPECT_TRUE(core::commandEnabled(c, nullptr, false));
        const FakeEdit unfocused({false, 3, 3, true});
        EXPECT_TRUE(core::commandEnabled(c, &unfocused, false));
    }
}

TEST(Actions, TableHoldsTheEightActionsInOrder) {
    const char* names[] = {"FileExit1",      "EditCut1",  "EditCopy1",   "EditPaste1",
                           "EditSelectAll1", "EditUndo1", "EditDelete1", "HelpOnHelp1"};
    const std::uint16_t shortcuts[] = {0, 16472, 16451, 16470, 16449, 16474, 46, 0};
    for (std::size_t i = 0; i < core::kActions.size(); ++i) {
        EXPECT_STREQ(core::kActions[i].name, names[i]);
        EXPECT_EQ(core::kActions[i].shortcut, shortcuts[i]) << names[i];
        EXPECT_EQ(core::kActions[i].enabledAtStart, i != 7) << names[i];
    }
    std::set<std::uint16_t> seen;
    for (const auto& a : core::kActions)
        if (a.shortcut != core::kNoShortcut) {
            EXPECT_TRUE(seen.insert(a.shortcut).second) << a.name;
        }
}

TEST(ShortcutNumbers, ModifierBits) {
    EXPECT_EQ(core::shortcutNumber('X', false, true, false), 0x4058);
    EXPECT_EQ(core::shortcutNumber('X', true, true, true), 0x4058 | 0x2000 | 0x8000);
    EXPECT_EQ(core::shortcutNumber(core::kVkDelete, false, false, false), 46);
}

TEST(ShortcutText, NamesFromTheProgramsStrings) {
    EXPECT_EQ(core::shortcutText(16472), "Ctrl+X");
    EXPECT_EQ(core::shortcutText(16474), "Ctrl+Z");
    EXPECT_EQ(core::shortcutText(46), "Suppr");
    EXPECT_EQ(core::shortcutText(core::shortcutNumber('5', true, true, true)), "Shift+Ctrl+Alt+5");
    EXPECT_EQ(core::shortcutText(0), "");
    // A key the table has no name for shows nothing rather than garbage.
    EXPECT_EQ(core::shortcutText(core::shortcutNumber(0x70, false, true, false)), "");
}

TEST(MenuTree, CaptionsAndAccessKeys) {
    ASSERT_EQ(core::kMenuTree.size(), 3u);
    const char tops[] = {'F', 'E', 0};
    for (std::size_t t = 0; t < 3; ++t) {
        EXPECT_EQ(core::accessKey(core::kMenuTree[t].caption), tops[t]);
        std::set<char> keys;
        for (const auto& item : core::kMenuTree[t].items) {
            const char k = core::accessKey(core::itemCaption(item));
            if (k) {
                EXPECT_TRUE(keys.insert(k).second) << "clash in menu " << t;
            }
        }
    }
    EXPECT_EQ(core::itemCaption(core::kMenuTree[0].items[0]), "خروج &exit");
    EXPECT_EQ(core::accessKey(core::itemCaption(core::kMenuTree[0].items[0])), 'E');
    EXPECT_EQ(core::itemCaption(core::kMenuTree[1].items[3]), "Select &All");
    EXPECT_EQ(core::itemCaption(core::kMenuTree[2].items[0]), "About  qirazo");
    EXPECT_EQ(core::accessKey("About  qirazo"), 0);
    EXPECT_EQ(core::accessKey("a && b"), 0);
}

} // namespace
