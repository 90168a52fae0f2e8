#pragma once

// The menus' "XP Style" look: a button-face bar whose hot item is light blue
// in a dark blue frame, drop-downs with a face-coloured picture strip on the
// left and the same light blue for the highlighted item.

#include <QColor>
#include <QProxyStyle>

class QPainter;

namespace platform {

inline constexpr QRgb kXpHighlight = 0xC6D3EF;
inline constexpr QRgb kXpHighlightFrame = 0x3169C6;
inline constexpr QRgb kXpOpenFrame = 0x8A867A;
inline constexpr int kXpStripWidth = 25;

// Widgets carry this property while their access keys are to be underlined.
inline constexpr const char* kShowCuesProperty = "qirazoShowCues";

enum class BarItemLook { Normal, Hot, Open };

class MenuStyle : public QProxyStyle {
    Q_OBJECT
public:
    MenuStyle(); // over Fusion

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;

    // One top-level item of the bar. Its frame is open at the bottom while
    // its drop-down shows.
    static void drawBarItem(QPainter& p, const QRect& r, const QString& caption, BarItemLook look,
                            bool cues, const QPalette& pal);
    // Width of a top-level item for `caption` in `fm`'s font.
    static int barItemWidth(const QFontMetrics& fm, const QString& caption);
};

} // namespace platform
