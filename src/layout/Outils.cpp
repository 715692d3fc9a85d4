#include "layout/Outils.h"

#include "base/Contexte.h"
#include "base/Surface.h"
#include "layout/AffichageEtat.h"
#include "layout/PagesRappel.h"

#include <cmath>

namespace {

enum class Forme { Ligne, Boite, Cercle };

// A figure from (x1, y1) to (x2, y2): a line's ends, a box's corners, a circle's centre and a point
// of its rim.
struct Figure {
    Forme forme;
    double x1, y1, x2, y2;
};

double Radius(double x1, double y1, double x2, double y2) { return std::hypot(x2 - x1, y2 - y1); }

void Tracer(Surface& s, const Figure& f) {
    switch (f.forme) {
        case Forme::Ligne: s.Ligne(f.x1, f.y1, f.x2, f.y2); break;
        case Forme::Boite: s.Boite(f.x1, f.y1, f.x2, f.y2); break;
        case Forme::Cercle: s.Cercle(f.x1, f.y1, Radius(f.x1, f.y1, f.x2, f.y2)); break;
    }
}

// The pen settings a figure is drawn with.
struct Stylo {
    int largeur, style, motif, mode;
    Couleur remplissage;
    static Stylo De(const Surface& s) {
        return {s.LargeurTrait(), s.StyleTrait(), s.StyleRemplissage(), s.ModeDessin(), s.CouleurRemplissage()};
    }
    void Appliquer(Surface& s) const {
        s.FixerLargeurTrait(largeur);
        s.FixerStyleTrait(style);
        s.FixerStyleRemplissage(motif);
        s.FixerModeDessin(mode);
        s.FixerCouleurRemplissage(remplissage);
    }
};

}  // namespace

// The inverted preview on the surface, kept with the pen it was drawn with so that drawing it again
// erases it exactly, whatever changed in between. Shown does not depend on where it ends: a preview
// ending on the picture's left or top edge is erased like any other.
class Apercu {
public:
    bool affiche = false;

    void Montrer(Surface& s, const Figure& f) {
        Effacer(s);
        s.FixerModeDessin(Surface::ModeInverse);
        Tracer(s, f);
        figure_ = f;
        stylo_ = Stylo::De(s);
        affiche = true;
    }
    void Effacer(Surface& s) {
        if (!affiche) return;
        const Stylo courant = Stylo::De(s);
        stylo_.Appliquer(s);
        Tracer(s, figure_);
        courant.Appliquer(s);
        affiche = false;
    }

private:
    Figure figure_{};
    Stylo stylo_{};
};

class Outil {
public:
    Outil(Contexte& ctx, EtatOutils& e, Apercu& a) : ctx_(ctx), e_(e), apercu_(a), s_(ctx.surface) {}
    virtual ~Outil() = default;
    virtual void Enfonce(const Souris&) {}
    virtual void Bouge(const Souris&) {}
    virtual void Relache(const Souris&) {}

protected:
    static bool Gauche(const Souris& m) { return m.boutons & BoutonGauche; }
    Figure Depuis(Forme f, const Souris& m) const { return {f, e_.XDepart, e_.YDepart, m.x, m.y}; }
    // The preview of a figure from the start point to the mouse; its end becomes XFin, YFin.
    void Previsualiser(const Figure& f) {
        apercu_.Montrer(s_, f);
        e_.XFin = static_cast<float>(f.x2);
        e_.YFin = static_cast<float>(f.y2);
    }
    // Commits a figure: the preview goes, the picture goes to the ring, the figure is drawn in the
    // copy-pen mode and the preview end is reset.
    void Valider(const Figure& f) {
        apercu_.Effacer(s_);
        MemorisePage(ctx_);
        s_.FixerModeDessin(Surface::ModeCopie);
        Tracer(s_, f);
        e_.XFin = e_.YFin = 0;
    }

    Contexte& ctx_;
    EtatOutils& e_;
    Apercu& apercu_;
    Surface& s_;
};

