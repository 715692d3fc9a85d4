#pragma once
// The whole-text re-transcription that follows a paste: the entry text walked character by
// character and written word by word, with its markers, numbers and line ends, stopping at a full
// screen and resuming there the next time.

#include <QString>

struct Contexte;

enum class FinRetranscrire {
    Fini,        // the walk reached the end of the text
    EcranPlein,  // a new screen was started: the next run resumes at PositionReprise
    Limite,      // a limit of the surface stopped the drawing
    Arrete,      // the user asked it to stop (ArretCollage): it stopped before the next word
};

// Walks `texte` from PositionReprise, or, when no walk waits to be resumed, from the character
// after the first `dejaEcrits` (the text the box held before the paste, already written). Shows
// its progress in words through the window's Progression, restores the script it started with.
FinRetranscrire RetranscrireTexte(Contexte& ctx, const QString& texte, int dejaEcrits = 0);

// Number of words (runs of characters between blanks) in a text.
int CompterMots(QStringView texte);
