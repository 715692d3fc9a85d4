// The glyph measurement report: the layout of its blocks, a measured block for every syllable of the
// five lists, and the user's picture and state given back.
#include "app/Demarrage.h"
#include "outputs/Branchements.h"
#include "outputs/RapportMesures.h"
#include "support/Programme.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

TEST(RapportMesures, BlockLayout) {
    const MesuresGlyphe m{{-1, 8, 7, 9, 9}, {-1, 0, 1, 1, 2}, 5, 4, 9, 7};
    EXPECT_EQ(LignesMesures("a", m), QStringList({
        "'' a'' =     HX=-1 HXv= 8 CX= 7 BXv= 9 BX= 9.  CG= 5.  LaTyp= 9",
        "'' a'' =     HX=-1 HXv= 0 CX= 1 BXv= 1 BX= 2//  CG= 4.  LaTyp= 9",
        "   TOUT: 9   BETA: 8'' a'' .   Largeur du Typ= 7",
        " "}));
    EXPECT_TRUE(LignesMesures("aeh", m)[0].startsWith("'' aeh'' =   HX=-1"));
    EXPECT_TRUE(LignesMesures("ieh", MesuresGlyphe{})[2].startsWith("   TOUT: 0   BETA: 0"));
}

TEST(RapportMesures, MeasuresEverySyllableAndGivesThePictureBack) {
    CopieDonnees copie;
    QTemporaryDir& dossier = copie.dossier;
    Banc b(500, 200, dossier.path());  // shorter than one sheet
    Main(*b.ctx);
    BrancherSorties(*b.ctx);
    EtatProgramme& e = b.etat();
    e.Taille = 2, e.Ecriture = 1, e.Langue = 2, e.PosX = 123;
    b.surface.Ligne(10, 10, 200, 150);
    const QImage avant = b.surface.Image();
    const int pages = e.IndicePageRappel;
    std::vector<QImage> feuilles;
    ASSERT_TRUE(RapportMesuresFeuilles(*b.ctx, [&](const QImage& f) { feuilles.push_back(f); }));
    EXPECT_EQ(b.surface.Image(), avant);
    EXPECT_EQ(std::tuple(e.Taille, e.Ecriture, e.Langue, e.PosX, e.IndicePageRappel), std::tuple(2, 1, 2, 123, pages));
    EXPECT_EQ(b.fenetre.progression.back(), std::make_pair(0, 0));
    EXPECT_GE(feuilles.size(), 2u);  // 97 lines do not fit under the height limit
    QFile f(dossier.filePath("Donnees.TXT"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString texte = QString::fromLatin1(f.readAll());
    EXPECT_FALSE(texte.contains(QRegularExpression("[^\r]\n")));
    const QStringList lignes = texte.split("\r\n");
    const QStringList syllabes = SyllabesRapport();
    ASSERT_EQ(lignes.size(), 4 * syllabes.size() + 1);
    const QString n = R"(( \d+|-1))";
    const QRegularExpression droite("^'' (\\w+)'' = +HX=" + n + " HXv=" + n + " CX=" + n + " BXv=" + n + " BX=" + n +
                                    "\\.  CG=" + n + "\\.  LaTyp= \\d$");
    const QRegularExpression somme(R"(^   TOUT: (\d+)   BETA: (\d+)'' (\w+)'' \.   Largeur du Typ= \d+$)");
    for (qsizetype i = 0; i < syllabes.size(); ++i) {
        const QString& s = syllabes[i];
        const auto l1 = droite.match(lignes[4 * i]);
        ASSERT_TRUE(l1.hasMatch()) << lignes[4 * i].toStdString();
        EXPECT_EQ(l1.captured(1), s);
        const auto l3 = somme.match(lignes[4 * i + 2]);
        ASSERT_TRUE(l3.hasMatch()) << lignes[4 * i + 2].toStdString();
        EXPECT_EQ(l3.captured(3), s);
        // Each glyph left ink in its cell; a scanner row never sees more than the half it lies in.
        const auto v = [&](int k) { return l1.captured(k).toInt(); };  // HX HXv CX BXv BX from 2
        EXPECT_GT(l3.captured(1).toInt(), 0) << s.toStdString();
        EXPECT_GE(l3.captured(1).toInt(), l3.captured(2).toInt());
        EXPECT_LE(v(2), v(3)) << s.toStdString();
        EXPECT_LE(v(4), v(3)) << s.toStdString();
        EXPECT_LE(v(6), v(5)) << s.toStdString();
        EXPECT_EQ(lignes[4 * i + 3], " ");
    }
    EXPECT_EQ(b.fenetre.textes["TxtEntree"], lignes[4 * (syllabes.size() - 1)]);
}

}  // namespace
