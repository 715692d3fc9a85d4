#pragma once
// The program with its two windows shown and the text document, on a copy of the shipped data or
// on a program folder of the caller's.

#include "app/windows/DocumentTexte.h"
#include "app/windows/FenetreEntree.h"
#include "gui/FenetreDemarree.h"

#include <QApplication>
#include <QDir>
#include <QFile>

struct PosteDocument : FenetreDemarree<HorlogeMuette> {
    explicit PosteDocument(const QString& programme = {}, Reponse reponse = Reponse::Oui) {
        if (programme.isEmpty()) {
            const QString source = QStringLiteral(VELMOR_PROGRAM_DATA);
            for (const QString& f : QDir(source).entryList(QDir::Files)) QFile::copy(source + u'/' + f, dossier.filePath(f));
        }
        parDefaut = reponse;
        Demarrer(programme);
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

    std::unique_ptr<FrmEntree> entree;
    std::unique_ptr<DocumentTexte> document;
};