namespace {

class TraceLigne : public Outil {
public:
    using Outil::Outil;
    void Bouge(const Souris& m) override {
        if (Gauche(m)) Previsualiser(Depuis(Forme::Ligne, m));
    }
    void Relache(const Souris& m) override {
        if (Gauche(m)) Valider(Depuis(Forme::Ligne, m));
    }
};

// A tool that draws straight away as the mouse moves: the picture goes to the ring when the button
// goes down.
class TraceDirect : public Outil {
public:
    using Outil::Outil;
    void Enfonce(const Souris& m) override {
        if (!Gauche(m)) return;
        MemorisePage(ctx_);
        s_.FixerModeDessin(Surface::ModeCopie);
    }
};

// The stroke follows the mouse.
class TraceMainLevee final : public TraceDirect {
public:
    using TraceDirect::TraceDirect;
    void Bouge(const Souris& m) override {
        if (!Gauche(m)) return;
        s_.Ligne(e_.XDepart, e_.YDepart, m.x, m.y);
        e_.XDepart = static_cast<float>(m.x);
        e_.YDepart = static_cast<float>(m.y);
    }
    void Relache(const Souris& m) override {
        if (!Gauche(m)) return;
        if (e_.XDepart != static_cast<float>(m.x) || e_.YDepart != static_cast<float>(m.y)) Bouge(m);
        ctx_.etat.LargeurTraitSauvee = static_cast<int16_t>(s_.LargeurTrait());
        s_.FixerLargeurTrait(1);
        s_.Point(m.x, m.y);
        s_.FixerLargeurTrait(ctx_.etat.LargeurTraitSauvee);
    }
};

class TraceRectangle final : public Outil {
public:
    using Outil::Outil;
    void Bouge(const Souris& m) override {
        Preparer();
        if (!Gauche(m)) return;
        if (e_.Remplir) {  // no preview: the box is drawn on release
            e_.XFin = static_cast<float>(m.x);
            e_.YFin = static_cast<float>(m.y);
        } else {
            Previsualiser(Depuis(Forme::Boite, m));
        }
    }
    void Relache(const Souris& m) override {
        if (!Gauche(m)) return;
        Preparer();
        if (e_.Remplir) s_.FixerCouleurRemplissage(e_.CouleurFondChoisie);
        Valider(Depuis(Forme::Boite, m));
        if (!e_.Remplir && ctx_.etat.StyleRemplissage == 0) Gommer(m);
    }

private:
    void Preparer() {
        if (e_.Remplir) {
            s_.FixerStyleRemplissage(e_.MotifRemplissage);
        } else {
            s_.FixerCouleurRemplissage(s_.CouleurFond());
            s_.FixerStyleRemplissage(ctx_.etat.StyleRemplissage);
        }
    }
    // The erasing square: its edges again in the background colour, solid so that a dashed outline
    // leaves no trace either.
    void Gommer(const Souris& m) {
        const Couleur trait = s_.CouleurTrait(), fond = s_.CouleurFond();
        const int largeur = s_.LargeurTrait(), style = s_.StyleTrait();
        s_.FixerCouleurTrait(fond);
        s_.FixerStyleTrait(0);
        if (largeur >= 2) s_.FixerLargeurTrait(2 * largeur);
        const double x1 = e_.XDepart, y1 = e_.YDepart, x2 = m.x, y2 = m.y;
        s_.Ligne(x1, y1, x2, y1);
        s_.Ligne(x2, y1, x2, y2);
        s_.Ligne(x2, y2, x1, y2);
        s_.Ligne(x1, y2, x1, y1);
        s_.FixerLargeurTrait(1);
        s_.Point(x2, y2, fond);
        s_.FixerLargeurTrait(largeur);
        s_.FixerStyleTrait(style);
        s_.FixerCouleurTrait(trait);
    }
};

// Edges from the current vertex; a right click closes the polygon back to its first vertex. The
// picture goes to the ring once, before the first edge.
class TracePolygone final : public Outil {
public:
    using Outil::Outil;
    void Enfonce(const Souris& m) override {
        if (e_.PolygoneEnCours) return;
        memorise_ = false;
        sommetX_ = m.x;
        sommetY_ = m.y;
    }
    void Bouge(const Souris& m) override {
        if (!Gauche(m) && !e_.PolygoneEnCours) return;
        e_.PolygoneEnCours = true;
        Previsualiser({Forme::Ligne, sommetX_, sommetY_, m.x, m.y});
    }
    void Relache(const Souris& m) override {
        if (Gauche(m)) {
            Arete(m.x, m.y);
            e_.PolygoneEnCours = true;
        } else if ((m.boutons & BoutonDroit) && e_.PolygoneEnCours) {
            Arete(m.x, m.y);
            Arete(e_.XPremier, e_.YPremier);
            e_.PolygoneEnCours = false;
        }
    }

private:
    // The edge from the current vertex to (x, y), which becomes the current vertex.
    void Arete(double x, double y) {
        apercu_.Effacer(s_);
        if (!memorise_) MemorisePage(ctx_);
        memorise_ = true;
        s_.FixerModeDessin(Surface::ModeCopie);
        if (x != sommetX_ || y != sommetY_) s_.Ligne(sommetX_, sommetY_, x, y);
        sommetX_ = x;
        sommetY_ = y;
        e_.XFin = e_.YFin = 0;
    }
    double sommetX_ = 0, sommetY_ = 0;  // the current vertex: the end of the last edge
    bool memorise_ = false;
};

class TraceCercle final : public Outil {
public:
    using Outil::Outil;
    void Bouge(const Souris& m) override {
        s_.FixerStyleRemplissage(e_.Remplir ? e_.MotifRemplissage : 1);
        if (Gauche(m)) Previsualiser(Depuis(Forme::Cercle, m));
    }
    void Relache(const Souris& m) override {
        if (!Gauche(m)) return;
        s_.FixerStyleRemplissage(e_.Remplir ? e_.MotifRemplissage : 1);
        Valider(Depuis(Forme::Cercle, m));
    }
};

// Rays from the centre, drawn as the mouse moves.
class TraceEtoile final : public TraceDirect {
public:
    using TraceDirect::TraceDirect;
    void Bouge(const Souris& m) override {
        if (Gauche(m)) s_.Ligne(e_.XDepart, e_.YDepart, m.x, m.y);
    }
    void Relache(const Souris& m) override {
        if (!Gauche(m)) return;
        s_.FixerModeDessin(Surface::ModeCopie);
        s_.Ligne(e_.XDepart, e_.YDepart, m.x, m.y);
        e_.XFin = e_.YFin = 0;
    }
};

}  // namespace

