// Both windows as the program starts them: within the room the screen leaves, whatever the settings
// say, and written back within it.
#include "app/windows/Traductions.h"
#include "gui/DeuxFenetres.h"

#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// The editor started as the program starts it, on the test tables and a settings file.
struct Demarrage : DeuxFenetres {
    explicit Demarrage(const QByteArray& parametres) : DeuxFenetres(parametres) { Montrer(); }
    // The value of a key in the written file.
    double Valeur(const char* cle) const {
        for (const QByteArray& l : LireFichier(dossier.filePath("Velmor.ini")).split('\n'))
            if (l.startsWith(cle)) return l.mid(qstrlen(cle)).trimmed().toDouble();
        return qQNaN();
    }
};

const char* const kMesuresEntree[] = {
    "* LARGEUR ENTREE = ",         "* HAUTEUR ENTREE = ",         "* HAUTEUR TXTENTREE = ",
    "* LARGEUR TXTENTREE = ",      "* LARGEUR BOUTONS ENTREE = ", "* POSITION BOUTONS ENTREE = ",
    "* POSITION ZONE ENTREE 1 = ", "* POSITION BOUTON ENTREE 1 = ", "* POSITION BOUTON ENTREE 2 = ",
    "* POSITION BOUTON ENTREE 3 = ", "* POSITION BOUTON ENTREE 4 = "};
const char* const kMesuresPrincipale[] = {"* SOMMET  FENETRE = ", "* GAUCHE  FENETRE = ", "* HAUTEUR FENETRE = ",
                                          "* LARGEUR FENETRE = "};

// At the first start the entry window, frame included, lies wholly within the screen's available
// geometry, at its bottom-right corner; the standard buttons speak French.
TEST(PlacementFenetres, FirstStartPutsTheEntryWindowWhollyOnTheScreen) {
    Demarrage d({});
    const QRect dispo = d.entree->screen()->availableGeometry();
    EXPECT_TRUE(dispo.contains(d.entree->frameGeometry())) << d.entree->frameGeometry().bottom();
    EXPECT_EQ(d.entree->frameGeometry().bottomRight(), dispo.bottomRight());
    EXPECT_GT(d.entree->CmdCopie->styleSheet().size(), 0);  // its caption kept clear of "<--"
    ASSERT_TRUE(TraduireBoitesStandard()) << "qt6-translations-l10n is needed";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Oui");
}

// A settings file with every window measure at 999999999 starts both windows within the screen and
// is written back with measures within it.
TEST(PlacementFenetres, HugeWindowMeasuresAreKeptWithinTheScreenAndWrittenBackSo) {
    QByteArray ini = "* ETAT FENETRE = 0\r\n* ENTREEX = 999999999\r\n* ENTREEY = 999999999\r\n";
    for (const char* cle : kMesuresEntree) ini += QByteArray(cle) + "999999999\r\n";
    for (const char* cle : kMesuresPrincipale) ini += QByteArray(cle) + "999999999\r\n";
    Demarrage d(ini);
    const QRect dispo = d.entree->screen()->availableGeometry();
    for (QWidget* w : {static_cast<QWidget*>(&d.fenetre), static_cast<QWidget*>(d.entree.get())})
        EXPECT_TRUE(dispo.contains(w->frameGeometry())) << w->objectName().toStdString();
    d.fenetre.close();
    const int tpp = d.fenetre.TwipsParPixelX();
    const double largeur = dispo.width() * tpp, hauteur = dispo.height() * tpp;
    for (const char* cle : kMesuresEntree) {
        EXPECT_GE(d.Valeur(cle), 0) << cle;
        EXPECT_LE(d.Valeur(cle), std::max(largeur, hauteur)) << cle;
    }
    EXPECT_LE(d.Valeur("* LARGEUR ENTREE = "), largeur);
    EXPECT_LE(d.Valeur("* HAUTEUR ENTREE = "), hauteur);
    EXPECT_LE(d.Valeur("* ENTREEX = ") + d.Valeur("* LARGEUR ENTREE = "), largeur);
    EXPECT_LE(d.Valeur("* ENTREEY = ") + d.Valeur("* HAUTEUR ENTREE = "), hauteur);
    EXPECT_LE(d.Valeur("* GAUCHE  FENETRE = ") + d.Valeur("* LARGEUR FENETRE = "), largeur);
    EXPECT_LE(d.Valeur("* SOMMET  FENETRE = ") + d.Valeur("* HAUTEUR FENETRE = "), hauteur);
}

}  // namespace
