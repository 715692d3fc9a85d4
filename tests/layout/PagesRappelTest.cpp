#include "base/Surface.h"
#include "layout/MagasinImages.h"
#include "layout/PagesRappel.h"
#include "support/Banc.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

// "Annuler" goes back over the snapshots the ring still holds and no further; it first keeps the
// picture it leaves, which "Reaffiche" brings back last, and nothing beyond it. A new snapshot
// drops what was stepped back over.
TEST(PagesRappel, UndoKeepsTheNewestPictureForRedoAndStopsAtBothEnds) {
    Banc b(200, 120);
    EtatProgramme& e = b.etat();
    e.PagesRappelables = 3;  // four slots, 0 to 3
    std::vector<QImage> images;
    for (int i = 1; i <= 5; ++i) {
        b.surface.FixerCouleurTrait(static_cast<Couleur>(0x10 * i));
        b.surface.Ligne(10 * i, 10, 10 * i, 100);
        e.PosX = 100 + i, e.PosY = 38 * i;
        MemorisePage(*b.ctx);
        images.push_back(b.surface.Image());
    }
    EXPECT_EQ(e.IndicePageRappel, 1);  // 1, 2, 3, 0, 1
    b.surface.Ligne(0, 60, 199, 60);
    e.PosX = e.PosY = 150;
    const QImage derniere = b.surface.Image();
    // Three snapshots back (the fourth slot keeps the newest picture), then forward to the newest.
    for (const auto& [annuler, attendue, x, peutAnnuler, peutReafficher] :
         {std::tuple{true, images[4], 105, true, true}, {true, images[3], 104, true, true},
          {true, images[2], 103, false, true}, {true, images[2], 103, false, true},
          {false, images[3], 104, true, true}, {false, images[4], 105, true, true},
          {false, derniere, 150, true, false}, {false, derniere, 150, true, false}}) {
        annuler ? AnnulerPage(*b.ctx) : ReafficherPage(*b.ctx);
        EXPECT_EQ(std::tuple(b.surface.Image() == attendue, e.PosX, e.XDebutMot, PeutAnnulerPage(*b.ctx), PeutReafficherPage(*b.ctx)),
                  std::tuple(true, x, x, peutAnnuler, peutReafficher)) << annuler << " " << x;
    }
    AnnulerPage(*b.ctx);
    AnnulerPage(*b.ctx);
    MemorisePage(*b.ctx);  // a new word after stepping back
    b.surface.Ligne(0, 30, 199, 30);
    const QImage autre = b.surface.Image();
    EXPECT_FALSE(PeutReafficherPage(*b.ctx));
    AnnulerPage(*b.ctx);
    EXPECT_EQ(b.surface.Image(), images[3]);
    ReafficherPage(*b.ctx);
    EXPECT_EQ(b.surface.Image(), autre);
    // A zero coordinate keeps the cursor; zero pages store nothing.
    Banc z(100, 80);
    EtatProgramme& ez = z.etat();
    ez.PagesRappelables = 2, ez.PosX = 0, ez.PosY = 50;
    MemorisePage(*z.ctx);
    ez.PosX = 40, ez.PosY = 60;
    AnnulerPage(*z.ctx);
    EXPECT_EQ(std::tuple(ez.PosX, ez.PosY), std::tuple(40, 60));
    Banc sans(100, 80);
    sans.etat().PagesRappelables = 0;
    MemorisePage(*sans.ctx);
    AnnulerPage(*sans.ctx);
    ReafficherPage(*sans.ctx);
    EXPECT_EQ(std::tuple(sans.etat().IndicePageRappel, sans.ctx->pages.Occupee(1)), std::tuple(0, false));
}

TEST(MagasinImages, SharesUnchangedTilesAndEveryKindOfTileComesBackExact) {
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(0xFFFFFFFF);
    QRandomGenerator alea(7);
    for (int i = 0; i < 3000; ++i) image.setPixel(alea.bounded(300), alea.bounded(200), alea.generate() | 0xFF000000u);

    MagasinImages m(4, true);
    ASSERT_TRUE(m.Ranger(0, image, {1, 2}));
    const qint64 un = m.Octets();
    QImage change = image;
    change.setPixel(150, 100, 0xFF000000u);
    ASSERT_TRUE(m.Ranger(1, change, {3, 4}));
    const qint64 tuile = 64 * 64 * 4;
    EXPECT_LT(m.Octets() - un, tuile + 1024);  // one tile more, not a whole picture
    EXPECT_EQ(m.Image(0), image);
    EXPECT_EQ(m.Image(1), change);
    EXPECT_EQ(m.Position(1), QPointF(3, 4));
    // A taller picture shares what it has in common with the last one and stays exact.
    QImage grande(300, 260, QImage::Format_RGB32);
    grande.fill(0xFF00FF00u);
    for (int y = 0; y < 200; ++y) memcpy(grande.scanLine(y), change.constScanLine(y), 300 * 4);
    ASSERT_TRUE(m.Ranger(2, grande));
    EXPECT_EQ(m.Image(2), grande);
    EXPECT_EQ(m.Image(0), image);
    EXPECT_FALSE(m.Ranger(4, image));
    EXPECT_TRUE(m.Image(3).isNull());
    // Every kind of tile in one picture, edge tiles cut short: plain, background and one ink (a
    // line drawn), many colours, and noise that no compressor shrinks; a two-colour picture costs little.
    image.fill(0xFFFFFFFF);
    for (int x = 0; x < 300; ++x) image.setPixel(x, (x * 7) % 200, 0xFF000000u);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) image.setPixel(x, 130 + y % 70, alea.generate() | 0xFF000000u);
    for (int y = 0; y < 8; ++y) image.setPixel(290 + y, 195, 0xFF000000u | (0x010203u * y));
    MagasinImages seul(1);  // without sharing
    ASSERT_TRUE(seul.Ranger(0, image, {5, 6}));
    EXPECT_EQ(seul.Image(0), image);
    QImage encre(1600, 1200, QImage::Format_RGB32);
    encre.fill(0xFFFFFFFF);
    for (int y = 0; y < 1200; y += 3)
        for (int x = y % 7; x < 1600; x += 5) encre.setPixel(x, y, 0xFF102030u);
    MagasinImages deux(1);
    ASSERT_TRUE(deux.Ranger(0, encre));
    EXPECT_EQ(deux.Image(0), encre);
    EXPECT_LT(deux.Octets(), encre.sizeInBytes() / 16);
}

