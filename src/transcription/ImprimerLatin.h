#pragma once
// The Latin printer: text in Latin letters at the writing cursor.

#include <QString>

struct Contexte;

// Prints a text in Latin letters at the cursor, executing the markers it contains. A word that
// would cross the right limit starts a new line first.
void ImprimerLatin(Contexte& ctx, const QString& texte);
