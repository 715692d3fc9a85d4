#include "app/windows/FenetreCouleurs.h"

#include "base/Contexte.h"
#include "base/Surface.h"
#include "config/Parametres.h"
#include "layout/Outils.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>

namespace {

// Red, green, blue by swatch, row after row.
constexpr unsigned char kCases[48][3] = {
    {255, 255, 255}, {224, 224, 224}, {255, 192, 192}, {255, 224, 192}, {255, 255, 224}, {192, 255, 192},
    {192, 255, 255}, {192, 192, 255}, {255, 192, 255}, {192, 0, 0},     {192, 64, 0},    {192, 192, 0},
    {0, 192, 0},     {0, 192, 192},   {0, 0, 192},     {192, 0, 192},   {192, 192, 192}, {64, 64, 64},
    {255, 128, 128}, {255, 192, 128}, {255, 255, 128}, {128, 255, 128}, {128, 255, 255}, {128, 128, 255},
    {255, 128, 255}, {128, 0, 0},     {128, 64, 0},    {128, 128, 0},   {0, 128, 0},     {0, 128, 128},
    {0, 0, 128},     {128, 0, 128},   {128, 128, 128}, {0, 0, 0},       {255, 0, 0},     {255, 128, 0},
    {255, 255, 0},   {0, 255, 0},     {0, 255, 255},   {0, 0, 255},     {255, 0, 255},   {64, 0, 0},
    {128, 64, 64},   {64, 64, 0},     {0, 64, 0},      {0, 64, 64},     {0, 0, 64},      {64, 0, 64}};

// One swatch: 255 twips square, placed 240 twips apart (17 and 16 pixels), edges overlapping.
class CaseCouleur : public QWidget {
public:
    CaseCouleur(Couleur c, std::function<void(int)> clic, QWidget* parent)
        : QWidget(parent), couleur_(c), clic_(std::move(clic)) {
        setFixedSize(17, 17);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor::fromRgb(Surface::VersRgb(couleur_)));
        p.setPen(Qt::gray);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    void mousePressEvent(QMouseEvent* ev) override {
        clic_(ev->button() == Qt::RightButton ? BoutonDroit : ev->button() == Qt::LeftButton ? BoutonGauche : 0);
    }

private:
    Couleur couleur_;
    std::function<void(int)> clic_;
};

}  // namespace

void MontrerCouleur(QLabel* echantillon, Couleur c) {
    echantillon->setAutoFillBackground(true);
    QPalette p = echantillon->palette();
    const QColor couleur = QColor::fromRgb(Surface::VersRgb(c));
    p.setColor(QPalette::Window, couleur);
    p.setColor(QPalette::WindowText, couleur.lightness() < 128 ? Qt::white : Qt::black);
    echantillon->setPalette(p);
}

Couleur FenetreCouleurs::CouleurCase(int n) {
    if (n < 0 || n > 47) return 0;
    const auto& c = kCases[n];
    return static_cast<Couleur>(c[0] | (c[1] << 8) | (c[2] << 16));
}

FenetreCouleurs::FenetreCouleurs(Contexte& ctx, EtatOutils& outils, QWidget* parent)
    : QDialog(parent), ctx_(ctx), outils_(outils) {
    setObjectName(QStringLiteral("frmColours"));
    setWindowTitle(QStringLiteral("  Sélection  des  couleurs"));

    auto* grille = new QWidget(this);
    grille->setFixedSize(15 * 16 + 17, 2 * 16 + 17);
    for (int n = 0; n < 48; ++n) {
        auto* c = new CaseCouleur(CouleurCase(n), [this, n](int bouton) { Picture1_MouseDown(n, bouton); }, grille);
        c->setObjectName(QStringLiteral("Picture1_%1").arg(n));
        c->move(n % 16 * 16, n / 16 * 16);
        Picture1[static_cast<size_t>(n)] = c;
    }
    const auto echantillon = [this](const char* nom) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(nom));
        l->setFixedSize(48, 24);
        l->setFrameShape(QFrame::Box);
        return l;
    };
    vCouleur = echantillon("vCouleur");
    hCouleur = echantillon("hCouleur");
    vCouleur->setToolTip(QStringLiteral("Texte (Clic Gauche)"));
    hCouleur->setToolTip(QStringLiteral("Fond (Clic Droit)"));
    CmdMultiCor = new QPushButton(QStringLiteral("Multi- colore"), this);
    CmdMultiCor->setObjectName(QStringLiteral("CmdMultiCor"));
    CmdFermer = new QPushButton(QStringLiteral("OK"), this);
    CmdFermer->setDefault(true);

    auto* bas = new QHBoxLayout;
    bas->addWidget(new QLabel(QStringLiteral("VCouleur:"), this));
    bas->addWidget(vCouleur);
    bas->addWidget(new QLabel(QStringLiteral("HCouleur:"), this));
    bas->addWidget(hCouleur);
    bas->addStretch();
    bas->addWidget(CmdMultiCor);
    bas->addWidget(CmdFermer);
    auto* page = new QVBoxLayout(this);
    page->addWidget(grille);
    page->addLayout(bas);
    setFixedSize(sizeHint());

    MontrerCouleur(vCouleur, ctx_.etat.CouleurTexte);
    MontrerCouleur(hCouleur, outils_.CouleurFondChoisie);
    connect(CmdMultiCor, &QPushButton::clicked, this, &FenetreCouleurs::CmdMultiCor_Click);
    connect(CmdFermer, &QPushButton::clicked, this, &QDialog::accept);
}

void FenetreCouleurs::Picture1_MouseDown(int n, int bouton) {
    const Couleur c = CouleurCase(n);
    if (bouton == BoutonGauche) {
        MontrerCouleur(vCouleur, c);
        ctx_.etat.CouleurTexte = c;
        ctx_.etat.TexteMulticolore = false;
        ctx_.surface.FixerCouleurTrait(c);
    } else if (bouton == BoutonDroit) {
        MontrerCouleur(hCouleur, c);
        outils_.CouleurFondChoisie = c;
        ctx_.surface.FixerCouleurRemplissage(c);
    }
}

void FenetreCouleurs::CmdMultiCor_Click() { ActiverMulticolore(ctx_); }
