#pragma once
// The text stages of the transcriber: sign coding and the syllable cut that builds the dotted text.

#include <QString>
#include <QStringList>

struct Contexte;

// Apostrophes, the backquote, a trailing "#" and the sign codes: every sign becomes "!" and its
// code letter followed by the separator "!_". Sets NumeroDiese for "#" and SautPermis after the
// walk. `finDiese` tells whether the text ended with "#" (its digits are then not drawn).
QString CoderSignes(Contexte& ctx, const QString& texteMinuscule, bool& finDiese);

// Inline markers typed inside a text are kept whole through the syllable cut: each is replaced by
// one private character and restored in its usual spelling, with its digits, as an element.
QString ProtegerMarqueurs(const QString& texte, QStringList& marqueurs);

// The two walks over the sign-coded text: syllables separated by ".", words by "+", consonants
// opening syllables, the stress apostrophe as "{". Dots are merged and "__" becomes "+".
QString CouperSyllabes(Contexte& ctx, const QString& texteCode, const QStringList& marqueurs);
