#include "app/Demarrage.h"
#include "config/Parametres.h"
#include "drawing/Scanners.h"
#include "support/Programme.h"
#include "support/Golden.h"
#include "support/JournalDessin.h"
#include "transcription/DessinSyllabes.h"
#include "transcription/MemoireSyllabes.h"
#include "transcription/ReglagesEcriture.h"
#include "transcription/Transcrire.h"

#include <QRegularExpression>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <set>

using testing::HasSubstr;

namespace {

using Editeur = Programme;

// A size marker inside a word runs and draws nothing (markers of every route: the typing tests); a
// trailing control ends the line; lone hash signs count down.
TEST(Transcrire, MarkersControlsAndLoneHashes) {
    Editeur b;
    const double y0 = b.etat().YLigne;
    b.Ecrire("ab%TAI3");
    EXPECT_EQ(std::tuple(b.etat().Taille, b.etat().HauteurCaractere), std::tuple(3, 36));
    EXPECT_TRUE(b.Encre().empty());
    Editeur c;
    c.Ecrire("ba");
    EXPECT_EQ(c.etat().YLigne, y0);
    for (int n = 1; n <= 3; ++n) {
        c.Ecrire("#");
        EXPECT_EQ(std::tuple(c.etat().NumeroDiese, c.etat().DernierCode), std::tuple(-n, u"#"_s));
    }
    c.Ecrire("ba\r");
    EXPECT_GT(c.etat().YLigne, y0);
    EXPECT_EQ(c.etat().PosX, c.etat().MargeGauche);
}

// A word is followed by a word space pair after its ink (a whole line: the rendered sample).
TEST(Transcrire, WordsAreSpacedAndAFullStopIsASign) {
    Editeur b;
    b.Ecrire("ba");
    const double apres = b.etat().PosX;
    ScanFinTexte(*b.ctx, Bande::Pleine);
    const double finMot = b.etat().XFinGlyphe;
    EXPECT_EQ(apres, finMot + 2 * b.etat().LargeurBlanc);
    // The "." entry (13) is a path: no word space was put between the word and its sign, so the
    // sign sits within two word spaces of the word's ink.
    Editeur p;
    p.Ecrire("ba.");
    EXPECT_THAT(p.etat().MotSigne.toStdString(), HasSubstr("!P"));
    EXPECT_FALSE(p.Encre().empty());
    ScanFinTexte(*p.ctx, Bande::Pleine);
    EXPECT_LE(p.etat().XFinGlyphe, finMot + 2 * p.etat().LargeurBlanc + 2 * p.etat().Taille + 1);
    EXPECT_TRUE(p.etat().SautPermis);
}

// Step mode asks after each word; a key let through by its question box hands over a word that
// waits for the running transcription and is written after the next run's own word.
TEST(Transcrire, StepModeAsksAfterEachWordAndReentryWaits) {
    Editeur pas;
    pas.etat().Temporisation = true;
    pas.fenetre.reponses = {Reponse::Non};
    pas.Ecrire("ba");
    ASSERT_GE(pas.fenetre.messages.size(), 2u);
    EXPECT_TRUE(pas.fenetre.messages[0].question);
    EXPECT_TRUE(pas.fenetre.messages[0].texte.endsWith("On continue à temporiser ?")) << pas.fenetre.messages[0].texte.toStdString();
    EXPECT_EQ(std::tuple(pas.fenetre.messages[1].texte, pas.etat().Temporisation), std::tuple(u"Temporisation ANNULÉE..."_s, false));
    Editeur b;
    b.etat().Temporisation = true;
    b.fenetre.reponses = {Reponse::Oui, Reponse::Oui};
    b.etat().TranscriptionEnCours = true;  // as if a run were showing its question
    b.Ecrire("bo");
    EXPECT_EQ(std::tuple(b.Encre().size(), b.etat().TamponsEnAttente), std::tuple(0u, QStringList{"bo"}));
    b.etat().TranscriptionEnCours = false, b.etat().Temporisation = false;
    b.Ecrire("ba");
    EXPECT_EQ(std::tuple(b.etat().TamponsEnAttente, b.etat().TranscriptionEnCours), std::tuple(QStringList{}, false));
    Editeur seul;
    seul.Ecrire("ba");
    seul.Ecrire("bo");
    EXPECT_EQ(b.Encre(), seul.Encre());
}

// Draws one word's syllables on a fresh bench and returns its ink.
std::vector<std::pair<int, int>> EncreDe(const QStringList& syllabes) {
    Editeur b;
    b.etat().PosX = 100;
    DessinerSyllabes(*b.ctx, syllabes);
    return b.Encre();
}

// A change between the Velmor and Dorvane scripts leaves a word space, as between two words.
TEST(Transcrire, AChangeBetweenVelmorAndDorvaneIsAWordSpace) {
    Editeur b;
    b.Ecrire("ba");
    b.Ecrire("bo");
    const double apresBo = b.etat().PosX;
    b.Ecrire("%od");
    EXPECT_EQ(b.etat().PosX, apresBo);
    b.Ecrire("ba");
    const double apresBa = b.etat().PosX;
    b.Ecrire("%ev");
    EXPECT_EQ(b.etat().PosX, apresBa);
}

TEST(DessinerSyllabes, FormsAndSameAndDistinctGlyphs) {
    // "yyh" is the y of form nine, as "ya"; modified consonants have their own bodies.
    EXPECT_EQ(EncreDe({"yyh"}), EncreDe({"ya"}));
    // A capital consonant with its vowel is that consonant and vowel.
    EXPECT_EQ(EncreDe({"Ba"}), EncreDe({"ba"}));
    EXPECT_EQ(EncreDe({"=So_"}), EncreDe({"=so_"}));
    for (const auto& [a, b] : {std::pair{"yyh", "y"}, {"bha", "ba"}, {"bka", "ba"}, {"bka", "bha"}, {"bk", "b"}})
        EXPECT_NE(EncreDe({a}), EncreDe({b})) << a << " " << b;
    // Forms of the syllables.
    EXPECT_EQ(DecomposerSyllabes({"bai", "leo", "ba", "beh", "bha", "bhai", "A", "aeh", "b"}),
              (QStringList{"b", "ai", "l", "eo", "ba", "beh", "bha", "bh", "ai", "A", "aeh", "b"}));
}

TEST(DessinerSyllabes, StackedClusterWithAndWithoutItsRow) {
    // "S" heads a stack of "t" and "r": the table has the row "s.t.r", drawn as one path.
    Editeur avec;
    avec.etat().PosX = 100;
    DessinerSyllabes(*avec.ctx, {"=S", "t", "r"});
    EXPECT_TRUE(avec.etat().SyllabeLiee);
    Editeur sans;
    sans.tables().TableAmas[2][1].clear();  // drop the "s.t.r" row: the three paths are stacked
    sans.tables().TableAmas[3][1].clear();
    sans.etat().PosX = 100;
    DessinerSyllabes(*sans.ctx, {"=S", "t", "r"});
    EXPECT_NE(avec.Encre(), sans.Encre());
    // Stacked, the components hang below the head on the line, each with blank rows above it.
    ComparerImageGolden(sans.surface.Image().copy(90, 0, 60, 80), "pile_sans_amas");
    ComparerImageGolden(avec.surface.Image().copy(90, 0, 60, 80), "pile_avec_amas");
}

TEST(DessinerSyllabes, MissingGlyphsAreReported) {
    Editeur b;
    b.etat().TextePointe = "ja..ba";
    DessinerSyllabes(*b.ctx, {"ja", "", "ba", "Jh"});
    EXPECT_EQ(b.etat().MessagesManquants, "\nLe caractère ''ja'' n'existe pas en Velmor...");
    // An empty syllable and a capital head show their box at once.
    EXPECT_EQ(b.fenetre.Textes(), (QStringList{"Caractère vide dans ja..ba",
                                               "Le caractère ''jh'' n'existe pas en Velmor..."}));
}

// The transcriber keeps the dotted texts it built: a text met again, in another input language,
// suffix mode or after other texts, gives what a fresh start gives, line break allowance included.
TEST(Transcrire, TextsMetAgainGiveTheSameWordsAndLatinAndIpaDrawNothing) {
    const QStringList textes = {"bonjour", "l'ami", "ba.", "ami a,", "aha'ba", "'ba", "%saut", "fh'ab",
                                "ouba",    "ba?",   "ba`", "ba__da", "# 3",    "ba#", "Bato", "ba-"};
    Editeur deja;
    for (int tour = 0; tour < 2; ++tour)
        for (int langue : {3, 1, 0, 4})
            for (const QString& t : textes) {
                const int16_t l = static_cast<int16_t>(langue == 4 ? 0 : langue), son = langue == 4 ? 2 : 0;
                deja.etat().Langue = l, deja.etat().ModeSon = son;
                Editeur neuf;
                neuf.etat().Langue = l, neuf.etat().ModeSon = son;
                EXPECT_EQ(MotsATracer(*deja.ctx, t), MotsATracer(*neuf.ctx, t)) << t.toStdString() << " " << langue;
                EXPECT_EQ(deja.etat().SautPermis, neuf.etat().SautPermis) << t.toStdString() << " " << langue;
            }
    // The Latin and IPA scripts draw nothing here.
    for (int ecriture : {2, 3}) {
        Editeur b;
        b.etat().Ecriture = static_cast<int16_t>(ecriture);
        b.Ecrire("bonjour");
        EXPECT_EQ(std::tuple(b.Encre().size(), b.etat().Tampon), std::tuple(0u, u""_s));
    }
}

// Running prose on a work area 20 pixels narrower than the surface: long words and the signs glued
// to them go to the next line rather than past the picture's right edge, sentence ends included.
TEST(Transcrire, WordsAndTheirSignsStartOnThePicture) {
    QFile f(QStringLiteral(VELMOR_TEST_DATA "/../../tools/dictionnaires/prose/en_novel.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList mots = QString::fromUtf8(f.readAll()).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    for (int taille : {1, 3}) {
        ProgrammeLivre b(1600, 600, 2);
        b.fenetre.zoneTravail = QRect(0, 0, 1580 * 15, 1000 * 15);
        FixerTaille(*b.ctx, taille);
        b.etat().CollageEnCours = true;  // as a paste: no page snapshot a word
        std::vector<AppelDessin> journal;
        JournaliserDessins(*b.ctx, &journal);
        for (const QString& m : mots) b.Ecrire(m);
        EXPECT_GT(b.etat().NombreLignes, 4) << taille;
        EXPECT_GT(journal.size(), mots.size()) << taille;
        for (const AppelDessin& a : journal)
            ASSERT_LT(a.x, b.surface.Largeur()) << taille << " " << a.chemin.toStdString();
    }
}

// In multicolour every word of a French sentence is drawn, without a message, in the vowel forms'
// colours rather than one ink.
TEST(Transcrire, MulticolourDrawsEveryWordWithoutAMessage) {
    Banc b(1200, 400, VELMOR_PROGRAM_DATA);
    Main(*b.ctx);
    b.etat().Langue = 1;
    ActiverMulticolore(*b.ctx);
    for (const QString& mot : QString("ba bonjour, les amis du monde entier. Voici 12 mots !").split(' ')) {
        const size_t avant = b.Encre().size();
        b.etat().Tampon = mot;
        Transcrire(*b.ctx);
        EXPECT_GT(b.Encre().size(), avant) << mot.toStdString();
    }
    std::set<QRgb> couleurs;
    for (const auto& [x, y] : b.Encre()) couleurs.insert(b.surface.LigneBrute(y)[x]);
    EXPECT_TRUE(b.fenetre.messages.empty()) << b.fenetre.Textes().join("|").toStdString();
    EXPECT_TRUE(b.etat().MessagesManquants.isEmpty());
    EXPECT_GE(couleurs.size(), 2u);
}

TEST(Transcrire, RenderedSample) {
    Editeur b;
    b.etat().Taille = 2;
    for (const char* mot : {"bonjour", "ami,", "ta'bo", "12", "stra."}) b.Ecrire(mot);
    ComparerImageGolden(b.surface.Image().copy(0, 0, 500, 80), "rendu_phonetique");
}

// The memory answers only what it was given, reading by reading, and stays bounded: once full it
// starts again rather than answering wrong.
TEST(MemoireSyllabes, AnswersWhatItKeptAndNothingElse) {
    MemoireSyllabes m;
    const int lecture = MemoireSyllabes::Lecture(3, false);
    EXPECT_EQ(m.Trouver(lecture, "ba"), nullptr);
    m.Garder(lecture, "ba", {"ba", true});
    m.Garder(lecture, "ba", {"Ba", false});  // kept again: the newer text wins
    ASSERT_NE(m.Trouver(lecture, "ba"), nullptr);
    EXPECT_EQ(std::tuple(m.Trouver(lecture, "ba")->pointe, m.Trouver(lecture, "ba")->sautPermis), std::tuple(u"Ba"_s, false));
    EXPECT_EQ(m.Trouver(MemoireSyllabes::Lecture(0, true), "ba"), nullptr);  // another reading
    EXPECT_EQ(std::tuple(m.Trouver(lecture, "b"), m.Trouver(lecture, "ba ")), std::tuple(nullptr, nullptr));
    EXPECT_EQ(std::tuple(m.Trouver(-1, "ba"), m.Trouver(99, "ba")), std::tuple(nullptr, nullptr));
    int trouves = 0;
    for (int i = 0; i < 20000; ++i) {
        const QString t = QString::number(i * 7919) + u'x';
        m.Garder(lecture, t, {t + u'.', i % 2 == 0});
        if (const MemoireSyllabes::Texte* k = m.Trouver(lecture, t)) {
            EXPECT_EQ(k->pointe, t + u'.');
            ++trouves;
        }
        const QString avant = QString::number((i / 2) * 7919) + u'x';
        if (const MemoireSyllabes::Texte* k = m.Trouver(lecture, avant)) {
            EXPECT_EQ(std::tuple(k->pointe, k->sautPermis), std::tuple(avant + u'.', (i / 2) % 2 == 0));
        }
    }
    EXPECT_EQ(trouves, 20000);  // a text just kept is always found
}

}  // namespace
