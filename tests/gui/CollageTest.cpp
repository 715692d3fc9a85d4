// The main window and the entry window together, driven by keys and clicks delivered as the window
// system delivers them: pastes that stop at a full screen or on Escape and resume, the screens
// recalled after them, and where the keys go after the main window's commands.
#include "app/windows/FenetreRepos.h"
#include "gui/DeuxFenetres.h"
#include "transcription/Retranscription.h"

#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QTimer>
#include <gmock/gmock.h>

using namespace Qt::StringLiterals;

using testing::AllOf;
using testing::Gt;
using testing::Lt;

namespace {

// The program over the test tables in a folder of its own, phonetic input, relief off, both
// windows shown and tied together as the program ties them, with the windows' own clock.
struct Atelier : DeuxFenetres {
    explicit Atelier(int taille = 1) : DeuxFenetres({}, Reponse::Non, [](EtatProgramme& e) {
        e.Relief = false, e.ProfondeurRelief = 0, e.Langue = 3, e.EtatFenetre = 0;
        e.RythmeColler = 0, e.PagesRappelables = 5;
    }) {
        Montrer({1000, 700});
        while (etat().Taille != taille) Cliquer(etat().Taille < taille ? "CmdTaille_Plus" : "CmdTaille_Moins");
    }
    EtatProgramme& etat() { return ctx->etat; }
    // A click on a button of the main window, which the window manager first makes active.
    void Cliquer(const char* nom) {
        auto* b = fenetre.findChild<QPushButton*>(QLatin1String(nom));
        ASSERT_NE(b, nullptr) << nom;
        fenetre.activateWindow();
        QApplication::processEvents();
        QTest::mouseClick(b, Qt::LeftButton);
        QApplication::processEvents();
    }
    // Keys typed where the keyboard focus is.
    void Taper(const QString& texte) {
        QWidget* w = QApplication::focusWidget();
        ASSERT_NE(w, nullptr);
        for (const QChar c : texte) c == u'\n' ? QTest::keyClick(w, Qt::Key_Return) : QTest::keyClick(w, c.toLatin1());
    }
    void Coller(const QString& texte) {
        QGuiApplication::clipboard()->setText(texte);
        entree->CmdColle->click();
    }
    QLabel* Suite() const { return fenetre.findChild<QLabel*>(QStringLiteral("SuiteCollage")); }
    bool ContinuerActif() const { return fenetre.Action(QStringLiteral("Continuer"))->isEnabled(); }
    int Encre() const {
        int n = 0;
        const QImage i = surface.Image();
        for (int y = 0; y < i.height(); ++y)
            for (int x = 0; x < i.width(); ++x) n += i.pixel(x, y) != surface.FondRgb();
        return n;
    }
    // The band of the first line of a picture.
    QImage PremiereLigne(const QImage& image) {
        return image.copy(0, 0, image.width(), static_cast<int>(etat().PasLigne + etat().LargeurBlanc));
    }
};

// Thirty short lines, each begun by its own word; at size 3 nine lines fill a screen.
QString Lignes() {
    static const char* const kMots[] = {"ba", "bo", "da", "di", "ta", "lu", "mi", "so", "ke", "vu"};
    QString t;
    for (int k = 0; k < 30; ++k)
        t += QLatin1String(kMots[k % 10]) + u' ' + QLatin1String(kMots[(k * 3 + 1) % 10]) + u'\n';
    return t;
}

// The ink of a picture, cut to its bounds.
QImage Encadre(const QImage& image) {
    const QRgb fond = image.pixel(0, 0);
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != fond) r |= QRect(x, y, 1, 1);
    return image.copy(r);
}

// The first line of a fresh picture when `ligne` alone is pasted, cut to its ink.
QImage LigneSeule(const QString& ligne) {
    Atelier a(3);
    a.Coller(ligne);
    return Encadre(a.PremiereLigne(a.surface.Image()));
}

TEST(Collage, AFullScreenStopsThenContinuerAndCollerEachResumeAtTheNextLine) {
    Atelier a(3);
    const QString texte = Lignes();
    const QStringList lignes = texte.split(u'\n');
    a.Coller(texte);
    // The screen is full after nine lines: the main window says so and offers "Continuer".
    EXPECT_EQ(std::tuple(a.fenetre.Texte("TxtPaq"), a.Suite()->isVisible(), a.ContinuerActif()), std::tuple(u"2"_s, true, true));
    EXPECT_TRUE(a.Suite()->text().startsWith(u"Écran plein")) << a.Suite()->text().toStdString();
    const QString boite = a.entree->TxtEntree->toPlainText();
    // F5 from the entry box writes the next nine lines, the box untouched.
    QTest::keyClick(a.entree->TxtEntree, Qt::Key_F5);
    EXPECT_EQ(std::tuple(a.fenetre.Texte("TxtPaq"), a.entree->TxtEntree->toPlainText() == boite), std::tuple(u"3"_s, true));
    // "Coller" goes on from there too, before the text it adds.
    a.Coller(texte);
    EXPECT_EQ(a.fenetre.Texte("TxtPaq"), "4");
    for (const int ecran : {2, 3})
        EXPECT_EQ(Encadre(a.PremiereLigne(a.ctx->ecrans.Image(ecran))), LigneSeule(lignes[(ecran - 1) * 9])) << ecran;
}

