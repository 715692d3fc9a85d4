#include "outputs/Branchements.h"

#include "base/Contexte.h"
#include "outputs/LotPrononciation.h"
#include "outputs/RapportMesures.h"
#include "outputs/RenduAPI.h"

void BrancherSorties(Contexte& ctx) {
    ctx.crochets.EcritAPI = &EcritAPI;
    ctx.crochets.EcrireLotPrononciation = &EcrireLotPrononciation;
    ctx.crochets.RapportMesures = &RapportMesures;
}
