#pragma once

struct Contexte;
class QString;

enum class EtatTables {
    Lues,
    Absentes,     // "APABDIDS.TXT" missing or unreadable
    Endommagees,  // a file holds what no text holds, or the glyph tables end before their sections
};

// Loads "APABDIDS.TXT" then "Suffixes.TXT" from the program folder. A missing or unreadable file
// leaves its tables empty; bad entries are skipped, never stored out of bounds. A damaged file is
// named with its line in one message ("Erreur dans ''<file>'' : Ligne <n> : ...").
EtatTables ChargeTables(Contexte& ctx);

// The two readers on their own, from text already in memory (used by ChargeTables and the tests).
// LireTablesProgramme answers the line of the text where the glyph tables ended before the end of
// a section, 0 when every section was read.
int LireTablesProgramme(Contexte& ctx, const QString& texte);
void LireSuffixes(Contexte& ctx, const QString& texte);
