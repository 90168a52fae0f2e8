#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRect>
#include <QTransform>

// The program's pictures hold exactly two colours, so every drawing is made
// antialiased and then cut at half coverage: that keeps the shapes as smooth as
// two colours allow while leaving no grey behind.

// Fills `path` black on a white image of `size` under `transform` and returns
// it as pure black and pure white pixels (Format_RGB32).
QImage renderInk(const QPainterPath& path, QSize size, const QTransform& transform);

// The smallest rectangle holding every black pixel; null if there is none.
QRect inkBox(const QImage& image);

// Finds the transform that puts the ink of `path` exactly on `box` (inclusive
// pixel rectangle) in an image of `size`; the scale may differ between the
// axes. Returns false when no close enough fit was found.
bool fitInk(const QPainterPath& path, QSize size, const QRect& box, QTransform& transform);

// Replaces black with `ink` and leaves white as it is.
QImage recolour(const QImage& twoColour, QRgb ink);
