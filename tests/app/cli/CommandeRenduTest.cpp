#include "app/cli/Editeur.h"
#include "support/Fichiers.h"
#include "support/Sortie.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kTables = QStringLiteral(VELMOR_TEST_DATA "/tables");
const QString kDonnees = QStringLiteral(VELMOR_PROGRAM_DATA);

TEST(CommandeRendu, WritesThePictureAndReportsMissingGlyphs) {
    QTemporaryDir dir;
    const QString png = dir.filePath("r.png");
    Sortie s;
    ASSERT_EQ(s.Lancer({"render", "ba bo ja", "--langue", "PH", "-o", png}, kTables), 0);
    QImage im(png);
    ASSERT_EQ(im.width(), 1000);
    EXPECT_EQ(s.err.trimmed(), "Le caractère ''ja'' n'existe pas en Velmor...");
    // Cut down to the drawing: the same pixels, a blank of 15 to the right and below.
    const QString rogne = dir.filePath("rogne.png");
    ASSERT_EQ(s.Lancer({"render", "ba bo ja", "--langue", "PH", "--rogner", "-o", rogne}, kTables), 0);
    const QImage r(rogne);
    ASSERT_LT(std::max(r.width(), r.height()), 200);
    EXPECT_EQ(r, im.copy(0, 0, r.width(), r.height()).convertToFormat(r.format()));
    const QRgb blanc = qRgb(255, 255, 255);
    bool encreAuBord = false;
    for (int y = 0; y < r.height(); ++y) encreAuBord |= r.pixel(r.width() - 16, y) != blanc;
    EXPECT_TRUE(encreAuBord);
    for (int y = 0; y < r.height(); ++y)
        for (int x = r.width() - 15; x < r.width(); ++x) ASSERT_EQ(r.pixel(x, y), blanc);
}

// Lines of text on a picture: bands of inked rows, bands closer than `ecart` rows counted as one.
int LignesDeTexte(const QImage& image, int ecart) {
    const QImage im = image.convertToFormat(QImage::Format_RGB32);
    int lignes = 0, blancs = ecart;
    for (int y = 0; y < im.height(); ++y) {
        bool encre = false;
        for (int x = 0; x < im.width() && !encre; ++x) encre = im.pixel(x, y) != qRgb(255, 255, 255);
        if (encre && blancs >= ecart) ++lignes;
        blancs = encre ? 0 : blancs + 1;
    }
    return lignes;
}

QString Fichier(const QTemporaryDir& dir, const QString& ligne, int fois) {
    EXPECT_TRUE(EcrireFichier(dir.filePath("texte.txt"), (ligne + u'\n').repeated(fois).toUtf8()));
    return dir.filePath("texte.txt");
}

// Status 3: typed text past the height limit (its message once, on three lines), and whenever a word is on no
// picture: the word whose own line break reached the height limit, pasted or typed as the last word.
TEST(CommandeRendu, TextPastTheHeightLimitOrAWordLostAtItEndsWithStatus3) {
    QTemporaryDir dir;
    Sortie f;
    EXPECT_EQ(f.Lancer({"render", "-f", Fichier(dir, "ba bo", 200), "--langue", "PH", "--taille", "2", "--frappe", "-o",
                        dir.filePath("r.png")}, kTables), 3);
    const QStringList lignes = f.err.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lignes.size(), 3) << f.err.toStdString();
    EXPECT_EQ(lignes[0], "Hauteur maximum de l'image atteinte.");
    EXPECT_TRUE(lignes[1].startsWith("Elle est ici de ")) << lignes[1].toStdString();
    EXPECT_TRUE(lignes[2].startsWith("Nombre de Lignes Velmor atteint : ")) << lignes[2].toStdString();
    EXPECT_EQ(f.out.trimmed(), dir.filePath("r.png"));
    const QString texte = Fichier(dir, QStringLiteral("bo ").repeated(1620) + QStringLiteral("bo"), 1);
    for (const bool frappe : {false, true}) {
        Sortie s;
        QStringList args = {"render", "-f", texte, "--ecriture", "velmor", "--langue", "PH", "--taille", "3", "--largeur", "400",
                            "-o", dir.filePath("x.bmp")};
        if (frappe) args << "--frappe";
        EXPECT_EQ(s.Lancer(args, kTables), 3) << frappe << s.err.toStdString();
    }
}

