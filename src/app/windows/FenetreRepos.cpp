#include "app/windows/FenetreRepos.h"

#include "base/Contexte.h"
#include "layout/Repositionnement.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

FenetreRepos::FenetreRepos(Contexte& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("FrmRepos"));
    setWindowTitle(QStringLiteral("  X  &  Y"));
    setModal(true);

    const auto option = [this](const char* nom, const QString& bulle) {
        auto* b = new QRadioButton(this);
        b->setObjectName(QString::fromLatin1(nom));
        b->setToolTip(bulle);
        return b;
    };
    OptAbsoluX = option("OptAbsoluX", QStringLiteral("X Absolu: Où se trouve la souris."));
    OptLogiqueX = option("OptLogiqueX", QStringLiteral("X Logique : Après la lettre la plus proche, sinon en début de ligne..."));
    OptAbsoluY = option("OptAbsoluY", QStringLiteral("Y Absolu : Où se trouve la souris."));
    OptLogiqueY = option("OptLogiqueY", QStringLiteral("Y Logique : Sur la ligne la + proche."));

    const auto cadre = [this](const char* nom, QRadioButton* a, QRadioButton* b) {
        auto* g = new QGroupBox(this);
        g->setObjectName(QString::fromLatin1(nom));
        auto* l = new QVBoxLayout(g);
        l->addWidget(a);
        l->addWidget(b);
        auto* groupe = new QButtonGroup(g);
        groupe->addButton(a);
        groupe->addButton(b);
        return g;
    };
    CmdOK = new QPushButton(QStringLiteral("OK"), this);
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    CmdOK->setDefault(true);
    CmdAnnule = new QPushButton(QStringLiteral("Annuler"), this);
    CmdAnnule->setObjectName(QStringLiteral("CmdAnnule"));

    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(CmdOK);
    boutons->addWidget(CmdAnnule);
    auto* page = new QVBoxLayout(this);
    page->addWidget(cadre("FrameX", OptAbsoluX, OptLogiqueX));
    page->addWidget(cadre("FrameY", OptAbsoluY, OptLogiqueY));
    page->addLayout(boutons);

    OuvreRepositionnement(ctx_);
    OptAbsoluY->setChecked(true);
    OptAbsoluX->setChecked(true);
    for (const auto& option : {std::pair{OptionRepos::AbsoluX, OptAbsoluX}, {OptionRepos::LogiqueX, OptLogiqueX},
                               {OptionRepos::AbsoluY, OptAbsoluY}, {OptionRepos::LogiqueY, OptLogiqueY}}) {
        const OptionRepos o = option.first;
        QRadioButton* const b = option.second;
        b->setText(LegendeOptionRepos(ctx_.etat, o));
        connect(b, &QRadioButton::toggled, this, [this, o, b](bool choisi) {
            if (choisi) Choisir(o, b);
        });
    }
    connect(CmdOK, &QPushButton::clicked, this, &FenetreRepos::CmdOK_Click);
    connect(CmdAnnule, &QPushButton::clicked, this, &FenetreRepos::CmdAnnule_Click);
    ctx_.fenetre.Rafraichir();
}

void FenetreRepos::Choisir(OptionRepos option, QRadioButton* bouton) {
    ChoisitOptionRepos(ctx_, option);
    const bool x = option == OptionRepos::AbsoluX || option == OptionRepos::LogiqueX;
    bouton->setText(LegendeOptionRepos(ctx_.etat, option, x ? ctx_.etat.XSouris : ctx_.etat.YSouris));
    ctx_.fenetre.Rafraichir();
}

void FenetreRepos::CmdOK_Click() {
    if (tranche_) return;
    tranche_ = true;
    ValideRepositionnement(ctx_, OptLogiqueX->isChecked(), OptLogiqueY->isChecked());
    accept();
}

void FenetreRepos::CmdAnnule_Click() {
    if (tranche_) return;
    tranche_ = true;
    AnnuleRepositionnement(ctx_);
    reject();
}

void FenetreRepos::done(int resultat) {
    if (!ferme_) {
        ferme_ = true;
        // Closed by Escape or the title bar: the same as Annuler, so no mark is left behind.
        if (!tranche_) {
            tranche_ = true;
            AnnuleRepositionnement(ctx_);
        }
        FermeRepositionnement(ctx_);
        ctx_.fenetre.Rafraichir();
    }
    QDialog::done(resultat);
}
