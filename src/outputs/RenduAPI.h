#pragma once
#include <QString>

struct Contexte;

// Draws a phonetic word from the IPA symbol bitmaps at the cursor.
void EcritAPI(Contexte& ctx, const QString& mot);
