#include "fonts.h"

#include <QStringList>

namespace platform {

void installFontSubstitutes() {
    const QStringList arabic = {QStringLiteral("Amiri"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("Simplified Arabic"), arabic);
    const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
}

QFont makeFont(const QString& family, int pixelHeight, bool bold) {
    QFont f(family);
    f.setPixelSize(pixelHeight);
    f.setBold(bold);
    return f;
}

} // namespace platform
