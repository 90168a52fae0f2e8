#include "fonts.h"

#include <QGuiApplication>
#include <QStringList>

namespace platform {

void installFontSubstitutes() {
    const QStringList arabic = {QStringLiteral("Amiri"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("Simplified Arabic"), arabic);
    const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    // Widgets measure in the toolkit default before their own font is set
    // (a text edit lays out its empty document as it is made); with the
    // window font as the default no other face is ever loaded for that.
    QGuiApplication::setFont(makeFont(QStringLiteral("MS Sans Serif"), 11));
}

QFont makeFont(const QString& family, int pixelHeight, bool bold) {
    QFont f(family);
    f.setPixelSize(pixelHeight);
    f.setBold(bold);
    return f;
}

} // namespace platform
