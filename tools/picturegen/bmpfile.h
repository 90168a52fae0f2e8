#pragma once

#include <QImage>
#include <QString>

// Writes `image` as an uncompressed Windows bitmap of 24 bits per pixel
// (BITMAPINFOHEADER, BI_RGB, bottom-up rows). Qt's own writer picks the bit
// depth from the image format, so the program's pictures are written here to
// keep that depth fixed.
bool writeBmp24(const QImage& image, const QString& path);
