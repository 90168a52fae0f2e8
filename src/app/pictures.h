#pragma once

// The pictures compiled into the program (resources/, drawn by
// tools/picturegen).

#include "letters.h"

#include <QIcon>
#include <QImage>

QImage letterPicture(const core::Letter& row);
QImage readPicture();
QIcon programIcon();
