#include "bitbtn.h"

#include "placement.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace platform {

BitBtn::BitBtn(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void BitBtn::setPicture(const QImage& picture) {
    // Keyed out in the image itself, in the format the screen draws from:
    // a pixmap mask would cost a bitmap and two more conversions per button.
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (!keyed.isNull()) {
        const QRgb transparent =
            reinterpret_cast<const QRgb*>(keyed.constScanLine(keyed.height() - 1))[0];
        for (int y = 0; y < keyed.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
            std::replace(line, line + keyed.width(), transparent, QRgb(0));
        }
    }
    m_picture = QPixmap::fromImage(std::move(keyed));
    update();
}

QPoint BitBtn::pictureOrigin() const {
    const auto o = core::pictureOffset(width(), height(), m_picture.width(), m_picture.height(),
                                       isDown(), m_visualStyles);
    return {o.x, o.y};
}

QSize BitBtn::sizeHint() const {
    return m_picture.size() + QSize(16, 9);
}

void BitBtn::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton opt;
    opt.initFrom(this);
    if (isDown())
        opt.state |= QStyle::State_Sunken;
    else
        opt.state |= QStyle::State_Raised;
    p.drawControl(QStyle::CE_PushButtonBevel, opt);
    if (!m_picture.isNull())
        p.drawPixmap(pictureOrigin(), m_picture);
    if (hasFocus()) {
        // A dotted rectangle inside the face, whatever the style draws for
        // focus: it must be plain to see which button Space will press.
        QPen pen(palette().color(QPalette::WindowText), 1, Qt::DotLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

void BitBtn::keyPressEvent(QKeyEvent* e) {
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    const auto mods = e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (enter && mods == Qt::NoModifier && !e->isAutoRepeat()) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(e);
}

} // namespace platform
