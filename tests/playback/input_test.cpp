// During a sound the window keeps painting, while keys typed meanwhile wait
// in the queue and arrive afterwards, in order. Real X input is needed for
// that (synthesised Qt events skip the queue), so this runs on Xvfb and types
// with xdotool.

#include "playbackfixture.h"
#include "wavwriter.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <QtTest/QTest>

#include "playsound.h"

namespace {

class PaintProbe : public QWidget {
public:
    bool paintedDuringSound = false;

protected:
    void paintEvent(QPaintEvent*) override {
        if (platform::soundPlaying())
            paintedDuringSound = true;
    }
};

TEST_F(PlaybackTest, WindowPaintsWhileKeysWaitForTheSoundToEnd) {
    if (QGuiApplication::platformName() != "xcb")
        GTEST_SKIP() << "needs an X server";
    realTime();
    testwav::writeWav(path("a.wav"), {}, testwav::tone(440, 0.8, 48000));

    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* edit = new QLineEdit;
    auto* probe = new PaintProbe;
    probe->setMinimumSize(40, 40);
    layout->addWidget(edit);
    layout->addWidget(probe);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    edit->setFocus();

    bool typed = false;
    QString textAtEndOfSound;
    QTimer::singleShot(0, [&] {
        probe->update();
        typed = QProcess::execute("xdotool", {"type", "--delay", "20", "abc"}) == 0;
    });
    EXPECT_TRUE(PlaySoundA("a.wav", nullptr, SND_FILENAME));
    textAtEndOfSound = edit->text();
    if (!typed)
        GTEST_SKIP() << "xdotool could not type";

    EXPECT_TRUE(probe->paintedDuringSound);
    EXPECT_EQ(textAtEndOfSound.toStdString(), "");
    QTRY_COMPARE_WITH_TIMEOUT(edit->text(), QString("abc"), 10000);
    EXPECT_EQ(edit->text().toStdString(), "abc");
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