// Typed text (a line end is Enter) and pasted text draw the same pictures: every word before a line
// end included, in the Velmor, Dorvane and Latin scripts with their markers.
TEST(CommandeRendu, TypingAndPastingDrawTheSamePictures) {
    QTemporaryDir dir;
    const auto rendre = [&](const QString& texte, const QString& nom, bool frappe) {
        EXPECT_TRUE(EcrireFichier(dir.filePath("t.txt"), texte.toUtf8()));
        Sortie s;
        QStringList args = {"render", "-f", dir.filePath("t.txt"), "--ecriture", "velmor", "--langue", "TU", "-o", dir.filePath(nom)};
        if (frappe) args << "--frappe";
        EXPECT_EQ(s.Lancer(args, kDonnees), 0) << s.err.toStdString();
        return QImage(dir.filePath(nom));
    };
    const QImage tape = rendre("sol\ntama\nvira\n", "f.png", true);
    EXPECT_EQ(LignesDeTexte(tape, 10), 3);
    EXPECT_EQ(tape, rendre("sol\ntama\nvira\n", "c.png", false));
    QString texte = QStringLiteral("%LIN30 ");
    for (int i = 0; i < 10; ++i) texte += QStringLiteral("tama vira lum\n%od sol tama vira\n%la one two %ev lum sol\n");
    EXPECT_EQ(rendre(texte, "f30.png", true), rendre(texte, "c30.png", false));
}

// Every word of a text of 1, 15 or 25 screens is drawn, or the render says that some are not.
TEST(CommandeRendu, EveryWordIsDrawnOrTheRenderSaysSo) {
    for (const int taille : {1, 3})
        for (const int ecrans : {1, 15, 25}) {
            Sortie s;
            Editeur e({.langue = 0, .taille = taille}, kDonnees, s.se);
            const int lignes = ecrans * (1000 / (38 * taille)) - 2;
            const bool entier = e.Coller(QStringLiteral("tama vira lum\n").repeated(lignes));
            const int ecrits = e.ctx().etat.MotsEcrits;
            EXPECT_EQ(entier, ecrits == 3 * lignes) << taille << " " << ecrans << ": " << ecrits;
            if (ecrans <= 15) EXPECT_EQ(ecrits, 3 * lignes) << taille << " " << ecrans;
        }
}

// --ecrans: two lines a screen at size 12. Without a limit every line is written, the numbers
// widened to three digits once there are a hundred; with the limit (the editor's 20 unless given)
// the text stops there with status 3, every line of those screens written. A PDF is one document
// with a page a screen.
TEST(CommandeRendu, AnyNumberOfScreensGoOutAsTheyFill) {
    QTemporaryDir dir;
    const QString texte = Fichier(dir, "tama vira", 220);
    const auto rendre = [&](Sortie& s, const char* ecrans, const QString& sortie) {
        QStringList args{"render", "-f", texte, "--langue", "TU", "--taille", "12", "-o", dir.filePath(sortie)};
        if (ecrans) args << "--ecrans" << ecrans;
        return s.Lancer(args, kDonnees);
    };
    Sortie tout, vingt, pdf, mauvais;
    ASSERT_EQ(rendre(tout, "0", "r.png"), 0) << tout.err.toStdString();
    const QStringList fichiers = tout.Lignes();
    ASSERT_GE(fichiers.size(), 100);
    EXPECT_EQ(fichiers[0], dir.filePath("r-001.png"));
    EXPECT_FALSE(QFile::exists(dir.filePath("r-01.png")));
    int lignes = 0;
    for (const QString& f : fichiers) lignes += LignesDeTexte(QImage(f), 60);
    EXPECT_EQ(lignes, 220);
    EXPECT_EQ(rendre(vingt, nullptr, "v.bmp"), 3);
    EXPECT_EQ(std::tuple(vingt.Lignes().size(), vingt.err.trimmed(), vingt.Lignes().value(0), QFile::exists(dir.filePath("v.bmp"))),
              std::tuple(20, QString("Texte trop important, doit occuper 20 écrans maxi !"), dir.filePath("v-01.bmp"), false));
    lignes = 0;
    for (const QString& f : vingt.Lignes()) {
        const QImage im(f);
        EXPECT_EQ(im.height(), 1050);  // the tables' A4 height
        lignes += LignesDeTexte(im, 60);
    }
    EXPECT_EQ(lignes, 40);
    ASSERT_EQ(rendre(pdf, "0", "r.pdf"), 0) << pdf.err.toStdString();
    EXPECT_EQ(pdf.Lignes(), QStringList{dir.filePath("r.pdf")});
    EXPECT_EQ(PagesPdf(dir.filePath("r.pdf")), fichiers.size());
    EXPECT_EQ(rendre(mauvais, "-1", "m.png"), 2);
}

