// What the program gets by linking qirazo_resources, read through Qt as the
// program reads it. Nothing here calls initQirazoResources(): merely linking
// the library must be enough.
#include "filebytes.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

TEST(CompiledInPictures, LoadFromTheProgramsResources) {
    EXPECT_FALSE(QPixmap(QStringLiteral(":/pictures/letter01.bmp")).isNull());
    for (int position = 1; position <= 28; ++position) {
        const QString name =
            QStringLiteral(":/pictures/letter%1.bmp").arg(position, 2, 10, QChar('0'));
        const QImage image(name);
        EXPECT_FALSE(image.isNull()) << name.toStdString();
        EXPECT_EQ(image.height(), position == 28 ? 64 : 60) << name.toStdString();
    }
    EXPECT_EQ(QImage(QStringLiteral(":/pictures/read.bmp")).size(), QSize(210, 43));
    EXPECT_EQ(QImage(QStringLiteral(":/icons/qirazo-32.bmp")).size(), QSize(32, 32));
}

TEST(Icons, TheWindowAndDesktopIconsHaveTheIconFilesPixels) {
    if (!QImageReader::supportedImageFormats().contains("ico"))
        GTEST_SKIP() << "Qt has no icon reader here";
    const QImage ico(QString::fromStdString(sourcePath("resources/icons/qirazo.ico")), "ICO");
    ASSERT_FALSE(ico.isNull()) << "Qt does not load the icon file";
    ASSERT_EQ(ico.size(), QSize(32, 32));
    for (const char* name : {"resources/icons/qirazo-32.png", "resources/icons/qirazo-32.bmp"}) {
        SCOPED_TRACE(name);
        const QImage copy(QString::fromStdString(sourcePath(name)));
        ASSERT_EQ(copy.size(), QSize(32, 32));
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                ASSERT_EQ(ico.pixel(x, y), copy.pixel(x, y)) << "at " << x << "," << y;
    }
}

TEST(Icons, TheDesktopIconIsTheLargeDrawing) {
    const QImage large(QString::fromStdString(sourcePath("resources/icons/qirazo-128.png")));
    ASSERT_EQ(large.size(), QSize(128, 128));
    // Magenta lettering in both halves of a white square, as in the small icon.
    for (int half = 0; half < 2; ++half) {
        int magenta = 0;
        for (int y = half * 64; y < half * 64 + 64; ++y)
            for (int x = 0; x < 128; ++x)
                magenta += large.pixel(x, y) == qRgb(255, 0, 255);
        EXPECT_GT(magenta, 200) << "half " << half;
    }
    EXPECT_EQ(large.pixel(0, 0), qRgb(255, 255, 255));
}

// The system only draws visual styles if the manifest names exactly this
// assembly, so the attributes are checked one by one.
TEST(Manifest, AsksForVersionSixOfTheCommonControls) {
    QFile file(QString::fromStdString(sourcePath("resources/manifest.xml")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    const QString asmV1 = QStringLiteral("urn:schemas-microsoft-com:asm.v1");
    int identities = 0;
    bool sawCommonControls = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartDocument()) {
            EXPECT_EQ(xml.documentVersion(), QStringLiteral("1.0"));
            EXPECT_EQ(xml.documentEncoding(), QStringLiteral("UTF-8"));
            EXPECT_TRUE(xml.isStandaloneDocument());
        }
        if (!xml.isStartElement())
            continue;
        EXPECT_EQ(xml.namespaceUri(), asmV1) << xml.name().toString().toStdString();
        const auto a = xml.attributes();
        if (xml.name() == QStringLiteral("assembly")) {
            EXPECT_EQ(a.value("manifestVersion"), QStringLiteral("1.0"));
        }
        if (xml.name() != QStringLiteral("assemblyIdentity"))
            continue;
        EXPECT_EQ(a.value("type"), QStringLiteral("win32"));
        EXPECT_EQ(a.value("processorArchitecture"), QStringLiteral("*"));
        if (++identities == 1) {
            EXPECT_FALSE(a.value("name").isEmpty());
            EXPECT_EQ(a.value("version"), QStringLiteral("1.0.0.0"));
        } else {
            sawCommonControls = true;
            EXPECT_EQ(a.value("name"), QStringLiteral("Microsoft.Windows.Common-Controls"));
            EXPECT_EQ(a.value("version"), QStringLiteral("6.0.0.0"));
            EXPECT_EQ(a.value("publicKeyToken"), QStringLiteral("6595b64144ccf1df"));
            EXPECT_EQ(a.value("language"), QStringLiteral("*"));
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(identities, 2);
    EXPECT_TRUE(sawCommonControls);
}

TEST(Manifest, IsResourceOneOfTypeTwentyFourBesideMainIcon) {
    std::ifstream in(sourcePath("resources/qirazo.rc"));
    std::stringstream script;
    script << in.rdbuf();
    EXPECT_NE(script.str().find("\n1 24 \"manifest.xml\"\n"), std::string::npos);
    EXPECT_NE(script.str().find("\nMAINICON ICON \"icons/qirazo.ico\"\n"), std::string::npos);
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
