#include "pictures.h"

#include <QFile>
#include <QPainter>

namespace {

// Drawn when a picture is missing from the resources, so a button is never
// blank: the text in black on white, at the picture's size.
QImage drawn(const QString& text, QSize size) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    QFont f("Simplified Arabic");
    f.setPixelSize(size.height() / 2);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(img.rect(), Qt::AlignCenter, text);
    return img;
}

QImage load(const QString& path, const QString& text, QSize size) {
    QImage img(path);
    return img.isNull() ? drawn(text, size) : img;
}

} // namespace

QImage letterPicture(const core::Letter& row) {
    const QString path =
        QStringLiteral(":/pictures/letter%1.bmp").arg(row.position, 2, 10, QChar(u'0'));
    QString text(QChar(row.codePoint));
    if (row.initialForm)
        text += QChar(0x0640);
    return load(path, text, {row.pictureWidth, row.pictureHeight});
}

QImage readPicture() {
    return load(QStringLiteral(":/pictures/read.bmp"), QStringLiteral("lecture read"), {210, 43});
}

QIcon programIcon() {
    return QIcon(QStringLiteral(":/icons/qirazo-32.png"));
}
