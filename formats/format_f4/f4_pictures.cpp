#include "f4_pictures.h"

#include <QtGlobal>

static void registerSepwynPictures()
{
    Q_INIT_RESOURCE(sepwyn);
}

void F4Pictures::load()
{
    static bool done = false;
    if (!done) {
        registerSepwynPictures();
        done = true;
    }
}
