// Writes the pronunciation dictionaries Fohms_FR.TXT, Fohms_EN.TXT and Fohms_NP.TXT (Windows-1252,
// CRLF lines, "word;spelling") from word frequency counts, word lists and espeak-ng's readings.
//
//   velmor_dictionnaires SOURCES OUTPUT [--modeles DIR] [--mots DIR] [--rapport FILE]
//
// SOURCES holds api.txt (IPA to spelling), formes_*.txt (forms of running text) and
// corrections_*.txt (hand-kept readings, applied last). DIR default to the Debian places of the
// onboard-data counts and of the word lists. Each word is read alone by espeak-ng with "_" between
// phonemes; every phoneme goes through api.txt, and one the table does not know stops the run.
#include "app/PhonemesEspeak.h"
#include "transcription/ReglesApi.h"
#include "transcription/OrthographeApi.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

using namespace orthographe_api;

namespace {

[[noreturn]] void Echec(const std::string& message) {
    std::cerr << "velmor_dictionnaires: " << message << '\n';
    std::exit(1);
}

// ---- Text: UTF-8, lower case, Windows-1252 ------------------------------------------------------

std::u32string Decoder(const std::string& s) {
    std::u32string r;
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        int n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        char32_t u = n == 1 ? c : n == 2 ? c & 0x1F : n == 3 ? c & 0x0F : c & 0x07;
        if (i + n > s.size()) n = static_cast<int>(s.size() - i);
        for (int k = 1; k < n; ++k) u = (u << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        r += u;
        i += n;
    }
    return r;
}

std::string Encoder(const std::u32string& s) {
    std::string r;
    for (char32_t u : s) {
        if (u < 0x80) {
            r += static_cast<char>(u);
        } else if (u < 0x800) {
            r += static_cast<char>(0xC0 | (u >> 6));
            r += static_cast<char>(0x80 | (u & 0x3F));
        } else if (u < 0x10000) {
            r += static_cast<char>(0xE0 | (u >> 12));
            r += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            r += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            r += static_cast<char>(0xF0 | (u >> 18));
            r += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
            r += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            r += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return r;
}

// Codes 0x80..0x9F of Windows-1252 (0 where the code page has no character).
constexpr char32_t k1252[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::optional<unsigned char> Code1252(char32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<unsigned char>(u);
    for (int k = 0; k < 32; ++k)
        if (k1252[k] == u && u != 0) return static_cast<unsigned char>(0x80 + k);
    return std::nullopt;
}

char32_t Minuscule(char32_t u) {
    if ((u >= U'A' && u <= U'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) return u + 32;
    if (u == 0x152 || u == 0x160 || u == 0x17D) return u + 1;
    if (u == 0x178) return 0xFF;
    return u;
}
bool Majuscule(char32_t u) { return Minuscule(u) != u; }
bool Lettre(char32_t u) {
    return (u >= U'a' && u <= U'z') || (u >= U'A' && u <= U'Z') || (u >= 0xC0 && u <= 0xFF && u != 0xD7 && u != 0xF7) ||
           u == 0x152 || u == 0x153 || u == U'-' || u == U'\'';
}

std::u32string EnMinuscules(std::u32string s) {
    for (char32_t& u : s) u = Minuscule(u);
    return s;
}

bool VoyelleEcrite(char32_t u) {
    static const std::u32string kVoyelles = U"aàâäeéèêëiîïoôöuùûüyÿœæ";
    return kVoyelles.find(Minuscule(u)) != std::u32string::npos;
}

// The key as the program compares it: lower case (a word that begins with "h" keeps its own
// spelling; the program looks it up so first). None when the word has a character the program's
// letter run stops at.
std::optional<std::string> Cle(const std::u32string& mot) {
    const std::u32string m = EnMinuscules(mot);
    if (m.size() < 1) return std::nullopt;
    std::string r;
    for (char32_t u : m) {
        const auto code = Code1252(u);
        if (!code) return std::nullopt;
        const bool lettre = (*code >= 'a' && *code <= 'z') || *code > 127 || *code == '\'' || *code == '-';
        if (!lettre) return std::nullopt;
        r += static_cast<char>(*code);
    }
    return r;
}

std::vector<std::string> Lignes(const std::string& chemin) {
    std::ifstream f(chemin);
    if (!f) Echec("cannot read " + chemin);
    std::vector<std::string> r;
    for (std::string l; std::getline(f, l);) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        r.push_back(l);
    }
    return r;
}

bool FinitPar(const std::string& s, const std::string& fin) {
    return s.size() > fin.size() && s.compare(s.size() - fin.size(), fin.size(), fin) == 0;
}

std::vector<std::string> Mots(const std::string& ligne) {
    std::istringstream in(ligne);
    std::vector<std::string> r;
    for (std::string m; in >> m;) r.push_back(m);
    return r;
}

// ---- Sources: counts and word lists -------------------------------------------------------------

// The unigram counts of an onboard-data model (ARPA-like: "\1-grams:" then "count word" lines).
void LireComptes(const std::string& chemin, std::unordered_map<std::string, long>& comptes) {
    bool dedans = false;
    for (const std::string& l : Lignes(chemin)) {
        if (!l.empty() && l[0] == '\\') {
            dedans = l == "\\1-grams:";
            continue;
        }
        if (!dedans) continue;
        const std::size_t espace = l.find(' ');
        if (espace == std::string::npos) continue;
        const std::string mot = l.substr(espace + 1);
        if (mot.empty() || mot[0] == '<') continue;
        comptes[mot] += std::atol(l.c_str());
    }
}

void LireListe(const std::string& chemin, std::unordered_set<std::string>& mots) {
    for (const std::string& l : Lignes(chemin))
        if (!l.empty()) mots.insert(l);
}

// "œ" written "oe", as the French word list spells it.
std::string SansLigature(const std::string& mot) {
    std::u32string u = Decoder(mot), r;
    for (char32_t c : u) {
        if (c == 0x153) r += U"oe";
        else if (c == 0x152) r += U"OE";
        else r += c;
    }
    return Encoder(r);
}

struct Candidat {
    std::string mot;
    long compte;
};

std::vector<Candidat> ParFrequence(const std::unordered_map<std::string, long>& comptes,
                                   const std::unordered_set<std::string>& liste, bool ligatures) {
    // A word counted with a capital (at the start of a sentence) counts for the listed lower-case
    // word when only that one is listed.
    std::unordered_map<std::string, long> cumul;
    for (const auto& [mot, compte] : comptes) {
        auto liste1 = [&](const std::string& m) { return liste.count(m) || (ligatures && liste.count(SansLigature(m))); };
        if (liste1(mot)) {
            cumul[mot] += compte;
            continue;
        }
        const std::string bas = Encoder(EnMinuscules(Decoder(mot)));
        if (bas != mot && liste1(bas)) cumul[bas] += compte;
    }
    std::vector<Candidat> r;
    for (const auto& [mot, compte] : cumul) r.push_back({mot, compte});
    std::sort(r.begin(), r.end(), [](const Candidat& a, const Candidat& b) {
        return a.compte != b.compte ? a.compte > b.compte : a.mot < b.mot;
    });
    return r;
}

// ---- IPA to the phonetic spelling: transcription/OrthographeApi.h ---------------------------

TableApi LireTable(const std::string& chemin) {
    std::string texte;
    for (const std::string& l : Lignes(chemin)) texte += l + '\n';
    TableApi t;
    const std::string erreur = t.Lire(texte);
    if (!erreur.empty()) Echec(chemin + ": " + erreur);
    return t;
}

// ---- espeak-ng ------------------------------------------------------------------------------------

class Lecteur {
public:
    Lecteur() {
        if (espeak_Initialize(AUDIO_OUTPUT_RETRIEVAL, 0, nullptr, espeakINITIALIZE_DONT_EXIT) < 0)
            Echec("espeak-ng cannot start");
    }
    // The IPA of one word, phonemes separated by "_".
    std::string Ipa(const std::string& voix, const std::string& mot) {
        if (voix != voix_) {
            if (espeak_SetVoiceByName(voix.c_str()) != EE_OK) Echec("espeak-ng has no voice \"" + voix + "\"");
            voix_ = voix;
        }
        ++lectures_;
        return PhonemesEspeak(mot.c_str());
    }
    long Lectures() const { return lectures_; }

private:
    std::string voix_;
    long lectures_ = 0;
};

// The same French word written so that espeak-ng keeps to its French rules: a final "th" is "te",
// any other "th" is "t", "y" is "i", "k" is "c" or "qu", "w" is "v", and a final "ons" is "ont" (both
// sound alike).
std::string Respeller(const std::string& mot) {
    std::string r = mot;
    auto remplacer = [&](const std::string& de, const std::string& par) {
        for (std::size_t p = 0; (p = r.find(de, p)) != std::string::npos; p += par.size()) r.replace(p, de.size(), par);
    };
    if (FinitPar(r, "th")) r.replace(r.size() - 2, 2, "te");
    if (FinitPar(r, "ons")) r.replace(r.size() - 3, 3, "ont");
    remplacer("th", "t");
    remplacer("Th", "T");
    remplacer("y", "i");
    // "k" is a hard "c": "qu" before "e" and "i" (and their accented forms), "c" elsewhere.
    for (std::size_t p = 0; (p = r.find('k', p)) != std::string::npos;) {
        const char n = p + 1 < r.size() ? r[p + 1] : '\0';
        const bool doux = n == 'e' || n == 'i' ||
                          (n == '\xC3' && p + 2 < r.size() && std::string("\xA8\xA9\xAA\xAB\xAE\xAF").find(r[p + 2]) != std::string::npos);
        r.replace(p, 1, doux ? "qu" : "c");
        p += doux ? 2 : 1;
    }
    remplacer("w", "v");
    remplacer("W", "V");
    return r;
}

// ---- Dictionaries -----------------------------------------------------------------------------------

struct Entree {
    std::string valeur;
    long rang;  // order of the first reading: the most frequent words first
};

class Dictionnaire {
public:
    Dictionnaire(const std::string& voix, const TableApi& table, Lecteur& lecteur)
        : voix_(voix), table_(table), lecteur_(lecteur) {}

    // Reads a word and adds it under its key, unless the key is already there. Returns the reading.
    // A phoneme api.txt does not map stops the run, or with `souple` leaves the word out (noted).
    std::optional<Lecture> Ajouter(const std::string& mot, const std::string& voix = {}, bool souple = false) {
        const auto cle = Cle(Decoder(mot));
        if (!cle) return std::nullopt;
        if (entrees_.count(*cle)) return lectures_[*cle];
        const std::string v = voix.empty() ? voix_ : voix;
        Lecture l = Transcrire(table_, Ipa(v, mot), v == "fr");
        if (!l.inconnu.empty()) {
            if (!souple) Echec("IPA \"" + l.inconnu + "\" of \"" + mot + "\" is not in api.txt");
            inconnus_.push_back(mot + " /" + l.inconnu + "/");
            return std::nullopt;
        }
        if (l.bascule && v == "fr") {
            // espeak-ng takes many French words for English ones ("rythme", "versons", "Nancy"):
            // they are read once more respelled the French way, and that reading is kept when it
            // stays French.
            const std::string autre = Respeller(mot);
            if (autre != mot) {
                const Lecture l2 = Transcrire(table_, Ipa(v, autre, mot), true);
                if (!l2.bascule && l2.inconnu.empty() && !l2.orthographe.empty()) l = l2;
            }
        }
        if (l.orthographe.empty()) return std::nullopt;
        if (l.bascule) bascules_.push_back(mot);
        entrees_[*cle] = {l.orthographe, rang_++};
        lectures_[*cle] = l;
        return l;
    }
    // The word list the rules consult (verbs, the words after a prefix).
    void FixerListe(const std::unordered_set<std::string>& liste) { liste_ = &liste; }

    // espeak-ng's IPA of a word, mended: the classes of regles.h; in French, a "gn" inside the word
    // read /nj/ is /ɲ/; in English, the vowel the southern British reading gives long in BATH words
    // (/ɑː/ where the voice has /a/) is taken from that reading, so that bath, dance and half agree.
    // `ecrit`: the word as written when `mot` is respelled for espeak-ng; the rules read that.
    std::string Ipa(const std::string& v, const std::string& mot, const std::string& ecrit = {}) {
        std::string ipa = lecteur_.Ipa(v, mot);
        const std::string bas = Encoder(EnMinuscules(Decoder(ecrit.empty() ? mot : ecrit)));
        if (v == "fr") {
            ipa = regles::Francais(bas, ipa, [&](const std::string& m) { return liste_ && liste_->count(m) > 0; });
            std::size_t gn = 0;
            for (std::size_t p = 1; (p = bas.find("gn", p)) != std::string::npos; p += 2) ++gn;
            for (std::size_t p = 0; gn > 0 && (p = ipa.find("n_j", p)) != std::string::npos; --gn)
                ipa.replace(p, 3, "\xC9\xB2");  // ɲ
        } else if (v == "en" && ipa.find("a_") != std::string::npos) {
            ipa = Bath(ipa, lecteur_.Ipa("en-gb-x-rp", mot));
        }
        if (v == "en") ipa = regles::Anglais(bas, ipa);
        return ipa;
    }
    // `ipa` with each "a" that the other reading has as "ɑː" at the same place, when both readings
    // have as many phonemes.
    static std::string Bath(const std::string& ipa, const std::string& rp) {
        auto couper = [](const std::string& t) {
            std::vector<std::string> r(1);
            for (char c : t) {
                if (c == '_' || c == ' ') r.emplace_back();
                else r.back() += c;
            }
            return r;
        };
        std::vector<std::string> a = couper(ipa);
        const std::vector<std::string> b = couper(rp);
        if (a.size() != b.size()) return ipa;
        const std::string kLong = "\xC9\x91\xCB\x90";  // ɑː
        bool change = false;
        for (std::size_t k = 0; k < a.size(); ++k) {
            if (a[k] == b[k]) continue;
            std::string x = a[k], y = b[k];
            const std::size_t p = x.rfind('a');
            if (p == std::string::npos || x.substr(0, p) + kLong + x.substr(p + 1) != y) continue;
            a[k] = y;
            change = true;
        }
        if (!change) return ipa;
        std::string r;
        for (std::size_t k = 0; k < a.size(); ++k) r += (k ? "_" : "") + a[k];
        return r;
    }

    // The reading espeak-ng gave a word, if it was read.
    std::optional<Lecture> LectureDe(const std::string& mot) const {
        const auto cle = Cle(Decoder(mot));
        if (!cle) return std::nullopt;
        const auto it = lectures_.find(*cle);
        if (it == lectures_.end()) return std::nullopt;
        return it->second;
    }
    // The spelling a word has now, if any.
    std::optional<std::string> Valeur(const std::string& mot) const {
        const auto cle = Cle(Decoder(mot));
        if (!cle) return std::nullopt;
        const auto it = entrees_.find(*cle);
        if (it == entrees_.end()) return std::nullopt;
        return it->second.valeur;
    }
    // Adds a word with a spelling made here, unless its key is already there.
    void AjouterValeur(const std::string& mot, const std::string& valeur) {
        const auto cle = Cle(Decoder(mot));
        if (cle && !entrees_.count(*cle)) entrees_[*cle] = {valeur, rang_++};
    }

    // Hand-kept readings: "word;spelling" lines, applied last.
    void Corriger(const std::string& chemin) {
        for (const std::string& l : Lignes(chemin)) {
            if (l.empty() || l[0] == '#') continue;
            const std::size_t pv = l.find(';');
            if (pv == std::string::npos) Echec(chemin + ": no \";\" in \"" + l + "\"");
            const auto cle = Cle(Decoder(l.substr(0, pv)));
            const std::string valeur = l.substr(pv + 1);
            if (!cle) Echec(chemin + ": \"" + l.substr(0, pv) + "\" cannot be a key");
            for (char c : valeur)
                if ((c < 'a' || c > 'z') && c != '\'') Echec(chemin + ": spelling \"" + valeur + "\" is not in a..z");
            corriges_.insert(*cle);
            auto it = entrees_.find(*cle);
            if (it == entrees_.end()) entrees_[*cle] = {valeur, rang_++};
            else it->second.valeur = valeur;
        }
    }

    // Words read by another language's rules that no correction covers.
    std::vector<std::string> BasculesRestantes() const {
        std::vector<std::string> r;
        for (const std::string& m : bascules_) {
            const auto cle = Cle(Decoder(m));
            if (cle && !corriges_.count(*cle)) r.push_back(m);
        }
        return r;
    }

    void Ecrire(const std::string& chemin) const {
        std::vector<std::pair<std::string, const Entree*>> tri;
        for (const auto& [cle, e] : entrees_) tri.emplace_back(cle, &e);
        std::sort(tri.begin(), tri.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        std::ofstream f(chemin, std::ios::binary);
        if (!f) Echec("cannot write " + chemin);
        for (const auto& [cle, e] : tri) f << cle << ';' << e->valeur << "\r\n";
        if (!f) Echec("cannot write " + chemin);
    }
    std::size_t Taille() const { return entrees_.size(); }
    const std::vector<std::string>& Inconnus() const { return inconnus_; }

private:
    std::string voix_;
    const TableApi& table_;
    Lecteur& lecteur_;
    std::map<std::string, Entree> entrees_;  // by key, in Windows-1252
    std::map<std::string, Lecture> lectures_;
    std::set<std::string> corriges_;
    std::vector<std::string> bascules_;
    std::vector<std::string> inconnus_;
    const std::unordered_set<std::string>* liste_ = nullptr;
    long rang_ = 0;
};

// What a formes_*.txt file asks for.
struct Formes {
    struct Elision {
        std::vector<std::string> prefixes;  // "l=l": written prefix, "=", its spelling
        long nombre;                        // -1 for every word
        bool verbes = false;                // also before every inflected form of the rules
    };
    struct Flexion {
        std::string fin;                    // the ending replaced ("er")
        long nombre;
        std::vector<std::string> remplacements;
    };
    std::vector<std::string> litterales;    // combinations included
    std::vector<Elision> elisions;
    std::vector<Flexion> flexions;
    long possessifs = 0;
};

long Nombre(const std::string& s) { return s == "*" ? -1 : std::atol(s.c_str()); }

Formes LireFormes(const std::string& chemin) {
    Formes r;
    for (const std::string& l : Lignes(chemin)) {
        if (l.empty() || l[0] == '#') continue;
        std::vector<std::string> m = Mots(l);
        if (m.empty()) continue;
        const auto deuxPoints = std::find(m.begin(), m.end(), ":");
        if (m[0] == "'" && m.size() >= 3) {
            const bool verbes = m.back() == "verbes";
            if (verbes) m.pop_back();
            r.elisions.push_back({std::vector<std::string>(m.begin() + 1, m.end() - 1), Nombre(m.back()), verbes});
        } else if (m[0] == "'s" && m.size() == 2) {
            r.possessifs = Nombre(m[1]);
        } else if (m[0] == "~" && m.size() >= 5 && deuxPoints == m.begin() + 3) {
            r.flexions.push_back({m[1], Nombre(m[2]), std::vector<std::string>(deuxPoints + 1, m.end())});
        } else if (deuxPoints == m.end()) {
            r.litterales.insert(r.litterales.end(), m.begin(), m.end());
        } else {
            for (auto b = m.begin(); b != deuxPoints; ++b)
                for (auto f = deuxPoints + 1; f != m.end(); ++f) r.litterales.push_back(*b + *f);
        }
    }
    return r;
}

// Reads the counted words of a language, most frequent first (listed in `comptes`), and after
// each word the inflected forms its ending's rules give that the word list knows (listed, with
// the word they come from, in `flechis`).
void LireMots(Dictionnaire& d, const std::vector<Candidat>& candidats, const Formes& formes,
              const std::unordered_set<std::string>& liste, std::vector<std::string>& comptes,
              std::vector<std::string>& flechis) {
    std::vector<long> pris(formes.flexions.size(), 0);
    for (const Candidat& c : candidats) {
        if (!d.Ajouter(c.mot)) continue;
        comptes.push_back(c.mot);
        for (std::size_t k = 0; k < formes.flexions.size(); ++k) {
            const Formes::Flexion& f = formes.flexions[k];
            if (!FinitPar(c.mot, f.fin) || (f.nombre >= 0 && pris[k] >= f.nombre)) continue;
            ++pris[k];
            flechis.push_back(c.mot);
            const std::string radical = c.mot.substr(0, c.mot.size() - f.fin.size());
            for (const std::string& r : f.remplacements)
                if (liste.count(radical + r) && d.Ajouter(radical + r)) flechis.push_back(radical + r);
        }
    }
}

// The capitalised words of the counts that no dictionary list holds (names), most frequent first.
std::vector<std::string> Noms(const std::unordered_map<std::string, long>& comptes, long minimum) {
    std::vector<Candidat> r;
    for (const auto& [m, c] : comptes) {
        const std::u32string u = Decoder(m);
        if (c >= minimum && u.size() >= 2 && Majuscule(u[0]) && std::all_of(u.begin(), u.end(), Lettre))
            r.push_back({m, c});
    }
    std::sort(r.begin(), r.end(), [](const Candidat& a, const Candidat& b) {
        return a.compte != b.compte ? a.compte > b.compte : a.mot < b.mot;
    });
    std::vector<std::string> noms;
    for (const Candidat& c : r) noms.push_back(c.mot);
    return noms;
}

// Every word of a list, sorted (the lower-case words first, so that one wins over a capitalised
// word of the same key), leaving out the English possessives: the program reads those from the
// word.
std::vector<std::string> Tous(const std::unordered_set<std::string>& liste) {
    std::vector<std::string> r;
    for (const std::string& m : liste)
        if (!FinitPar(m, "'s")) r.push_back(m);
    auto bas = [](const std::string& m) { return Encoder(EnMinuscules(Decoder(m))) == m; };
    std::sort(r.begin(), r.end(), [&](const std::string& a, const std::string& b) {
        const bool ba = bas(a), bb = bas(b);
        return ba != bb ? ba : a < b;
    });
    return r;
}

// An English word's spelling with "'s": /s/ after a voiceless consonant, /ɪz/ after a sibilant,
// /z/ elsewhere (as the program reads a possessive that is not an entry).
std::string Possessif(const std::string& v) {
    std::string b = v;
    while (!b.empty() && b.back() == '\'') b.pop_back();
    auto fin = [&](const std::string& f) { return b.size() >= f.size() && b.compare(b.size() - f.size(), f.size(), f) == 0; };
    for (const char* f : {"sh", "zh", "tk", "dk", "s", "z"})
        if (fin(f)) return v + "ihz";
    for (const char* f : {"th", "p", "t", "c", "f"})
        if (fin(f) && !fin("dh")) return v + "s";
    return v + "z";
}

std::string Nettoyer(const std::string& mot) {
    // The French lists write "œ" as "oe" at times: a ligature word is looked up both ways.
    return SansLigature(mot);
}

}  // namespace

// A name must be counted this often to be taken.
constexpr long kMinimumNoms = 300;

int main(int argc, char** argv) {
    std::vector<std::string> positions;
    std::string modeles = "/usr/share/onboard/models", mots = "/usr/share/dict", rapport;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if ((a == "--modeles" || a == "--mots" || a == "--rapport") && i + 1 < argc) {
            (a == "--modeles" ? modeles : a == "--mots" ? mots : rapport) = argv[++i];
        } else if (!a.empty() && a[0] == '-') {
            Echec("unknown option " + a);
        } else {
            positions.push_back(a);
        }
    }
    if (positions.size() != 2) {
        std::cerr << "usage: velmor_dictionnaires SOURCES OUTPUT [--modeles DIR] [--mots DIR] [--rapport FILE]\n";
        return 2;
    }
    const std::string sources = positions[0], sortie = positions[1];
    const auto debut = std::chrono::steady_clock::now();

    const TableApi table = LireTable(sources + "/api.txt");
    Lecteur lecteur;

    std::unordered_map<std::string, long> comptesFr, comptesEn;
    LireComptes(modeles + "/fr_FR.lm", comptesFr);
    LireComptes(modeles + "/en_US.lm", comptesEn);
    LireComptes(modeles + "/en_GB.lm", comptesEn);
    std::unordered_set<std::string> listeFr, listeEn;
    LireListe(mots + "/french", listeFr);
    LireListe(mots + "/american-english", listeEn);
    LireListe(mots + "/british-english", listeEn);

    // French: the counted words of the word list, most frequent first, with their inflected
    // forms, then the names the list does not hold, the elided words and the other forms.
    const Formes formesFr = LireFormes(sources + "/formes_fr.txt");
    Dictionnaire fr("fr", table, lecteur);
    fr.FixerListe(listeFr);
    std::vector<std::string> ordreFr, flechisFr;
    LireMots(fr, ParFrequence(comptesFr, listeFr, true), formesFr, listeFr, ordreFr, flechisFr);
    const std::size_t motsFr = fr.Taille();
    // Single words the counts leave out come first, as the most frequent.
    std::vector<std::string> simples;
    for (const std::string& f : formesFr.litterales)
        if (f.find_first_of("'-") == std::string::npos && fr.Ajouter(f)) simples.push_back(f);
    ordreFr.insert(ordreFr.begin(), simples.begin(), simples.end());
    for (const std::string& m : Noms(comptesFr, kMinimumNoms)) fr.Ajouter(m);
    for (const std::string& m : Tous(listeFr)) fr.Ajouter(m, {}, true);
    for (const std::string& m : ordreFr)
        if (m.find("\xC5\x93") != std::string::npos) fr.Ajouter(Nettoyer(m));
    fr.Corriger(sources + "/corrections_fr.txt");
    {
        // An elided word is the word's spelling after the prefix's: espeak-ng reads some of them
        // with English rules ("qu'homme").
        auto elidable = [&](const std::string& m) {
            const auto l = fr.LectureDe(m);
            const std::u32string u = Decoder(m);
            return l && !l->muet && (VoyelleEcrite(u[0]) || Minuscule(u[0]) == U'h');
        };
        std::vector<std::string> voyelleInitiale, verbes;
        for (const std::string& m : ordreFr)
            if (elidable(m)) voyelleInitiale.push_back(m);
        for (const std::string& m : flechisFr)
            if (elidable(m)) verbes.push_back(m);
        auto elider = [&](const Formes::Elision& e, const std::string& mot) {
            const auto valeur = fr.Valeur(mot);
            if (!valeur) return;
            for (const std::string& p : e.prefixes) {
                const std::size_t egal = p.find('=');
                if (egal == std::string::npos) Echec("formes_fr.txt: elision \"" + p + "\" has no spelling");
                const std::string ecrit = p.substr(0, egal) + "'", dit = p.substr(egal + 1);
                fr.AjouterValeur(ecrit + mot, dit + *valeur);
                if (mot.find("\xC5\x93") != std::string::npos) fr.AjouterValeur(ecrit + Nettoyer(mot), dit + *valeur);
            }
        };
        for (const Formes::Elision& e : formesFr.elisions) {
            for (std::size_t i = 0; i < voyelleInitiale.size() && (e.nombre < 0 || static_cast<long>(i) < e.nombre); ++i)
                elider(e, voyelleInitiale[i]);
            if (e.verbes)
                for (const std::string& m : verbes) elider(e, m);
        }
        for (const std::string& f : formesFr.litterales) fr.Ajouter(f);
    }
    fr.Corriger(sources + "/corrections_fr.txt");

    // English: the same with both spellings' lists, and the possessives the lists know.
    const Formes formesEn = LireFormes(sources + "/formes_en.txt");
    Dictionnaire en("en", table, lecteur);
    std::vector<std::string> ordreEn, flechisEn;
    LireMots(en, ParFrequence(comptesEn, listeEn, false), formesEn, listeEn, ordreEn, flechisEn);
    const std::size_t motsEn = en.Taille();
    for (const std::string& m : Noms(comptesEn, kMinimumNoms)) en.Ajouter(m);
    for (const std::string& m : Tous(listeEn)) en.Ajouter(m, {}, true);
    {
        long pris = 0;
        for (const std::string& m : ordreEn) {
            if (formesEn.possessifs >= 0 && pris >= formesEn.possessifs) break;
            const auto valeur = en.Valeur(m);
            if (!listeEn.count(m + "'s") || !valeur) continue;
            en.AjouterValeur(m + "'s", Possessif(*valeur));
            ++pris;
        }
        for (const std::string& f : formesEn.litterales) en.Ajouter(f);
    }
    en.Corriger(sources + "/corrections_en.txt");

    // Fallback: the capitalised words (names, abbreviations) that both languages' counts know,
    // read in the language where they are relatively more frequent.
    Dictionnaire np("fr", table, lecteur);
    np.FixerListe(listeFr);
    {
        long totalFr = 0, totalEn = 0;
        for (const auto& [m, c] : comptesFr) totalFr += c;
        for (const auto& [m, c] : comptesEn) totalEn += c;
        struct Nom {
            std::string mot;
            double poids;
            bool francais;
        };
        std::vector<Nom> noms;
        for (const auto& [m, cFr] : comptesFr) {
            const auto itEn = comptesEn.find(m);
            if (itEn == comptesEn.end()) continue;
            const std::u32string u = Decoder(m);
            if (u.size() < 2 || !Majuscule(u[0])) continue;
            if (!std::all_of(u.begin(), u.end(), Lettre)) continue;
            const double pFr = static_cast<double>(cFr) / totalFr, pEn = static_cast<double>(itEn->second) / totalEn;
            noms.push_back({m, pFr + pEn, pFr > pEn});
        }
        std::sort(noms.begin(), noms.end(), [](const Nom& a, const Nom& b) {
            return a.poids != b.poids ? a.poids > b.poids : a.mot < b.mot;
        });
        for (const Nom& n : noms) np.Ajouter(n.mot, n.francais ? "fr" : "en");
        for (const std::string& f : LireFormes(sources + "/formes_np.txt").litterales) np.Ajouter(f);
    }
    np.Corriger(sources + "/corrections_np.txt");

    fr.Ecrire(sortie + "/Fohms_FR.TXT");
    en.Ecrire(sortie + "/Fohms_EN.TXT");
    np.Ecrire(sortie + "/Fohms_NP.TXT");

    const double secondes =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    std::cerr << "Fohms_FR.TXT: " << fr.Taille() << " entries (" << motsFr << " words)\n"
              << "Fohms_EN.TXT: " << en.Taille() << " entries (" << motsEn << " words)\n"
              << "Fohms_NP.TXT: " << np.Taille() << " entries\n"
              << fr.Inconnus().size() + en.Inconnus().size() << " listed words left out (unmapped IPA)\n"
              << lecteur.Lectures() << " readings in " << secondes << " s\n";
    if (!rapport.empty()) {
        std::ofstream f(rapport);
        for (const std::string& m : fr.BasculesRestantes()) f << "FR " << m << '\n';
        for (const std::string& m : np.BasculesRestantes()) f << "NP " << m << '\n';
        for (const std::string& m : fr.Inconnus()) f << "FR left out " << m << '\n';
        for (const std::string& m : en.Inconnus()) f << "EN left out " << m << '\n';
    }
    return 0;
}
