#include "app/windows/FenetreBild.h"
#include "app/windows/FenetreCouleurs.h"
#include "app/windows/FenetresTrait.h"
#include "layout/Outils.h"
#include "support/Banc.h"
#include "support/Golden.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

void Appuyer(QWidget* w, Qt::MouseButton bouton) {
    QMouseEvent appui(QEvent::MouseButtonPress, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)), bouton, bouton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(w, &appui);
}

// Each pen dialog opens on the current setting; "&Annuler" leaves it, the first button applies.
TEST(FenetresOutils, PenDialogsApplyOnlyWithTheirFirstButton) {
    for (int bouton : {1, 0}) {
        Surface s(100, 80);
        s.FixerStyleTrait(2);
        s.FixerLargeurTrait(3);
        int motif = 1;
        {
            FenetreStyleTrait frmLine(s);
            EXPECT_EQ(frmLine.Choisie(), 2);
            frmLine.Option1[4]->click();
            frmLine.Command1[static_cast<size_t>(bouton)]->click();
        }
        {
            FenetreLargeurTrait frmWidth(s);
            EXPECT_EQ(std::tuple(frmWidth.VScroll1->value(), frmWidth.VScroll1->minimum()), std::tuple(3, 1));
            frmWidth.VScroll1->setValue(7);
            EXPECT_EQ(frmWidth.lbWidth->text(), "7");
            frmWidth.Command1[static_cast<size_t>(bouton)]->click();
        }
        {
            FenetreMotif frmFill(motif);
            EXPECT_EQ(frmFill.Choisie(), 1);
            frmFill.Option1[6]->click();
            frmFill.Command1[static_cast<size_t>(bouton)]->click();
        }
        EXPECT_EQ(std::tuple(s.StyleTrait(), s.LargeurTrait(), motif), bouton == 0 ? std::tuple(4, 7, 6) : std::tuple(2, 3, 1));
    }
}

// Left click: text colour, multicolour off; right click: background and fill colour. The swatches
// are checked against their picture.
TEST(FenetresOutils, ColourSwatchesSetTextAndBackground) {
    Banc b(100, 80);
    EtatOutils outils;
    b.etat().CouleurTexte = 0x00C000, b.etat().TexteMulticolore = true;
    FenetreCouleurs frmColours(*b.ctx, outils);
    EXPECT_EQ(frmColours.windowTitle(), "  Sélection  des  couleurs");
    ComparerImageGolden(frmColours.Picture1[0]->parentWidget()->grab().toImage(), QStringLiteral("couleurs_cases"));

    Appuyer(frmColours.Picture1[33], Qt::LeftButton);
    EXPECT_EQ(std::tuple(b.etat().TexteMulticolore, b.etat().CouleurTexte), std::tuple(false, 0x000000u));
    Appuyer(frmColours.Picture1[34], Qt::RightButton);
    EXPECT_EQ(std::tuple(outils.CouleurFondChoisie, b.surface.CouleurRemplissage()), std::tuple(0x0000FFu, 0x0000FFu));
    EXPECT_EQ(b.etat().CouleurTexte, 0x000000u);
    EXPECT_EQ(frmColours.hCouleur->palette().color(QPalette::Window), QColor(255, 0, 0));
    frmColours.CmdMultiCor->click();
    EXPECT_TRUE(b.etat().TexteMulticolore);
}

TEST(FenetresOutils, FullScreenViewClosesOnAClick) {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    FenetreBild frmBild(image);
    frmBild.show();
    Appuyer(frmBild.findChild<QLabel*>(QStringLiteral("Picture")), Qt::LeftButton);
    EXPECT_EQ(std::tuple(frmBild.result(), frmBild.isVisible()), std::tuple(int{QDialog::Accepted}, false));
}

}  // namespace
