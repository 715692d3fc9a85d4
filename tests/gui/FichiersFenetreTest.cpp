// The main window's files as a user meets them: where the settings go, the questions before a
// changed picture is lost or first saved, lossless PDFs and a shrunk picture that stays shrunk.
#include "gui/Editeur.h"
#include "base/FichiersImages.h"
#include "config/Dossiers.h"

#include <QClipboard>
#include <QProcess>
#include <QStandardPaths>
#include <gmock/gmock.h>
#include <unistd.h>

using testing::HasSubstr;

namespace {

// Runs as an ordinary user for its lifetime: a privileged test takes the identity of "nobody" (its
// folders must be theirs), an unprivileged one keeps its own and relies on permission bits.
struct Utilisateur {
    static constexpr uid_t kPersonne = 65534;
    explicit Utilisateur(const QString& maison) : home(qgetenv("HOME")) {
        if (geteuid() == 0) {
            EXPECT_EQ(chown(maison.toLocal8Bit().constData(), kPersonne, kPersonne), 0);
            EXPECT_EQ(setegid(kPersonne), 0);
            EXPECT_EQ(seteuid(kPersonne), 0);
        }
        qputenv("HOME", maison.toLocal8Bit());
    }
    ~Utilisateur() {
        if (getuid() == 0) {
            EXPECT_EQ(seteuid(0), 0);
            EXPECT_EQ(setegid(0), 0);
        }
        qputenv("HOME", home);
    }
    QByteArray home;
};

// The settings are written as a real file, never through a link left in their place, and a write
// that cannot be made is told. An installed copy that another user (root) ran and wrote its settings
// beside leaves a user on the defaults, with the user's own settings in the user's own folder and
// nothing else put there.
TEST(FichiersFenetre, SettingsAreARealFileInTheUsersOwnFolderAndAFailedWriteIsTold) {
    {
        Editeur e;
        const QString ini = e.dossier.filePath("Velmor.ini"), autre = e.dossier.filePath("autre.ini");
        ASSERT_TRUE(EcrireFichier(autre, "* TAILLE = 9\r\n"));
        ASSERT_TRUE(QFile::link(autre, ini));
        e.Declencher("MNU_End");
        EXPECT_FALSE(QFileInfo(ini).isSymLink());
        EXPECT_TRUE(LireFichier(ini).contains("* TAILLE = 1\r\n")) << LireFichier(ini).toStdString();
        EXPECT_EQ(LireFichier(autre), "* TAILLE = 9\r\n");
        EXPECT_TRUE(e.messages.filter("paramètres").isEmpty()) << e.messages.join('|').toStdString();
    }
    {
        Editeur e;
        ASSERT_TRUE(QDir(e.dossier.path()).mkdir("Velmor.ini"));  // a name that cannot become the file
        e.fenetre.close();
        // The message names the file and says why.
        ASSERT_EQ(e.messages.size(), 1);
        const QString debut = "Les paramètres n'ont pas pu être enregistrés :\r" + QDir::toNativeSeparators(e.dossier.filePath("Velmor.ini")) + ": ";
        EXPECT_EQ(e.messages[0].left(debut.size()), debut);
        EXPECT_GT(e.messages[0].size(), debut.size());
    }
    QTemporaryDir installe, maison;
    const QString donnees = installe.filePath("share");
    ASSERT_TRUE(QDir().mkpath(donnees));
    ASSERT_TRUE(CopierTables(donnees));
    const QByteArray racine = "* TAILLE = 7\r\n* HAUTEUR LIGNE = 50\r\n";
    ASSERT_TRUE(EcrireFichier(donnees + "/Velmor.ini", racine));
    for (const QString& d : {installe.path(), donnees})
        QFile::setPermissions(d, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                     QFileDevice::ExeOther | QFileDevice::ReadGroup | QFileDevice::ExeGroup);
    QString config;
    {
        Utilisateur u(maison.path());
        config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        Editeur e({1000, 700}, donnees);
        EXPECT_EQ(std::tuple(e.ctx->etat.Taille, e.ctx->etat.HauteurLigne), std::tuple(1, 38));
        e.fenetre.close();
        EXPECT_TRUE(e.messages.isEmpty()) << e.messages.join('|').toStdString();
    }
    EXPECT_TRUE(config.startsWith(maison.path())) << config.toStdString();
    EXPECT_EQ(QDir(config).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
              QStringList{"Velmor.ini"});
    EXPECT_FALSE(QFileInfo(config + "/Velmor.ini").isSymLink());
    EXPECT_THAT(LireFichier(config + "/Velmor.ini").toStdString(), HasSubstr("* HAUTEUR LIGNE = 38\r\n"));
    EXPECT_EQ(LireFichier(donnees + "/Velmor.ini"), racine);
}

// "Ouvrir" asks before a changed picture is replaced, as closing does; an unchanged one is replaced
// at once. The first "Enregistrer" of a new picture asks for its name, "DERNIERE.BMP" in the user's
// pictures folder proposed; later ones write to that name without a word.
TEST(FichiersFenetre, OpenAsksBeforeLosingAChangeAndTheFirstSaveAsksForAName) {
    Editeur e;
    QImage image(120, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(60, 40, qRgb(255, 0, 0));
    const QString bmp = e.dossier.filePath("autre.bmp");
    ASSERT_TRUE(EcrireBmp(image, bmp));
    e.Ecrire("ba");
    const QImage ecrit = e.surface.Image();
    e.fichierChoisi = bmp;
    e.reponses = {Reponse::Non};
    e.Declencher("Toolbar1.2");
    EXPECT_EQ(std::tuple(e.messages.size(), e.departs.size(), e.surface.Image() == ecrit), std::tuple(1, 0, true));
    EXPECT_EQ(e.messages.value(0), "Voulez-vous réellement ouvrir une autre image sans enregistrer les modifications ?");
    e.reponses = {Reponse::Oui};
    e.Declencher("Toolbar1.2");
    EXPECT_EQ(std::tuple(e.messages.size(), e.surface.Image() == image), std::tuple(2, true));
    e.Declencher("Toolbar1.2");  // unchanged: no question
    EXPECT_EQ(e.messages.size(), 2);

    Editeur n;
    n.Ecrire("ba");
    n.Declencher("MNU_FileSave");  // the dialog cancelled: nothing written
    EXPECT_EQ(n.departs, QStringList{DossierImages() + "/DERNIERE.BMP"});
    EXPECT_TRUE(n.fenetre.ImageModifiee());
    n.fichierChoisi = n.dossier.filePath("premier.bmp");
    n.Declencher("MNU_FileSave");
    EXPECT_EQ(std::tuple(n.departs.size(), QImage(n.fichierChoisi).size() == n.surface.Image().size()), std::tuple(2, true));
    n.Ecrire("bo");
    n.fichierChoisi.clear();
    n.Declencher("MNU_FileSave");
    EXPECT_EQ(std::tuple(n.departs.size(), n.fenetre.ImageModifiee()), std::tuple(2, false));
    EXPECT_EQ(QImage(n.dossier.filePath("premier.bmp")).convertToFormat(QImage::Format_RGB32), n.surface.Image());
    EXPECT_FALSE(QFile::exists(n.dossier.filePath("DERNIERE.BMP")) || QFile::exists("DERNIERE.BMP"));
}

// Every PDF is lossless: the strokes go out as vectors (as in the SVG) that rasterise to the
// picture's own pixels, and a picture inserted in the drawing (five colours) is coded without loss,
// never as JPEG; the printed page keeps its pixels too.
TEST(FichiersFenetre, PdfsAreLosslessAndRasteriseToThePicturesPixels) {
    const QString pdftocairo = QStandardPaths::findExecutable("pdftocairo");
    ASSERT_FALSE(pdftocairo.isEmpty()) << "poppler-utils is needed";
    Editeur e;
    QImage colle(400, 160, QImage::Format_RGB32);
    const QRgb couleurs[] = {qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(0, 160, 0), qRgb(0, 0, 255), qRgb(250, 200, 0)};
    for (int y = 0; y < colle.height(); ++y)
        for (int x = 0; x < colle.width(); ++x) colle.setPixel(x, y, couleurs[x < 200 ? 0 : (x / 3 + y / 5) % 5]);
    QGuiApplication::clipboard()->setImage(colle);
    e.Declencher("MNU_Insert");
    e.Ecrire("ba bo di");
    e.surface.FixerCouleurTrait(0x0000FF);
    e.surface.Ligne(10, 100, 190, 111);
    e.surface.Ligne(10, 130, 10, 130);
    const QImage attendu = e.surface.Image();
    e.fichierChoisi = e.dossier.filePath("dessin.svg");
    e.Declencher("MNU_ExportSvg");
    EXPECT_TRUE(LireFichier(e.fichierChoisi).contains("<path fill=\"none\" stroke="));
    e.fichierChoisi = e.dossier.filePath("dessin");  // the extension added
    e.Declencher("MNU_ExportPdf");
    e.fichierChoisi += ".pdf";
    EXPECT_FALSE(QFile::exists(e.dossier.filePath("DERNIERE.BMP")) || QFile::exists("DERNIERE.BMP"));  // an export saves no picture
    const QByteArray pdf = LireFichier(e.fichierChoisi);
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_FALSE(pdf.contains("DCTDecode"));
    QProcess p;
    p.start(pdftocairo, {"-png", "-r", "72", "-antialias", "none", "-singlefile", e.fichierChoisi, e.dossier.filePath("page")});
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const QImage page = QImage(e.dossier.filePath("page.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(page.size(), attendu.size());
    // Every pixel alike, but where a reader walks a slanted one-pixel line otherwise than the
    // picture's painter: there its pixel lies beside one of the same colour in the picture.
    const auto rgb = [](const QImage& i, int x, int y) { return i.valid(x, y) ? i.pixel(x, y) & 0xFFFFFF : 0u; };
    int differents = 0, ecartes = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            if (rgb(page, x, y) == rgb(attendu, x, y)) continue;
            ++differents;
            bool voisin = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) voisin |= rgb(attendu, x + dx, y + dy) == rgb(page, x, y);
            ecartes += !voisin;
        }
    EXPECT_EQ(ecartes, 0);
    EXPECT_LT(differents, 16);
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(e.dossier.filePath("imprime.pdf"));
    e.fenetre.ImprimerSur(imprimante);
    const QByteArray imprime = LireFichier(e.dossier.filePath("imprime.pdf"));
    EXPECT_EQ(std::tuple(imprime.contains("/Image"), imprime.contains("DCTDecode")), std::tuple(true, false));
}

// "Réduire l'image" keeps its size through zooms and resizes of the window, until the writing
// grows the picture past it.
TEST(FichiersFenetre, AShrunkPictureKeepsItsSizeUntilDrawnPast) {
    Editeur e;
    e.Ecrire("ba");
    e.Declencher("ReduireImage");
    const QSize reduite(e.surface.Largeur(), e.surface.Hauteur());
    ASSERT_LT(reduite.width(), 400);
    for (int zoom : {2, 1}) e.fenetre.FixerZoom(zoom);
    e.fenetre.resize(1100, 760);
    QApplication::processEvents();
    EXPECT_EQ(QSize(e.surface.Largeur(), e.surface.Hauteur()), reduite);
    for (int i = 0; i < 100 && QSize(e.surface.Largeur(), e.surface.Hauteur()) == reduite; ++i) e.Ecrire("ba");
    EXPECT_NE(QSize(e.surface.Largeur(), e.surface.Hauteur()), reduite);
    e.fenetre.resize(1000, 700);
    QApplication::processEvents();
    EXPECT_GT(e.surface.Largeur(), 800);
}

}  // namespace
