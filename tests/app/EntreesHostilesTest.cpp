// Hostile files and huge inputs through the program's own routes: each ends with the program's
// message or a bounded result, never a crash, and the state stays within its ranges.
#include "app/cli/Editeur.h"
#include "config/Parametres.h"
#include "support/Fichiers.h"
#include "support/Programme.h"
#include "support/Sortie.h"
#include "transcription/Prononciation.h"

#include <gmock/gmock.h>
#include <random>

using testing::AllOf;
using testing::HasSubstr;
using testing::StartsWith;

namespace {

QByteArray Aleatoire(std::size_t taille, unsigned graine) {
    std::mt19937 g(graine);
    QByteArray b(static_cast<qsizetype>(taille), '\0');
    for (char& c : b) c = static_cast<char>(g());
    return b;
}

TEST(EntreesHostiles, RandomTablesStillLetTheProgramWrite) {
    for (unsigned graine : {1u, 2u, 3u}) {
        QTemporaryDir dir;
        ASSERT_TRUE(EcrireFichier(dir.filePath("APABDIDS.TXT"), Aleatoire(200000, graine)));
        ASSERT_TRUE(EcrireFichier(dir.filePath("Suffixes.TXT"), Aleatoire(20000, graine + 10)));
        for (int langue : {0, 3}) {
            Programme p(dir.path(), 300, 200, langue);
            p.Ecrire("ba bo kilu 12 !, Tama%TAI3 vira");
            EXPECT_EQ(std::tuple(p.etat().Tampon, p.surface.Largeur()), std::tuple(u""_s, 300)) << graine;
        }
    }
}

// A huge settings file is read to its last values; a value longer than any path is passed over and
// the lines around it are read.
TEST(EntreesHostiles, HugeSettingsFilesAreReadToTheirLastValues) {
    QTemporaryDir dir;
    QByteArray ini;
    for (int i = 0; i < 100000; ++i) {
        switch (i % 5) {
        case 0: ini += "* TAILLE = " + QByteArray::number(i) + "\r\n"; break;
        case 1: ini += "* LARGEUR IMAGE = " + QByteArray::number(300 + i % 7) + "\r\n"; break;
        case 2: ini += "* HAUTEUR LIGNE = -" + QByteArray::number(i) + "\r\n"; break;
        case 3: ini += "* ECRITURE = " + QByteArray(400, '9') + "\r\n"; break;
        default: ini += "* COULEUR TEXTE = " + QByteArray(i % 50, '7') + "\r\n"; break;
        }
    }
    ini += "* LANGUE = -99999999999999999999\r\n* COULEUR FOND  = -1\r\n";
    ASSERT_TRUE(EcrireFichier(dir.filePath("Velmor.ini"), ini));
    Banc b(200, 100, dir.path());
    LireParametres(*b.ctx);
    const EtatProgramme& e = b.etat();
    EXPECT_EQ(std::tuple(e.Taille, e.HauteurLigne, e.Ecriture, e.Langue, b.surface.Largeur()), std::tuple(50, 1, 0, 0, 300 + 99996 % 7));
    EXPECT_LE(e.CouleurTexte, 0xFFFFFFu);
    EXPECT_EQ(std::tuple(e.CouleurFond, b.fenetre.messages.size()), std::tuple(0xFFFFFFu, 0u));
    ASSERT_TRUE(EcrireFichier(dir.filePath("Velmor.ini"), "* TAILLE = 3\r\n* CHEMIN = " + QByteArray(5'000'000, 'x') +
                                                              "\r\n* LANGUE = 2\r\n* UNE/PLUSIEURS PAGES = " + QByteArray(100'000, '1')));
    b.etat().Chemin = "avant";
    LireParametres(*b.ctx);
    EXPECT_EQ(std::tuple(e.Taille, e.Langue, e.Chemin), std::tuple(3, 2, u"avant"_s));
    EXPECT_LT(b.fenetre.textes.value("CmdWajPaq").size(), 2);
}

// Elided French words are read a prefix at a time in a loop, however long the chain.
TEST(EntreesHostiles, LongElisionChainsThroughTheLookupRenderAndPaste) {
    QTemporaryDir dir;
    ASSERT_TRUE(EcrireFichier(dir.filePath("Fohms_FR.TXT"), "ami;ahmi'\r\nx;iks'\r\n"));
    ASSERT_TRUE(CopierTables(dir.path()));
    const auto cle = [](int n, const QString& fin) { return QString("l'").repeated(n) + fin; };
    const auto chercher = [](QStringView k) -> std::optional<QString> {
        if (k.compare(u"ami", Qt::CaseInsensitive) == 0) return u"ahmi'"_s;
        return std::nullopt;
    };
    EXPECT_EQ(ChercherCle(u"qu'l'ami", false, 1, chercher), u"clahmi'");
    EXPECT_EQ(ChercherCle(cle(100000, "ami"), false, 1, chercher), std::nullopt);  // no word has that many
    EXPECT_EQ(ChercherCle(cle(3, "ami-ami"), false, 1, chercher), u"lllahmiahmi'");
    // A megabyte of them as one word, through render and through the paste's routine.
    const QString megaoctet = cle(500000, "x");
    ASSERT_TRUE(EcrireFichier(dir.filePath("elisions.txt"), megaoctet.toLatin1()));
    Sortie s;
    EXPECT_NE(s.Lancer({"render", "-f", dir.filePath("elisions.txt"), "--langue", "FR", "-o", dir.filePath("e.png")}, dir.path()), 1);
    Editeur e({.langue = 1, .largeur = 600}, dir.path(), s.se);
    e.Coller(cle(100000, "ami ") + cle(3, "ami"));
    EXPECT_EQ(e.ctx().etat.Langue, 1);
}

// A damaged data file is named with its line in one readable message; the commands that draw stop
// with status 1 when the tables cannot be read.
TEST(EntreesHostiles, DamagedDataFilesAreNamedWithTheirLineOnce) {
    QFile source(VELMOR_TEST_DATA "/tables/APABDIDS.TXT");
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    QList<QByteArray> lignes = source.readAll().split('\n');
    const auto sansControle = [](const QString& t) {
        return std::none_of(t.begin(), t.end(), [](QChar c) { return c != u'\n' && !c.isPrint(); });
    };
    QList<QByteArray> endommagees = lignes;
    endommagees[4].insert(1, "\x01\x9d\x00", 3);
    const std::pair<QByteArray, const char*> cas[] = {
        {endommagees.join('\n'), "Erreur dans ''APABDIDS.TXT'' : Ligne 5 : fichier endommagé : "},
        {lignes.mid(0, 200).join('\n'), "Erreur dans ''APABDIDS.TXT'' : Ligne 199 : fichier endommagé"},
        {{}, "velmor : impossible de lire "},
    };
    for (const auto& [tables, debut] : cas) {
        QTemporaryDir dir;
        if (!tables.isNull()) ASSERT_TRUE(EcrireFichier(dir.filePath("APABDIDS.TXT"), tables));
        for (const char* commande : {"render", "specimen"}) {
            Sortie s;
            const QStringList args = commande == QString("render") ? QStringList{"render", "ba", "--langue", "PH", "-o", dir.filePath("r.png")}
                                                                    : QStringList{"specimen", "-o", dir.filePath("s.png")};
            EXPECT_EQ(s.Lancer(args, dir.path()), 1) << commande << " " << debut;
            EXPECT_EQ(s.err.count(u'\n'), 1) << s.err.toStdString();
            EXPECT_THAT(s.err.toStdString(), StartsWith(debut));
            EXPECT_TRUE(sansControle(s.err)) << s.err.toStdString();
        }
    }
    // A dictionary of random bytes: one message, escaped; the word is read as if it had none.
    QTemporaryDir dir;
    ASSERT_TRUE(EcrireFichier(dir.filePath("Fohms_FR.TXT"), "chat;sha'\r\n" + Aleatoire(100000, 7)));
    Sortie s;
    EXPECT_EQ(s.Lancer({"prepare", "chat", "chien", "--langue", "FR"}, dir.path()), 0);
    EXPECT_EQ(s.err.count(u'\n'), 1) << s.err.toStdString();
    EXPECT_THAT(s.err.toStdString(), AllOf(StartsWith("Erreur dans ''Fohms_FR.TXT'' : Ligne "), HasSubstr("fichier endommagé")));
    EXPECT_TRUE(sansControle(s.err)) << s.err.toStdString();
}

// (A limit met at every key is said once: the render tests' typed text past the height limit.)
TEST(EntreesHostiles, AMegabytePasteEndsAtTheTwentyScreenMessage) {
    Sortie s;
    Editeur c({.langue = 3, .taille = 2, .largeur = 400}, VELMOR_TEST_DATA "/tables", s.se);
    QString texte;
    while (texte.size() < 1'000'000) texte += "ba bo kilu tama\r";
    EXPECT_FALSE(c.Coller(texte));
    EXPECT_EQ(s.err.trimmed(), "Texte trop important, doit occuper 20 écrans maxi !");
    EXPECT_EQ(std::tuple(c.ctx().etat.NumeroEcran, c.ctx().etat.DernierEcran, c.ctx().ecrans.Occupee(20)),
              std::tuple(20, 20, true));
}

TEST(EntreesHostiles, FiveMegabyteSingleLineDictionaries) {
    QTemporaryDir dir;
    const auto prepare = [&](const QByteArray& fichier, const QString& mot) {
        EXPECT_TRUE(EcrireFichier(dir.filePath("Fohms_FR.TXT"), fichier));
        Banc b(10, 10, dir.path());
        b.etat().Langue = 1;
        QString w = mot;
        PrepareMot(*b.ctx, w);
        return std::make_pair(w, b.fenetre.Textes());
    };
    // Entries on one line, separated by commas: the last one is found.
    QByteArray entrees;
    for (int i = 0; entrees.size() < 5'000'000; ++i) entrees += "mot" + QByteArray::number(i) + ";val,";
    entrees += "dernier;fin";
    EXPECT_EQ(prepare(entrees, "dernier"), std::make_pair(QString("fin"), QStringList{}));
    // One 5 MB entry without a ";": one message, cut short, and the word unchanged.
    const auto [mot, messages] = prepare(QByteArray(5'000'000, 'x'), "chat");
    EXPECT_EQ(mot, "chat");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Erreur dans ''Fohms_FR.TXT'' : Ligne xxx")) << messages[0].left(100).toStdString();
    EXPECT_LT(messages[0].size(), 400);
}

TEST(EntreesHostiles, MarkerSizesAndColoursOutOfRangeAreBounded) {
    const std::pair<const char*, int> cas[] = {
        {"%TAI000 ba", 1}, {"%TAI-99 ba", 1}, {"%TAI999 ba", 50}, {"%TAI 12 ba", 1},
        {"%COL999 ba %COL-99 bo", 1}, {"%LIN999 %BLA999 %TAI050 ba", 50},
    };
    for (const auto& [texte, taille] : cas) {
        Programme p(VELMOR_TEST_DATA "/tables", 600, 200);
        p.Ecrire(texte);
        EXPECT_EQ(std::tuple(p.etat().Taille, p.surface.Largeur()), std::tuple(taille, 600)) << texte;
    }
    // Typed in the phonetic script, a marker reads every digit up to the space.
    for (const auto& [frappe, taille] : {std::pair{"%TAI99999999999999999999 ba ", 50}, {"%TAI-99999999999999999999 ba ", 1},
                                         {"%TAI0 ba ", 1}, {"%TAI1234567 ba ", 50},
                                         {"%COL99999999999999999999 %LIN-99999999999999999999 %BLA99999999999999999999 ba ", 1}}) {
        Sortie s;
        Editeur e({.ecriture = 3, .langue = 3, .largeur = 600}, VELMOR_TEST_DATA "/tables", s.se);
        EXPECT_TRUE(e.Taper(frappe)) << frappe;
        EXPECT_EQ(e.ctx().etat.Taille, taille) << frappe;
    }
    // Multicolour cells that hold no colour, or one out of range.
    Programme p(VELMOR_TEST_DATA "/tables", 600, 200, 0);
    ActiverMulticolore(*p.ctx);
    p.etat().CouleursMulticolores[0] = "99999999999999999999", p.etat().CouleursMulticolores[1] = "-1";
    p.etat().CouleursMulticolores[2] = "rouge";
    p.Ecrire("ba bo bi be bu");
    EXPECT_TRUE(p.etat().Tampon.isEmpty());
}

}  // namespace
