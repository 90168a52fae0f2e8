#pragma once

#include <QImage>
#include <QString>

// Writes `image` as an icon file with one image of 16 colours (4 bits per
// pixel) in the standard Windows 16-colour palette, with an AND mask in which
// no pixel is transparent. Qt's icon writer only writes 32-bit images, which
// the program's icon must not be. Fails if a pixel's colour is not in the
// palette, rather than quietly changing the drawing.
bool writeIco4(const QImage& image, const QString& path);
