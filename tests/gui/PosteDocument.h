#pragma once
// The program with its two windows shown and the text document, on a copy of the shipped data or
// on a program folder of the caller's.

#include "app/ContexteProgramme.h"
#include "app/Demarrage.h"
#include "app/windows/DocumentTexte.h"
#include "app/windows/FenetreEntree.h"
#include "app/windows/FenetrePrincipale.h"
#include "gui/Questions.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

struct PosteDocument : Questions {
    explicit PosteDocument(const QString& programme = {}, Reponse reponse = Reponse::Oui) {
        if (programme.isEmpty()) {
            const QString source = QStringLiteral(VELMOR_PROGRAM_DATA);
            for (const QString& f : QDir(source).entryList(QDir::Files)) QFile::copy(source + u'/' + f, dossier.filePath(f));
        }
        parDefaut = reponse;
        ctx = std::make_unique<ContexteProgramme>(surface, fenetre, horloge, programme.isEmpty() ? dossier.path() : programme);
        fenetre.FixerRepondeur(Repondre());
        Main(*ctx);
        ctx->etat.EtatFenetre = 0;
        fenetre.Relier(*ctx);
        fenetre.resize(1100, 800);
        fenetre.show();
        entree = std::make_unique<FrmEntree>(*ctx, &fenetre);
        entree->Afficher();
        document = std::make_unique<DocumentTexte>(*ctx, fenetre, *entree);
        QApplication::processEvents();
    }
    // Whatever the windows ask while they close is answered "Non".
    ~PosteDocument() { fenetre.FixerRepondeur([](const QString&) { return Reponse::Non; }); }

    QTemporaryDir dossier;
    Surface surface{640, 400};
    FenetrePrincipale fenetre{surface};
    HorlogeMuette horloge;
    std::unique_ptr<ContexteProgramme> ctx;
    std::unique_ptr<FrmEntree> entree;
    std::unique_ptr<DocumentTexte> document;
};
