#pragma once

struct Contexte;
class QString;

// Loads "APABDIDS.TXT" then "Suffixes.TXT" from the program folder. A missing or unreadable file
// leaves its tables empty; bad entries are skipped, never stored out of bounds.
void ChargeTables(Contexte& ctx);

// The two readers on their own, from text already in memory (used by ChargeTables and the tests).
void LireTablesProgramme(Contexte& ctx, const QString& texte);
void LireSuffixes(Contexte& ctx, const QString& texte);
