#include "gui/Editeur.h"
#include "app/LecteurInconnus.h"
#include "app/windows/FenetreRepos.h"
#include "layout/Outils.h"
#include "base/FichiersImages.h"
#include "base/Texte8Bits.h"

#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <gmock/gmock.h>

using testing::AllOf;
using testing::Gt;
using testing::Lt;

namespace {

// The caption and the line of the last picture; a paste shows its progress; the reader of unknown
// words is offered only when the build has it, and the entry turns it off.
TEST(FenetrePrincipale, CaptionProgressAndUnknownWordReaderEntry) {
    Editeur e;
    EXPECT_TRUE(e.fenetre.Texte("frmEdit").startsWith(" Velmor  V."));
    EXPECT_EQ(e.fenetre.Texte("AFFICHE"), "     Dernier : ''" + e.ctx->etat.Chemin + "''     ");
    auto* barre = e.fenetre.findChild<QProgressBar*>();
    ASSERT_NE(barre, nullptr);
    e.fenetre.Progression(3, 10);
    EXPECT_EQ(std::tuple(barre->isVisible(), barre->value()), std::tuple(true, 3));
    e.fenetre.Progression(0, 0);
    EXPECT_FALSE(barre->isVisible());
    QAction* lecteur = e.fenetre.Action("MNU_LecteurInconnus");
    ASSERT_EQ(lecteur != nullptr, LecteurInconnusDisponible());
    if (!lecteur) return;
    EXPECT_TRUE(lecteur->isChecked());
    for (bool actif : {false, true}) {
        lecteur->trigger();
        EXPECT_EQ(LecteurInconnusActif(), actif);
    }
}

// The screen buttons wrap round; the screen shown is kept under its number.
TEST(FenetrePrincipale, ScreenButtonsWrapRound) {
    Editeur e;
    for (int n = 3; n >= 1; --n) {
        QImage i(200, 100, QImage::Format_RGB32);
        i.fill(qRgb(n * 60, 0, 0));
        e.ctx->ecrans.Ranger(n, i, QPointF(20 * n, 38));
        e.ctx->etat.EtatEcrans[static_cast<size_t>(n)] = {20.0 * n, 38, 0, 0, 0, 0, 200};
        e.surface.RemplacerImage(i);
    }
    e.ctx->etat.DernierEcran = 3;
    e.fenetre.FixerTexte("TxtPaq", "1");
    e.Declencher("CmdPaqAht");
    EXPECT_EQ(std::tuple(e.fenetre.Texte("TxtPaq"), e.surface.Image().pixel(5, 5), e.ctx->etat.PosX), std::tuple(u"3"_s, qRgb(180, 0, 0), 60));
    e.Declencher("CmdPaqPos");
    EXPECT_EQ(std::tuple(e.fenetre.Texte("TxtPaq"), e.surface.Image().pixel(5, 5)), std::tuple(u"1"_s, qRgb(60, 0, 0)));
}

// The option buttons cycle with their pictures; the size buttons step the size.
TEST(FenetrePrincipale, OptionButtonsCycleWithTheirPicturesAndTheSizeButtonsStep) {
    Editeur e;
    e.ctx->etat.RythmeColler = 1;
    for (int attendu : {2, 3, 0, 1}) {
        e.Declencher("Toolbar2.17");
        EXPECT_EQ(std::tuple(e.ctx->etat.RythmeColler, e.fenetre.Image("Rythme d'affichage")), std::tuple(attendu, 27 + attendu)) << attendu;
    }
    e.Declencher("Toolbar2.20");
    EXPECT_EQ(std::tuple(e.ctx->etat.Relief, e.fenetre.Image("Relief")), std::tuple(true, 38));
    e.Declencher("Toolbar2.19");
    EXPECT_EQ(std::tuple(e.ctx->etat.StyleRemplissage, e.fenetre.Image("Toolbar2.19"), e.fenetre.OutilCourant(), e.fenetre.Action("Toolbar2.1")->isChecked()),
              std::tuple(0, 11, 19, true));
    e.Declencher("Toolbar2.21");
    EXPECT_EQ(std::tuple(e.ctx->etat.LargeurImageFixee, e.fenetre.Image("Toolbar2.21")), std::tuple(false, 31));
    e.Declencher("Toolbar2.14");
    EXPECT_EQ(e.fenetre.Image("A4"), 34);
    // A4 screens keep their size whatever the window does.
    e.fenetre.resize(1300, 700);
    QApplication::processEvents();
    EXPECT_EQ(e.surface.Largeur(), 775);
    e.Declencher("CmdTaille_Moins");
    EXPECT_EQ(e.ctx->etat.Taille, 1);
    e.Declencher("CmdTaille_Plus");
    EXPECT_EQ(std::tuple(e.fenetre.Texte("TxtTaille"), e.ctx->etat.PasLigne), std::tuple(u"2"_s, 76));
}

// Quit answered No writes nothing; the frame asks before losing a changed picture, not an unchanged
// one; New asks, then writes and starts again.
TEST(FenetrePrincipale, QuitAndNewAsk) {
    Editeur e;
    int lancements = 0;
    e.fenetre.FixerLanceur([&] { ++lancements; });
    e.Ecrire("ba");
    e.reponses = {Reponse::Non, Reponse::Non, Reponse::Non};
    e.Declencher("MNU_End");
    e.fenetre.close();
    e.Declencher("Toolbar1.1");
    EXPECT_EQ(std::tuple(e.fenetre.isVisible(), e.messages.size(), e.ecritures + lancements), std::tuple(true, 3, 0));
    EXPECT_FALSE(QFile::exists(e.dossier.filePath("Velmor.ini")));
    e.Declencher("MNU_FileNew");
    EXPECT_EQ(std::tuple(e.ecritures, lancements, e.fenetre.isVisible(), e.ctx->etat.EtatFenetre), std::tuple(1, 1, false, 0));
    // The width written is the window's, within the screen's room.
    EXPECT_EQ(e.ctx->etat.LargeurFenetre, qMin(1000, e.fenetre.screen()->availableGeometry().width()) * e.fenetre.TwipsParPixelX());
    for (bool change : {true, false}) {
        Editeur f;
        if (change) f.Ecrire("ba");
        f.reponses = {Reponse::Oui};
        f.fenetre.close();
        EXPECT_EQ(std::tuple(f.fenetre.isVisible(), f.messages.size(), f.ecritures), std::tuple(false, change ? 1 : 0, 1)) << change;
    }
}

TEST(FenetrePrincipale, NarrowWindowBreaksLinesWithinIt) {
    Editeur e({900, 600});
    ASSERT_EQ(e.fenetre.width(), 900);
    for (int i = 0; i < 120; ++i) e.Ecrire("ba");
    EXPECT_GT(e.ctx->etat.NombreLignes, 1);
    EXPECT_LT(e.EncreMaxX(), 900);
    EXPECT_LE(e.ctx->etat.LimiteDroite, e.surface.Largeur());
    Editeur large({1400, 600});  // the lines follow the window, not the screen
    for (int i = 0; i < 120; ++i) large.Ecrire("ba");
    EXPECT_THAT(large.EncreMaxX(), AllOf(Gt(1000), Lt(1400)));
}

// Open, write, undo and redo, save and open again; bad files keep the picture.
TEST(FenetrePrincipale, OpenWriteUndoSaveAndReopen) {
    Editeur e;
    QImage depart(300, 200, QImage::Format_RGB32);
    depart.fill(Qt::white);
    for (int x = 200; x < 260; ++x) depart.setPixel(x, 150, qRgb(0, 0, 255));
    const QString bmp = e.dossier.filePath("depart.bmp");
    ASSERT_TRUE(EcrireBmp(depart, bmp));
    e.fichierChoisi = bmp;
    e.Declencher("Toolbar1.2");
    EXPECT_TRUE(e.fenetre.Texte("frmEdit").startsWith("Bitmap Paint ["));
    EXPECT_EQ(std::tuple(e.surface.Image() == depart.convertToFormat(QImage::Format_RGB32), e.fenetre.ImageModifiee()), std::tuple(true, false));
    e.Ecrire("ba");
    const QImage ba = e.surface.Image();
    e.Ecrire("bo");
    const QImage babo = e.surface.Image();
    EXPECT_NE(ba, depart);
    EXPECT_NE(babo, ba);
    // "Annuler" (1.6) steps back word by word; "Reaffiche" (1.7) brings each picture back, up to the
    // newest, where it does nothing and is greyed.
    EXPECT_FALSE(e.fenetre.Action("Toolbar1.7")->isEnabled());
    for (const auto& [bouton, attendue, reaffiche] :
         {std::tuple{"Toolbar1.6", ba, true}, {"Toolbar1.6", depart, true}, {"Toolbar1.7", ba, true},
          {"Toolbar1.7", babo, false}, {"Toolbar1.7", babo, false}}) {
        e.Declencher(bouton);
        EXPECT_EQ(std::tuple(e.surface.Image() == attendue, e.fenetre.Action("Toolbar1.7")->isEnabled()), std::tuple(true, reaffiche)) << bouton;
        // The caption follows the position given back.
        EXPECT_TRUE(e.fenetre.Texte("frmEdit").contains("Ecr.: X" + NombreAvecSigne(e.ctx->etat.PosX) + " Y")) << bouton;
    }
    e.Declencher("Toolbar1.6");
    const QImage ecrit = e.surface.Image();

    for (const char* nom : {"fin.png", "fin.BMP"}) {
        e.fichierChoisi = e.dossier.filePath(QLatin1String(nom));
        e.Declencher("Toolbar1.3");
        EXPECT_FALSE(e.fenetre.ImageModifiee());
        EXPECT_EQ(QImage(e.fichierChoisi).convertToFormat(QImage::Format_RGB32), ecrit) << nom;
    }
    e.Declencher("Toolbar1.2");
    EXPECT_EQ(e.surface.Image(), ecrit);
    // A damaged file or a folder that does not exist: a message each, the picture kept.
    ASSERT_TRUE(EcrireFichier(e.dossier.filePath("abime.bmp"), "BM\x10\x00garbage"));
    e.messages.clear();
    EXPECT_EQ((std::tuple{e.fenetre.Ouvrir(e.dossier.filePath("abime.bmp")), e.fenetre.Enregistrer(e.dossier.filePath("absent/x.bmp"))}),
              std::tuple(false, false));
    EXPECT_EQ(std::tuple(e.surface.Image() == ecrit, e.messages.size()), std::tuple(true, 2));
}

// The zoom scales the view only.
TEST(FenetrePrincipale, ZoomScalesTheViewOnly) {
    Editeur e;
    e.Ecrire("ba");
    const QImage avant = e.surface.Image();
    const int visible = e.fenetre.ZoneVisible().width();
    for (int i = 0; i < 2; ++i) e.Declencher("ZoomPlus");
    EXPECT_EQ(e.fenetre.Zoom(), 3);
    EXPECT_NEAR(e.fenetre.ZoneVisible().width(), visible / 3, 1);
    for (int i = 0; i < 10; ++i) e.Declencher("ZoomPlus");
    EXPECT_EQ(e.fenetre.Zoom(), 8);
    e.Declencher("Zoom100");
    EXPECT_EQ(std::tuple(e.fenetre.Zoom(), e.surface.Image().copy(avant.rect()) == avant), std::tuple(1, true));
}

// On the zoomed view a tool draws in picture pixels and "Annuler" takes the figure back exactly;
// "Remplir" fills a box with the fill colour before any pattern was picked.
TEST(FenetrePrincipale, ToolsDrawInPicturePixels) {
    Editeur e;
    e.ctx->etat.PagesRappelables = 5, e.ctx->etat.CouleurTexte = 0x0000FF;
    e.fenetre.FixerZoom(2);
    e.Ecrire(QStringLiteral("ta"));
    const QImage avant = e.surface.Image();
    e.Declencher("Toolbar2.2");
    e.Glisser({{41, 41}, {201, 101}, {121, 161}});
    Surface attendu;
    attendu.RemplacerImage(avant);
    attendu.FixerCouleurTrait(0x0000FF);
    attendu.FixerLargeurTrait(e.surface.LargeurTrait());
    attendu.Ligne(20, 20, 60, 80);
    EXPECT_EQ(std::tuple(e.surface.Image() == attendu.Image(), e.ctx->etat.XSouris), std::tuple(true, 60));
    e.Declencher("Toolbar1.6");
    EXPECT_EQ(e.surface.Image(), avant);
    e.Declencher("MNU_Fill");
    e.fenetre.Peinture()->etat.CouleurFondChoisie = 0x00C000;
    e.Declencher("Toolbar2.4");
    e.Glisser({{301, 201}, {361, 261}});
    EXPECT_EQ(e.surface.Image().pixel(165, 115), qRgb(0, 0xC0, 0));
}

// The fill entries exclude each other; the edit menu copies, pastes and clears, each undone by
// "Annuler".
TEST(FenetrePrincipale, FillEntriesAndTheEditMenu) {
    Editeur e;
    e.ctx->etat.PagesRappelables = 5;
    e.Ecrire(QStringLiteral("ta"));
    const QImage avant = e.surface.Image();
    for (bool remplir : {true, false}) {
        e.Declencher(remplir ? "MNU_Fill" : "MNU_NoFill");
        EXPECT_EQ(std::tuple(e.fenetre.Action("MNU_Fill")->isChecked(), e.fenetre.Action("MNU_NoFill")->isChecked(),
                             e.fenetre.Peinture()->etat.Remplir), std::tuple(remplir, !remplir, remplir));
    }
    e.Declencher("MNU_Copy");
    e.Declencher("MNU_Del");
    EXPECT_EQ(e.surface.Image(), Surface(avant.width(), avant.height()).Image());
    e.Declencher("MNU_Insert");
    EXPECT_EQ(e.surface.Image(), avant);
    e.Declencher("MNU_Del");
    e.Declencher("Toolbar1.6");
    EXPECT_EQ(e.surface.Image(), avant);
}

// Armed by "Repositionnement", a press on the zoomed view opens the dialog at the picture pixel, on
// the absolute options. Closed by its title bar it acts as "Annuler"; OK takes the options chosen.
TEST(FenetrePrincipale, AnArmedPressOpensTheRepositioningDialog) {
    Editeur r;
    r.fenetre.FixerZoom(2);
    r.Ecrire("ba");
    const auto [x, y] = std::tuple(r.ctx->etat.PosX, r.ctx->etat.PosY);
    for (bool ok : {false, true}) {
        SCOPED_TRACE(ok);
        r.ctx->etat.PositionImposee = false;
        r.Declencher("Toolbar2.16");
        EXPECT_TRUE(r.ctx->etat.PositionImposee);
        bool ouvert = false;
        QTimer::singleShot(0, &r.fenetre, [&] {
            auto* d = r.fenetre.findChild<FenetreRepos*>();
            ASSERT_NE(d, nullptr);
            ouvert = true;
            EXPECT_EQ(std::tuple(r.ctx->etat.Repositionnement, d->OptAbsoluX->isChecked(), d->OptAbsoluY->isChecked()), std::tuple(true, true, true));
            EXPECT_EQ(d->OptAbsoluX->text(), "Repositionnement  Absolu :   X = 60");
            if (!ok) return d->reject();
            d->OptLogiqueX->click();
            d->CmdOK->click();
        });
        r.Souris(QEvent::MouseButtonPress, {121, 201});
        const EtatProgramme& e = r.ctx->etat;
        EXPECT_EQ(std::tuple(ouvert, e.Repositionnement, e.PositionImposee), std::tuple(true, false, ok));
        if (ok)
            EXPECT_EQ(std::tuple(e.PosX, e.XRepos, e.YRepos), std::tuple(e.XLogique, e.XLogique, 100));
        else
            EXPECT_EQ(std::tuple(e.PosX, e.PosY), std::tuple(x, y));
    }
}

}  // namespace
