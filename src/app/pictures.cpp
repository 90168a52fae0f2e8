#include "pictures.h"

QImage letterPicture(const core::Letter& row) {
    return QImage(QStringLiteral(":/pictures/letter%1.bmp").arg(row.position, 2, 10, QChar(u'0')));
}

QImage readPicture() {
    return QImage(QStringLiteral(":/pictures/read.bmp"));
}

QIcon programIcon() {
    return QIcon(QStringLiteral(":/icons/qirazo-32.png"));
}
