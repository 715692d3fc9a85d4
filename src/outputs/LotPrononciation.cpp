#include "outputs/LotPrononciation.h"

#include "base/Contexte.h"

void EcrireLotPrononciation(Contexte&) {
    // The command lines come with the pronunciation batch; the transcriber already calls it here.
}
