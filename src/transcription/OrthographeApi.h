#pragma once
// IPA to the phonetic spelling of docs/alphabet.md, through the table of
// tools/dictionnaires/api.txt ("IPA<tab>groups" lines). Plain C++: the dictionary generator and
// the program's reader of unknown words share it.

#include <map>
#include <string>
#include <vector>

namespace orthographe_api {

// One letter group of the spelling: a vowel group or a consonant.
struct Groupe {
    std::string lettres;
    bool voyelle = false;
};

class TableApi {
public:
    // Reads the table's text; returns an error message, empty when the text is right.
    std::string Lire(const std::string& texte);
    const std::vector<Groupe>* Chercher(const std::string& ipa) const;
    bool Vide() const { return table_.empty(); }

private:
    std::map<std::string, std::vector<Groupe>> table_;
};

struct Lecture {
    std::string orthographe;  // the phonetic spelling, empty when nothing was read
    bool bascule = false;     // espeak-ng switched to another language's rules
    bool muet = false;        // the reading begins with a silent phoneme (no elision before it)
    std::string inconnu;      // an IPA phoneme the table does not map (nothing else is set then)
};

// Joins the phonemes of a reading into the spelling: two vowel groups that meet are kept apart by
// "k" (not needed after a group ending with "h", whose next vowel the syllable cut already sets
// apart, nor after the stress mark); in French "y" before a vowel is the glide of the grid's
// "y" row. The last primary stress becomes "'" after its vowel group; a word of one vowel group
// has none.
// `ipa`: espeak-ng's phonemes separated by "_" or spaces.
Lecture Transcrire(const TableApi& table, const std::string& ipa, bool francais);

}  // namespace orthographe_api
