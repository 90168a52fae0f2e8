#include "pictures.h"

#include <QImageReader>
#include <QPixmap>

namespace {

// Every picture is a BMP, which the toolkit reads itself, without an image
// library. It is read with the format named and guessing turned off: a
// reader left to guess asks each image plugin in turn, loading them all.
QImage readBmp(const QString& path) {
    QImageReader reader(path, "bmp");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace

QImage letterPicture(const core::Letter& row) {
    return readBmp(QStringLiteral(":/pictures/letter%1.bmp").arg(row.position, 2, 10, QChar(u'0')));
}

QImage readPicture() {
    return readBmp(QStringLiteral(":/pictures/read.bmp"));
}

QIcon programIcon() {
    return QIcon(QPixmap::fromImage(readBmp(QStringLiteral(":/icons/qirazo-32.bmp"))));
}