// A store that follows a surface compares only the bands the surface changed, and one told of a
// clearing keeps the bands left untouched since as plain: whatever drew in between (lines, points,
// boxes, text, clearing, another background, another picture, another surface), every snapshot
// comes back as the picture was.
TEST(MagasinImages, SnapshotsOfASurfaceFollowEveryChange) {
    for (bool partage : {true, false}) {
        Surface s(300, 330);
        MagasinImages m(14, partage);
        std::vector<QImage> attendues;
        const auto cliche = [&] {
            const int place = static_cast<int>(attendues.size());
            ASSERT_TRUE(m.Ranger(place, s, {1, 1}));
            attendues.push_back(s.Image().copy());
        };
        cliche();
        s.Ligne(10, 10, 200, 12);
        cliche();
        s.Point(299, 329);
        cliche();
        s.FixerLargeurTrait(3);
        s.Ligne(5, 250, 290, 140);
        cliche();
        s.FixerStyleRemplissage(0);
        s.Boite(100, 100, 180, 300);
        cliche();
        s.FixerPositionTexte(20, 200);
        s.ImprimerTexte(QStringLiteral("Velmor"));
        cliche();
        cliche();  // nothing changed: all shared
        s.Effacer();
        cliche();
        s.Ligne(0, 70, 299, 80);
        cliche();
        s.FixerCouleurFond(0x00336699);
        s.Point(7, 7);
        cliche();
        QImage autre(300, 330, QImage::Format_RGB32);
        autre.fill(0xFF336699u);
        s.RemplacerImage(autre);
        cliche();
        Surface t(300, 330);
        t.Ligne(0, 0, 299, 329);
        ASSERT_TRUE(m.Ranger(static_cast<int>(attendues.size()), t));
        attendues.push_back(t.Image().copy());
        s.Point(3, 3);
        cliche();
        for (size_t i = 0; i < attendues.size(); ++i) EXPECT_EQ(m.Image(static_cast<int>(i)), attendues[i]) << partage << " " << i;
    }
}

// Screens taken away as the surface is cleared: the surface is left as Effacer leaves it, each
// place gives its picture back exact and with what was drawn, before and after its coding, through
// screens coming faster than the thread, a place stored again, another background and an emptied
// store.
TEST(MagasinImages, PicturesTakenAwayAtAClearingComeBackExact) {
    Surface s(300, 200), temoin(300, 200);
    MagasinImages m(12);
    std::vector<QImage> attendues;
    std::vector<size_t> traces;
    for (int i = 0; i < 12; ++i) {
        if (i == 7) {
            s.FixerCouleurFond(0x00336699);
            temoin.FixerCouleurFond(0x00336699);
        }
        for (Surface* x : {&s, &temoin}) {
            x->Ligne(5 * i, 10, 290, 20 + 13 * i);
            x->Cercle(40 + 20 * i, 150, 8 + i);
            x->Point(299, 199);
        }
        attendues.push_back(s.Image().copy());
        traces.push_back(s.Traces().Taille());
        ASSERT_TRUE(m.RangerEtEffacer(i, s, {double(i), 2}));
        if (i % 4 == 0) m.Attendre();  // a sheet ready: the next picture is taken away uncoded
        temoin.Effacer();
        EXPECT_EQ(s.Image(), temoin.Image()) << i;
        EXPECT_EQ(std::tuple(s.Traces().Vide(), s.Encre().Droite(0, 199)), std::tuple(true, -1)) << i;
        EXPECT_EQ(m.Image(i), attendues.back()) << i;  // coded or not yet
    }
    ASSERT_TRUE(m.RangerEtEffacer(3, s, {}));  // a blank screen over a stored one
    attendues[3] = temoin.Image(), traces[3] = 0;
    m.Attendre();
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(m.Image(i), attendues[static_cast<size_t>(i)]) << i;
        EXPECT_EQ(m.Traces(i)->Taille(), traces[static_cast<size_t>(i)]) << i;
    }
    EXPECT_EQ(m.Position(5), QPointF(5, 2));
    EXPECT_LT(m.Octets(), 12 * 300 * 200 * 4 / 4);
    s.Ligne(0, 0, 100, 100);
    ASSERT_TRUE(m.RangerEtEffacer(0, s, {}));
    m.Vider();
    m.Attendre();
    EXPECT_FALSE(m.Occupee(0));
    EXPECT_FALSE(m.RangerEtEffacer(12, s, {}));
}

}  // namespace
