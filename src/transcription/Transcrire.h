#pragma once

#include <QStringList>

struct Contexte;

// Writes the text of Tampon on the surface in the current script: prepares it for the language,
// runs a lone marker, stores the page, codes the signs, cuts the syllables and words, normalises
// the dotted text and draws it word by word, spacing or breaking the line after each word.
// Tampon is left empty. A call made while a run is under way (from a message box's events) keeps
// its text and writes it when the run ends.
void Transcrire(Contexte& ctx);

// The words the transcriber would draw for `texte`, as dotted texts, without drawing: markers run
// (a lone one changes the script or language) and are not listed.
QStringList MotsATracer(Contexte& ctx, const QString& texte);
