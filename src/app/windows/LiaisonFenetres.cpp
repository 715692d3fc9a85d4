#include "app/windows/LiaisonFenetres.h"

#include "app/windows/FenetreEntree.h"
#include "app/windows/FenetrePrincipale.h"
#include "app/windows/GardeCollage.h"

#include <QCoreApplication>
#include <QKeyEvent>

void RelierFenetres(FenetrePrincipale& fenetre, FrmEntree& entree) {
    QObject::connect(&fenetre, &FenetrePrincipale::SaisieDemandee, &entree, [&] {
        fenetre.FixerSaisieOuverte(true);
        entree.Afficher();
    });
    QObject::connect(&entree, &FrmEntree::Fermee, &fenetre, [&] { fenetre.FixerSaisieOuverte(false); });
    fenetre.FixerSourceTexte([&] { return entree.TxtEntree->toPlainText(); });
    QObject::connect(&fenetre, &FenetrePrincipale::RappelDemande, &entree, [&] { entree.move(0, 0); });
    // After a command of the main window the keys go to the entry box again.
    QObject::connect(&fenetre, &FenetrePrincipale::SaisieAuPremierPlan, &entree, [&] {
        if (entree.isVisible()) entree.PremierPlan();
    });
    QObject::connect(&fenetre, &FenetrePrincipale::ToucheRenvoyee, &entree, [&](QKeyEvent* ev) {
        if (!entree.isVisible()) return;
        entree.PremierPlan();
        QKeyEvent copie(ev->type(), ev->key(), ev->modifiers(), ev->text(), ev->isAutoRepeat(), ev->count());
        QCoreApplication::sendEvent(entree.TxtEntree, &copie);
    });
    QObject::connect(&fenetre, &FenetrePrincipale::AvantEcritureParametres, &entree, [&] {
        if (entree.isVisible()) entree.MemoriserDisposition();
    });
    entree.AssocierFenetre(&fenetre, fenetre.BoutonArret());
    QObject::connect(&fenetre, &FenetrePrincipale::ContinuationDemandee, &entree, &FrmEntree::Continuer);
    QObject::connect(&entree, &FrmEntree::CollageTermine, &fenetre, &FenetrePrincipale::MontrerSuiteCollage);
}