OutilsDessin::OutilsDessin(Contexte& ctx) : ctx_(ctx) {
    static_assert(OutilEtoile == 7);
    apercu_ = std::make_unique<Apercu>();
    Apercu& a = *apercu_;
    outils_[OutilPointeur] = std::make_unique<Outil>(ctx, etat, a);
    outils_[OutilLigne] = std::make_unique<TraceLigne>(ctx, etat, a);
    outils_[OutilMainLevee] = std::make_unique<TraceMainLevee>(ctx, etat, a);
    outils_[OutilRectangle] = std::make_unique<TraceRectangle>(ctx, etat, a);
    outils_[OutilPolygone] = std::make_unique<TracePolygone>(ctx, etat, a);
    outils_[OutilCercle] = std::make_unique<TraceCercle>(ctx, etat, a);
    outils_[OutilEtoile] = std::make_unique<TraceEtoile>(ctx, etat, a);
}

OutilsDessin::~OutilsDessin() = default;

Outil* OutilsDessin::Courant() const {
    const int n = etat.OutilCourant;
    return n >= 1 && n <= 7 ? outils_[static_cast<size_t>(n)].get() : nullptr;
}

bool OutilsDessin::ApercuAffiche() const { return apercu_->affiche; }

void OutilsDessin::Choisir(int outil) {
    apercu_->Effacer(ctx_.surface);
    etat.PolygoneEnCours = false;
    etat.XFin = etat.YFin = 0;
    etat.OutilCourant = outil;
}

void OutilsDessin::Oublier() {
    apercu_->affiche = false;
    etat.PolygoneEnCours = false;
    etat.XFin = etat.YFin = 0;
}

void OutilsDessin::Enfoncer(const Souris& m) {
    etat.XDepart = static_cast<float>(m.x);
    etat.YDepart = static_cast<float>(m.y);
    if (!etat.PolygoneEnCours) {
        etat.XPremier = etat.XDepart;
        etat.YPremier = etat.YDepart;
    }
    if (ctx_.etat.PositionImposee) return;  // the click places the writing cursor instead
    ctx_.surface.FixerCouleurTrait(ctx_.etat.CouleurTexte);
    if (Outil* o = Courant()) o->Enfonce(m);
}

void OutilsDessin::Bouger(const Souris& m) {
    ctx_.etat.XSouris = m.x;
    ctx_.etat.YSouris = m.y;
    AfficheEtat(ctx_);
    if (ctx_.etat.PositionImposee) return;
    ctx_.surface.FixerCouleurTrait(ctx_.etat.CouleurTexte);
    if (Outil* o = Courant()) o->Bouge(m);
}

void OutilsDessin::Relacher(const Souris& m) {
    if (ctx_.etat.PositionImposee) return;
    if (Outil* o = Courant()) o->Relache(m);
}
