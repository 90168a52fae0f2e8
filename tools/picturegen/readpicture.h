#pragma once

#include <QFont>
#include <QString>

// Draws the read button's picture, resources/pictures/read.bmp: "lecture" and
// "read" in `latinBold`, then the Arabic word with a long joining stroke in
// `arabicBold`, each word fitted into its own box.
bool writeReadPicture(const QFont& latinBold, const QFont& arabicBold, const QString& resourceDir);
