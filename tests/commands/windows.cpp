#include "windows.h"

#include "eventsound.h"
#include "fakeplayer.h"
#include "memo.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

namespace {

void recordSound(const char* id) {
    menuSounds().emplace_back(id);
}

} // namespace

std::vector<std::string>& menuSounds() {
    static std::vector<std::string> sounds;
    return sounds;
}

void installTestSounds() {
    static FakePlayer player; // installs itself
    platform::setEventSoundFunction(recordSound);
}

void Windows::SetUp() {
    form1 = std::make_unique<TForm1>();
    Form1 = form1.get();
    form2 = std::make_unique<TForm2>();
    Form2 = form2.get();
    Form1->show();
    Form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
    Form1->Me->setFocus();
    QGuiApplication::clipboard()->clear();
    menuSounds().clear();
}

void Windows::TearDown() {
    Form2 = nullptr;
    Form1 = nullptr;
    form2.reset();
    form1.reset();
}

void Windows::press(Qt::Key key, Qt::KeyboardModifiers mods) {
    QWidget* target = QApplication::activePopupWidget();
    if (!target)
        target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, key, mods);
}

QString Windows::clipboardText() {
    return QGuiApplication::clipboard()->text();
}

void Windows::setClipboard(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

void Windows::typeInto(platform::Memo* memo, const QString& text) {
    memo->setFocus();
    QTest::keyClicks(memo, text);
}

void Windows::showAbout() {
    Form1->HelpOnHelp1Execute();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form2));
}
