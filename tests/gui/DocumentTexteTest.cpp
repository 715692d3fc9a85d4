#include "gui/PosteDocument.h"
#include "support/EcransVivants.h"
#include "support/ImpressionQt.h"
#include "support/TexteLong.h"

#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The program on a copy of the shipped data, with the document's checks.
struct Poste : PosteDocument {
    QList<QImage> Ecrans() { return EcransDe(document->Rendu()); }
    // The screens `velmor render -f` draws from a saved document.
    QList<QImage> Rendus(const QString& fichier) {
        const QString sortie = dossier.filePath(QStringLiteral("rendu.png"));
        QProcess p;
        p.start(QStringLiteral(VELMOR_EXECUTABLE), {"render", "-f", fichier, "-o", sortie, "--dossier", dossier.path()});
        EXPECT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        QList<QImage> r;
        for (const QString& l : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts))
            r << QImage(l.trimmed()).convertToFormat(QImage::Format_RGB32);
        return r;
    }
    // A document of `corps` for phonetic input saved as essai.txt and opened.
    QString Ouvrir(const QString& corps) {
        OptionsDocument o = OptionsDe(ctx->etat);
        o.langue = 3;
        const QString fichier = dossier.filePath(QStringLiteral("essai.txt"));
        EXPECT_TRUE(EcrireDocument(fichier, {LigneEnTete(o), corps}));
        EXPECT_TRUE(document->Ouvrir(fichier));
        return fichier;
    }
    void Curseur(qsizetype position) {
        QTextCursor c = entree->TxtEntree->textCursor();
        c.setPosition(static_cast<int>(position));
        entree->TxtEntree->setTextCursor(c);
    }
};

// Keys typed into the box of a live three-screen document: the picture is, screen by screen, what
// `velmor render -f` draws from the document saved after each edit; saved, closed and opened again
// it draws the same.
TEST(DocumentTexte, LiveEditsWithKeysDrawAsTheSavedDocumentRenders) {
    Poste p;
    const QString corps = TexteLong(75);
    const QString fichier = p.Ouvrir(corps);
    EXPECT_EQ(std::tuple(p.document->Vivant(), p.entree->TxtEntree->vivant, p.entree->TxtEntree->toPlainText()), std::tuple(true, true, corps));
    EXPECT_TRUE(p.fenetre.windowTitle().startsWith(u"essai.txt - ")) << p.fenetre.windowTitle().toStdString();
    ASSERT_EQ(p.document->Rendu().Ecrans(), 3);
    MemesEcrans(p.Ecrans(), p.Rendus(fichier));

    // One letter of the third word changed.
    p.Curseur(corps.indexOf(u' ', corps.indexOf(u' ') + 1) + 1);
    QTest::keyClick(p.entree->TxtEntree, Qt::Key_Delete);
    QTest::keyClick(p.entree->TxtEntree, 'o');
    EXPECT_EQ(std::tuple(p.document->Modifie(), p.fenetre.windowTitle().startsWith(u"essai.txt * - "), p.document->Rendu().Montre()),
              std::tuple(true, true, 1));
    ASSERT_TRUE(p.document->Enregistrer(fichier));
    MemesEcrans(p.Ecrans(), p.Rendus(fichier));

    // A line end deleted on screen 2 joins two lines.
    const QString texte = p.entree->TxtEntree->toPlainText();
    const qsizetype fin = texte.indexOf(u'\n', texte.size() / 2);
    p.Curseur(fin);
    QTest::keyClick(p.entree->TxtEntree, Qt::Key_Delete);
    EXPECT_EQ(p.entree->TxtEntree->toPlainText().count(u'\n'), texte.count(u'\n') - 1);
    EXPECT_GE(p.document->Rendu().PremierParcouru(), 2);
    ASSERT_TRUE(p.document->Enregistrer(fichier));
    const QList<QImage> avant = p.Ecrans();
    MemesEcrans(avant, p.Rendus(fichier));

    // Closed, then opened again.
    p.document->Nouveau();
    EXPECT_TRUE(p.entree->TxtEntree->toPlainText().isEmpty());
    ASSERT_TRUE(p.document->Ouvrir(fichier));
    MemesEcrans(p.Ecrans(), avant);
    EXPECT_EQ(p.document->Recents().value(0), QFileInfo(fichier).absoluteFilePath());
}

