#pragma once
// Everything a routine of the program works with: the shared state record, the writing surface,
// the window interface, the clock of the paced drawing, the program folder, and the parts the upper
// folders own (program tables, dictionaries, syllable memory, picture stores), held by reference
// and named here without their headers. One Contexte lives for the whole run and is passed by
// reference; app/ContexteProgramme.h assembles it with its parts and hooks.

#include "base/EtatProgramme.h"
#include "base/FenetreInterface.h"
#include "base/Horloge.h"
#include "base/Surface.h"

#include <QFile>
#include <QString>
#include <QStringView>
#include <functional>
#include <memory>
#include <optional>

struct Tables;
class Dictionnaires;
class MemoireSyllabes;
class MagasinImages;
struct Contexte;

// One call of Dessin, as a watcher of the drawing sees it.
struct AppelDessin {
    QString chemin;
    double x, y;
    int premier;
    Couleur couleur;
};

// The calls a lower folder makes into an upper one, set when the context is assembled. A hook left
// empty does nothing.
struct Crochets {
    void (*AfficheEtat)(Contexte&) = nullptr;                  // drawing → layout: position display
    void (*ChangementEcriture)(Contexte&) = nullptr;           // drawing → layout: script-change spacing
    void (*EcritAPI)(Contexte&, const QString&) = nullptr;     // transcription → outputs: IPA words
    void (*EcrireLotPrononciation)(Contexte&) = nullptr;       // transcription → outputs: "FON.bat"
    void (*RapportMesures)(Contexte&) = nullptr;               // transcription → outputs: "Donnees.TXT"
    void (*RecreerPages)(Contexte&) = nullptr;                 // config → layout: empty ring of PagesRappelables + 1
    // transcription → app: the user dictionary of words read at run time, consulted first, and the
    // reader of a word no dictionary holds (French and English).
    std::optional<QString> (*ConsulterLus)(Contexte&, QStringView) = nullptr;
    std::optional<QString> (*LireInconnu)(Contexte&, QStringView) = nullptr;
    // drawing → whoever watches the drawing: each call of Dessin, before it draws.
    std::function<void(const AppelDessin&)> ObserverDessin;
};

// Where full screens go instead of the screen store when a long text is written out (a render, an
// export): each screen is handed over as soon as it is full, and nothing of it is kept here.
class RecepteurEcrans {
public:
    virtual ~RecepteurEcrans() = default;
    // Full screen `numero` (from 1) is on `surface`: take its picture and what was drawn, and leave
    // the surface cleared.
    virtual void Prendre(Surface& surface, int numero) = 0;
};

// The parts of a context that belong to the upper folders.
struct PartiesContexte {
    Tables& tables;
    Dictionnaires& dictionnaires;
    MemoireSyllabes& memoireSyllabes;
    MagasinImages& ecrans;
    MagasinImages& pages;
};

struct Contexte {
    Contexte(Surface& s, FenetreInterface& f, Horloge& h, QString dossierProgramme, const PartiesContexte& p)
        : tables(p.tables), surface(s), fenetre(f), horloge(h), dossier(std::move(dossierProgramme)),
          dictionnaires(p.dictionnaires), memoireSyllabes(p.memoireSyllabes), ecrans(p.ecrans), pages(p.pages) {}
    Contexte(const Contexte&) = delete;
    Contexte& operator=(const Contexte&) = delete;

    EtatProgramme etat;
    Tables& tables;
    Surface& surface;
    FenetreInterface& fenetre;
    Horloge& horloge;
    QString dossier;                    // the program folder: data files (written files: config/Dossiers.h)
    QString FichierSon;                 // "FON.bat" while ModeSon > 0, each word's lines added whole
    Dictionnaires& dictionnaires;       // pronunciation dictionaries, loaded on first use
    MemoireSyllabes& memoireSyllabes;   // dotted texts already built by the transcriber
    MagasinImages& ecrans;              // the stored screens, 0 to 20
    MagasinImages& pages;               // the ring of recallable pages, 0 to PagesRappelables
    Crochets crochets;

    // When set, full screens go there instead of `ecrans`, and a paste may fill `ecransMaxi`
    // screens (0: any number) instead of the store's 20.
    RecepteurEcrans* recepteurEcrans = nullptr;
    int ecransMaxi = 20;

    // The last work-area width read, in twips, and its whole pixels: the scans read it for every
    // glyph, and it changes only with the window.
    struct {
        int twips = -1, twipsParPixel = 0;
        double pixels = 0;
    } largeurVisible;

    QString Fichier(const QString& nom) const { return dossier + u'/' + nom; }
    PartiesContexte Parties() const { return {tables, dictionnaires, memoireSyllabes, ecrans, pages}; }
};
