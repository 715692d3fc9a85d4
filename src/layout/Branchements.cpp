#include "layout/Branchements.h"

#include "base/Contexte.h"
#include "layout/AffichageEtat.h"
#include "layout/ChangementEcriture.h"
#include "layout/PagesRappel.h"

void BrancherMiseEnPage(Contexte& ctx) {
    ctx.crochets.AfficheEtat = &AfficheEtat;
    ctx.crochets.ChangementEcriture = &ChangementEcriture;
    ctx.crochets.RecreerPages = &RecreerPages;
}