// A changed text asks before it is replaced or the window closed; a dropped text file opens.
TEST(DocumentTexte, ChangedTextAsksAndDroppedFileOpens) {
    Poste p;
    const QString autre = p.dossier.filePath(QStringLiteral("autre.txt"));
    ASSERT_TRUE(EcrireDocument(autre, {QString(), QStringLiteral("tama vira\n")}));
    QTest::keyClicks(p.entree->TxtEntree, QStringLiteral("lum sol "));
    EXPECT_TRUE(p.document->Modifie());
    p.reponses = {Reponse::Annuler};
    EXPECT_FALSE(p.document->Ouvrir(autre));
    EXPECT_EQ(std::tuple(p.messages.size(), p.entree->TxtEntree->toPlainText()), std::tuple(1, u"lum sol "_s));
    p.reponses = {Reponse::Annuler};
    p.fenetre.close();
    EXPECT_TRUE(p.fenetre.isVisible());
    // "Quitter", then "Annuler" for the changed text: the program goes on (its loop is not left).
    p.reponses = {Reponse::Oui, Reponse::Annuler};
    p.document->FixerChoixFichier([](bool, const QString&, const QString&) { return QString(); });
    QTimer::singleShot(0, &p.fenetre, [&p] {
        p.fenetre.Action(QStringLiteral("MNU_End"))->trigger();
        QTimer::singleShot(0, [] { QCoreApplication::exit(7); });
    });
    EXPECT_EQ(QApplication::exec(), 7);
    EXPECT_EQ(std::tuple(p.fenetre.isVisible(), p.messages.size()), std::tuple(true, 4));
    // Dropped on the entry box: "Non" lets the changed text go; the picture held ink, "Oui" redraws.
    QMimeData m;
    m.setUrls({QUrl::fromLocalFile(autre)});
    QDragEnterEvent entre(QPoint(5, 5), Qt::CopyAction, &m, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(p.entree->TxtEntree->viewport(), &entre);
    EXPECT_TRUE(entre.isAccepted());
    QDropEvent depot(QPointF(5, 5), Qt::CopyAction, &m, Qt::LeftButton, Qt::NoModifier);
    p.reponses = {Reponse::Non, Reponse::Oui};
    QCoreApplication::sendEvent(p.entree->TxtEntree->viewport(), &depot);
    EXPECT_EQ(std::tuple(p.entree->TxtEntree->toPlainText(), p.document->Vivant(), p.messages.size()), std::tuple(u"tama vira\n"_s, true, 6));
    // An unreadable file says so and changes nothing.
    EXPECT_FALSE(p.document->Ouvrir(p.dossier.filePath(QStringLiteral("absent.txt"))));
    EXPECT_TRUE(p.messages.last().startsWith(u"Impossible d'ouvrir le texte :"));
    EXPECT_EQ(p.entree->TxtEntree->toPlainText(), "tama vira\n");
}

// Keys typed in the size and line-spacing boxes redraw a live text from its first screen, as the
// saved document renders; a text longer than the 20 screens says that the rest is not drawn, in the
// status bar and in the caption, until it is short again.
TEST(DocumentTexte, SettingBoxesRedrawAndALongTextSaysTheRestIsNotDrawn) {
    Poste p;
    const QString fichier = p.Ouvrir(TexteLong(75));
    for (const auto& [nom, valeur, champ] :
         {std::tuple{"TxtTaille", "2", &OptionsDocument::taille}, {"TxtHauteurLigne", "60", &OptionsDocument::hauteurLigne}}) {
        SCOPED_TRACE(nom);
        auto* boite = p.fenetre.findChild<QLineEdit*>(QLatin1String(nom));
        ASSERT_NE(boite, nullptr);
        const int marches = p.document->Rendu().Marches();
        const QImage avant = p.document->Rendu().Ecran(1);
        QTest::mouseClick(boite, Qt::LeftButton);
        QTest::keyClick(boite, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(boite, QLatin1String(valeur));
        QApplication::processEvents();
        EXPECT_EQ(LireEnTete(p.document->EnTete()).*champ, QString::fromLatin1(valeur).toInt());
        EXPECT_GT(p.document->Rendu().Marches(), marches);
        EXPECT_EQ(std::tuple(p.document->Rendu().PremierParcouru(), p.document->Rendu().Ecran(1) == avant), std::tuple(1, false));
    }
    ASSERT_TRUE(p.document->Enregistrer(fichier));
    MemesEcrans(p.Ecrans(), p.Rendus(fichier));

    const QString suite = QStringLiteral("la suite n'est pas dessinée");
    p.Ouvrir(TexteLong(560));
    EXPECT_EQ(p.document->Rendu().Ecrans(), 20);
    EXPECT_TRUE(p.fenetre.statusBar()->currentMessage().contains(suite)) << p.fenetre.statusBar()->currentMessage().toStdString();
    EXPECT_TRUE(p.fenetre.windowTitle().startsWith(QStringLiteral("essai.txt (20 premiers écrans, ") + suite)) << p.fenetre.windowTitle().toStdString();
    // Words typed at its end change nothing drawn.
    const QImage vingt = p.document->Rendu().Ecran(20);
    p.Curseur(p.entree->TxtEntree->toPlainText().size());
    QTest::keyClicks(p.entree->TxtEntree, QStringLiteral("tama "));
    EXPECT_EQ(std::tuple(p.document->Rendu().Ecran(20) == vingt, p.document->Rendu().Tronque()), std::tuple(true, true));
    QTextCursor tout = p.entree->TxtEntree->textCursor();
    tout.select(QTextCursor::Document);
    p.entree->TxtEntree->setTextCursor(tout);
    QTest::keyClicks(p.entree->TxtEntree, QStringLiteral("tama vira"));
    EXPECT_EQ(std::tuple(p.fenetre.statusBar()->currentMessage().contains(suite), p.fenetre.windowTitle().contains(suite)), std::tuple(false, false));
}

}  // namespace
