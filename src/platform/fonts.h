#pragma once

#include <QFont>
#include <QString>

namespace platform {

// The window fonts were chosen on Windows ("Simplified Arabic",
// "MS Sans Serif"); map them onto installed families that shape Arabic, and
// make the window font the default. Call it once the application exists.
void installFontSubstitutes();

// A font of `family` whose characters are `pixelHeight` pixels high.
QFont makeFont(const QString& family, int pixelHeight, bool bold = false);

} // namespace platform
