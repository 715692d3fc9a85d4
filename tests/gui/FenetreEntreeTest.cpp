#include "app/windows/FenetreEntree.h"
#include "support/Programme.h"
#include "support/Golden.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gmock/gmock.h>

using testing::AllOf;
using testing::Ge;
using testing::Lt;

namespace {

// The program on its own data folder, phonetic input, relief off, with its entry window.
struct Poste : Programme {
    Poste() : Programme(VELMOR_PROGRAM_DATA, 700, 200) {
        etat().PosX = etat().MargeGauche;
        entree = std::make_unique<FrmEntree>(*ctx);
    }
    // Real key events to the text box: Enter for a line end.
    void Taper(const QString& texte) {
        for (const QChar c : texte)
            c == u'\n' ? QTest::keyClick(entree->TxtEntree, Qt::Key_Return) : QTest::keyClick(entree->TxtEntree, c.toLatin1());
    }
    std::unique_ptr<FrmEntree> entree;
};

TEST(FrmEntree, CaptionsThenTypingWritesVelmorLatinAndIpa) {
    Poste p;
    EXPECT_EQ(std::tuple(p.entree->windowTitle(), p.entree->CmdAlaLigne->text()), std::tuple(u"  Zone  de  saisie"_s, u"<--"_s));
    p.Taper("tama vira lum \n%la hello world \n%ai dia %ev sol ");
    EXPECT_EQ(std::tuple(p.entree->TxtEntree->toPlainText(), p.etat().Ecriture), std::tuple(u"tama vira lum \n%la hello world \n%ai dia %ev sol "_s, 0));
    EXPECT_TRUE(p.etat().MessagesManquants.isEmpty()) << p.etat().MessagesManquants.toStdString();
    // The Latin line is drawn with the installed sans-serif font: its letters start at the margin.
    const QRect latin(0, 45, p.surface.Largeur(), 50);
    ComparerImageGolden(p.surface.Vue(), QStringLiteral("frappe_entree"), latin);
    int gauche = latin.right();
    for (const auto& [x, y] : p.Encre())
        if (latin.contains(x, y)) gauche = std::min(gauche, x);
    EXPECT_THAT(gauche, AllOf(Ge(15), Lt(20)));
}

TEST(FrmEntree, SearchMarksCountsAndRestores) {
    Poste p;
    p.entree->TxtEntree->setPlainText(QStringLiteral("Le lapin est le"));
    p.entree->TxtTX->setText(QStringLiteral("le"));
    p.entree->CmdChercher_Click();
    EXPECT_EQ(p.entree->TxtEntree->toPlainText(),
              "  !  !  !  !  (1 )  !  !  !  !  Le lapin est   !  !  !  !  (2 )  !  !  !  !  le");
    EXPECT_EQ(std::tuple(p.etat().ModeRecherche, p.entree->CmdChercher->text()), std::tuple(true, u"Rétablir"_s));
    ASSERT_EQ(p.fenetre.messages.size(), 1u);
    EXPECT_EQ(p.fenetre.messages[0].texte,
              "''le''  trouvé 2 fois...\r\r( Eléments trouvés précédés par '' ! ! ! ! ( numéro ) ! ! ! ! '' dans texte "
              "maintenant...)");
    p.entree->CmdChercher_Click();
    EXPECT_EQ(std::tuple(p.entree->TxtEntree->toPlainText(), p.etat().ModeRecherche, p.entree->CmdChercher->text()),
              std::tuple(u"Le lapin est le"_s, false, u"Chercher"_s));
    p.entree->TxtTX->setText(QStringLiteral("zz"));
    p.entree->CmdChercher_Click();
    EXPECT_EQ(std::tuple(p.entree->TxtEntree->toPlainText(), p.fenetre.messages.back().texte, p.entree->CmdChercher->text()),
              std::tuple(u"Le lapin est le"_s, u"''zz''  absent..."_s, u"Rétablir"_s));
    EXPECT_TRUE(p.Encre().empty());
}

TEST(FrmEntree, CopyWithABlankSelectionPasteAfterClearAndCtrlV) {
    Poste p;
    p.entree->TxtEntree->setPlainText(QStringLiteral("ab   cd"));
    QTextCursor c = p.entree->TxtEntree->textCursor();
    for (const auto& [debut, fin, copie] : {std::tuple{2, 5, "ab   cd"}, {0, 2, "ab"}}) {  // a blank selection copies all
        c.setPosition(debut);
        c.setPosition(fin, QTextCursor::KeepAnchor);
        p.entree->TxtEntree->setTextCursor(c);
        p.entree->CmdCopie_Click();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), copie);
    }
    // Paste with an empty clipboard after a clear pastes the cleared text.
    p.entree->TxtEntree->setPlainText(QStringLiteral("ba bo"));
    p.entree->CmdEfface_Click();
    EXPECT_EQ(std::tuple(p.entree->TxtEntree->toPlainText(), p.etat().EntreeVidee), std::tuple(u""_s, true));
    QGuiApplication::clipboard()->clear();
    p.entree->CmdColle_Click();
    EXPECT_EQ(std::tuple(p.entree->TxtEntree->toPlainText(), p.etat().EntreeVidee, p.etat().CollageEnCours), std::tuple(u"ba bo "_s, false, true));
    EXPECT_FALSE(p.Encre().empty());
    // Ctrl+V transcribes the pasted text; typing again ends the paste.
    Poste v;
    v.Taper("ba ");
    const auto avant = v.Encre();
    QGuiApplication::clipboard()->setText(QStringLiteral("bo da"));
    QTest::keyClick(v.entree->TxtEntree, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(std::tuple(v.etat().CollageEnCours, v.entree->TxtEntree->toPlainText()), std::tuple(true, u"ba bo da"_s));
    EXPECT_GT(v.Encre().size(), avant.size());
    v.Taper(" ");
    EXPECT_FALSE(v.etat().CollageEnCours);
}

// (Its place on the screen: the window placement tests.)
TEST(FrmEntree, MinimumSizeAndStoredLayout) {
    Poste p;
    p.entree->Afficher();
    const int tpp = 1440 / p.entree->logicalDpiX();
    p.entree->resize(40, 40);
    EXPECT_GE(p.entree->width() * tpp, 2000 - tpp);
    EXPECT_GE(p.entree->height() * tpp, 1840 - tpp);
    // The layout kept at closing comes back in the next window.
    p.entree->resize(520, 260);
    p.entree->TxtEntree->setPlainText(QStringLiteral("reste"));
    p.entree->close();
    EXPECT_EQ(std::tuple(p.etat().DispositionEntree[11], p.etat().TexteZoneSaisie), std::tuple(9, u"reste"_s));
    FrmEntree autre(*p.ctx);
    autre.Afficher();
    EXPECT_EQ(std::tuple(autre.size(), autre.TxtEntree->toPlainText()), std::tuple(QSize(520, 260), u"reste"_s));
}

}  // namespace
