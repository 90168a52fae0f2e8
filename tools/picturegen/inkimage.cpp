#include "inkimage.h"

#include <QPainter>

#include <cmath>

QImage renderInk(const QPainterPath& path, QSize size, const QTransform& transform) {
    QImage grey(size, QImage::Format_RGB32);
    grey.fill(Qt::white);
    {
        QPainter painter(&grey);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setTransform(transform);
        // A letter and its tatweel are separate glyphs that overlap; under the
        // odd-even rule the overlap would be cut out of the joining stroke.
        QPainterPath filled = path;
        filled.setFillRule(Qt::WindingFill);
        painter.fillPath(filled, Qt::black);
    }
    for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x)
            line[x] = qGray(line[x]) < 128 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }
    return grey;
}

QRect inkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
    return box;
}

bool fitInk(const QPainterPath& path, QSize size, const QRect& box, QTransform& transform) {
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty() || box.isEmpty())
        return false;
    // Outer edges of the target in pixel coordinates; nudged until the
    // thresholded ink lands on the box, because the half-coverage cut eats a
    // fraction of a pixel at every edge that depends on the outline's shape.
    double left = box.left(), right = box.right() + 1.0;
    double top = box.top(), bottom = box.bottom() + 1.0;
    for (int round = 0; round < 60; ++round) {
        const double sx = (right - left) / bounds.width();
        const double sy = (bottom - top) / bounds.height();
        transform = QTransform(sx, 0, 0, sy, left - bounds.left() * sx, top - bounds.top() * sy);
        const QRect ink = inkBox(renderInk(path, size, transform));
        if (ink == box)
            return true;
        if (ink.isNull())
            return false;
        const double step = round < 30 ? 0.5 : 0.25;
        left -= step * (ink.left() - box.left());
        right -= step * (ink.right() - box.right());
        top -= step * (ink.top() - box.top());
        bottom -= step * (ink.bottom() - box.bottom());
    }
    return false;
}

QImage recolour(const QImage& twoColour, QRgb ink) {
    QImage out = twoColour.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if (qGray(line[x]) < 128)
                line[x] = ink;
    }
    return out;
}
