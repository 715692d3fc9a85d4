#pragma once
// The keystroke driver: every key typed in the entry box reaches TraiterTouche, which writes the
// word when its space comes, prints Latin letters at once and draws A.P.I. words from bitmaps.

#include <QString>
#include <cstdint>

struct Contexte;

// The entry box as the driver sees it: its text before the key enters it, and its emptying.
class BoiteSaisie {
public:
    virtual ~BoiteSaisie() = default;
    virtual QString Texte() const = 0;
    virtual void Vider() = 0;
};

// Key codes with a meaning of their own.
constexpr int16_t kToucheEntree = 13;
constexpr int16_t kToucheColler = 22;   // Ctrl+V
constexpr int16_t kToucheRapport = 164; // "¤": the glyph measurement report

// One key of the entry box, by its Windows-1252 code: Enter starts a new line, "¤" empties the box
// and starts the measurement report, a space writes the word that ends the box's text; in the
// Latin script every character is printed at once, in the A.P.I. script the word is drawn at its
// space. Markers typed in those two scripts are run when their space comes.
void TraiterTouche(Contexte& ctx, BoiteSaisie& boite, int16_t code);

// The key-press event of the entry box: Ctrl+V only marks a paste; any other key ends it and goes
// to TraiterTouche.
void ToucheSaisie(Contexte& ctx, BoiteSaisie& boite, int16_t code);

// The letters an A.P.I. word is drawn from: the pronunciation the dictionaries give for Tumeli,
// French and English input, the word as typed for phonetic input.
QString PrononciationAPI(Contexte& ctx, const QString& mot);

// Runs a marker typed as a word in the Latin or A.P.I. script; false when it is none.
bool ExecuterBalise(Contexte& ctx, const QString& balise);
