#include "menustyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>
#include <QWidget>

namespace platform {
namespace {

constexpr int kBarItemMargin = 7;
constexpr int kTextGap = 8;      // after the strip
constexpr int kShortcutGap = 24; // between caption and shortcut
constexpr int kRightMargin = 17; // after the shortcut
constexpr int kItemPadding = 8;  // added to the font height

int textFlags(bool cues) {
    return Qt::TextSingleLine | Qt::AlignVCenter |
           (cues ? Qt::TextShowMnemonic : Qt::TextHideMnemonic);
}

void fillFramed(QPainter& p, const QRect& r, QColor fill, QColor frame) {
    p.fillRect(r, fill);
    p.setPen(frame);
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

bool showsCues(const QWidget* w) {
    return w && w->property(kShowCuesProperty).toBool();
}

} // namespace

MenuStyle::MenuStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void MenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
    if (element == PE_PanelMenu || element == PE_FrameMenu) {
        const QRect r = option->rect;
        painter->fillRect(r, option->palette.color(QPalette::Base));
        painter->fillRect(QRect(r.left(), r.top(), kXpStripWidth + 1, r.height()),
                          option->palette.color(QPalette::Button));
        painter->setPen(QColor(kXpOpenFrame));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(r.adjusted(0, 0, -1, -1));
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void MenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
    if (element == CE_MenuEmptyArea)
        return;
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element != CE_MenuItem || !item) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const QRect r = item->rect;
    const QPalette& pal = item->palette;
    painter->save();
    painter->fillRect(r, pal.color(QPalette::Base));
    painter->fillRect(QRect(r.left(), r.top(), kXpStripWidth, r.height()),
                      pal.color(QPalette::Button));
    const bool enabled = item->state & State_Enabled;
    if (item->state & State_Selected)
        fillFramed(*painter, r, QColor(kXpHighlight), QColor(kXpHighlightFrame));

    QString caption = item->text;
    QString shortcut;
    if (const qsizetype tab = caption.indexOf(u'\t'); tab >= 0) {
        shortcut = caption.mid(tab + 1);
        caption.truncate(tab);
    }
    painter->setFont(item->font);
    painter->setPen(enabled ? pal.color(QPalette::Active, QPalette::Text)
                            : pal.color(QPalette::Disabled, QPalette::Text));
    const bool cues = styleHint(SH_UnderlineShortcut, option, widget);
    const QRect text = r.adjusted(kXpStripWidth + kTextGap, 0, -kRightMargin, 0);
    // Items read left to right whatever the program's direction: the exit
    // item shows its Arabic word first, then "exit".
    painter->setLayoutDirection(Qt::LeftToRight);
    painter->drawText(text, textFlags(cues) | Qt::AlignLeft | Qt::AlignAbsolute, caption);
    if (!shortcut.isEmpty())
        painter->drawText(text, textFlags(false) | Qt::AlignRight | Qt::AlignAbsolute, shortcut);
    painter->restore();
}

QSize MenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                  const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (type != CT_MenuItem || !item)
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    const QFontMetrics fm(item->font);
    QString caption = item->text;
    int shortcutWidth = 0;
    if (const qsizetype tab = caption.indexOf(u'\t'); tab >= 0) {
        shortcutWidth = kShortcutGap + fm.horizontalAdvance(caption.mid(tab + 1));
        caption.truncate(tab);
    }
    const int captionWidth =
        fm.boundingRect(QRect(), Qt::TextSingleLine | Qt::TextShowMnemonic, caption).width();
    return {kXpStripWidth + kTextGap + captionWidth + shortcutWidth + kRightMargin,
            fm.height() + kItemPadding};
}

int MenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                           const QWidget* widget) const {
    switch (metric) {
    case PM_MenuPanelWidth:
        return 1;
    case PM_MenuHMargin:
    case PM_MenuVMargin:
    case PM_MenuDesktopFrameWidth:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

int MenuStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returnData) const {
    switch (hint) {
    case SH_UnderlineShortcut:
        return showsCues(widget);
    // The arrow keys may rest on a disabled item; the mouse may not, which
    // the bar enforces on the drop-down.
    case SH_Menu_AllowActiveAndDisabled:
        return 1;
    case SH_Menu_KeyboardSearch:
    case SH_Menu_FlashTriggeredItem:
    case SH_Menu_FadeOutOnHide:
    case SH_Menu_Scrollable:
        return 0;
    case SH_Menu_MouseTracking:
        return 1;
    default:
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}

void MenuStyle::drawBarItem(QPainter& p, const QRect& r, const QString& caption, BarItemLook look,
                            bool cues, const QPalette& pal) {
    p.save();
    const QColor face = pal.color(QPalette::Button);
    if (look == BarItemLook::Hot) {
        fillFramed(p, r, QColor(kXpHighlight), QColor(kXpHighlightFrame));
    } else if (look == BarItemLook::Open) {
        p.fillRect(r, face);
        p.setPen(QColor(kXpOpenFrame));
        // Left, top and right: the bottom opens onto the drop-down.
        p.drawLine(r.bottomLeft(), r.topLeft());
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
    p.setPen(pal.color(QPalette::WindowText));
    p.drawText(r, textFlags(cues) | Qt::AlignHCenter, caption);
    p.restore();
}

int MenuStyle::barItemWidth(const QFontMetrics& fm, const QString& caption) {
    return fm.boundingRect(QRect(), Qt::TextSingleLine | Qt::TextShowMnemonic, caption).width() +
           2 * kBarItemMargin;
}

} // namespace platform
