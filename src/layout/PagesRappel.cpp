#include "layout/PagesRappel.h"

#include "base/Contexte.h"
#include "config/Bornes.h"
#include "layout/MagasinImages.h"

namespace {

// The last slot of the ring; the page store holds at most 31 snapshots.
int DernierePlace(Contexte& ctx) {
    const int n = BornePagesRappelables(ctx.etat.PagesRappelables);
    if (n > 0 && ctx.pages.Places() != n + 1) ctx.pages.FixerPlaces(n + 1);
    return n;
}

void Restaurer(Contexte& ctx, int place) {
    const QImage image = ctx.pages.Image(place);
    if (image.isNull()) return;
    ctx.surface.RemplacerImage(image);
    if (const auto traces = ctx.pages.Traces(place)) ctx.surface.Traces() = *traces;
    ctx.fenetre.Rafraichir();
    const QPointF p = ctx.pages.Position(place);
    if (p.x() != 0 && p.y() != 0) {
        EtatProgramme& e = ctx.etat;
        e.PosX = e.XDebutMot = p.x();
        e.PosY = e.YLigne = p.y();
    }
}

}  // namespace

void RecreerPages(Contexte& ctx) {
    ctx.pages.Vider();
    ctx.pages.FixerPlaces(BornePagesRappelables(ctx.etat.PagesRappelables) + 1);
    ctx.etat.IndicePageRappel = 0;
}

void MemorisePage(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    const int n = DernierePlace(ctx);
    if (n == 0) return;
    ++e.IndicePageRappel;
    if (e.IndicePageRappel > n || e.IndicePageRappel < 0) e.IndicePageRappel = 0;
    ctx.pages.Ranger(e.IndicePageRappel, ctx.surface, QPointF(e.PosX, e.PosY));
}

void AnnulerPage(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    const int n = DernierePlace(ctx);
    if (n == 0) return;
    e.IndicePageRappel = qBound(0, e.IndicePageRappel, n);
    Restaurer(ctx, e.IndicePageRappel);
    if (--e.IndicePageRappel < 0) e.IndicePageRappel = n;
}

void ReafficherPage(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    const int n = DernierePlace(ctx);
    if (n == 0) return;
    if (++e.IndicePageRappel > n || e.IndicePageRappel < 0) e.IndicePageRappel = 0;
    Restaurer(ctx, e.IndicePageRappel);
}
