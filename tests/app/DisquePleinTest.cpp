// Every file the program writes, on a disk that fills at each step of the write: the previous file
// stays whole, no temporary file is left, and the failure is said (status 1 on the command line, a
// message in the editor).
#include "app/LecteurInconnus.h"
#include "base/EcritureSure.h"
#include "config/ChargeTables.h"
#include "config/Parametres.h"
#include "outputs/LotPrononciation.h"
#include "support/Fichiers.h"
#include "support/Programme.h"
#include "support/Sortie.h"
#include "transcription/Prononciation.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

const QByteArray kAncien = "previous content, whole\r\n";

// The hook fails `etape` for the files named `nom` while it lives.
struct Panne {
    Panne(EtapeEcriture etape, QString nom) {
        FixerPanneEcriture([etape, nom](EtapeEcriture e, const QString& f) { return e == etape && f.endsWith(nom); });
    }
    ~Panne() { FixerPanneEcriture({}); }
};

const std::pair<EtapeEcriture, const char*> kEtapes[] = {
    {EtapeEcriture::Ouverture, "open"},         {EtapeEcriture::Ecriture, "write"},
    {EtapeEcriture::Vidage, "flush"},           {EtapeEcriture::Synchronisation, "sync"},
    {EtapeEcriture::Remplacement, "replace"}};

struct Ecrivain {
    const char* nom;
    QString fichier;  // in the program folder
    bool vide;        // writes nothing but the file: no write step
    // Writes through the program's own road: true when it answered a failure (status or message).
    std::function<bool(Programme& p, const QString& dossier)> ecrire;
};

TEST(DisquePlein, EveryWriterKeepsThePreviousFileAndSaysSoAtEveryStep) {
    const QString tables = QStringLiteral(VELMOR_TEST_DATA "/tables");
    const auto rendu = [&](const char* extension) {
        return [=](Programme&, const QString& dossier) {
            Sortie s;
            const int r = s.Lancer({"render", "ba bo", "--langue", "PH", "-o", dossier + "/sortie." + extension}, tables);
            return r == 1 && s.err.contains("impossible d");
        };
    };
    const Ecrivain ecrivains[] = {
        {"png", "sortie.png", false, rendu("png")},
        {"bmp", "sortie.bmp", false, rendu("bmp")},
        {"svg", "sortie.svg", false, rendu("svg")},
        {"pdf", "sortie.pdf", false, rendu("pdf")},
        {"path picture", "chemin.bmp", false,
         [](Programme&, const QString& dossier) { return Sortie().Lancer({"chemin", "R9", "-o", dossier + "/chemin.bmp"}) == 1; }},
        {"settings", "Velmor.ini", false, [](Programme& p, const QString&) { return !EcrireParametres(*p.ctx); }},
        {"report", "Donnees.TXT", false,
         [](Programme&, const QString& dossier) { return CopierTables(dossier) && Sortie().Lancer({"rapport"}, dossier) == 1; }},
        {"batch created", "FON.bat", true,
         [](Programme& p, const QString&) {
             p.fenetre.messages.clear();
             LireTablesProgramme(*p.ctx, "SUITE1\nSpexawTyps\nFON=2\nImpures_Multiples\n");
             return p.ctx->FichierSon.isEmpty() && p.fenetre.messages.size() == 1;
         }},
    };
    for (const Ecrivain& w : ecrivains)
        for (const auto& [etape, nomEtape] : kEtapes) {
            if (w.vide && etape == EtapeEcriture::Ecriture) continue;
            QTemporaryDir dir;
            Programme p(dir.path());
            const QString fichier = dir.filePath(w.fichier);
            ASSERT_TRUE(EcrireFichier(fichier, kAncien));
            const QStringList avant = QDir(dir.path()).entryList(QDir::Files);
            bool dit;
            {
                Panne panne(etape, w.fichier);
                dit = w.ecrire(p, dir.path());
            }
            EXPECT_TRUE(dit) << w.nom << " at " << nomEtape;
            EXPECT_EQ(LireFichier(fichier), kAncien) << w.nom << " at " << nomEtape;
            QStringList apres = QDir(dir.path()).entryList(QDir::Files);
            for (const char* f : {"APABDIDS.TXT", "Suffixes.TXT", "FON.bat"}) apres.removeAll(f);
            QStringList attendus = avant;
            attendus.removeAll("FON.bat");
            EXPECT_EQ(apres, attendus) << w.nom << " at " << nomEtape;  // no temporary file left
        }
}

