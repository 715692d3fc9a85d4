#include "layout/Outils.h"
#include "layout/PagesRappel.h"
#include "support/Banc.h"
#include "support/Golden.h"

#include <gtest/gtest.h>

namespace {

// The tools over a 200 x 120 surface, black pen, a ring of twelve pages.
struct BancOutils : Banc {
    BancOutils() : Banc(200, 120) {
        etat().PagesRappelables = 11, etat().CouleurTexte = 0x000000;
        RecreerPages(*ctx);
    }
    OutilsDessin outils{*ctx};
    // Press at `a`, drag through `par`, release at `b`, with `bouton`.
    void Tirer(int outil, QPointF a, const std::vector<QPointF>& par, QPointF b, int bouton = BoutonGauche) {
        if (outils.etat.OutilCourant != outil) outils.Choisir(outil);
        outils.Enfoncer({bouton, false, a.x(), a.y()});
        for (QPointF p : par) outils.Bouger({bouton, false, p.x(), p.y()});
        outils.Relacher({bouton, false, b.x(), b.y()});
    }
    void Clic(QPointF p, int bouton = BoutonGauche) { Tirer(OutilPolygone, p, {}, p, bouton); }
    void Survol(QPointF p) { outils.Bouger({0, false, p.x(), p.y()}); }
};

// The same figures drawn straight on a clean surface of the same size.
QImage Attendu(const std::function<void(Surface&)>& dessin) {
    Surface s(200, 120);
    s.FixerCouleurTrait(0);
    dessin(s);
    return s.Image();
}

// A line dragged about and released draws that one line: the previews cancel wherever they ended,
// also back at the start and on the picture's left or top edge.
TEST(Outils, PreviewsLeaveOnlyTheReleasedFigure) {
    const struct {
        std::vector<QPointF> par;
        QPointF fin;
    } kCas[] = {
        {{{90, 80}, {130, 20}, {40, 40}, {120, 60}}, {120, 60}},  // out and back, released where it stopped
        {{{90, 80}, {40, 40}}, {40, 40}},                          // back to its own start: one dot
        {{{0, 30}, {120, 60}}, {120, 60}},                         // a preview on the left edge
        {{{70, 0}, {0, 0}, {120, 60}}, {120, 60}},                 // on the top edge and the corner
        {{{90, 80}}, {150, 100}},                                  // released away from the last preview
    };
    for (const auto& c : kCas) {
        BancOutils b;
        b.Tirer(OutilLigne, {40, 40}, c.par, c.fin);
        EXPECT_FALSE(b.outils.ApercuAffiche());
        EXPECT_EQ(b.surface.Image(), Attendu([&](Surface& s) { s.Ligne(40, 40, c.fin.x(), c.fin.y()); }))
            << c.fin.x() << "," << c.fin.y();
    }
    // The same for the box and the circle, and for a preview left when the tool changes. The
    // pointer, a number that is no tool and a press while a position is imposed draw nothing.
    BancOutils b;
    b.Tirer(OutilPointeur, {10, 10}, {{50, 50}}, {50, 50});
    b.Tirer(12, {10, 10}, {{50, 50}}, {50, 50});
    b.etat().PositionImposee = true;
    b.Tirer(OutilLigne, {10, 10}, {{50, 60}}, {50, 60});
    EXPECT_EQ(std::tuple(b.etat().XSouris, b.etat().YSouris), std::tuple(50, 60));
    b.etat().PositionImposee = false;
    b.Tirer(OutilRectangle, {30, 30}, {{0, 10}, {60, 0}, {80, 70}}, {80, 70});
    b.Tirer(OutilCercle, {140, 60}, {{140, 0}, {170, 60}}, {170, 60});
    b.outils.Choisir(OutilLigne);
    b.outils.Enfoncer({BoutonGauche, false, 10, 100});
    b.outils.Bouger({BoutonGauche, false, 0, 110});
    b.outils.Choisir(OutilPointeur);
    EXPECT_EQ(b.surface.Image(), Attendu([](Surface& s) {
                  s.Boite(30, 30, 80, 70);
                  s.Cercle(140, 60, 30);
              }));
}

// With filling off, the box tool is an eraser when StyleRemplissage is 0 (no trace of ink or
// outline, also with a wide or dashed pen) and draws outlines only when it is 1.
TEST(Outils, ErasingSquareAndOutlineBox) {
    for (auto [largeur, style] : {std::pair{1, 0}, {3, 0}, {5, 1}}) {
        BancOutils b;
        b.surface.FixerCouleurRemplissage(0x000000);
        b.surface.FixerStyleRemplissage(0);
        b.surface.Boite(20, 20, 180, 100);  // a field of ink
        b.surface.FixerLargeurTrait(largeur);
        b.surface.FixerStyleTrait(style);
        b.etat().CouleurTexte = 0x0000FF, b.etat().StyleRemplissage = 0;
        b.Tirer(OutilRectangle, {40, 40}, {{60, 50}, {90, 80}}, {90, 80});
        for (int y = 35; y <= 85; ++y)  // the box and the reach of its pen
            for (int x = 35; x <= 95; ++x)
                ASSERT_NE(b.surface.LirePixel(x, y), 0x0000FF) << largeur << ": " << x << "," << y;
        for (int y = 40; y <= 80; ++y)
            for (int x = 40; x <= 90; ++x) ASSERT_EQ(b.surface.LirePixel(x, y), 0xFFFFFF) << x << "," << y;
        EXPECT_EQ(b.surface.LirePixel(100, 60), 0x000000);  // ink outside the box stays
        b.etat().StyleRemplissage = 1;
        b.Tirer(OutilRectangle, {110, 40}, {{150, 90}}, {150, 80});
        EXPECT_EQ(b.surface.LirePixel(110, 60), 0x0000FF);  // the outline in the pen colour
        EXPECT_EQ(b.surface.LirePixel(130, 60), 0x000000);  // the ink inside shows through
    }
}

// Clicked vertices with the rubber segment between them; the right click adds its point and closes
// the polygon back to the first vertex. A right click with no polygon started draws nothing.
TEST(Outils, PolygonClosesOnTheRightClick) {
    BancOutils b;
    b.Clic({100, 50}, BoutonDroit);
    EXPECT_EQ(b.surface.Image(), Attendu([](Surface&) {}));
    b.Clic({20, 20});
    b.Survol({60, 90});
    b.Survol({120, 30});
    EXPECT_TRUE(b.outils.ApercuAffiche());
    b.Clic({120, 30});
    b.Survol({0, 0});
    b.Tirer(OutilPolygone, {150, 100}, {{150, 100}}, {150, 100});
    b.Survol({60, 110});
    b.Clic({60, 110}, BoutonDroit);
    EXPECT_FALSE(b.outils.etat.PolygoneEnCours);
    EXPECT_EQ(b.surface.Image(), Attendu([](Surface& s) {
                  s.Ligne(20, 20, 120, 30);
                  s.Ligne(120, 30, 150, 100);
                  s.Ligne(150, 100, 60, 110);
                  s.Ligne(60, 110, 20, 20);
              }));
}

// A picture retouched with every tool, then taken back tool by tool, exactly.
TEST(Outils, EveryToolDrawsItsFigureAndIsUndoneExactly) {
    BancOutils b;
    b.surface.FixerLargeurTrait(2);
    b.outils.etat.MotifRemplissage = 6, b.outils.etat.CouleurFondChoisie = 0x00C000;
    std::vector<QImage> avant;
    const auto etape = [&](Couleur c, const std::function<void()>& f) {
        avant.push_back(b.surface.Image());
        b.etat().CouleurTexte = c;
        f();
    };
    etape(0xC00000, [&] { b.Tirer(OutilLigne, {10, 10}, {{50, 60}, {90, 30}}, {90, 30}); });
    etape(0x0000C0, [&] { b.Tirer(OutilMainLevee, {10, 100}, {{20, 90}, {35, 95}, {50, 80}}, {60, 85}); });
    etape(0x008080, [&] { b.Tirer(OutilRectangle, {100, 10}, {{130, 40}}, {140, 45}); });
    etape(0x800080, [&] {
        b.outils.etat.Remplir = true;
        b.Tirer(OutilRectangle, {150, 10}, {{190, 50}}, {190, 50});
    });
    etape(0x000000, [&] {
        b.Clic({70, 70});
        b.Survol({100, 110});
        b.Clic({100, 110});
        b.Survol({120, 70});
        b.Clic({120, 70}, BoutonDroit);
    });
    etape(0xC0C000, [&] { b.Tirer(OutilCercle, {160, 90}, {{170, 95}}, {175, 100}); });
    etape(0x0080FF, [&] { b.Tirer(OutilEtoile, {40, 50}, {{30, 30}, {60, 35}, {55, 70}}, {25, 65}); });
    etape(0x000000, [&] {
        b.etat().StyleRemplissage = 0;
        b.outils.etat.Remplir = false;
        b.Tirer(OutilRectangle, {45, 45}, {{65, 55}}, {65, 55});
    });
    ComparerImageGolden(b.surface.Image(), QStringLiteral("outils_retouche"));
    for (size_t i = avant.size(); i-- > 0;) {
        AnnulerPage(*b.ctx);
        EXPECT_EQ(b.surface.Image(), avant[i]) << "undo of step " << i;
    }
}

}  // namespace
