#pragma once
// The colour dialog "frmColours": 48 swatches in three rows of sixteen; a left click takes the text
// colour (and ends multicolour text), a right click the background colour of the paint tools.

#include "base/EtatProgramme.h"

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
struct Contexte;
struct EtatOutils;

class FenetreCouleurs : public QDialog {
public:
    FenetreCouleurs(Contexte& ctx, EtatOutils& outils, QWidget* parent = nullptr);

    static Couleur CouleurCase(int n);  // swatch n, 0 to 47 (0x00BBGGRR)

    std::array<QWidget*, 48> Picture1{};
    QLabel* vCouleur;  // the text colour
    QLabel* hCouleur;  // the background colour
    QPushButton* CmdMultiCor;
    QPushButton* CmdFermer;

    void Picture1_MouseDown(int n, int bouton);
    void CmdMultiCor_Click();

private:
    Contexte& ctx_;
    EtatOutils& outils_;
};

// Shows a colour as the background of a sample box or read-out.
void MontrerCouleur(QLabel* echantillon, Couleur c);
