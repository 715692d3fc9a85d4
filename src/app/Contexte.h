#pragma once
// Everything a routine of the program works with: the shared state record, the program tables, the
// writing surface, the window interface, the clock of the paced drawing, the program folder and the
// picture stores (stored screens, recallable pages).
// One Contexte lives for the whole run and is passed by reference.

#include "app/EtatProgramme.h"
#include "app/FenetreInterface.h"
#include "app/Horloge.h"
#include "app/surface/Surface.h"
#include "config/Tables.h"
#include "transcription/Dictionnaires.h"
#include "transcription/MemoireSyllabes.h"
#include "layout/MagasinImages.h"

#include <QFile>
#include <QString>
#include <memory>
#include <vector>

// One call of Dessin, as recorded for the benchmarks.
struct AppelDessin {
    QString chemin;
    double x, y;
    int premier;
    Couleur couleur;
};

struct Contexte {
    Contexte(Surface& s, FenetreInterface& f, Horloge& h, QString dossierProgramme)
        : surface(s), fenetre(f), horloge(h), dossier(std::move(dossierProgramme)) {}

    EtatProgramme etat;
    Tables tables;
    Surface& surface;
    FenetreInterface& fenetre;
    Horloge& horloge;
    QString dossier;                   // the program folder: data files and "Velmor.ini"
    std::unique_ptr<QFile> FichierSon;  // "FON.bat", open while ModeSon > 0
    Dictionnaires dictionnaires;        // pronunciation dictionaries, loaded on first use
    MemoireSyllabes memoireSyllabes;    // dotted texts already built by the transcriber
    MagasinImages ecrans{21};            // the stored screens, 0 to 20
    MagasinImages pages{31, true};       // the ring of recallable pages, 0 to PagesRappelables

    std::vector<AppelDessin>* journalDessin = nullptr;  // when set, every Dessin call is recorded

    // The last work-area width read, in twips, and its whole pixels: the scans read it for every
    // glyph, and it changes only with the window.
    struct {
        int twips = -1, twipsParPixel = 0;
        double pixels = 0;
    } largeurVisible;

    QString Fichier(const QString& nom) const { return dossier + u'/' + nom; }
};
