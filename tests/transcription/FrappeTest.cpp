#include "base/Texte8Bits.h"
#include "support/Programme.h"
#include "transcription/Frappe.h"
#include "transcription/ImprimerLatin.h"
#include "transcription/Marqueurs.h"
#include "transcription/Prononciation.h"
#include "transcription/ReglagesEcriture.h"
#include "transcription/Retranscription.h"

#include <gtest/gtest.h>
#include <functional>

namespace {

class Boite : public BoiteSaisie {
public:
    QString Texte() const override { return texte; }
    void Vider() override { texte.clear(); }
    QString texte;
};

// The program started on a folder's tables, relief off, phonetic input, script `ecriture`.
struct Saisie : Programme {
    explicit Saisie(int ecriture = 0, QString dossier = VELMOR_TEST_DATA "/tables", int hauteur = 300)
        : Programme(std::move(dossier), 900, hauteur) {
        etat().Ecriture = static_cast<int16_t>(ecriture);
        ChoisirEcriture(*ctx);
        etat().EcriturePrecedente = etat().EcritureAvantDerniere = etat().Ecriture;
    }
    // Keys as the entry box sends them: each reaches the driver, then enters the box.
    void Taper(const QString& touches) {
        for (const QChar c : touches) {
            const int16_t code = c == u'\n' ? kToucheEntree : static_cast<int16_t>(Code1252(c));
            ToucheSaisie(*ctx, boite, code);
            boite.texte += c;
        }
    }
    Boite boite;
};

const QString kDonnees = QStringLiteral(VELMOR_PROGRAM_DATA);

TEST(TraiterTouche, AWordIsWrittenWhenItsSpaceComes) {
    Saisie b;
    b.Taper("ba");
    EXPECT_TRUE(b.Encre().empty());
    b.Taper(" ");
    EXPECT_FALSE(b.Encre().empty());
    // (Ctrl+V and the keys after it: the entry window's tests.) Punctuation waits with its word; a line end ends the word before it (the new line: below).
    Saisie p;
    p.Taper("ba,");
    EXPECT_TRUE(p.Encre().empty());
    p.Taper("\n");
    EXPECT_FALSE(p.Encre().empty());
    p.Taper("bo ");
    EXPECT_EQ(p.etat().TextePointe, "bo");
}

QStringList gMotsAPI;
void RetenirAPI(Contexte&, const QString& texte) { gMotsAPI << texte; }

// Each IPA word of a language is prepared once, as typed: a word held back by the dictionary is
// written once, and a word beginning with "h" is looked up as it stands.
TEST(TraiterTouche, IpaWordsOfALanguageArePreparedOnce) {
    Saisie tape(Ecritures::API, kDonnees), direct(Ecritures::API, kDonnees);
    tape.etat().Langue = direct.etat().Langue = Langues::Tumeli;
    gMotsAPI.clear();
    tape.ctx->crochets.EcritAPI = RetenirAPI;
    tape.Taper("le monde ");
    EXPECT_EQ(gMotsAPI, (QStringList{PrononciationAPI(*direct.ctx, "le") + u' ', PrononciationAPI(*direct.ctx, "monde") + u' '}));
    Saisie francais(Ecritures::API, kDonnees);
    francais.etat().Langue = Langues::Francais;
    QString prepare = QStringLiteral("habiter");
    PrepareMot(*francais.ctx, prepare);
    EXPECT_EQ(PrononciationAPI(*francais.ctx, "habiter"), prepare);
    EXPECT_FALSE(prepare.contains(u"phabit")) << prepare.toStdString();
}

// Enter, and every line end of a pasted text, starts a line in every script.
TEST(TraiterTouche, EnterAndPastedLineEndsMakeANewLineInEveryScript) {
    for (int ecriture = 0; ecriture < 4; ++ecriture) {
        Saisie b(ecriture, kDonnees, 600);
        const double y = b.etat().YLigne;
        b.Taper("\n");
        EXPECT_EQ(b.etat().YLigne, y + b.etat().PasLigne) << ecriture;
        Saisie c(ecriture, kDonnees, 600);
        c.etat().CollageEnCours = true;
        RetranscrireTexte(*c.ctx, "ba bo\nda\n\nni\n");
        EXPECT_EQ(c.etat().YLigne, y + 3 * c.etat().PasLigne) << ecriture;
    }
}

TEST(TraiterTouche, MarkersAndWordsOfALanguageTypedInTheIpaScript) {
    Saisie b(3, kDonnees);
    const double x = b.etat().PosX;
    b.Taper("%TAI3 ");
    EXPECT_EQ(std::tuple(b.etat().Taille, b.Encre().size()), std::tuple(3, 0u));  // only the blank symbol
    EXPECT_GT(b.etat().PosX, x);
    const double y = b.etat().YLigne;
    b.Taper("%sautx ");
    EXPECT_EQ(b.etat().YLigne, y);
    EXPECT_FALSE(b.Encre().empty());
    b.Taper("%la ");
    EXPECT_EQ(b.etat().Ecriture, 2);
    // IPA words of a language are drawn from their pronunciation.
    Saisie anglais(3, kDonnees), phonetique(3, kDonnees);
    anglais.etat().Langue = 2;
    anglais.Taper("dear ");
    phonetique.Taper("dia ");
    EXPECT_FALSE(anglais.Encre().empty());
    EXPECT_EQ(anglais.Encre(), phonetique.Encre());
}

// One marker means the same on every path, in any case, with at most three digits: typed in each
// script, pasted, and printed by the Latin printer.
TEST(Marqueurs, EveryPathReadsAMarkerAlike) {
    using Chemin = std::function<void(Saisie&, const QString&)>;
    const Chemin taper = [](Saisie& s, const QString& t) { s.Taper(t); };
    const Chemin coller = [](Saisie& s, const QString& t) { s.etat().CollageEnCours = true, RetranscrireTexte(*s.ctx, t); };
    const Chemin imprimer = [](Saisie& s, const QString& t) { ImprimerLatin(*s.ctx, t); };
    const std::tuple<const char*, int, Chemin> chemins[] = {
        {"typed Velmor", Ecritures::Velmor, taper},   {"typed Latin", Ecritures::Latine, taper},
        {"typed IPA", Ecritures::API, taper},         {"pasted Velmor", Ecritures::Velmor, coller},
        {"pasted Latin", Ecritures::Latine, coller},  {"Latin printer", Ecritures::Latine, imprimer},
    };
    for (const auto& [nom, ecriture, chemin] : chemins) {
        // Language, size, word space: (phonetic, 1, 3) at the start.
        for (const auto& [texte, attendu] : {std::pair{"%fr ", std::tuple(Langues::Francais, 1, 3)},
                                             {"%Tai2 ", std::tuple(Langues::Phonetique, 2, 3)},
                                             {"%BLA1234 ", std::tuple(Langues::Phonetique, 1, 123)}}) {
            Saisie s(ecriture, kDonnees);
            chemin(s, QString::fromUtf8(texte));
            EXPECT_EQ(std::tuple(s.etat().Langue, s.etat().Taille, s.etat().Blanc), attendu) << nom << " " << texte;
        }
        Saisie majuscules(ecriture, kDonnees), minuscules(ecriture, kDonnees);
        chemin(majuscules, "%OD ba ");
        chemin(minuscules, QStringLiteral("%1 ba ").arg(NomMarqueurEcriture(Ecritures::Dorvane)));
        EXPECT_EQ(majuscules.Encre(), minuscules.Encre()) << nom;
    }
}

// The markers spelled for a state bring that state back when they are typed.
TEST(Marqueurs, TheMarkersOfAStateRestoreIt) {
    Saisie a(Ecritures::Latine, kDonnees);
    a.etat().Ecriture = Ecritures::Dorvane, a.etat().Langue = Langues::Anglais, a.etat().Taille = 7;
    Saisie b(Ecritures::Velmor, kDonnees);
    b.Taper(MarqueursEtat(a.etat()) + u' ');
    EXPECT_EQ(std::tuple(b.etat().Ecriture, b.etat().Langue, b.etat().Taille),
              std::tuple(Ecritures::Dorvane, Langues::Anglais, 7)) << MarqueursEtat(a.etat()).toStdString();
    EXPECT_TRUE(b.Encre().empty());
}

TEST(RetranscrireTexte, MarkersNumbersAndTheScriptRestored) {
    Saisie b;
    b.etat().CollageEnCours = true;
    EXPECT_EQ(RetranscrireTexte(*b.ctx, "%TAI2 ba 12 %od bo %saut ba"), FinRetranscrire::Fini);
    EXPECT_EQ(std::tuple(b.etat().Taille, b.etat().Ecriture, b.etat().PositionReprise), std::tuple(2, 0, 0));
    EXPECT_FALSE(b.Encre().empty());
    EXPECT_TRUE(b.etat().MessagesManquants.isEmpty()) << b.etat().MessagesManquants.toStdString();
    // Progress in words, ended by a total of 0.
    ASSERT_FALSE(b.fenetre.progression.empty());
    EXPECT_EQ(b.fenetre.progression.back(), std::make_pair(0, 0));
    EXPECT_EQ(b.fenetre.progression[b.fenetre.progression.size() - 2], std::make_pair(7, 7));
}

// A word wrap that starts a new screen does not stop the walk, nor does a marker after it: only a
// line end or a new-line marker does.
TEST(RetranscrireTexte, OnlyALineEndStopsTheWalkAtANewScreen) {
    Saisie b(Ecritures::Velmor, VELMOR_TEST_DATA "/tables", 1100);
    b.etat().CollageEnCours = true;
    b.fenetre.zoneTravail = QRect(0, 0, 900 * 15, 1100 * 15);
    const QString texte = QStringLiteral("ba bo\n").repeated(27) + QStringLiteral("ba ").repeated(200) + QStringLiteral("%COL2 bo bo");
    EXPECT_EQ(RetranscrireTexte(*b.ctx, texte), FinRetranscrire::Fini);
    EXPECT_EQ(std::tuple(b.etat().DernierEcran, b.etat().NumCouleur), std::tuple(1, 2.0));
}

TEST(ImprimerLatin, RunsItsMarkersInPlace) {
    Saisie b(Ecritures::Latine);
    ImprimerLatin(*b.ctx, "ab %TAI002cd%FR");
    EXPECT_EQ(std::tuple(b.etat().Taille, b.etat().Langue, b.etat().ApresEspaceLatin), std::tuple(2, 1, false));
    EXPECT_FALSE(b.Encre().empty());
    // Only the letters were printed: nothing of the markers' text.
    Saisie seul(Ecritures::Latine);
    ImprimerLatin(*seul.ctx, "ab ");
    FixerTaille(*seul.ctx, 2);
    ImprimerLatin(*seul.ctx, "cd");
    EXPECT_EQ(b.Encre(), seul.Encre());
}

// Typed Latin letters are printed at once, a marker draws nothing. (Words breaking at the right
// edge: the render tests; markers of every route: above.)
TEST(ImprimerLatin, TypedLettersArePrintedAtOnceAndMarkersDrawNothing) {
    Saisie t(Ecritures::Latine, kDonnees);
    t.Taper("%TAI2 ");
    EXPECT_EQ(std::tuple(t.etat().Taille, t.Encre().size()), std::tuple(2, 0u));
    t.Taper("a");
    EXPECT_FALSE(t.Encre().empty());
    t.Taper(" %ev ");
    EXPECT_EQ(t.etat().Ecriture, Ecritures::Velmor);
}

// Once a limit of the surface is reached nothing more is drawn in the Latin and IPA scripts, typed or
// printed, and every word left out is counted. A size marker after the first IPA word keeps the line.
TEST(ImprimerLatin, NothingIsDrawnPastTheLimitAndIpaStartsThePage) {
    for (const int ecriture : {Ecritures::Latine, Ecritures::API}) {
        Saisie s(ecriture, kDonnees);
        s.etat().LimiteAtteinte = true;
        s.Taper("ab cd ");
        if (ecriture == Ecritures::Latine) ImprimerLatin(*s.ctx, "ef gh");
        EXPECT_TRUE(s.Encre().empty()) << ecriture;
        EXPECT_GE(s.etat().MotsPerdus, 2) << ecriture;
    }
    Saisie api(Ecritures::API, kDonnees);
    api.Taper("ba ");
    const double y = api.etat().YLigne;
    api.Taper("%TAI3 bo ");
    EXPECT_EQ(std::tuple(api.etat().Taille, api.etat().YLigne), std::tuple(3, y));
}

}  // namespace
