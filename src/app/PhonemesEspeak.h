#pragma once
// The IPA that espeak-ng gives for a UTF-8 text, phonemes separated by "_" and clauses by a space.
// Shared by the run-time reader of unknown words and the dictionary generator (tools/).

#include <espeak-ng/speak_lib.h>

#include <string>

inline std::string PhonemesEspeak(const char* texte) {
    const void* p = texte;
    std::string r;
    while (p) {
        const char* morceau = espeak_TextToPhonemes(&p, espeakCHARS_UTF8, espeakPHONEMES_IPA | ('_' << 8));
        if (!morceau) break;
        if (!r.empty()) r += ' ';
        r += morceau;
    }
    return r;
}
