#include "app/ContexteProgramme.h"

#include "layout/Branchements.h"
#include "outputs/Branchements.h"

ContexteProgramme::ContexteProgramme(Surface& s, FenetreInterface& f, Horloge& h, QString dossierProgramme)
    : Contexte(s, f, h, std::move(dossierProgramme),
               PartiesContexte{tablesPossedees, dictionnairesPossedes, memoirePossedee, ecransPossedes,
                               pagesPossedees}) {
    BrancherMiseEnPage(*this);
    BrancherSorties(*this);
}
