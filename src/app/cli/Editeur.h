#pragma once
// A headless editor for the subcommands: the program started on a fresh surface with the tables of
// the program folder, a script and a language chosen, and text typed into it word by word.

#include "app/cli/ContexteConsole.h"

#include <QString>
#include <optional>

struct ChoixEditeur {
    int ecriture = 0;  // 0 Velmor, 1 Dorvane, 2 Latine, 3 A.P.I.
    int langue = 0;    // 0 Tumeli, 1 French, 2 English, 3 phonetic
    int taille = 1;
    bool relief = false;
    int largeur = 1000;
};

// "velmor", "dorvane", "latine", "api" and "TU", "FR", "EN", "PH" (case ignored); nothing if unknown.
std::optional<int> CodeEcritureOption(const QString& nom);
std::optional<int> CodeLangueOption(const QString& nom);

// Reads --ecriture, --langue, --taille, --relief and --largeur; false (with a message) on a bad one.
struct Options;
bool LireChoix(const Options& o, ChoixEditeur& choix, QTextStream& erreurs);

class Editeur {
public:
    Editeur(const ChoixEditeur& choix, const QString& dossier, QTextStream& erreurs);
    Contexte& ctx() { return *console_.ctx; }
    Surface& surface() { return console_.surface; }

    // Types a text as a user would: each word with its punctuation written when its space comes,
    // a new line at each line end.
    void Taper(const QString& texte);

private:
    void Mot(const QString& mot);
    void Entree();

    ContexteConsole console_;
};
