// Widget tests run with a real application object on Qt's offscreen
// platform, with the program's font substitutes and silent sounds.

#include "fonts.h"
#include "windows.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::installFontSubstitutes();
    installTestSounds();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
