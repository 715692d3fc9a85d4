// IPA rendering from the shipped symbol bitmaps: grouping letters into symbols, pasting and
// advancing, and a bitmap for every symbol the renderer can ask for.
#include "outputs/RenduAPI.h"
#include "support/Banc.h"

#include <QDir>
#include <QImage>
#include <QSet>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::AllOf;
using testing::AnyOf;
using testing::Each;
using testing::Ge;
using testing::Lt;
using testing::Pair;

namespace {

const QString kDonnees = QStringLiteral(VELMOR_PROGRAM_DATA);

QImage Symbole(const QString& nom) { return QImage(kDonnees + QStringLiteral("/_API_") + nom + QStringLiteral(".BMP")); }

// Every text of up to three characters over the letters and a few signs.
QSet<QString> NomsDemandes() {
    const QString alphabet = QStringLiteral("abcdefghijklmnopqrstuvwxyz '-:,[]1{");
    QSet<QString> noms;
    for (QChar a : alphabet) {
        for (const QString& n : SymbolesAPI(QString(a))) noms.insert(n);
        for (QChar b : alphabet) {
            for (const QString& n : SymbolesAPI(QString(a) + b)) noms.insert(n);
            for (QChar c : alphabet)
                for (const QString& n : SymbolesAPI(QString(a) + b + c)) noms.insert(n);
        }
    }
    return noms;
}

// The lowest row holding black, -1 for none; every pixel is black or white.
int BasDeLEncre(const QImage& image, const char* nom) {
    int bas = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            EXPECT_THAT(c, AnyOf(qRgb(0, 0, 0), qRgb(255, 255, 255))) << nom;
            if (c == qRgb(0, 0, 0)) bas = y;
        }
    return bas;
}

// Every symbol the renderer can ask for has a bitmap, black on white, standing on the writing line:
// letters without a descender end on the row above the baseline (21), "g" goes below, the blank
// is white.
TEST(RenduAPI, EveryRequestableSymbolHasABitmapOnTheWritingLine) {
    const QSet<QString> noms = NomsDemandes();
    for (const QString& nom : noms) {
        const QImage image = Symbole(nom);
        ASSERT_FALSE(image.isNull()) << nom.toStdString();
        EXPECT_EQ(image.height(), 28) << nom.toStdString();
        EXPECT_GE(image.width(), 4) << nom.toStdString();
        const int bas = BasDeLEncre(image, qPrintable(nom));
        if (QStringList{"a", "m", "ay", "th", "aa", "e"}.contains(nom)) EXPECT_EQ(bas, 20) << nom.toStdString();
    }
    EXPECT_GT(BasDeLEncre(Symbole(QStringLiteral("g")), "g"), 21);
    EXPECT_EQ(BasDeLEncre(Symbole(QStringLiteral("blahg")), "blahg"), -1);
    QSet<QString> fichiers;
    for (const QString& f : QDir(kDonnees).entryList({QStringLiteral("_API_*.BMP")}, QDir::Files))
        fichiers.insert(f.mid(5, f.size() - 9));
    EXPECT_EQ(fichiers, noms);
    for (const char* nom : {"blahg", "cwot", "ea", "m", "qespon", "dk"})
        EXPECT_FALSE(QImage(kDonnees + QStringLiteral("/API/") + QLatin1String(nom) + QStringLiteral(".BMP")).isNull()) << nom;
}

TEST(RenduAPI, LettersAreGroupedIntoSymbols) {
    // Three vowels: the first two make the group; a lone "h" or "k" starts none and is passed.
    for (const auto& [texte, symboles] : {std::pair{"aak", "aa"}, {"aah", "aah"}, {"ou", "ou"}, {"sh", "sh"}, {"ak", "a"},
                                          {"b:a", "b qespon a"}, {"  ", "blahg blahg"}, {"b7", "b blahg"},
                                          {"[ba'ta, o-e]", "op b a cwot t a veg blahg o blahg e cl"},
                                          {"BOYZHU", "b oy zh u"}, {"aei", "ae i"}, {"hat", "a t"}, {"bkh", "bk"}})
        EXPECT_EQ(SymbolesAPI(QString::fromLatin1(texte)).join(u' '), QString::fromLatin1(symboles)) << texte;
}

struct BancAPI : Banc {
    BancAPI() : Banc(300, 120, kDonnees) {
        etat().MargeGauche = 10, etat().PosX = 10, etat().PosY = 40;
        fenetre.zoneVisible = QRect(0, 0, 300 * 15, 120 * 15);
    }
};

