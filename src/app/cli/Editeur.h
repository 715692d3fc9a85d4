#pragma once
// A headless editor for the subcommands: the program started on a fresh surface the size of its
// work area, with the tables of the program folder, a script and a language chosen; a text is
// pasted into it (re-transcribed screen after screen) or typed key by key.

#include "app/cli/ContexteConsole.h"

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

// "velmor", "dorvane", "latine", "api" (case ignored); nothing if unknown.
std::optional<int> CodeEcritureOption(const QString& nom);

// Reads --ecriture, --langue, --taille, --relief, --largeur and --hauteur; false (with a message) on
// a bad one.
struct Options;
bool LireChoix(const Options& o, ChoixEditeur& choix, QTextStream& erreurs);

class Editeur {
public:
    Editeur(const ChoixEditeur& choix, const QString& dossier, QTextStream& erreurs);
    Contexte& ctx() { return *console_.ctx; }
    // False, having said why, when the program tables are missing or damaged: nothing can be drawn.
    bool TablesLues(QTextStream& erreurs) const { return TablesLisibles(tables_, *console_.ctx, erreurs); }
    Surface& surface() { return console_.surface; }
    FenetreConsole& fenetre() { return console_.fenetre; }

    // Pastes a text as the entry window does, resuming after every full screen; true when every
    // word was written.
    bool Coller(const QString& texte);

    // Types a text key by key through the keystroke driver (a line end is Enter); true when every
    // word was written.
    bool Taper(const QString& texte);

    // Full screens go to `recepteur` as they fill, `maxi` of them at most (0: any number).
    void Diriger(RecepteurEcrans* recepteur, int maxi) {
        ctx().recepteurEcrans = recepteur;
        ctx().ecransMaxi = maxi;
    }
    // Whether the surface holds the text's last screen once it is written: a screen with ink that
    // did not fill, or the only one.
    bool ResteSurSurface(int ecransRemis);
    // Hears the words written out of the words of the text while a paste goes on.
    void SuivreProgression(std::function<void(int faits, int total)> suivi) {
        console_.fenetre.progression = std::move(suivi);
    }

private:
    ContexteConsole console_;
    EtatTables tables_;
};
