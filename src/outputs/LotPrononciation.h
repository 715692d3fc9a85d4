#pragma once
// The pronunciation batch "FON.bat": for every transcribed word, a command that joins the word's
// per-syllable MP3 recordings and the closing signal into one MP3 named after the word. Lines are
// Windows-1252 with CR LF, each word's lines added whole to Contexte::FichierSon.

#include <QString>
#include <QStringList>

struct Contexte;

// The hook the transcriber calls after the normaliser: EcritLigneSon on TextePointe.
void EcrireLotPrononciation(Contexte& ctx);

// ModeSon 1: TextePointe as one line. ModeSon 2 or more: "REM :  " + word and the "COPY" line,
// nothing when the word or its syllables hold no letter.
void EcritLigneSon(Contexte& ctx, const QString& syllabes);

// The lines EcritLigneSon writes for a dotted text and a typed word in mode 2 (empty: none).
QStringList LignesSon(const QString& syllabes, const QString& mot);

// True when the lower-cased first character is one of a..z.
bool EstLettre(const QString& texte);
