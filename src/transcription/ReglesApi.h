#pragma once
// Rules that mend espeak-ng's IPA of a word where its letter rules err for a whole class of words,
// applied before the IPA is spelled (OrthographeApi). Plain C++: the dictionary generator and the
// program's reader of unknown words share them.

#include <functional>
#include <string>

namespace regles {

// Whether a word (lower case, UTF-8) is in the language's word list.
using Connu = std::function<bool(const std::string&)>;

// French, `mot` in lower case: word-initial "gn" (/ɡn/ in learned words, /ɲ/ in the others), "ch"
// of Greek and Italian stems (/k/), "s" before a voiced consonant and after a learned prefix
// (/s/), final "-ose", "-iome", "-some" (/o/), "-ogue", "-oque", "-ore" (/ɔ/), final "-er" of
// borrowed and learned endings (/ɛʁ/, /œʁ/), "quadr-", "-tième", "-tie", "ill" /il/, "-exie" /ks/;
// the vowels of a word read by English rules made French.
// `ipa`: phonemes separated by "_".
std::string Francais(const std::string& mot, const std::string& ipa, const Connu& connu);

// English: "one" /wʌn/; a final /z/ after a voiceless consonant is /s/ (paragraphs, epochs) and a
// final /s/ after a silent "t" is /z/ (ballets); the weak /i/ of "happy", "react" and "area" where
// espeak-ng writes /ɪ/ or /iə/.
std::string Anglais(const std::string& mot, const std::string& ipa);

}  // namespace regles