// Escape during a paced paste stops it after the word being drawn; "Continuer" writes the rest as
// the whole paste would have. A close request stops the paste at once and then asks its question.
TEST(Collage, EscapeOrACloseRequestStopsAPacedPasteWithinOneWord) {
    const QString texte = QStringLiteral("ba bo di ta lu mi so ke vu da");
    Atelier entier;
    entier.Coller(texte);
    const QImage attendue = entier.surface.Image();

    Atelier a;
    a.etat().RythmeColler = 3;
    int commences = -1;  // words begun when Escape comes, the one being drawn included
    QTimer::singleShot(50, [&] {
        commences = CompterMots(QStringView(texte).left(a.etat().IndiceTexte));
        QTest::keyClick(a.entree->TxtEntree, Qt::Key_Escape);
    });
    a.Coller(texte);
    EXPECT_THAT(commences, AllOf(Gt(0), Lt(10)));
    EXPECT_EQ(CompterMots(QStringView(texte).left(a.etat().PositionReprise - 1)), commences);
    EXPECT_EQ(std::tuple(a.Suite()->isVisible(), a.ContinuerActif()), std::tuple(true, true));
    EXPECT_TRUE(a.Suite()->text().startsWith(u"Collage arrêté")) << a.Suite()->text().toStdString();
    a.etat().RythmeColler = 0;
    QTest::keyClick(a.entree->TxtEntree, Qt::Key_F5);
    EXPECT_EQ(std::tuple(a.etat().PositionReprise, a.Suite()->isVisible(), a.ContinuerActif()), std::tuple(0, false, false));
    EXPECT_EQ(a.surface.Image(), attendue);

    Atelier f;
    f.etat().RythmeColler = 3;
    QTimer::singleShot(50, [&] { f.fenetre.close(); });
    f.Coller(texte);
    EXPECT_EQ(std::tuple(f.etat().PositionReprise > 1, f.etat().PositionReprise < texte.size(), f.messages.size()), std::tuple(true, true, 0));
    QApplication::processEvents();  // the closing comes once the paste has stopped, with its question
    EXPECT_EQ(std::tuple(f.messages.size(), f.fenetre.isVisible()), std::tuple(1, true));
}

// After a paste that filled a screen, "<" shows the full screen with the cursor on its picture:
// each word typed is drawn there; ">" comes back to the newest screen.
TEST(Collage, ARecalledFullScreenTakesTypedWordsOnItsPicture) {
    Atelier a;
    a.etat().YMaxiA4 = a.surface.Hauteur() - 1;
    QString texte;
    for (int k = 0; k < 40; ++k) texte += QStringLiteral("ba bo\n");
    a.Coller(texte);
    ASSERT_EQ(a.fenetre.Texte("TxtPaq"), "2");
    a.Cliquer("CmdPaqAht");
    ASSERT_EQ(a.fenetre.Texte("TxtPaq"), "1");
    EXPECT_LT(a.etat().PosY + a.etat().LargeurBlanc, a.surface.Hauteur());
    for (const char* mot : {"ta ", "di ", "lu ", "mi ", "so ", "ke "}) {
        const int avant = a.Encre();
        a.Taper(QLatin1String(mot));
        EXPECT_GT(a.Encre(), avant) << mot;
        EXPECT_LT(a.etat().PosY + a.etat().LargeurBlanc, a.surface.Hauteur()) << mot;
    }
    a.Cliquer("CmdPaqPos");
    EXPECT_EQ(a.fenetre.Texte("TxtPaq"), "2");
}

// The keys go to the entry box after "Rappel" and "Saisie" (which keep its text), after any
// button of the main window, and after the repositioning dialog's OK.
TEST(Collage, KeysReachTheEntryBoxAfterTheMainWindowsCommands) {
    Atelier a;
    a.Taper("ba ");
    a.Cliquer("CmdEfface");
    a.Cliquer("CmdZSaisie");
    EXPECT_EQ(a.entree->TxtEntree->toPlainText(), "ba ");
    const QString hauteur = a.fenetre.Texte("TxtHauteurLigne");
    a.Cliquer("CmdTaille_Plus");
    a.Taper("bo ");
    a.fenetre.Action("Toolbar2.16")->trigger();
    QWidget* vue = a.fenetre.findChild<QScrollArea*>(QStringLiteral("Pic"))->widget();
    a.fenetre.activateWindow();
    QApplication::processEvents();
    QTimer ok;  // the dialog's OK, once it is open
    QObject::connect(&ok, &QTimer::timeout, [&] {
        if (auto* d = a.fenetre.findChild<FenetreRepos*>(); d && d->isVisible()) QTest::mouseClick(d->CmdOK, Qt::LeftButton);
    });
    ok.start(10);
    QTest::mouseClick(vue, Qt::LeftButton, {}, QPoint(300, 200));
    ok.stop();
    QApplication::processEvents();
    a.Taper("di ");
    EXPECT_EQ(std::tuple(a.entree->TxtEntree->toPlainText(), a.fenetre.Texte("TxtHauteurLigne")), std::tuple(u"ba bo di "_s, hauteur));
}

}  // namespace
