#pragma once
// The program's two windows over the test tables in a folder of its own, assembled and tied
// together as the program does it.

#include "app/ContexteProgramme.h"
#include "app/Demarrage.h"
#include "app/windows/FenetreEntree.h"
#include "app/windows/GardeCollage.h"
#include "app/windows/LiaisonFenetres.h"
#include "gui/Questions.h"
#include "support/Fichiers.h"

#include <QApplication>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

struct DeuxFenetres : Questions {
    // `parametres`: the settings file the start reads (none when empty); `reglages`: changes to the
    // state once the settings are read, before the windows show it. Every question is answered
    // `reponse`.
    explicit DeuxFenetres(const QByteArray& parametres = {}, Reponse reponse = Reponse::Oui,
                          const std::function<void(EtatProgramme&)>& reglages = {}) {
        CopierTables(dossier.path());
        if (!parametres.isEmpty()) EXPECT_TRUE(EcrireFichier(dossier.filePath("Velmor.ini"), parametres));
        ctx = std::make_unique<ContexteProgramme>(surface, fenetre, horloge, dossier.path());
        parDefaut = reponse;
        fenetre.FixerRepondeur(Repondre());
        Main(*ctx);
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

    QTemporaryDir dossier;
    Surface surface{640, 400};
    FenetrePrincipale fenetre{surface};
    HorlogeFenetre horloge;
    std::unique_ptr<ContexteProgramme> ctx;
    std::unique_ptr<FrmEntree> entree;
};
