#pragma once

#include <QFont>
#include <QString>

// Draws the 28 letter-button pictures, resources/pictures/letterNN.bmp, all
// with `arabic` at one common scale, and reports each one's ink size.
bool writeLetterPictures(const QFont& arabic, const QString& resourceDir);
