#include "support/Banc.h"
#include "transcription/ReglagesEcriture.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

// A bench on a line at y 40, margin 15, word space 4, the Velmor script shown.
struct BancScript : Banc {
    BancScript() {
        etat().MargeGauche = 15, etat().YLigne = 40, etat().LargeurBlanc = 4;
        fenetre.textes["CmdScaqh"] = "Velmor";
    }
};

TEST(ReglagesEcriture, ScriptLanguageSizeAndTheOtherMarkersSetters) {
    BancScript b;
    b.etat().Taille = 1;
    b.surface.Ligne(15, 40, 30, 40);  // text up to x = 30 on the line
    b.etat().PosX = 100;
    ChoisirEcriture(*b.ctx);  // Velmor again: nothing moves
    EXPECT_EQ(b.etat().PosX, 100);
    b.etat().Ecriture = 1;
    ChoisirEcriture(*b.ctx);
    EXPECT_EQ(b.fenetre.textes["CmdScaqh"], "Dorvane");
    EXPECT_EQ(b.etat().PosX, 38);  // a word space (two blanks) after the text
    b.etat().Ecriture = 0;
    ChoisirEcriture(*b.ctx);
    EXPECT_EQ(std::tuple(b.etat().PosX, b.etat().XDebutMot), std::tuple(38, 38));  // the same back in Velmor
    BancScript vide;  // Latin on an empty line: at most twice the margin goes to the margin
    vide.etat().Ecriture = 2;
    ChoisirEcriture(*vide.ctx);
    EXPECT_EQ(vide.etat().PosX, 15);
    vide.fenetre.textes["CmdScaqh"] = "n'importe";  // no previous script: always placed
    vide.etat().PosX = 200, vide.etat().Ecriture = 2;
    ChoisirEcriture(*vide.ctx);
    EXPECT_EQ(vide.etat().PosX, 15);
    // Language from a marker or its code.
    // "%F" is too short to be a marker, and no code; in sound mode 2 the button shows "MP3".
    for (const auto& [marqueur, langue, bouton] : {std::tuple{"%FR", 1, "Français"}, {"EN", 2, "English"},
                                                   {"%F", 2, "English"}, {"%PH", 3, "MP3"}}) {
        if (langue == 3) b.etat().ModeSon = 2;
        QString m = marqueur;
        ChoisirLangue(*b.ctx, m);
        EXPECT_EQ(b.etat().Langue, langue) << marqueur;
        EXPECT_EQ(b.fenetre.textes["CmdLihg"], bouton) << marqueur;
    }
    // The size and the other markers' setters.
    Banc t;
    t.etat().Blanc = 4, t.etat().HauteurLigne = 38, t.etat().Relief = true;
    FixerTaille(*t.ctx, 2);
    EXPECT_EQ(std::tuple(t.etat().Taille, t.etat().HauteurCaractere, t.etat().LargeurBlanc), std::tuple(2, 24, 8));
    EXPECT_EQ(std::tuple(t.etat().PasLigne, t.etat().ProfondeurRelief, t.surface.Police().pointSize()), std::tuple(76, 2, 16));
    EXPECT_EQ(t.fenetre.textes["TxtTaille"], "2");
    EXPECT_EQ(t.etat().YLigne, 76);  // nothing written yet: the first line follows the size
    t.etat().PageEntamee = true;
    FixerTaille(*t.ctx, 3);
    EXPECT_EQ(t.etat().YLigne, 76);
    // The word space and the line height follow the size.
    t.etat().Taille = 3;
    FixerBlanc(*t.ctx, 5);
    EXPECT_EQ(t.etat().LargeurBlanc, 15);
    FixerInterligne(*t.ctx, 40);
    EXPECT_EQ(std::tuple(t.etat().HauteurLigne, t.etat().PasLigne), std::tuple(40, 120));
    EXPECT_EQ(t.fenetre.textes["TxtHauteurLigne"], "40");
}

}  // namespace
