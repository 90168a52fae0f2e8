// Draws the program's pictures and icons into the resource directory given on
// the command line. The output is committed; the program itself draws nothing
// of this at run time.
#include "iconpicture.h"
#include "letterpictures.h"
#include "readpicture.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include <cstdio>
#include <string>

namespace {

// Fonts are loaded from their files so that a missing package stops the run
// instead of fontconfig quietly drawing the letters in some other face.
bool loadFont(const char* file, const QString& family, int pixelSize, bool bold, QFont& font) {
    const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(file));
    if (id < 0 || !QFontDatabase::applicationFontFamilies(id).contains(family)) {
        std::fprintf(stderr, "picturegen: cannot load %s\n", file);
        return false;
    }
    font = QFont(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s RESOURCE_DIR\n", argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);

    QFont amiriBold, serifBold, sansBold;
    const char* amiriDir = "/usr/share/fonts/opentype/fonts-hosny-amiri/";
    if (!loadFont((std::string(amiriDir) + "Amiri-Bold.ttf").c_str(), "Amiri", 100, true,
                  amiriBold) ||
        !loadFont("/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf", "DejaVu Serif", 100,
                  true, serifBold) ||
        !loadFont("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", "DejaVu Sans", 100, true,
                  sansBold))
        return 1;

    if (!writeLetterPictures(amiriBold, out) || !writeReadPicture(serifBold, amiriBold, out) ||
        !writeIcons(amiriBold, sansBold, out)) {
        std::fprintf(stderr, "picturegen: failed\n");
        return 1;
    }
    return 0;
}
