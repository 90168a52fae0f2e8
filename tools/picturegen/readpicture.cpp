#include "readpicture.h"

#include "bmpfile.h"
#include "inkimage.h"

#include <QPainter>

#include <cmath>
#include <cstdio>

namespace {

constexpr QSize kSize(210, 43);

QPainterPath wordPath(const QFont& font, const QString& word) {
    QPainterPath path;
    path.addText(0, 0, font, word);
    return path;
}

// Black wherever either picture is black.
void overlay(QImage& onto, const QImage& ink) {
    QPainter painter(&onto);
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(0, 0, ink);
}

// A Latin word keeps its own proportions: its width fills the columns and its
// foot stands on `baselineRow`, the line the Arabic word sits on.
bool fitLatin(const QPainterPath& path, int left, int right, int baselineRow, QImage& out) {
    const QRectF bounds = path.boundingRect();
    const int width = right - left + 1;
    const int height = static_cast<int>(std::lround(width * bounds.height() / bounds.width()));
    const QRect box(QPoint(left, baselineRow - height + 1), QPoint(right, baselineRow));
    QTransform transform;
    if (!fitInk(path, kSize, box, transform))
        return false;
    out = renderInk(path, kSize, transform);
    return true;
}

} // namespace

bool writeReadPicture(const QFont& latinBold, const QFont& arabicBold, const QString& resourceDir) {
    // قـــراءة: the tatweels after the first letter draw the long joining stroke.
    const QString arabic = QStringLiteral(u"\u0642\u0640\u0640\u0640\u0631\u0627\u0621\u0629");
    const QPainterPath arabicPath = wordPath(arabicBold, arabic);
    QTransform arabicTransform;
    if (!fitInk(arabicPath, kSize, QRect(QPoint(154, 11), QPoint(199, 33)), arabicTransform)) {
        std::fprintf(stderr, "read: the Arabic word does not fit its box\n");
        return false;
    }
    QImage picture = renderInk(arabicPath, kSize, arabicTransform);
    const int baselineRow =
        static_cast<int>(std::lround(arabicTransform.map(QPointF(0, 0)).y())) - 1;

    QImage word;
    if (!fitLatin(wordPath(latinBold, QStringLiteral("lecture")), 8, 78, baselineRow, word))
        return false;
    overlay(picture, word);
    if (!fitLatin(wordPath(latinBold, QStringLiteral("read")), 95, 140, baselineRow, word))
        return false;
    overlay(picture, word);

    const QRect ink = inkBox(picture);
    std::fprintf(stderr, "read: baseline row %d, ink columns %d-%d, rows %d-%d\n", baselineRow,
                 ink.left(), ink.right(), ink.top(), ink.bottom());
    return writeBmp24(picture, resourceDir + QStringLiteral("/pictures/read.bmp"));
}
