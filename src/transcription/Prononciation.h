#pragma once
// Word preparation with the pronunciation dictionaries, and the Tumeli suffix separation.

#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

struct Contexte;

// Prepares one typed word (Tampon) for the syllable cut. Outside Tumeli, a leading "h" is written
// "ph" (/h/); such a word is looked up under its own spelling first, then as "ph...". Apostrophes (a typographic one counts as
// "'") and hyphens move next to the vowel they belong to, a leading "h'" is recoded, and the word's
// letters are looked up, case ignored, in the dictionary of the input language ("Fohms_TU.TXT",
// "Fohms_FR.TXT", "Fohms_EN.TXT") and then in "Fohms_NP.TXT" (that one alone when ModeSon is 2); a
// match replaces them and keeps what followed them. Where the program sets them (ctx.crochets), the
// user dictionary of words read at run time is consulted before each file, and a word found nowhere
// is read. Phonetic input skips all that. A result containing "*" is held back in MotsEnAttente and
// `tampon` is emptied; otherwise the held-back text goes in front of the word.
// Reads Langue and ModeSon; reads and writes MotsEnAttente; may show the message of a malformed
// dictionary entry.
void PrepareMot(Contexte& ctx, QString& tampon);

// The spelling of a lookup key through `chercher` (one dictionary lookup, case ignored). `h`: the key
// is a word's "ph..." written for a leading "h", looked up as "h..." first. When the whole key is
// not found: a hyphenated key is read through its parts, a French elided key ("t'écris") as its
// spoken prefix and the rest, an English "...'s" as the word and its ending, "...s'" as the word;
// every part must be found. `langue`: 1 French, 2 English; any other is a plain lookup.
std::optional<QString> ChercherCle(QStringView cle, bool h, int langue,
                                   const std::function<std::optional<QString>(QStringView)>& chercher);

// The spelling of a key through `lire` (a whole-key lookup: the dictionaries, then the reader of
// unknown words; its flag is ChercherCle's `h`), or, when the whole key is not read, of its pieces:
// in French and English (`langue` 1, 2) quotes around the word ("``as''", "`stty'") are left out
// and the word between them is read; the words between signs that no word holds (typographic
// quotes, guillemets, dashes, no-break spaces, braces) are read and the signs stay in place. None
// unless every piece is read.
std::optional<QString> LireParMorceaux(QStringView cle, bool h, int langue,
                                       const std::function<std::optional<QString>(QStringView, bool)>& lire);

// Cuts known Tumeli suffixes off the words of a sign-coded text with "_", using TableSuffixes
// (entries 1 to NombreSuffixes, in their order). Words with fewer than two vowels, or with two
// adjacent vowels only, are never cut; nothing is cut when ModeSon is 2. The part from the first
// sign code ("!") on is left as it is.
// Reads Langue, ModeSon and the suffix table.
void SepareSuffixe(Contexte& ctx, QString& texte);
