// The menu bar: its tree and layout, where the drop-downs open, what the mouse
// and the keyboard do with them, and the sounds they ask for.

#include "action.h"
#include "memo.h"
#include "menubar.h"
#include "windows.h"

#include <QApplication>
#include <QMenu>
#include <QScreen>

namespace {

class Menus : public Windows {
protected:
    platform::MenuBar* bar() const { return Form1->ActionMainMenuBar1; }
    QMenu* menu(int i) const { return bar()->menu(i); }
    QStringList texts(int i) const {
        QStringList out;
        for (QAction* a : menu(i)->actions())
            out << a->text();
        return out;
    }
    void click(int i) { QTest::mouseClick(bar(), Qt::LeftButton, {}, bar()->itemRect(i).center()); }
    QRect entryRect(int menuIndex, int entry) const {
        return menu(menuIndex)->actionGeometry(menu(menuIndex)->actions().at(entry));
    }
    // Presses and releases Alt alone, as the keyboard does.
    void tapAlt() {
        QWidget* f = QApplication::focusWidget();
        QTest::keyPress(f, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(f, Qt::Key_Alt);
    }
};

TEST_F(Menus, TreeCaptionsAndShortcutTexts) {
    ASSERT_EQ(bar()->count(), 3);
    EXPECT_EQ(bar()->caption(0), "&FILE");
    EXPECT_EQ(bar()->caption(1), "&EDITION");
    EXPECT_EQ(bar()->caption(2), "ABOUT"); // no access key: Alt+A stays free
    EXPECT_EQ(texts(0), QStringList{"خروج &exit"});
    EXPECT_EQ(texts(1), (QStringList{"Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V",
                                     "Select &All\tCtrl+A", "&Undo\tCtrl+Z", "&Delete\tSuppr"}));
    EXPECT_EQ(texts(2), QStringList{"About  qirazo"});
    // The texts are labels only: no key is registered with Qt.
    for (int i = 0; i < 3; ++i)
        for (QAction* a : menu(i)->actions())
            EXPECT_TRUE(a->shortcut().isEmpty()) << a->text().toStdString();
    EXPECT_EQ(bar()->objectName(), "ActionMainMenuBar1");
    EXPECT_EQ(bar()->height(), 24);
    EXPECT_EQ(bar()->focusPolicy(), Qt::NoFocus);
}

TEST_F(Menus, ItemsStandFromTheRightEdgeWithoutGaps) {
    const QRect file = bar()->itemRect(0), edition = bar()->itemRect(1), about = bar()->itemRect(2);
    EXPECT_EQ(file.right(), bar()->width() - 1);
    EXPECT_EQ(edition.right() + 1, file.left());
    EXPECT_EQ(about.right() + 1, edition.left());
    EXPECT_GT(file.x(), edition.x());
    EXPECT_GT(edition.x(), about.x());
    // Wider captions, wider items.
    EXPECT_GT(edition.width(), file.width());
}

TEST_F(Menus, DropDownsOpenUnderTheirItemWithRightEdgesAligned) {
    for (int i = 0; i < 3; ++i) {
        click(i);
        ASSERT_TRUE(menu(i)->isVisible());
        const QRect r = bar()->itemRect(i);
        EXPECT_EQ(menu(i)->geometry().right(), bar()->mapToGlobal(r.topRight()).x()) << i;
        EXPECT_EQ(menu(i)->geometry().top(), bar()->mapToGlobal(QPoint(0, 24)).y()) << i;
        EXPECT_EQ(menu(i)->layoutDirection(), Qt::LeftToRight);
        menu(i)->hide();
    }
}

TEST_F(Menus, DropDownsStayInsideTheScreen) {
    const QRect work = bar()->screen()->availableGeometry();
    const QSize size = menu(1)->sizeHint();
    // Pushed right when the item stands close to the screen's left edge.
    Form1->move(work.topLeft());
    Form1->resize(size.width() / 2 + bar()->itemRect(0).width(), Form1->height());
    QTest::qWait(20);
    EXPECT_EQ(bar()->dropDownOrigin(1, size).x(), work.left());
    // Above the item when there is no room below.
    Form1->resize(740, 572);
    Form1->move(work.left(), work.bottom() - 30);
    QTest::qWait(20);
    const QPoint above = bar()->dropDownOrigin(1, size);
    EXPECT_EQ(above.y() + size.height(), bar()->mapToGlobal(bar()->itemRect(1).topLeft()).y());
}

TEST_F(Menus, OpeningRefreshesItsItems) {
    // ABOUT's action is stored disabled; the menu is never seen that way.
    ASSERT_FALSE(Form1->HelpOnHelp1->isEnabled());
    click(2);
    EXPECT_TRUE(Form1->HelpOnHelp1->isEnabled());
    EXPECT_TRUE(menu(2)->actions().at(0)->isEnabled());
    menu(2)->hide();

    typeInto(Form1->Me, "abc");
    click(1);
    const QList<QAction*> items = menu(1)->actions();
    const bool expected[] = {false, false, false, true, true, false};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(items.at(i)->isEnabled(), expected[i]) << i;
    // The focus stays in the text area while the menu is open.
    EXPECT_EQ(QApplication::focusWidget(), Form1->Me);
    EXPECT_EQ(menuSounds(), (std::vector<std::string>{"menu-popup", "menu-popup"}));
}

TEST_F(Menus, DisabledItemsIgnoreTheMouse) {
    typeInto(Form1->Me, "abc");
    click(1);
    QMenu* m = menu(1);
    const QRect cut = entryRect(1, 0);
    QTest::mouseMove(m, cut.center());
    EXPECT_EQ(m->activeAction(), nullptr);
    QTest::mouseClick(m, Qt::LeftButton, {}, cut.center());
    EXPECT_TRUE(m->isVisible()) << "a click on a disabled item closed the menu";
    EXPECT_EQ(Form1->Me->text(), "abc");
    // An enabled item is highlighted and runs.
    const QRect selectAll = entryRect(1, 3);
    QTest::mouseMove(m, selectAll.center());
    EXPECT_EQ(m->activeAction(), m->actions().at(3));
    QTest::mouseClick(m, Qt::LeftButton, {}, selectAll.center());
    EXPECT_FALSE(m->isVisible());
    EXPECT_EQ(Form1->Me->selLength(), 3);
    EXPECT_EQ(menuSounds(), (std::vector<std::string>{"menu-popup", "menu-click"}));
}

TEST_F(Menus, MovingOntoAnotherItemSwitchesMenus) {
    click(0);
    ASSERT_TRUE(menu(0)->isVisible());
    QTest::mouseMove(menu(0),
                     menu(0)->mapFromGlobal(bar()->mapToGlobal(bar()->itemRect(2).center())));
    EXPECT_FALSE(menu(0)->isVisible());
    EXPECT_TRUE(menu(2)->isVisible());
    EXPECT_EQ(bar()->openIndex(), 2);
}

TEST_F(Menus, ASecondClickOnTheOpenItemClosesTheMenu) {
    click(1);
    ASSERT_TRUE(menu(1)->isVisible());
    const QPoint onItem = menu(1)->mapFromGlobal(bar()->mapToGlobal(bar()->itemRect(1).center()));
    QTest::mouseClick(menu(1), Qt::LeftButton, {}, onItem);
    QTest::qWait(20);
    EXPECT_FALSE(menu(1)->isVisible());
    EXPECT_EQ(bar()->openIndex(), -1);
}

TEST_F(Menus, AltAloneEntersKeyboardModeOnFile) {
    tapAlt();
    EXPECT_TRUE(bar()->keyboardMode());
    EXPECT_EQ(bar()->currentIndex(), 0);
    EXPECT_TRUE(bar()->showsCues());
    EXPECT_EQ(QApplication::focusWidget(), Form1->Me);
    // Left moves to the item on the left, and past the end wraps.
    const struct {
        Qt::Key key;
        int then;
    } moves[] = {{Qt::Key_Left, 1},
                 {Qt::Key_Left, 2},
                 {Qt::Key_Left, 0},
                 {Qt::Key_Right, 2},
                 {Qt::Key_Right, 1}};
    for (auto m : moves) {
        press(m.key);
        EXPECT_EQ(bar()->currentIndex(), m.then);
        EXPECT_GT(bar()->itemRect(0).x(), bar()->itemRect(1).x());
    }
    press(Qt::Key_Down);
    EXPECT_TRUE(menu(1)->isVisible());
    EXPECT_EQ(menu(1)->activeAction(), menu(1)->actions().at(0));
    // Esc steps back: first the drop-down, then the bar.
    press(Qt::Key_Escape);
    EXPECT_FALSE(menu(1)->isVisible());
    EXPECT_TRUE(bar()->keyboardMode());
    EXPECT_EQ(bar()->currentIndex(), 1);
    press(Qt::Key_Escape);
    EXPECT_FALSE(bar()->keyboardMode());
    EXPECT_FALSE(bar()->showsCues());
    // Keys reach the text area again.
    QTest::keyClicks(Form1->Me, "x");
    EXPECT_EQ(Form1->Me->text(), "x");
}

TEST_F(Menus, AltWithAccessKeys) {
    press(Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(menu(0)->isVisible());
    press(Qt::Key_Escape);
    press(Qt::Key_Escape);
    press(Qt::Key_E, Qt::AltModifier);
    EXPECT_TRUE(menu(1)->isVisible());
    // Left and Right inside a drop-down go to the neighbouring menu.
    press(Qt::Key_Right);
    EXPECT_TRUE(menu(0)->isVisible());
    press(Qt::Key_Right);
    EXPECT_TRUE(menu(2)->isVisible());
    press(Qt::Key_Escape);
    press(Qt::Key_Escape);
    press(Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(bar()->openIndex(), -1);
    EXPECT_FALSE(bar()->keyboardMode());
}

TEST_F(Menus, AccessKeysInsideADropDown) {
    typeInto(Form1->Me, "abc");
    Form1->Me->selectAll();
    press(Qt::Key_E, Qt::AltModifier);
    press(Qt::Key_C);
    EXPECT_FALSE(menu(1)->isVisible());
    EXPECT_EQ(clipboardText(), "abc");
    EXPECT_EQ(menuSounds(), (std::vector<std::string>{"menu-popup", "menu-click"}));
}

TEST_F(Menus, ADisabledItemChosenByKeyRunsNothing) {
    Form1->Me->setText("abc");
    // Down onto the disabled Cut is allowed; Enter closes and runs nothing.
    press(Qt::Key_E, Qt::AltModifier);
    ASSERT_FALSE(menu(1)->actions().at(0)->isEnabled());
    EXPECT_EQ(menu(1)->activeAction(), menu(1)->actions().at(0));
    press(Qt::Key_Return);
    EXPECT_FALSE(menu(1)->isVisible());
    // Its access key the same way.
    press(Qt::Key_E, Qt::AltModifier);
    press(Qt::Key_D);
    EXPECT_FALSE(menu(1)->isVisible());
    EXPECT_EQ(Form1->Me->text(), "abc");
}

TEST_F(Menus, AboutOpensTheOneAboutWindow) {
    click(2);
    QTest::mouseClick(menu(2), Qt::LeftButton, {}, entryRect(2, 0).center());
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form2));
    EXPECT_TRUE(Form2->isVisible());
    Form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
    click(2);
    QTest::mouseClick(menu(2), Qt::LeftButton, {}, entryRect(2, 0).center());
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form2));
    int aboutWindows = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        aboutWindows += qobject_cast<TForm2*>(w) != nullptr;
    EXPECT_EQ(aboutWindows, 1);
}

} // namespace
