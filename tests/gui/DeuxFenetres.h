#pragma once
// The program's two windows over the test tables in a folder of its own, assembled and tied
// together as the program does it.

#include "app/windows/FenetreEntree.h"
#include "app/windows/GardeCollage.h"
#include "app/windows/LiaisonFenetres.h"
#include "gui/FenetreDemarree.h"
#include "support/Fichiers.h"

#include <QApplication>
#include <functional>
#include <gtest/gtest.h>

struct DeuxFenetres : FenetreDemarree<HorlogeFenetre> {
    // `parametres`: the settings file the start reads (none when empty); `reglages`: changes to the
    // state once the settings are read, before the windows show it. Every question is answered
    // `reponse`.
    explicit DeuxFenetres(const QByteArray& parametres = {}, Reponse reponse = Reponse::Oui,
                          const std::function<void(EtatProgramme&)>& reglages = {}) {
        CopierTables(dossier.path());
        if (!parametres.isEmpty()) EXPECT_TRUE(EcrireFichier(dossier.filePath("Velmor.ini"), parametres));
        parDefaut = reponse;
        Demarrer();
        if (reglages) reglages(ctx->etat);
        fenetre.Relier(*ctx);
        entree = std::make_unique<FrmEntree>(*ctx, &fenetre);
        RelierFenetres(fenetre, *entree);
    }
    // Both windows shown: the main one at `taille`, or where the settings place it.
    void Montrer(QSize taille = {}) {
        if (taille.isValid()) {
            fenetre.resize(taille);
            fenetre.show();
        } else {
            fenetre.Montrer();
        }
        fenetre.FixerSaisieOuverte(true);
        entree->Afficher();
        QApplication::processEvents();
    }

    std::unique_ptr<FrmEntree> entree;
};
