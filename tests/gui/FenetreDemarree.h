#pragma once
// The main window in a folder of its own, its questions answered by the test, `H` its clock.

#include "app/ContexteProgramme.h"
#include "app/Demarrage.h"
#include "app/windows/FenetrePrincipale.h"
#include "gui/Questions.h"

#include <QTemporaryDir>
#include <memory>

template <class H>
struct FenetreDemarree : Questions {
    // The program started over `programme` (the fixture's folder when empty), its questions put to the test.
    void Demarrer(const QString& programme = {}) {
        ctx = std::make_unique<ContexteProgramme>(surface, fenetre, horloge, programme.isEmpty() ? dossier.path() : programme);
        fenetre.FixerRepondeur(Repondre());
        Main(*ctx);
    }

    QTemporaryDir dossier;
    Surface surface{640, 400};
    FenetrePrincipale fenetre{surface};
    H horloge;
    std::unique_ptr<ContexteProgramme> ctx;
};
