#pragma once

#include <QFont>
#include <QString>

namespace platform {

// The window fonts were chosen on Windows ("Simplified Arabic",
// "MS Sans Serif"); map them onto installed families that shape Arabic.
void installFontSubstitutes();

// A font of `family` whose characters are `pixelHeight` pixels high.
QFont makeFont(const QString& family, int pixelHeight, bool bold = false);

} // namespace platform
