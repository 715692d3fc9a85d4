#include "outputs/RenduAPI.h"

#include "app/Contexte.h"

void EcritAPI(Contexte&, const QString&) {
    // The symbol bitmaps come with the IPA renderer.
}
