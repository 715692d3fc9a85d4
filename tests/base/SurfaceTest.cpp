#include "base/Surface.h"

#include <QFile>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <random>
#include <thread>

using testing::AllOf;
using testing::Gt;
using testing::Lt;

namespace {

int Encre(const Surface& s) {
    int n = 0;
    for (int y = 0; y < s.Hauteur(); ++y)
        for (int x = 0; x < s.Largeur(); ++x) n += s.LigneBrute(y)[x] != s.FondRgb();
    return n;
}

// Draws a bit of everything the program draws.
void Figures(Surface& s) {
    s.Ligne(10, 10, 90, 40);
    s.Ligne(5.4, 60.6, 5.4, 20);
    s.Cercle(50, 50, 12);
    s.Boite(60, 60, 80, 75);
    s.Point(3, 3);
    s.FixerPositionTexte(20, 70);
    s.ImprimerTexte("Velmor");
}

TEST(Surface, ColoursCrossAsBgrOutsideReadsMinusOneAndGrowingKeepsTheDrawing) {
    Surface s(20, 10);
    s.FixerCouleurTrait(0x0000FF);  // red
    s.Point(2, 3);
    EXPECT_EQ(std::tuple(s.LirePixel(2, 3), qRed(s.LigneBrute(3)[2])), std::tuple(0x0000FF, 255));
    EXPECT_EQ(s.LirePixel(0, 0), 0xFFFFFF);
    for (auto [x, y] : {std::pair{-1, 0}, {20, 0}, {0, 10}}) EXPECT_EQ(s.LirePixel(x, y), -1);

    Surface g(50, 40);
    g.Ligne(0, 39, 49, 39);
    g.FixerHauteur(100);
    g.FixerLargeur(80);
    EXPECT_EQ(std::tuple(g.Hauteur(), g.LirePixel(49, 39), g.LirePixel(79, 99)), std::tuple(100, 0, 0xFFFFFF));
    g.FixerHauteur(20);
    EXPECT_EQ(std::tuple(g.LirePixel(0, 19), g.LirePixel(0, 39)), std::tuple(0xFFFFFF, -1));
}

// The figures drawn again in the background colour, or twice in invert mode, leave the picture as it was.
TEST(Surface, RedrawingInTheBackgroundOrInvertedTwiceLeavesNothing) {
    Surface s(120, 100);
    for (int largeur : {1, 3}) {
        s.FixerLargeurTrait(largeur);
        s.FixerCouleurTrait(0x123456);
        Figures(s);
        EXPECT_GT(Encre(s), 100);
        s.FixerCouleurTrait(s.CouleurFond());
        Figures(s);
        EXPECT_EQ(Encre(s), 0) << "line width " << largeur;
    }
    s.FixerLargeurTrait(1);
    s.FixerCouleurTrait(0x00FF00);
    s.Ligne(0, 50, 119, 50);
    const QImage avant = s.Image();
    s.FixerModeDessin(Surface::ModeInverse);
    for (int style : {0, 2}) {
        s.FixerStyleTrait(style);
        Figures(s);
        EXPECT_NE(s.Image(), avant);
        Figures(s);
        EXPECT_EQ(s.Image(), avant) << "line style " << style;
    }
}

TEST(Surface, FillStylesAndTransparentLines) {
    Surface s(60, 60);
    s.FixerStyleRemplissage(1);
    s.Boite(10, 10, 40, 40);
    EXPECT_EQ(s.LirePixel(25, 25), 0xFFFFFF);
    s.FixerStyleRemplissage(0);
    s.FixerCouleurRemplissage(0xFF0000);
    s.Boite(10, 10, 40, 40);
    EXPECT_EQ(s.LirePixel(25, 25), 0xFF0000);
    EXPECT_EQ(s.LirePixel(10, 25), 0);  // the outline in the pen colour
    s.Effacer();
    s.FixerStyleRemplissage(2);  // horizontal hatching: some pixels inside, not all
    s.Boite(10, 10, 40, 40);
    const int n = Encre(s);
    EXPECT_THAT(n, AllOf(Gt(120), Lt(31 * 31)));
    s.Effacer();
    s.FixerStyleTrait(5);
    s.Ligne(0, 0, 50, 50);
    EXPECT_EQ(Encre(s), 0);
}

// Lines beyond the edges: what the pen reaches of the picture is painted, as a plain painter does.
TEST(Surface, LinesOutsideThePictureKeepTheirReach) {
    for (int largeur : {1, 2, 3, 5})
        for (int style : {0, 2})
            for (int loin : {1, 2, 3, 4, 8}) {
                Surface s(30, 20);
                s.FixerLargeurTrait(largeur);
                s.FixerStyleTrait(style);
                QImage attendue(30, 20, QImage::Format_RGB32);
                attendue.fill(Surface::VersRgb(0xFFFFFF));
                QPainter p(&attendue);
                p.setRenderHint(QPainter::Antialiasing, false);
                QPen stylo(Qt::black);
                stylo.setWidth(largeur <= 1 ? 0 : largeur);
                stylo.setStyle(style == 2 ? Qt::DotLine : Qt::SolidLine);
                stylo.setCapStyle(Qt::RoundCap);
                p.setPen(stylo);
                const QLine lignes[] = {{2, -loin, 27, -loin}, {2, 19 + loin, 27, 19 + loin},
                                        {-loin, 2, -loin, 17}, {29 + loin, 2, 29 + loin, 17},
                                        {-loin - 5, -loin, -loin, -loin - 5}};
                for (const QLine& l : lignes) {
                    s.Ligne(l.x1(), l.y1(), l.x2(), l.y2());
                    p.drawLine(l);
                }
                p.end();
                EXPECT_EQ(s.Image(), attendue) << "width " << largeur << " style " << style << " at " << loin;
            }
}

TEST(Surface, TextIsAliased) {
    Surface s(200, 60);
    QFont f("Liberation Sans");
    f.setPointSize(16);
    s.FixerPolice(f);
    s.FixerPositionTexte(5, 5);
    s.ImprimerTexte("Velmor");
    EXPECT_GT(s.PositionTexteX(), 40);
    int autres = 0;
    for (int y = 0; y < s.Hauteur(); ++y)
        for (int x = 0; x < s.Largeur(); ++x) {
            const qint64 p = s.LirePixel(x, y);
            autres += p != 0 && p != 0xFFFFFF;
        }
    EXPECT_GT(Encre(s), 50);
    EXPECT_EQ(autres, 0);
}

TEST(Surface, BmpRoundTripIsExactAndStableAndAnUnknownFormatWritesNothing) {
    QTemporaryDir dir;
    Surface s(33, 17);  // an odd width: rows are padded
    s.FixerCouleurTrait(0x3366CC);
    s.Ligne(0, 0, 32, 16);
    const QString a = dir.filePath("a.bmp"), b = dir.filePath("b.bmp");
    ASSERT_TRUE(s.SauverBmp(a));
    ASSERT_TRUE(s.SauverBmp(b));
    QFile fa(a), fb(b);
    ASSERT_EQ(std::tuple(fa.open(QIODevice::ReadOnly), fb.open(QIODevice::ReadOnly)), std::tuple(true, true));
    EXPECT_EQ(fa.readAll(), fb.readAll());
    Surface t(5, 5);
    ASSERT_TRUE(t.ChargerBmp(a));
    EXPECT_EQ(t.Image(), s.Image());
    // A save in an unknown format fails and leaves the file there as it was.
    QFile::copy(a, dir.filePath("a.xyz"));
    EXPECT_FALSE(s.Enregistrer(dir.filePath("a.xyz")));
    EXPECT_EQ(QImage(dir.filePath("a.xyz"), "BMP").size(), s.Image().size());
}

TEST(Surface, PasteCopyAndANewSheet) {
    Surface s(40, 40);
    QImage motif(4, 4, QImage::Format_RGB32);
    motif.fill(qRgb(255, 0, 0));
    s.Coller(motif, 10, 20);
    EXPECT_EQ(std::tuple(s.LirePixel(10, 20), s.LirePixel(13, 23), s.LirePixel(14, 23)), std::tuple(0x0000FF, 0x0000FF, 0xFFFFFF));
    const QImage copie = s.Image();
    s.Ligne(0, 0, 39, 0);  // drawing after a copy leaves the copy as it was
    EXPECT_EQ(copie.pixel(0, 0), qRgb(255, 255, 255));
    // Setting the background starts a new sheet.
    s.FixerCouleurFond(0x00FFFF);
    EXPECT_EQ(s.LirePixel(10, 20), 0x00FFFF);
}

// The blank bound the line scanners trust: right of DroiteEncre every pixel of the row is the
// background, whatever was drawn, inverted, pasted, resized or cleared before.
TEST(Surface, ColumnsRightOfTheInkBoundAreBackground) {
    std::mt19937 alea(11);
    const auto n = [&](int a, int b) { return a + static_cast<int>(alea() % static_cast<unsigned>(b - a + 1)); };
    Surface s(120, 90);
    QImage motif(7, 5, QImage::Format_RGB32);
    motif.fill(qRgb(0, 90, 0));
    for (int pas = 0; pas < 3000; ++pas) {
        s.FixerLargeurTrait(n(0, 3) == 0 ? n(2, 9) : 1);
        s.FixerStyleTrait(n(0, 5) == 0 ? n(1, 4) : 0);
        s.FixerModeDessin(n(0, 4) == 0 ? Surface::ModeInverse : Surface::ModeCopie);
        s.FixerStyleRemplissage(n(0, 7));
        // Small figures anywhere, so that most rows keep a bound inside the picture.
        const int x = n(-10, 130), y = n(-10, 100), dx = n(-40, 40), dy = n(-40, 40);
        switch (n(0, 9)) {
        case 0: case 1: case 2: s.Ligne(x, y, x + dx, y + dy); break;
        case 3: s.Point(x, y); break;
        case 4: s.Boite(x, y, x + dx, y + dy); break;
        case 5: s.Cercle(x, y, dx); break;
        case 6: s.FixerPositionTexte(x, y); s.ImprimerTexte("Wj"); break;
        case 7: s.Coller(motif, x, y); break;
        case 8: if (n(0, 40) == 0) s.Redimensionner(n(60, 160), n(40, 120)); break;
        default: if (n(0, 8) == 0) s.Effacer(); break;
        }
        for (int y = 0; y < s.Hauteur(); ++y) {
            const int d = s.Encre().Droite(y, y);
            for (int x = qMax(0, d + 1); x < s.Largeur(); ++x)
                ASSERT_EQ(s.LigneBrute(y)[x], s.FondRgb()) << "step " << pas << " row " << y << " column " << x;
        }
    }
    s.Effacer();
    EXPECT_EQ(s.Encre().Droite(0, s.Hauteur() - 1), -1);
}

std::vector<Trace> Contenu(const ListeTraces& l) {
    std::vector<Trace> r;
    l.PourChaque([&](const Trace& t) { r.push_back(t); });
    return r;
}

// Lists and their copies, over several blocks, each keep what was recorded in them while the
// others change, copies being dropped on another thread as the screen store does.
TEST(ListeTraces, CopiesKeepTheirRecordsWhileTheOriginalChanges) {
    std::mt19937 alea(11);
    ListeTraces liste;
    std::vector<Trace> modele;
    std::vector<std::pair<std::shared_ptr<ListeTraces>, std::vector<Trace>>> copies;
    for (int pas = 0; pas < 6000; ++pas) {
        Trace t;
        t.x1 = pas;
        t.y1 = static_cast<int>(alea() % 50);
        t.inverse = alea() % 4 == 0;
        // An inverted figure drawn again the same way cancels the last one like it.
        const Trace pareil = t.inverse && !modele.empty() ? modele[alea() % modele.size()] : t;
        liste.Ajouter(pareil);
        const auto dernier = std::find(modele.rbegin(), modele.rend(), pareil);
        if (pareil.inverse && dernier != modele.rend())
            modele.erase(std::next(dernier).base());
        else
            modele.push_back(pareil);
        if (alea() % 500 == 0) copies.emplace_back(std::make_shared<ListeTraces>(liste), modele);
    }
    EXPECT_EQ(Contenu(liste), modele);
    for (const auto& [copie, attendu] : copies) EXPECT_EQ(Contenu(*copie), attendu);
    copies.erase(copies.begin(), copies.begin() + static_cast<std::ptrdiff_t>(copies.size() / 2));
    std::thread([&] { copies.clear(); }).join();
    liste.Ajouter(Trace{});
    modele.push_back(Trace{});
    EXPECT_EQ(Contenu(liste), modele);
}

}  // namespace
