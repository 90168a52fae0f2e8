#include "iconpicture.h"

#include "icofile.h"
#include "inkimage.h"

#include <QDir>
#include <QPainter>

#include <cstdio>

namespace {

constexpr QRgb kMagenta = 0xFFFF00FF;

QPainterPath textPath(const QFont& font, const QString& text) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    path.setFillRule(Qt::WindingFill); // joined glyphs overlap
    return path;
}

struct Design {
    QPainterPath arabic;
    QPainterPath latin;
};

// Boxes in a 32-pixel square; the large icon uses the same boxes scaled up.
const QRect kArabicBox(QPoint(1, 1), QPoint(30, 14));
const QRect kLatinBox(QPoint(1, 17), QPoint(31, 30));

// "qirazo" set by hand: at this size a font's outline loses the dot of the i
// and the bowls of q, a and o to the two-colour cut.
constexpr const char* kLatinPixels[] = {
    "......xx.......................", "......xx.......................",
    "...............................", ".xxxx.xx.xxxx..xxx..xxxxx..xxx.",
    "xx.xx.xx.xxx.....xx.xxxxx.xx.xx", "xx.xx.xx.xx....xxxx....xx.xx.xx",
    "xx.xx.xx.xx...xx.xx...xx..xx.xx", "xx.xx.xx.xx...xx.xx..xx...xx.xx",
    "xx.xx.xx.xx...xx.xx.xx....xx.xx", "xx.xx.xx.xx...xx.xx.xxxxx.xx.xx",
    ".xxxx.xx.xx....xxxx.xxxxx..xxx.", "...xx..........................",
    "...xx..........................", "...xx..........................",
};

QImage pixelIcon(const Design& design) {
    QImage icon(32, 32, QImage::Format_RGB32);
    icon.fill(Qt::white);
    QPainter painter(&icon);
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    QTransform transform;
    if (!fitInk(design.arabic, icon.size(), kArabicBox, transform))
        std::fprintf(stderr, "icon: the Arabic lettering missed its box\n");
    painter.drawImage(0, 0, renderInk(design.arabic, icon.size(), transform));
    painter.end();
    int row = kLatinBox.top();
    for (const char* line : kLatinPixels) {
        for (int column = 0; line[column] != '\0'; ++column)
            if (line[column] == 'x')
                icon.setPixel(kLatinBox.left() + column, row, qRgb(0, 0, 0));
        ++row;
    }
    return recolour(icon, kMagenta);
}

QTransform boxTransform(const QPainterPath& path, const QRectF& box) {
    const QRectF bounds = path.boundingRect();
    const double sx = box.width() / bounds.width();
    const double sy = box.height() / bounds.height();
    return QTransform(sx, 0, 0, sy, box.left() - bounds.left() * sx, box.top() - bounds.top() * sy);
}

QImage smoothIcon(const Design& design, int size) {
    const double unit = size / 32.0;
    auto scaled = [unit](const QRect& box) {
        return QRectF(box.left() * unit, box.top() * unit, box.width() * unit, box.height() * unit);
    };
    QImage icon(size, size, QImage::Format_RGB32);
    icon.fill(Qt::white);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(boxTransform(design.arabic, scaled(kArabicBox)));
    painter.fillPath(design.arabic, QColor(kMagenta));
    painter.setTransform(boxTransform(design.latin, scaled(kLatinBox)));
    painter.fillPath(design.latin, QColor(kMagenta));
    return icon;
}

} // namespace

bool writeIcons(const QFont& arabicBold, const QFont& latinBold, const QString& resourceDir) {
    const QString dir = resourceDir + QStringLiteral("/icons");
    if (!QDir().mkpath(dir))
        return false;
    const Design design{
        textPath(arabicBold, QStringLiteral(u"\u0642\u064A\u0631\u0627\u0632\u0648")),
        textPath(latinBold, QStringLiteral("qirazo"))};
    const QImage small = pixelIcon(design);
    return writeIco4(small, dir + QStringLiteral("/qirazo.ico")) &&
           small.save(dir + QStringLiteral("/qirazo-32.png"), "PNG") &&
           small.save(dir + QStringLiteral("/qirazo-32.bmp"), "BMP") &&
           smoothIcon(design, 128).save(dir + QStringLiteral("/qirazo-128.png"), "PNG");
}
