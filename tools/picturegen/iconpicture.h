#pragma once

#include <QFont>
#include <QString>

// Draws the program's icon: the name in Arabic script above and in lower-case
// Latin letters below, magenta on white. Writes icons/qirazo.ico (32 x 32, 16
// colours), icons/qirazo-32.png for the desktop and icons/qirazo-32.bmp for
// the window (the same pixels: the program reads BMP without an image
// library) and icons/qirazo-128.png (the same design drawn smoothly at
// 128 x 128).
bool writeIcons(const QFont& arabicBold, const QFont& latinBold, const QString& resourceDir);
