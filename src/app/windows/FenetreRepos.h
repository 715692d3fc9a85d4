#pragma once
// The repositioning dialog "FrmRepos": absolute or logical X and Y for the writing cursor after a
// click on the surface, with a square mark showing the candidate point while it is open.

#include <QDialog>

class QRadioButton;
class QPushButton;
struct Contexte;
enum class OptionRepos;

class FenetreRepos : public QDialog {
    Q_OBJECT
public:
    // Opens on the click already stored by CliqueRepositionnement; draws on the context's surface.
    explicit FenetreRepos(Contexte& ctx, QWidget* parent = nullptr);

    QRadioButton* OptAbsoluX;
    QRadioButton* OptLogiqueX;
    QRadioButton* OptAbsoluY;
    QRadioButton* OptLogiqueY;
    QPushButton* CmdOK;
    QPushButton* CmdAnnule;

    void CmdOK_Click();
    void CmdAnnule_Click();

    void done(int resultat) override;

private:
    void Choisir(OptionRepos option, QRadioButton* bouton);

    Contexte& ctx_;
    bool tranche_ = false;  // OK or Cancel has run
    bool ferme_ = false;
};
