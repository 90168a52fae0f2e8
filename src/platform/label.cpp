#include "label.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

namespace platform {

Label::Label(QWidget* parent) : QWidget(parent) {}

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
    // A hidden label measures as it is shown: one built and filled at
    // start-up in a window nobody opens would otherwise load its font, and
    // for a caption its face cannot show, the fallback faces too.
    if (!isVisible())
        return;
    resize(captionSize());
}

void Label::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(rect(), Qt::TextSingleLine | Qt::TextExpandTabs | Qt::AlignLeft | Qt::AlignTop,
               m_caption);
}

void Label::showEvent(QShowEvent* e) {
    adjustToCaption();
    QWidget::showEvent(e);
}

void Label::changeEvent(QEvent* e) {
    if (e->type() == QEvent::FontChange)
        adjustToCaption();
    QWidget::changeEvent(e);
}

} // namespace platform
