// Vector outputs: the SVG rasterised again at 1:1 gives the bitmap's pixels, the list of drawn
// figures follows the pixels through clearing, undo, screens, invert mode and cuts, and the PDF
// has a page per picture.
#include "outputs/ExportVectoriel.h"

#include "drawing/Dessin.h"
#include "layout/Ecrans.h"
#include "layout/PagesRappel.h"
#include "outputs/RenduAPI.h"
#include "support/ImageCrenelee.h"
#include "support/Programme.h"
#include "support/Sortie.h"

#include <QSvgRenderer>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace {

QImage Rasteriser(const QByteArray& svg, QSize taille) {
    QSvgRenderer rendu(svg);
    EXPECT_TRUE(rendu.isValid());
    QImage image(taille, QImage::Format_RGB32);
    image.fill(Qt::magenta);  // the background rectangle must cover it
    ImageCrenelee appareil(&image);
    QPainter p(&appareil);
    rendu.render(&p);
    p.end();
    return image;
}

// Pixels where the rasterised SVG of the surface differs from the surface.
int Ecarts(const Surface& s) {
    const QImage bitmap = s.Image();
    const QImage rendue = Rasteriser(DocumentSvg(FeuilleDe(s)), bitmap.size());
    int n = 0;
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x) n += (bitmap.pixel(x, y) & 0xFFFFFF) != (rendue.pixel(x, y) & 0xFFFFFF);
    return n;
}

bool ImagesSeules(const Surface& s) {
    bool seules = true;
    s.Traces().PourChaque([&](const Trace& t) { seules &= t.sorte == Trace::Image; });
    return seules;
}

TEST(ExportVectoriel, SvgRasterisedAtOneToOneGivesTheBitmap) {
    const struct {
        const char* nom;
        std::function<void(Programme&)> dessiner;
    } cas[] = {
        {"path commands, widths 1 to 4, fills",
         [](Programme& p) {
             Surface& s = p.surface;
             for (int largeur : {1, 2, 3, 4}) {
                 s.FixerLargeurTrait(largeur);
                 double x = 20 + 200 * (largeur - 1), y = 60;
                 Dessin(*p.ctx, QStringLiteral("R4U6E2R3F2D6L2H1U3L3D3G1T34P22B11C2S0N0T0;"), x, y, 1, 0x2040C0, {});
                 s.FixerStyleRemplissage(0);
                 s.FixerCouleurRemplissage(0x00FF00);
                 s.Boite(x + 60, 150, x + 90, 170);
                 s.Cercle(x + 120, 160, 9);
                 s.FixerStyleRemplissage(1);
                 s.Ligne(x + 150, 100, x + 150, 100);
             }
         }},
        {"one-pixel lines of every slope, in and out of the picture",
         [](Programme& p) {
             Surface& s = p.surface;
             for (int k = 0; k < 360; k += 7) {
                 const double a = k * 3.14159265 / 180;
                 s.Ligne(450, 100, 450 + 430 * std::cos(a), 100 + 97 * std::sin(a));
                 s.Ligne(100 + k, 5, 101 + k + k % 23, 190 - k % 41);
             }
             s.Ligne(-30, 150, 60, 199);
             s.Ligne(880, 3, 940, -20);
         }},
        {"relief at size 2",
         [](Programme& p) {
             p.etat().Relief = true, p.etat().Taille = 2;
             p.Ecrire("bonjour ami, ta'bo");
         }},
        {"multicolour",
         [](Programme& p) {
             p.etat().TexteMulticolore = true;
             p.etat().CouleursMulticolores = {"0", "16711680", "255", "16711680", "16711680", "255",
                                              "255", "255", "65280", "255", "255"};
             p.Ecrire("bonjour ami bai leo");
         }},
        {"IPA word",
         [](Programme& p) {
             p.etat().PosX = 10, p.etat().PosY = 40;
             EcritAPI(*p.ctx, QStringLiteral("b:a"));
         }},
    };
    for (const auto& c : cas) {
        Programme p(c.nom == std::string("IPA word") ? QStringLiteral(VELMOR_PROGRAM_DATA) : QStringLiteral(VELMOR_TEST_DATA "/tables"),
                    900, 200);
        p.fenetre.zoneVisible = QRect(0, 0, 900 * 15, 200 * 15);
        c.dessiner(p);
        EXPECT_GT(p.Encre().size(), 15u) << c.nom;
        EXPECT_FALSE(p.surface.Traces().Vide()) << c.nom;
        EXPECT_EQ(Ecarts(p.surface), 0) << c.nom;
    }
}