TEST(RenduAPI, EachSymbolIsPastedTheCursorMovesByItsWidthAndTheLineBreaksPastTheLimit) {
    BancAPI b;
    EcritAPI(*b.ctx, QStringLiteral("b:a"));
    const int attendu = Symbole(QStringLiteral("b")).width() + Symbole(QStringLiteral("qespon")).width() +
                        Symbole(QStringLiteral("a")).width();
    EXPECT_EQ(std::tuple(b.etat().PosX, b.etat().EcriturePrecedente), std::tuple(10 + attendu, b.etat().Ecriture));
    // The ink lies in the band of the bitmaps: from PosY - 21 to PosY + 6.
    const auto encre = b.Encre();
    ASSERT_FALSE(encre.empty());
    EXPECT_THAT(encre, Each(Pair(AllOf(Ge(10), Lt(10 + attendu)), AllOf(Ge(40 - 21), Lt(40 - 21 + 28)))));
    // A symbol past the right limit is drawn where it started, then the line breaks.
    BancAPI d;
    d.surface.Redimensionner(400, 120);
    d.fenetre.zoneTravail = QRect(0, 0, 300 * 15, 120 * 15);
    EtatProgramme& e = d.etat();
    e.YLigne = e.PosY = 40, e.SautPermis = true;
    e.PosX = 295;  // the work area is 300 pixels wide
    DessineSymboleAPI(*d.ctx, QStringLiteral("m"));
    const auto bord = d.Encre();
    ASSERT_FALSE(bord.empty());
    EXPECT_THAT(bord, Each(Pair(Ge(295), Lt(40 + 7))));
    EXPECT_EQ(std::tuple(e.YLigne, e.PosX), std::tuple(40 + e.PasLigne, 15));  // the margin of a new line
}

TEST(RenduAPI, TheSampleLineStandsAtItsPlaceAndLeavesTheCursor) {
    Banc b(400, 260, kDonnees);
    b.etat().PosX = 33;
    EchantillonAPI(*b.ctx);
    int largeur = 0;
    for (const char* nom : {"blahg", "cwot", "ea", "m", "qespon", "dk"})
        largeur += QImage(kDonnees + QStringLiteral("/API/") + QLatin1String(nom) + QStringLiteral(".BMP")).width();
    const auto encre = b.Encre();
    ASSERT_FALSE(encre.empty());
    int droite = 0;
    for (const auto& [x, y] : encre) {
        EXPECT_THAT(std::pair(x, y), Pair(AllOf(Ge(100), Lt(100 + largeur)), Ge(200)));
        droite = std::max(droite, x);
    }
    EXPECT_GT(droite, 100 + largeur - 20);  // "dk" ends the line
    EXPECT_EQ(b.etat().PosX, 33);
}

// A missing bitmap draws nothing and the text goes on; a bitmap is read once and kept.
TEST(RenduAPI, BitmapsMissingOrReadOnce) {
    QTemporaryDir sans, dossier;
    Banc vide(300, 120, sans.path());
    vide.etat().PosX = 50, vide.etat().PosY = 40;
    DessineSymboleAPI(*vide.ctx, QStringLiteral("a"));
    EXPECT_EQ(std::tuple(vide.etat().PosX, vide.Encre().size()), std::tuple(50, 0u));
    BancAPI c;
    EcritLettresAPI(*c.ctx, QStringLiteral("hbh"));  // a lone "h" is passed, then "bh"
    EXPECT_EQ(c.etat().PosX, 10 + Symbole(QStringLiteral("bh")).width());
    const QString fichier = dossier.filePath("_API_a.BMP");
    ASSERT_TRUE(QFile::copy(kDonnees + QStringLiteral("/_API_a.BMP"), fichier));
    const int largeur = Symbole(QStringLiteral("a")).width();
    for (int passe = 0; passe < 2; ++passe) {
        Banc b(300, 120, dossier.path());
        b.etat().PosX = 20, b.etat().PosY = 40;
        DessineSymboleAPI(*b.ctx, QStringLiteral("a"));
        EXPECT_EQ(b.etat().PosX, 20 + largeur);
        // Changed on disk after the first use: the symbol drawn stays the one read first.
        QImage(60, 28, QImage::Format_RGB32).save(fichier, "BMP");
    }
}

}  // namespace