// Files the program adds to: the pronunciation batch word by word, the unknown words' dictionary.
TEST(DisquePlein, AnAdditionThatFailsLeavesTheFileAsItWasAndIsSaidOnce) {
    for (const auto& [etape, nomEtape] : {kEtapes[0], kEtapes[1], kEtapes[3]}) {
        QTemporaryDir dir;
        Programme p(dir.path());
        LireTablesProgramme(*p.ctx, "SUITE1\nSpexawTyps\nFON=2\nImpures_Multiples\n");
        p.etat().TamponSon = "bato";
        EcritLigneSon(*p.ctx, "ba.to");
        const QByteArray avant = LireFichier(dir.filePath("FON.bat"));
        ASSERT_TRUE(avant.startsWith("REM :  bato\r\nCOPY ba.MP3 /B + to.MP3 /B")) << avant.toStdString();
        p.fenetre.messages.clear();
        {
            Panne panne(etape, "FON.bat");
            p.etat().TamponSon = "bo";
            EcritLigneSon(*p.ctx, "bo");
            EcritLigneSon(*p.ctx, "bo");
        }
        EXPECT_EQ(LireFichier(dir.filePath("FON.bat")), avant) << nomEtape;
        ASSERT_EQ(p.fenetre.messages.size(), 1u) << nomEtape;
        EXPECT_TRUE(p.fenetre.messages[0].texte.contains("FON.bat: No space left on device")) << p.fenetre.messages[0].texte.toStdString();
    }
    if (!LecteurInconnusDisponible()) GTEST_SKIP() << "built without espeak-ng";
    QTemporaryDir dir;
    Programme p(dir.path());
    BrancherLecteurInconnus(*p.ctx);
    const QString lus = dir.filePath("Fohms_Lus_FR.TXT");
    ASSERT_TRUE(EcrireFichier(lus, "maison;mezo\r\n"));
    p.fenetre.messages.clear();
    p.etat().Langue = 1;
    for (const char* mot : {"zorglub", "bidulon"}) {
        Panne panne(EtapeEcriture::Ecriture, "Fohms_Lus_FR.TXT");
        QString w = mot;
        PrepareMot(*p.ctx, w);
        EXPECT_NE(w, mot);  // read all the same
    }
    EXPECT_EQ(LireFichier(lus), "maison;mezo\r\n");
    EXPECT_EQ(p.fenetre.Textes().filter("No space left on device").size(), 1) << p.fenetre.Textes().join("|").toStdString();
    QFile::remove(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/Fohms_Lus_FR.TXT");
}

// The temporary file says what it is; one a killed program left is removed at the next write of
// that name, never one another running program is writing.
TEST(DisquePlein, TemporaryFilesOfAKilledWriteAreRemovedAtTheNextWrite) {
    QTemporaryDir dir;
    const QString cible = dir.filePath("out-07.svg");
    const QByteArray pidMax = LireFichier("/proc/sys/kernel/pid_max").trimmed();  // never a process's number
    const QString reste = cible + ".velmor-partiel-" + QString::fromLatin1(pidMax) + "-EJKqPj";
    const QString vivant = cible + ".velmor-partiel-1-AbCdEf";  // pid 1 runs
    const QString autre = cible + ".velmor-partiel-x";
    for (const QString& f : {reste, vivant, autre}) ASSERT_TRUE(EcrireFichier(f, "cut"));
    QStringList vus;
    FixerPanneEcriture([&](EtapeEcriture e, const QString&) {
        if (e == EtapeEcriture::Synchronisation) vus = QDir(dir.path()).entryList(QDir::Files);
        return false;
    });
    EXPECT_TRUE(EcrireFichierSur(cible, QByteArray("<svg/>")));
    FixerPanneEcriture({});
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              (QStringList{"out-07.svg", "out-07.svg.velmor-partiel-1-AbCdEf", "out-07.svg.velmor-partiel-x"}));
    ASSERT_EQ(vus.filter(QString(".velmor-partiel-%1-").arg(getpid())).size(), 1) << vus.join(" ").toStdString();
}

// A real file system that fills: a 2 MB tmpfs, where the test may mount one.
TEST(DisquePlein, ARenderOnAFullFileSystemExitsOneAndKeepsThePicture) {
    QTemporaryDir dir;
    const QString plein = dir.filePath("plein");
    QDir().mkpath(plein);
    QStringList monter = {"-t", "tmpfs", "-o", "size=2m", "tmpfs", plein};
    if (QProcess::execute("mount", monter) != 0) GTEST_SKIP() << "no tmpfs can be mounted here";
    struct Demonter {
        QString d;
        ~Demonter() { QProcess::execute("umount", {d}); }
    } demonter{plein};
    const QString ancien = plein + "/sq.png";
    ASSERT_TRUE(EcrireFichier(ancien, kAncien));
    EcrireFichier(plein + "/bourrage", QByteArray(2 * 1024 * 1024, 'x'));  // fills it
    Sortie s;
    EXPECT_EQ(s.Lancer({"render", "ba bo", "--langue", "PH", "-o", ancien}, QStringLiteral(VELMOR_TEST_DATA "/tables")), 1);
    EXPECT_TRUE(s.err.contains("impossible d")) << s.err.toStdString();
    EXPECT_EQ(std::tuple(LireFichier(ancien), QDir(plein).entryList(QDir::Files)), std::tuple(kAncien, QStringList{"bourrage", "sq.png"}));
}

}  // namespace
