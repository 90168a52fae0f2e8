#include "label.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

namespace platform {

Label::Label(QWidget* parent) : QWidget(parent) {
    adjustToCaption();
}

void Label::setCaption(const QString& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    adjustToCaption();
    update();
}

QSize Label::captionSize() const {
    const QFontMetrics fm(font());
    const QString text = m_caption.isEmpty() ? QStringLiteral(" ") : m_caption;
    const QRect r = fm.boundingRect(QRect(), Qt::TextSingleLine | Qt::TextExpandTabs, text);
    return {r.width(), fm.height()};
}

void Label::adjustToCaption() {
    resize(captionSize());
}

void Label::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(rect(), Qt::TextSingleLine | Qt::TextExpandTabs | Qt::AlignLeft | Qt::AlignTop,
               m_caption);
}

void Label::changeEvent(QEvent* e) {
    if (e->type() == QEvent::FontChange)
        adjustToCaption();
    QWidget::changeEvent(e);
}

} // namespace platform
