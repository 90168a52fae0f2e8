#pragma once

// The pictures compiled into the program.

#include "letters.h"

#include <QIcon>
#include <QImage>

QImage letterPicture(const core::Letter& row);
QImage readPicture();
QIcon programIcon();
