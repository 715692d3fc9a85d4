#pragma once
// A headless editor for the subcommands: the program started on a fresh surface the size of its
// work area, with the tables of the program folder, a script and a language chosen; a text is
// pasted into it (re-transcribed screen after screen) or typed key by key.

#include "app/cli/ContexteConsole.h"

#include "outputs/ExportVectoriel.h"

#include <QImage>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

struct ChoixEditeur {
    int ecriture = Ecritures::Velmor;
    int langue = Langues::Tumeli;
    int taille = 1;
    bool relief = false;
    int largeur = 1000;
    int hauteur = 0;  // 0: the A4 height of the tables ("YMaxi_A4")
};

// "velmor", "dorvane", "latine", "api" and "TU", "FR", "EN", "PH" (case ignored); nothing if unknown.
std::optional<int> CodeEcritureOption(const QString& nom);
std::optional<int> CodeLangueOption(const QString& nom);

// Reads --ecriture, --langue, --taille, --relief, --largeur and --hauteur; false (with a message) on
// a bad one.
struct Options;
bool LireChoix(const Options& o, ChoixEditeur& choix, QTextStream& erreurs);

class Editeur {
public:
    Editeur(const ChoixEditeur& choix, const QString& dossier, QTextStream& erreurs);
    Contexte& ctx() { return *console_.ctx; }
    Surface& surface() { return console_.surface; }
    FenetreConsole& fenetre() { return console_.fenetre; }

    // Pastes a text as the entry window does, resuming after every full screen; true when every
    // word was written. `ecranRange` hears each screen's number as soon as it is stored.
    bool Coller(const QString& texte, const std::function<void(int)>& ecranRange = {});

    // Types a text key by key through the keystroke driver (a line end is Enter); true when every
    // word was written.
    bool Taper(const QString& texte);

    // The pictures of the text: the stored screens in order, then the surface when it holds more.
    QList<QImage> Ecrans();
    // Where those pictures are (a stored screen's number, 0 for the surface), and one of them: the
    // surface's own picture, or a stored one decoded into `tampon` (its pixels reused when it fits);
    // null for an empty place. From any thread once the text is written.
    QList<int> PlacesEcrans();
    const QImage* Ecran(int place, QImage& tampon);
    // The same screens with what was drawn on them, for the vector outputs.
    std::vector<FeuilleVectorielle> Feuilles();

private:
    ContexteConsole console_;
};
