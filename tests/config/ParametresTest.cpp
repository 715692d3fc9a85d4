#include "base/Texte8Bits.h"
#include "config/Dossiers.h"
#include "config/Parametres.h"
#include "support/Fichiers.h"
#include "support/Banc.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <array>
#include <gtest/gtest.h>

namespace {

// A bench whose program folder is a fresh temporary folder.
struct BancParametres : Banc {
    explicit BancParametres(const QString& dossier) : Banc(400, 300, dossier) {}
    QString Ini() const { return ctx->Fichier("Velmor.ini"); }
    void Ecrire(const QByteArray& contenu) const { ASSERT_TRUE(EcrireFichier(Ini(), contenu)); }
    QByteArray Contenu() const {
        QFile f(Ini());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString Valeur(const QString& cle) const {
        for (const QString& l : Depuis1252(Contenu()).split("\r\n"))
            if (l.startsWith(cle)) return l.mid(cle.size());
        return "<absent>";
    }
};

TEST(Parametres, WithoutAFileTheDefaultsApplyAndNothingIsWritten) {
    QTemporaryDir dir;
    BancParametres b(dir.path());
    b.etat().PagesRappelables = 3;
    LireParametres(*b.ctx);
    const EtatProgramme& e = b.etat();
    // The defaults in the state, the surface and the buttons (all of them: the file written after a reset).
    EXPECT_EQ(std::tuple(e.PasLigne, e.ProfondeurRelief, e.EtatFenetre), std::tuple(38, 1, 2));
    EXPECT_EQ(std::tuple(b.surface.CouleurFond(), b.fenetre.textes["CmdWajPaq"]), std::tuple(0xFFFFFFu, u">"_s));
    EXPECT_EQ(b.fenetre.textes["TxtHauteurLigne"], "38");
    EXPECT_EQ((std::array{b.fenetre.images[kBoutonRelief], b.fenetre.images[kBoutonA4], b.fenetre.images[kBoutonRythme]}),
              (std::array{38, 33, 28}));
    EXPECT_EQ(e.Chemin, QDir::toNativeSeparators(DossierImages() + "/*.BMP"));
    EXPECT_EQ(b.fenetre.textes["AFFICHE"], "     Dernier : ''" + e.Chemin + "''     ");
    EXPECT_EQ(std::tuple(b.ctx->pages.Places(), QFile::exists(b.Ini())), std::tuple(31, false));
}

TEST(Parametres, LinesAreReadByTheirExactKeyAndLeadingNumberAndA4SetsThePage) {
    QTemporaryDir dir;
    BancParametres b(dir.path());
    b.Ecrire("\"Velmor.exe\"\r\n\r\n"
             "* TAILLE = 3\r\n*  TAILLE = 7\r\n* taille = 8\r\n"
             "* RELIEF = vrai\r\n"
             "* UNE/PLUSIEURS PAGES = 2\r\n"
             "* HAUTEUR LIGNE = 40 xyz\r\n"
             "* PAGES RAPPELABLES = 45\r\n"
             "* RYTHME COLLER = 3\r\n"
             "* COULEUR TEXTE = 255\r\n"
             "* LARGEUR IMAGE = 640\r\n");
    b.etat().Chemin = "C:\\avant.bmp", b.etat().EtatFenetre = 0;
    LireParametres(*b.ctx);
    const EtatProgramme& e = b.etat();
    EXPECT_EQ(std::tuple(e.Taille, e.Relief, e.ProfondeurRelief, b.fenetre.textes["CmdWajPaq"]), std::tuple(3, true, 3, u"2"_s));
    EXPECT_EQ(std::tuple(e.PlusieursPages, e.HauteurLigne, e.PasLigne, e.PagesRappelables), std::tuple(false, 40, 120, 30));
    EXPECT_EQ(std::tuple(b.fenetre.images[kBoutonRythme], e.CouleurTexte, b.surface.Largeur()), std::tuple(30, 255u, 640));
    // Absent keys leave their fields as they were.
    EXPECT_EQ(std::tuple(e.Chemin, e.EtatFenetre), std::tuple(u"C:\\avant.bmp"_s, 0));
    b.Ecrire("* PAGES RAPPELABLES = 5\r\n* RELIEF = Faux\r\n* TAILLE = 0\r\n* HAUTEUR LIGNE = 0\r\n"
             "* UNE/PLUSIEURS PAGES = 1\r\n* LARGEUR IMAGE = -4\r\n");
    LireParametres(*b.ctx);
    EXPECT_EQ(std::tuple(e.PagesRappelables, b.ctx->pages.Places()), std::tuple(5, 6));
    EXPECT_EQ(std::tuple(e.Relief, b.fenetre.images[kBoutonRelief], e.PlusieursPages), std::tuple(false, 37, true));
    // Zero sizes would write every line over the first: kept within the markers' ranges.
    EXPECT_EQ(std::tuple(e.Taille, e.HauteurLigne, b.surface.Largeur()), std::tuple(1, 1, 640));
    EXPECT_GT(e.PasLigne, 0);
    EXPECT_TRUE(b.fenetre.messages.empty());
    // The A4 switch sets the margin, the limit, the surface and the button's picture.
    b.Ecrire("* FORMAT PAGE A4 = Vrai\r\n");
    LireParametres(*b.ctx);
    EXPECT_EQ(std::tuple(e.MargeDroite, e.LimiteDroite, e.HauteurPageA4), std::tuple(775, 775, 1130));
    EXPECT_EQ(std::tuple(b.surface.Image().size(), b.fenetre.images[kBoutonA4]), std::tuple(QSize(775, 1130), 34));
    b.etat().FormatA4 = false;
    AppliquerFormatA4(*b.ctx);
    EXPECT_EQ(std::tuple(e.MargeDroite, e.HauteurPageA4, b.fenetre.images[kBoutonA4]), std::tuple(0, 0, 33));
}

TEST(Parametres, AWriteAfterAResetHoldsThe23KeysAndReadsBackWithTheEntryLayout) {
    QTemporaryDir dir;
    BancParametres b(dir.path());
    b.Ecrire("* TAILLE = 4\r\n* LARGEUR IMAGE FIXEE = Faux\r\n");
    LireParametres(*b.ctx);
    for (Reponse r : {Reponse::Non, Reponse::Annuler}) {  // reset answered No or Cancel: nothing changes
        b.fenetre.reponses = {r};
        MNU_Defaut_Click(*b.ctx);
        EXPECT_EQ(std::tuple(b.Contenu().toStdString(), b.etat().Taille), std::tuple(std::string("* TAILLE = 4\r\n* LARGEUR IMAGE FIXEE = Faux\r\n"), 4));
    }
    EXPECT_FALSE(b.etat().LargeurImageFixee);
    EcrireParametres(*b.ctx);
    EXPECT_EQ(b.Valeur("* LARGEUR IMAGE FIXEE = "), "Faux");
    b.fenetre.reponses = {Reponse::Oui};
    MNU_Defaut_Click(*b.ctx);
    EXPECT_EQ(std::tuple(QFile::exists(b.Ini()), b.etat().Taille), std::tuple(false, 1));
    EXPECT_EQ(b.fenetre.messages.back().texte,
              "Voulez-vous vraiment réinitialiser les paramètres ?\n\n(Nouveaux paramètres par défaut: Noir sur Blanc, etc.)");
    EtatProgramme& e = b.etat();
    e.EtatFenetre = 0, e.SommetFenetre = -8, e.GaucheFenetre = 120.5, e.HauteurFenetre = 9000, e.LargeurFenetre = 12000;
    e.Chemin = "C:\\Dessins\\été.bmp";
    e.EntreeX = 300;  // EntreeY never placed
    EcrireParametres(*b.ctx);

    const QByteArray octets = b.Contenu();
    EXPECT_TRUE(octets.contains("\xe9t\xe9.bmp"));  // 8-bit text
    const QStringList lignes = Depuis1252(octets).split("\r\n");
    ASSERT_EQ(lignes.size(), 3 + 23 + 1);
    EXPECT_TRUE(lignes[0].startsWith("\"Velmor.exe\"")) << lignes[0].toStdString();
    EXPECT_TRUE(lignes[1].startsWith("\"Velmor.ini\" : créé le ")) << lignes[1].toStdString();
    EXPECT_EQ(std::tuple(lignes[2], lignes.last()), std::tuple(u""_s, u""_s));
    for (int i = 0; i < 23; ++i) EXPECT_TRUE(lignes[3 + i].startsWith("* ")) << lignes[3 + i].toStdString();
    EXPECT_EQ(lignes.mid(3, 23).join("|").remove("* "),
              "TAILLE = 1|RELIEF = Vrai|ECRITURE = 0|LANGUE = 0|COULEUR TEXTE = 0|TEXTE MULTICOLORE = Faux|"
              "COULEUR FOND  = 16777215|LARGEUR TRAIT = 1|HAUTEUR LIGNE = 38|RYTHME COLLER = 1|"
              "FORMAT PAGE A4 = Faux|UNE/PLUSIEURS PAGES = >|CHEMIN = C:\\Dessins\\été.bmp|ENTREEX = 300|"
              "ENTREEY = |PAGES RAPPELABLES = 30|ETAT FENETRE = 0|SOMMET  FENETRE = -8|GAUCHE  FENETRE = 120.5|"
              "HAUTEUR FENETRE = 9000|LARGEUR FENETRE = 12000|LARGEUR IMAGE FIXEE = Vrai|LARGEUR IMAGE = 400");
    // Another run reads back what was written.
    BancParametres relu(dir.path());
    LireParametres(*relu.ctx);
    const EtatProgramme& r = relu.etat();
    EXPECT_EQ(std::tuple(r.Chemin, r.GaucheFenetre, r.EntreeX), std::tuple(e.Chemin, 120.5, 300));
    EXPECT_TRUE(qIsNaN(r.EntreeY)) << r.EntreeY;
    EXPECT_EQ(std::tuple(r.LargeurImageFixee, r.DispositionEntree[11]), std::tuple(true, 0));
    // The entry window layout travels when it is set.
    QTemporaryDir autre;
    BancParametres s(autre.path());
    LireParametres(*s.ctx);
    for (int i = 0; i < 11; ++i) s.etat().DispositionEntree[i] = 100 + i;
    s.etat().DispositionEntree[11] = 9;
    EcrireParametres(*s.ctx);
    EXPECT_EQ(std::tuple(s.Valeur("* LARGEUR ENTREE = "), s.Valeur("* POSITION BOUTON ENTREE 4 = ")), std::tuple(u"100"_s, u"110"_s));
    BancParametres reluEntree(autre.path());
    LireParametres(*reluEntree.ctx);
    EXPECT_EQ(reluEntree.etat().DispositionEntree, s.etat().DispositionEntree);
    // A partial layout is not applied.
    s.Ecrire("* LARGEUR ENTREE = 100\r\n");
    BancParametres partiel(autre.path());
    LireParametres(*partiel.ctx);
    EXPECT_EQ(partiel.etat().DispositionEntree[11], 0);
}

// A folder that cannot be written sends the settings to the user folder, and the next start reads
// them from there. (A failed write keeps the previous file: the full-disk tests.)
TEST(Parametres, AnUnwritableFolderSendsTheSettingsToTheUserFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(EcrireFichier(dir.filePath("fichier"), {}));
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    ASSERT_TRUE(config.contains(".qttest"));  // test mode: never the user's own folder
    QFile::remove(config + "/Velmor.ini");

    BancParametres ailleurs(dir.filePath("fichier/programme"));  // nothing can be created there
    LireParametres(*ailleurs.ctx);
    ailleurs.etat().HauteurLigne = 44;
    ailleurs.fenetre.textes.remove("TxtHauteurLigne");
    EcrireParametres(*ailleurs.ctx);
    EXPECT_TRUE(QFile::exists(config + "/Velmor.ini"));
    BancParametres relu(dir.filePath("fichier/programme"));
    LireParametres(*relu.ctx);
    EXPECT_EQ(relu.etat().HauteurLigne, 44);
    QFile::remove(config + "/Velmor.ini");
}

}  // namespace
