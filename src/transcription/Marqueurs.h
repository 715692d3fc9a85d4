#pragma once
// The inline markers: their one table (how each is spelled and matched, what it does, whether a
// number follows it) and the readers that every path writing text uses on it, so that a marker
// typed, pasted, printed in Latin letters or met in the syllable cut means the same everywhere.

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

struct Contexte;
struct EtatProgramme;

enum class ActionMarqueur : std::uint8_t {
    Ecriture,    // selects the script `code`
    Langue,      // selects the input language `code`
    Saut,        // a new line
    Couleur,     // colour number := n
    Interligne,  // line spacing := n
    Blanc,       // word space := n size units
    Taille,      // character size := n
    Relief,      // relief on when n is not 0, off when it is
    Trait,       // a straight line between two points written in the marker (pasted text only)
    Efface,      // forgets the phonetic word being typed (typed text only)
};

struct Marqueur {
    std::u16string_view nom;  // as written in its usual spelling; any case matches
    ActionMarqueur action;
    std::int16_t code;        // the script or language it selects
    bool nombre;              // digits follow it: at most three, its value
    bool collage;             // read only by the walk over a pasted text (scripts Velmor and Dorvane)
    bool frappe;              // read only when typed as a word in the Latin or A.P.I. script
    // The forms the syllable cut leaves of a marker whose letters it separated, put back whole
    // by the normaliser (matched as written).
    std::array<std::u16string_view, 2> pointes;
};

// Every marker, in the order they are tried: the first that matches wins.
std::span<const Marqueur> Marqueurs();

// A marker read in a text: which, how many characters it takes there (its digits included) and
// the value of those digits (0 without any).
struct MarqueurLu {
    const Marqueur* marqueur = nullptr;
    qsizetype longueur = 0;
    double valeur = 0;
    explicit operator bool() const { return marqueur != nullptr; }
};

// Where a path reads markers; a marker read only by another path is not found.
enum class Lecture { Texte, Collage, Frappe };

// The marker at the start of `v`, or none.
MarqueurLu LireMarqueur(QStringView v, Lecture ou = Lecture::Texte);

// The marker a typed word is, or none: the whole word (a marker that takes a number may carry any
// text after it, which is ignored).
MarqueurLu MarqueurFrappe(QStringView mot);

// The first marker of the table that a word of the dotted text holds anywhere, or none.
MarqueurLu MarqueurDansMot(QStringView mot);

// Runs the marker's action; Trait draws the line its text `v` (read by LireMarqueur) describes.
void ExecuterMarqueur(Contexte& ctx, const MarqueurLu& m, QStringView v = {});

// The four numbers of a line marker: X1, Y1, X2, Y2.
std::array<double, 4> PointsTrait(QStringView v);

// Spellings, for writing markers: the script's and the language's marker, a number marker with
// its value, and the markers that restore a state's script, language and size ("%od %TU %TAI2").
QString NomMarqueurEcriture(int ecriture);
QString NomMarqueurLangue(int langue);
QString NomMarqueur(ActionMarqueur action, int valeur);
QString MarqueursEtat(const EtatProgramme& e);

// The language's two-letter code, as its marker ends ("TU", "FR", ...): empty for no language.
QString CodeLangue(int langue);
// The language of such a code, or of its marker; -1 when none.
int LangueDuCode(QStringView code);

// The normaliser's repair of markers whose letters the syllable cut separated.
void ReparerMarqueurs(QString& t);
