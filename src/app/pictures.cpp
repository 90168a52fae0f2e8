#include "pictures.h"

#include <QImageReader>
#include <QPixmap>

namespace {

// Every picture is read with its format named and guessing turned off: a
// reader left to guess asks each image plugin in turn, loading them all.
// All are BMP, which the toolkit reads itself, without an image library.
QImage readResource(const QString& path, const char* format) {
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace

QImage letterPicture(const core::Letter& row) {
    return readResource(
        QStringLiteral(":/pictures/letter%1.bmp").arg(row.position, 2, 10, QChar(u'0')), "bmp");
}

QImage readPicture() {
    return readResource(QStringLiteral(":/pictures/read.bmp"), "bmp");
}

QIcon programIcon() {
    return QIcon(QPixmap::fromImage(readResource(QStringLiteral(":/icons/qirazo-32.bmp"), "bmp")));
}
