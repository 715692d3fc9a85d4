#include "Editeur.h"

#include "app/windows/FenetreEntree.h"

#include <QClipboard>
#include <QTest>

namespace {

// "Exporter tout le texte…" with a text of 30 screens, typed and pasted into the entry window as a
// person does: one PDF of 30 pages, written by a worker while the editor's picture stays as it was.
TEST(ExportTexte, EveryScreenOfTheEntryTextGoesToOnePdfAndThePictureStays) {
    Editeur ed;
    FrmEntree entree(*ed.ctx);
    ed.fenetre.FixerSourceTexte([&] { return entree.TxtEntree->toPlainText(); });
    QTest::keyClicks(entree.TxtEntree, QStringLiteral("ba bo"));
    QTest::keyClick(entree.TxtEntree, Qt::Key_Return);
    QGuiApplication::clipboard()->setText(QStringLiteral("ba bo da ni\n").repeated(830));
    QTest::keyClick(entree.TxtEntree, Qt::Key_V, Qt::ControlModifier);
    const QImage avant = ed.surface.Image();
    const auto etat = std::tuple(ed.ctx->etat.PosX, ed.ctx->etat.PosY, ed.ctx->etat.NumeroEcran);
    ed.messages.clear();

    ed.fichierChoisi = ed.dossier.filePath("texte.pdf");
    ed.Declencher("MNU_ExportAll");
    EXPECT_EQ(PagesPdf(ed.fichierChoisi), 30);
    EXPECT_EQ(ed.messages, QStringList{"Texte exporté dans " + ed.fichierChoisi});
    EXPECT_EQ(ed.surface.Image(), avant);
    EXPECT_EQ(std::tuple(ed.ctx->etat.PosX, ed.ctx->etat.PosY, ed.ctx->etat.NumeroEcran), etat);
    // Numbered pictures: one a screen.
    ed.fichierChoisi = ed.dossier.filePath("texte.png");
    ed.Declencher("MNU_ExportAll");
    EXPECT_EQ(std::tuple(QFile::exists(ed.dossier.filePath("texte-30.png")), QFile::exists(ed.dossier.filePath("texte-31.png"))),
              std::tuple(true, false));
}

}  // namespace
