#include "support/Banc.h"
#include "transcription/Selection.h"

#include <QFontInfo>
#include <gtest/gtest.h>

namespace {

TEST(Selection, ScriptLanguageSizeAndTheOtherMarkersSetters) {
    Banc b;
    b.etat().MargeGauche = 15;
    b.etat().YLigne = 40;
    b.etat().LargeurBlanc = 4;
    b.etat().Taille = 1;
    b.surface.Ligne(15, 40, 30, 40);  // text up to x = 30 on the line
    b.fenetre.textes["CmdScaqh"] = "Velmor";
    b.etat().PosX = 100;
    ChoisirEcriture(*b.ctx);  // Velmor again: nothing moves
    EXPECT_EQ(b.etat().PosX, 100);
    b.etat().Ecriture = 1;
    ChoisirEcriture(*b.ctx);
    EXPECT_EQ(b.fenetre.textes["CmdScaqh"], "Dorvane");
    EXPECT_EQ(b.etat().PosX, 30);  // right after the text
    b.etat().Ecriture = 0;
    ChoisirEcriture(*b.ctx);
    EXPECT_EQ(b.etat().PosX, 34);  // one word space after it
    EXPECT_EQ(b.etat().XDebutMot, 34);

    Banc vide;  // Latin on an empty line: at most twice the margin goes to the margin
    vide.etat().MargeGauche = 15;
    vide.etat().YLigne = 40;
    vide.etat().LargeurBlanc = 4;
    vide.fenetre.textes["CmdScaqh"] = "Velmor";
    vide.etat().Ecriture = 2;
    ChoisirEcriture(*vide.ctx);
    EXPECT_EQ(vide.etat().PosX, 15);
    vide.fenetre.textes["CmdScaqh"] = "n'importe";  // no previous script: always placed
    vide.etat().PosX = 200;
    vide.etat().Ecriture = 2;
    ChoisirEcriture(*vide.ctx);
    EXPECT_EQ(vide.etat().PosX, 15);
    // Language from a marker or its code.
    QString m = "%FR";
    ChoisirLangue(*b.ctx, m);
    EXPECT_EQ(b.etat().Langue, 1);
    EXPECT_EQ(b.fenetre.textes["CmdLihg"], "Français");
    m = "EN";
    ChoisirLangue(*b.ctx, m);
    EXPECT_EQ(b.etat().Langue, 2);
    m = "%F";  // too short to be a marker, and no code
    ChoisirLangue(*b.ctx, m);
    EXPECT_EQ(b.etat().Langue, 2);
    b.etat().ModeSon = 2;
    m = "%PH";
    ChoisirLangue(*b.ctx, m);
    EXPECT_EQ(b.etat().Langue, 3);
    EXPECT_EQ(b.fenetre.textes["CmdLihg"], "MP3");

    // The size and the other markers' setters.
    Banc t;
    t.etat().Blanc = 4;
    t.etat().HauteurLigne = 38;
    t.etat().Relief = true;
    FixerTaille(*t.ctx, 2);
    EXPECT_EQ(t.etat().Taille, 2);
    EXPECT_EQ(t.etat().HauteurCaractere, 24);
    EXPECT_EQ(t.etat().LargeurBlanc, 8);
    EXPECT_EQ(t.etat().PasLigne, 76);
    EXPECT_EQ(t.etat().ProfondeurRelief, 2);
    EXPECT_EQ(t.surface.Police().pointSize(), 16);
    EXPECT_EQ(t.fenetre.textes["TxtTaille"], "2");
    EXPECT_EQ(t.etat().YLigne, 76);  // nothing written yet: the first line follows the size
    t.etat().PageEntamee = true;
    FixerTaille(*t.ctx, 3);
    EXPECT_EQ(t.etat().YLigne, 76);
    FixerTaille(*t.ctx, 0);  // sizes are kept from 1 to 50
    EXPECT_EQ(t.etat().Taille, 1);
    FixerTaille(*t.ctx, 900);
    EXPECT_EQ(t.etat().Taille, 50);
    // The other markers' setters.
    t.etat().Taille = 3;
    FixerBlanc(*t.ctx, 5);
    EXPECT_EQ(t.etat().LargeurBlanc, 15);
    FixerCouleur(*t.ctx, 7);
    EXPECT_EQ(t.etat().NumCouleur, 7);
    FixerInterligne(*t.ctx, 40);
    EXPECT_EQ(t.etat().HauteurLigne, 40);
    EXPECT_EQ(t.etat().PasLigne, 120);
    EXPECT_EQ(t.fenetre.textes["TxtHauteurLigne"], "40");
}

// A bench on an empty Latin line at y 60, size 1.
struct BancLatin : Banc {
    BancLatin() : Banc(600, 200) {
        etat().MargeGauche = 15;
        etat().PosX = 15;
        etat().YLigne = etat().PosY = 60;
        etat().HauteurCaractere = 12;
        etat().Ecriture = etat().EcriturePrecedente = 2;
        FixerTaille(*ctx, 1);
    }
};

TEST(Selection, LatinPrinterRunsItsMarkersInPlace) {
    BancLatin b;
    ImprimerLatin(*b.ctx, "ab %TAI002cd%FR");
    EXPECT_EQ(b.etat().Taille, 2);
    EXPECT_EQ(b.etat().Langue, 1);
    EXPECT_FALSE(b.Encre().empty());
    EXPECT_FALSE(b.etat().ApresEspaceLatin);
    // Only the letters were printed: nothing of the markers' text.
    BancLatin seul;
    ImprimerLatin(*seul.ctx, "ab ");
    FixerTaille(*seul.ctx, 2);
    ImprimerLatin(*seul.ctx, "cd");
    EXPECT_EQ(b.Encre(), seul.Encre());
}

}  // namespace
