#include "support/Banc.h"
#include "transcription/ImprimerLatin.h"
#include "transcription/ReglagesEcriture.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

// A bench on an empty Latin line at y 60, size 1.
struct BancLatin : Banc {
    BancLatin() : Banc(600, 200) {
        etat().MargeGauche = 15, etat().PosX = 15, etat().YLigne = etat().PosY = 60, etat().HauteurCaractere = 12;
        etat().Ecriture = etat().EcriturePrecedente = 2;
        FixerTaille(*ctx, 1);
    }
};

TEST(ImprimerLatin, RunsItsMarkersInPlace) {
    BancLatin b;
    ImprimerLatin(*b.ctx, "ab %TAI002cd%FR");
    EXPECT_EQ(std::tuple(b.etat().Taille, b.etat().Langue, b.etat().ApresEspaceLatin), std::tuple(2, 1, false));
    EXPECT_FALSE(b.Encre().empty());
    // Only the letters were printed: nothing of the markers' text.
    BancLatin seul;
    ImprimerLatin(*seul.ctx, "ab ");
    FixerTaille(*seul.ctx, 2);
    ImprimerLatin(*seul.ctx, "cd");
    EXPECT_EQ(b.Encre(), seul.Encre());
}

}  // namespace
