#include "resources.h"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE must not be used inside a namespace.
static void initPictures() {
    Q_INIT_RESOURCE(pictures);
}

void initQirazoResources() {
    initPictures();
}
