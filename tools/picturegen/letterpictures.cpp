#include "letterpictures.h"

#include "bmpfile.h"
#include "inkimage.h"

#include <QDir>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <cstdio>

namespace {

struct LetterPicture {
    char16_t letter;
    bool initialForm; // drawn with the joining stroke to the left
    int width;
    int height;
};

// Abjad order, as on the keyboard; position N is picture N.
constexpr std::array<LetterPicture, 28> kLetters = {{
    {u'\u0623', false, 46, 60}, {u'\u0628', false, 48, 60}, {u'\u062C', false, 46, 60},
    {u'\u062F', false, 46, 60}, {u'\u0647', true, 46, 60},  {u'\u0648', false, 46, 60},
    {u'\u0632', false, 46, 60}, {u'\u062D', false, 46, 60}, {u'\u0637', false, 46, 60},
    {u'\u064A', true, 46, 60},  {u'\u0643', true, 47, 60},  {u'\u0644', false, 46, 60},
    {u'\u0645', false, 46, 60}, {u'\u0646', false, 46, 60}, {u'\u0633', true, 46, 60},
    {u'\u0639', false, 46, 60}, {u'\u0641', false, 49, 60}, {u'\u0635', false, 62, 60},
    {u'\u0642', false, 46, 60}, {u'\u0631', false, 46, 60}, {u'\u0634', true, 52, 60},
    {u'\u062A', false, 46, 60}, {u'\u062B', false, 46, 60}, {u'\u062E', false, 46, 60},
    {u'\u0630', false, 46, 60}, {u'\u0636', false, 62, 60}, {u'\u0638', false, 48, 60},
    {u'\u063A', false, 46, 64},
}};

constexpr int kTallestInk = 47; // غ, the tallest letter, sets the common scale
constexpr int kMargin = 40;     // room around a letter while it is measured

QPainterPath letterPath(const LetterPicture& picture, const QFont& font) {
    QString text(QChar(picture.letter));
    if (picture.initialForm)
        text += QChar(0x0640); // tatweel: the letter joins to the left
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

// The letter's ink alone on a roomy canvas, at `scale` and with a fixed
// sub-pixel phase so that later whole-pixel moves keep the same pixels.
QImage measure(const QPainterPath& path, double scale, QTransform& transform) {
    const QRectF bounds = path.boundingRect();
    transform = QTransform::fromScale(scale, scale);
    const QPointF origin(std::floor(-bounds.left() * scale) + kMargin,
                         std::floor(-bounds.top() * scale) + kMargin);
    transform *= QTransform::fromTranslate(origin.x(), origin.y());
    const QSize canvas(static_cast<int>(bounds.width() * scale) + 2 * kMargin + 2,
                       static_cast<int>(bounds.height() * scale) + 2 * kMargin + 2);
    return renderInk(path, canvas, transform);
}

int inkHeight(const QPainterPath& path, double scale) {
    QTransform transform;
    return inkBox(measure(path, scale, transform)).height();
}

// The middle of the range of scales at which the tallest letter has its ink
// height, so rounding at either end cannot tip it over.
double commonScale(const QFont& font) {
    const QPainterPath tallest = letterPath(kLetters.back(), font);
    auto firstScaleReaching = [&](int height) {
        double lo = 0.01, hi = 2.0;
        for (int i = 0; i < 40; ++i) {
            const double mid = (lo + hi) / 2;
            (inkHeight(tallest, mid) >= height ? hi : lo) = mid;
        }
        return hi;
    };
    return (firstScaleReaching(kTallestInk) + firstScaleReaching(kTallestInk + 1)) / 2;
}

} // namespace

bool writeLetterPictures(const QFont& arabic, const QString& resourceDir) {
    const QString dir = resourceDir + QStringLiteral("/pictures");
    if (!QDir().mkpath(dir))
        return false;
    const double scale = commonScale(arabic);
    std::fprintf(stderr, "letters: font pixel size %d at scale %.4f\n", arabic.pixelSize(), scale);
    for (std::size_t i = 0; i < kLetters.size(); ++i) {
        const LetterPicture& picture = kLetters[i];
        const QPainterPath path = letterPath(picture, arabic);
        QTransform transform;
        const QRect ink = inkBox(measure(path, scale, transform));
        if (ink.width() > picture.width - 2 || ink.height() > picture.height - 2) {
            std::fprintf(stderr, "letter %zu: ink %dx%d does not fit %dx%d\n", i + 1, ink.width(),
                         ink.height(), picture.width, picture.height);
            return false;
        }
        const int dx = (picture.width - ink.width()) / 2 - ink.left();
        const int dy = (picture.height - ink.height()) / 2 - ink.top();
        transform *= QTransform::fromTranslate(dx, dy);
        const QImage image = renderInk(path, QSize(picture.width, picture.height), transform);
        const QString name =
            QStringLiteral("%1/letter%2.bmp").arg(dir).arg(i + 1, 2, 10, QChar('0'));
        if (!writeBmp24(image, name))
            return false;
        const QRect placed = inkBox(image);
        std::fprintf(stderr, "letter %2zu: %dx%d, ink %dx%d at %d,%d\n", i + 1, picture.width,
                     picture.height, placed.width(), placed.height(), placed.left(), placed.top());
    }
    return true;
}