TEST(CommandeRendu, LatinAndIpaWordsWrapWithinTheWidth) {
    for (const char* ecriture : {"latine", "api"}) {
        QTemporaryDir dir;
        Sortie s;
        ASSERT_EQ(s.Lancer({"render",
                            "one two three four five six seven eight nine ten eleven twelve thirteen fourteen fifteen "
                            "sixteen seventeen eighteen nineteen twenty",
                            "--ecriture", ecriture, "--langue", "PH", "--largeur", "400", "-o", dir.filePath("l.png")},
                           kDonnees), 0);
        const QImage im(dir.filePath("l.png"));
        EXPECT_GE(LignesDeTexte(im, 6), 3) << ecriture;
        // Nothing runs into the right edge.
        const QImage bord = im.copy(im.width() - 3, 0, 3, im.height()).convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < bord.height(); ++y)
            for (int x = 0; x < 3; ++x) ASSERT_EQ(bord.pixel(x, y), qRgb(255, 255, 255)) << ecriture;
    }
}

// Status 1 for a file that cannot be read or written, here a missing folder (a full disk: the
// full-disk tests; bad options: the command-line tests). Markers run in the IPA script; "syllabes"
// writes one dotted word a line.
TEST(CommandeRendu, StatusesIpaMarkersAndSyllables) {
    QTemporaryDir dir;
    EXPECT_EQ(Sortie().Lancer({"render", "-f", dir.filePath("absent.txt"), "--langue", "PH", "-o", dir.filePath("x.png")}, kTables), 1);
    EXPECT_EQ(Sortie().Lancer({"render", "ba", "--langue", "PH", "-o", dir.filePath("absent/x.svg")}, kTables), 1);
    Sortie avec, sans, syllabes;
    ASSERT_EQ(avec.Lancer({"render", "%TAI1 dia %ev", "--ecriture", "api", "--langue", "PH", "-o",
                           dir.filePath("a.png")}, kDonnees), 0);
    ASSERT_EQ(sans.Lancer({"render", "dia", "--ecriture", "api", "--langue", "PH", "-o", dir.filePath("b.png")}, kDonnees), 0);
    EXPECT_EQ(QImage(dir.filePath("a.png")), QImage(dir.filePath("b.png")));
    ASSERT_EQ(syllabes.Lancer({"syllabes", "bonjour ami, %od", "--langue", "PH"}, kTables), 0);
    EXPECT_EQ(syllabes.out, "bo.n.jou.r\nA.mi\n!,\n");
}

}  // namespace

// On a terminal a text over a screen shows its progress on stderr, ending with every word and
// screen written; --quiet and a stderr that is no terminal (every test above) show nothing.
TEST(CommandeRendu, ProgressOnATerminalOnly) {
    if (QStandardPaths::findExecutable("script").isEmpty()) GTEST_SKIP() << "no script(1) to give a terminal";
    QTemporaryDir dir;
    const QString texte = Fichier(dir, "tama vira lum", 40);
    for (const bool calme : {false, true}) {
        QProcess p;
        const QString commande = QStringLiteral("'%1' render -f '%2' --dossier '%3' --langue TU --taille 3 %4 -o '%5' 2>&1 >/dev/null")
                                     .arg(VELMOR_EXECUTABLE, texte, kDonnees, calme ? "--quiet" : "", dir.filePath("r.png"));
        p.start("script", {"-qec", commande, "/dev/null"});
        ASSERT_TRUE(p.waitForFinished(60000));
        const QString terminal = QString::fromUtf8(p.readAllStandardOutput());
        EXPECT_EQ(p.exitCode(), 0) << terminal.toStdString();
        if (calme)
            EXPECT_TRUE(terminal.trimmed().isEmpty()) << terminal.toStdString();
        else
            EXPECT_TRUE(terminal.contains(QRegularExpression(QStringLiteral("\\[#{30}\\] 100 %  120/120 mots, \\d+ écrans"))))
                << terminal.toStdString();
    }
}
