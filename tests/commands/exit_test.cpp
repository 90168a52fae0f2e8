// Exit chosen from the menu ends the program, also with the about window
// open: the application's event loop returns.

#include "menubar.h"
#include "windows.h"

#include <QApplication>
#include <QMenu>
#include <QTimer>

namespace {

class Exit : public Windows {};

TEST_F(Exit, EndsTheProgramWithTheAboutWindowShown) {
    showAbout();
    Form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
    QTimer::singleShot(0, [] {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_E);
    });
    // Should the loop not end, this ends it with a code the test rejects.
    QTimer::singleShot(5000, [] { QApplication::exit(99); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_EQ(menuSounds(), (std::vector<std::string>{"menu-popup", "menu-click"}));
}

} // namespace
