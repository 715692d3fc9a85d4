#pragma once
// The dotted text normaliser and the stress-mark placement.
//
// A dotted text holds elements joined by "." and word breaks "+" (".+." once normalised): syllables,
// capitals, digits, inline markers ("%..."), sign codes ("!" and one character), "=" consonants
// moved by the "{" rules, "{" stress marks and "-" hyphens.

#include <QString>
#include <QStringView>

struct Contexte;

// True for exactly one of "a", "e", "i", "o", "u", "y" in either case; false for anything else,
// the empty text and longer texts included.
bool EstVoyelle(QStringView texte);
bool EstVoyelle(QChar c);

// Rewrites a dotted text into its canonical form: markers whose letters were separated are joined
// again, the "{" rules of the input language run, every element is classed and word breaks are put
// where capitals start words, separators are cleaned up and "{" marks move to the front of their word.
// Reads Langue; uses ChaineTravail as its scratch and leaves it empty. Never fails: a step that
// cannot apply is skipped.
void Normaliser(Contexte& ctx, QString& textePointe);

// Decides on which side of the word in TextePointe (one word, beginning with "{") the stress mark is
// drawn, and drops it when the word has nothing to carry it. In the Velmor script a word with no
// consonant but "h" is left as it is and switched to the Dorvane script for itself alone: Ecriture
// := 1 and BasculeVoyelles := 1 (the caller puts both back after the word).
// Reads and writes TextePointe, Ecriture and BasculeVoyelles.
void PlaceMarque(Contexte& ctx);

// Building blocks of the normaliser, public for the subcommands and the tests.

// Separator clean-up: every "@" becomes "+.!X.", then, until none applies: ".." -> ".", "++" -> "+",
// "+.+" -> ".+", a trailing "." or ".+" goes, a leading "." or "+" goes, a leading "{.{." -> "{.".
// Gives the same text as applying the first rule that matches, one at a time; in linear time.
void NettoyerSeparateurs(QString& texte);

// Moves the first ".{" of each word to the front of that word as "{.". A text without "+" is one
// word, whose repeated marks fold into one leading "{.". In linear time.
void AvancerMarques(QString& texte);
