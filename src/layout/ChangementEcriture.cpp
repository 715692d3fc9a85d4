#include "layout/ChangementEcriture.h"

#include "app/Contexte.h"

void ChangementEcriture(Contexte&) {
    // The spacing between two scripts comes with the line layout.
}