// What goes out is what the surface holds, not what was drawn on it before.
TEST(ExportVectoriel, TheListFollowsThePixels) {
    Banc b(200, 120);
    Surface& s = b.surface;
    const auto figure = [&s](int x) {
        s.Ligne(x, 10, x + 30, 40);
        s.Cercle(x + 10, 80, 8);
        s.Point(x + 5, 100);
    };
    figure(10);
    s.Effacer();
    EXPECT_TRUE(s.Traces().Vide());
    figure(100);
    EXPECT_EQ(Ecarts(s), 0) << "cleared";
    // Inverted figures: drawn twice they leave nothing in the list, left once they go out as pixels.
    const size_t avant = s.Traces().Taille();
    s.FixerModeDessin(Surface::ModeInverse);
    s.FixerLargeurTrait(3);
    figure(90);
    figure(90);
    EXPECT_EQ(s.Traces().Taille(), avant);
    figure(95);
    s.FixerModeDessin(Surface::ModeCopie);
    s.FixerLargeurTrait(1);
    s.Ligne(0, 70, 199, 70);  // over the inverted figure
    EXPECT_EQ(Ecarts(s), 0) << "inverted";
    // Cut then grown: what lay beyond the cut stays gone.
    s.Redimensionner(120, 50);
    s.Redimensionner(200, 120);
    figure(150);
    EXPECT_EQ(Ecarts(s), 0) << "cut";
    // Undo and screens bring back the list with the pixels.
    b.etat().PagesRappelables = 3;
    s.Effacer();
    figure(20);
    MemorisePage(*b.ctx);
    figure(120);
    MemorisePage(*b.ctx);
    s.Effacer();
    AnnulerPage(*b.ctx);
    EXPECT_FALSE(ImagesSeules(s));  // the list came back, not a picture of the pixels
    EXPECT_EQ(Ecarts(s), 0) << "undone";
    AnnulerPage(*b.ctx);
    EXPECT_EQ(Ecarts(s), 0) << "undone twice";
    b.etat().PosX = 50;
    b.fenetre.textes["TxtPaq"] = "1";
    MemoriseEcran(*b.ctx);
    s.Effacer();
    figure(60);
    ASSERT_TRUE(AfficherEcran(*b.ctx, 1));
    EXPECT_FALSE(ImagesSeules(s));
    EXPECT_EQ(Ecarts(s), 0) << "screen";
    // A picture taken whole becomes one embedded picture; switched off, the list keeps nothing.
    s.RemplacerImage(s.Image());
    EXPECT_EQ(s.Traces().Taille(), 1u);
    EXPECT_EQ(Ecarts(s), 0) << "replaced";
    s.Traces().FixerActive(false);
    figure(10);
    EXPECT_TRUE(s.Traces().Vide());
}

TEST(ExportVectoriel, RenderWritesSvgAndPdf) {
    QTemporaryDir dir;
    Sortie s;
    const QString tables = QStringLiteral(VELMOR_TEST_DATA "/tables");
    for (const char* genre : {"png", "svg", "pdf"})
        ASSERT_EQ(s.Lancer({"render", "ba bo bi ta'bo", "--langue", "PH", "--taille", "2", "--relief", "--rogner", "-o",
                            dir.filePath(QStringLiteral("r.") + genre)}, tables), 0) << genre;
    const QImage png(dir.filePath("r.png"));
    QFile svg(dir.filePath("r.svg")), pdf(dir.filePath("r.pdf"));
    ASSERT_EQ(std::tuple(svg.open(QIODevice::ReadOnly), pdf.open(QIODevice::ReadOnly)), std::tuple(true, true));
    const QImage rendue = Rasteriser(svg.readAll(), png.size());
    EXPECT_EQ(rendue, png.convertToFormat(QImage::Format_RGB32));
    const QByteArray octets = pdf.readAll();
    EXPECT_TRUE(octets.startsWith("%PDF"));
    EXPECT_TRUE(octets.contains(QStringLiteral("/MediaBox [0 0 %1.000000 %2.000000]").arg(png.width()).arg(png.height()).toLatin1()));
}

}  // namespace
