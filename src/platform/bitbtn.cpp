#include "bitbtn.h"

#include "placement.h"

#include <QBitmap>
#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace platform {

BitBtn::BitBtn(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void BitBtn::setPicture(const QImage& picture) {
    m_picture = QPixmap::fromImage(picture);
    if (!picture.isNull()) {
        const QColor transparent = picture.pixelColor(0, picture.height() - 1);
        m_picture.setMask(m_picture.createMaskFromColor(transparent, Qt::MaskInColor));
    }
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
