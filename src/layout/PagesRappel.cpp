#include "layout/PagesRappel.h"

#include "base/Contexte.h"
#include "config/Bornes.h"
#include "layout/MagasinImages.h"

namespace {

int Derniere(const Contexte& ctx) { return BornePagesRappelables(ctx.etat.PagesRappelables); }

// The last slot of the ring; the page store holds at most 31 snapshots.
int DernierePlace(Contexte& ctx) {
    const int n = Derniere(ctx);
    if (n > 0 && ctx.pages.Places() != n + 1) ctx.pages.FixerPlaces(n + 1);
    return n;
}

int Suivante(int place, int n) { return place >= n || place < 0 ? 0 : place + 1; }

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
    ctx.etat.SommetPageRappel = -1;
    ctx.etat.PagesEnArriere = 0;
}

void MemorisePage(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    const int n = DernierePlace(ctx);
    if (n == 0) return;
    e.IndicePageRappel = Suivante(e.IndicePageRappel, n);
    ctx.pages.Ranger(e.IndicePageRappel, ctx.surface, QPointF(e.PosX, e.PosY));
    e.SommetPageRappel = -1;
    // One slot stays free for the picture "Annuler" leaves.
    e.PagesEnArriere = qMin(e.PagesEnArriere + 1, n);
}

void AnnulerPage(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    const int n = DernierePlace(ctx);
    if (n == 0 || e.PagesEnArriere <= 0) return;
    e.IndicePageRappel = qBound(0, e.IndicePageRappel, n);
    const int devant = Suivante(e.IndicePageRappel, n);
    if (e.SommetPageRappel < 0 || e.SommetPageRappel == devant) {
        ctx.pages.Ranger(devant, ctx.surface, QPointF(e.PosX, e.PosY));
        e.SommetPageRappel = devant;
    }
    Restaurer(ctx, e.IndicePageRappel);
    if (--e.IndicePageRappel < 0) e.IndicePageRappel = n;
    --e.PagesEnArriere;
}

void ReafficherPage(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    const int n = DernierePlace(ctx);
    if (n == 0 || !PeutReafficherPage(ctx)) return;
    e.IndicePageRappel = Suivante(e.IndicePageRappel, n);
    Restaurer(ctx, Suivante(e.IndicePageRappel, n));
    ++e.PagesEnArriere;
}

bool PeutAnnulerPage(const Contexte& ctx) { return Derniere(ctx) > 0 && ctx.etat.PagesEnArriere > 0; }

bool PeutReafficherPage(const Contexte& ctx) {
    const EtatProgramme& e = ctx.etat;
    const int n = Derniere(ctx);
    return n > 0 && e.SommetPageRappel >= 0 && Suivante(e.IndicePageRappel, n) != e.SommetPageRappel;
}
