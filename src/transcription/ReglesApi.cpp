#include "transcription/ReglesApi.h"

#include <algorithm>
#include <vector>

namespace regles {

namespace {

// A phoneme of the reading: its stress marks and the phoneme itself.
struct Phoneme {
    std::string accent, son;
};

const std::string kAccents[] = {"\xCB\x88", "\xCB\x8C"};  // ˈ ˌ

std::vector<Phoneme> Couper(const std::string& ipa) {
    std::vector<Phoneme> r;
    std::size_t debut = 0;
    while (debut <= ipa.size()) {
        std::size_t fin = ipa.find('_', debut);
        if (fin == std::string::npos) fin = ipa.size();
        Phoneme p;
        p.son = ipa.substr(debut, fin - debut);
        for (bool encore = true; encore;) {
            encore = false;
            for (const std::string& a : kAccents)
                if (p.son.compare(0, a.size(), a) == 0) {
                    p.accent += a;
                    p.son.erase(0, a.size());
                    encore = true;
                }
        }
        r.push_back(p);
        debut = fin + 1;
    }
    return r;
}

std::string Joindre(const std::vector<Phoneme>& ph) {
    std::string r;
    for (std::size_t k = 0; k < ph.size(); ++k) r += (k ? "_" : "") + ph[k].accent + ph[k].son;
    return r;
}

bool CommencePar(const std::string& s, const std::string& debut, std::size_t p = 0) {
    return s.compare(p, debut.size(), debut) == 0;
}
bool FinitPar(const std::string& s, const std::string& fin) {
    return s.size() >= fin.size() && s.compare(s.size() - fin.size(), fin.size(), fin) == 0;
}

bool VoyelleFrancaise(const std::string& son) {
    static const std::string kVoyelles[] = {"a", "e", "i", "o", "u", "y", "\xC9\x91", "\xC9\x9B", "\xC9\x94",
                                            "\xC3\xB8", "\xC5\x93", "\xC9\x99"};  // ɑ ɛ ɔ ø œ ə
    return std::any_of(std::begin(kVoyelles), std::end(kVoyelles), [&](const std::string& v) { return CommencePar(son, v); });
}

// A vowel letter of a French word (UTF-8 at `p`); `n` gets its length in bytes.
bool VoyelleEcrite(const std::string& mot, std::size_t p, std::size_t& n) {
    n = 1;
    if (std::string("aeiouy").find(mot[p]) != std::string::npos) return true;
    if (static_cast<unsigned char>(mot[p]) == 0xC3 && p + 1 < mot.size()) {
        n = 2;
        const unsigned char c = static_cast<unsigned char>(mot[p + 1]);
        return (c >= 0xA0 && c <= 0xBF) && c != 0xA7 && c != 0xB1;  // à..ÿ but ç and ñ
    }
    if (static_cast<unsigned char>(mot[p]) == 0xC5 && p + 1 < mot.size() && static_cast<unsigned char>(mot[p + 1]) == 0x93) {
        n = 2;  // œ
        return true;
    }
    return false;
}

// How many groups of vowel letters a written prefix has.
int GroupesVoyelles(const std::string& s) {
    int groupes = 0;
    bool dans = false;
    for (std::size_t p = 0, n = 1; p < s.size(); p += n) {
        const bool v = VoyelleEcrite(s, p, n);
        if (v && !dans) ++groupes;
        dans = v;
    }
    return groupes;
}

std::size_t DerniereVoyelle(const std::vector<Phoneme>& ph) {
    for (std::size_t k = ph.size(); k-- > 0;)
        if (VoyelleFrancaise(ph[k].son)) return k;
    return ph.size();
}

const std::string kSh = "\xCA\x83", kZh = "\xCA\x92", kG = "\xC9\xA1", kR = "\xCA\x81";  // ʃ ʒ ɡ ʁ
const std::string kE = "\xC9\x9B", kOe = "\xC5\x93", kO = "\xC9\x94", kNh = "\xC9\xB2";   // ɛ œ ɔ ɲ

// Word-initial "gn": /ɡn/ in the learned words (gneiss, gnome, gnose), /ɲ/ in the popular ones.
void GnInitial(const std::string& mot, std::vector<Phoneme>& ph) {
    if (!CommencePar(mot, "gn") || ph.size() < 2 || ph[0].son != "n" || ph[1].son != "j") return;
    static const std::string kPopulaires[] = {"gnan", "gnoc", "gn\xC3\xB4l", "gnol", "gnog", "gnia"};
    const bool populaire = std::any_of(std::begin(kPopulaires), std::end(kPopulaires), [&](const std::string& d) { return CommencePar(mot, d); });
    if (populaire) {
        ph[0].son = kNh;
        ph.erase(ph.begin() + 1);
    } else {
        ph[1] = {ph[0].accent + ph[1].accent, "n"};
        ph[0] = {{}, kG};
    }
}

// "ch" said /k/: the Greek stems of learned words and Italian "chi", "che" before a vowel.
void ChDur(const std::string& mot, std::vector<Phoneme>& ph) {
    static const std::string kRacines[] = {
        "achalas", "achondr", "ach\xC3\xA9m", "alch\xC3\xA9m", "anachor", "archi\xC3\xA9p", "bianchi", "brachi", "brachy",
        "bronchosc", "cat\xC3\xA9" "chum", "chalco", "chiro", "chitin", "chiton", "chol", "chondr", "chor",
        "ch\xC3\xA9lic", "ch\xC3\xA9nop", "chiasm", "chianti", "conchoï", "conchyl", "dichot", "drachm", "\xC3\xA9" "chid",
        "\xC3\xA9" "chino", "\xC3\xA9" "chog", "\xC3\xA9" "chol", "eschat", "exarch", "ichor", "ichty", "inchoa", "ischi", "isch\xC3\xA9m",
        "lichen", "lich\xC3\xA9n", "machaon", "machiav", "malachit", "melchit", "michel-ange", "micha\xC3\xAB", "monachi",
        "munich", "onycho", "orichal", "pachy", "psychiatr", "psychopath", "spiroch", "stichom", "stochast", "tachy",
        "tach\xC3\xA9o", "trach\xC3\xA9" "a", "trach\xC3\xA9i", "trach\xC3\xA9o", "trachom", "trachy", "trichin", "tricho",
        "zurich"};
    static const std::string kSauf[] = {"chorizo", "chirur"};
    if (std::any_of(std::begin(kSauf), std::end(kSauf), [&](const std::string& s) { return mot.find(s) != std::string::npos; }))
        return;
    std::vector<std::size_t> ch;
    for (std::size_t p = 0; (p = mot.find("ch", p)) != std::string::npos; p += 2) ch.push_back(p);
    std::vector<std::size_t> sh;
    for (std::size_t k = 0; k < ph.size(); ++k)
        if (ph[k].son == kSh) sh.push_back(k);
    if (ch.empty() || ch.size() != sh.size()) return;
    for (const std::string& r : kRacines)
        for (std::size_t p = 0; (p = mot.find(r, p)) != std::string::npos; p += r.size())
            for (std::size_t i = 0; i < ch.size(); ++i)
                if (ch[i] >= p && ch[i] < p + r.size()) ph[sh[i]].son = "k";
}

// "s" before a voiced consonant keeps its /s/ (asbeste, svelte, presbyte, transborder).
void SDevantSonore(const std::string& mot, std::vector<Phoneme>& ph) {
    // Not across a hyphen: "brise-glace" has a silent "e" between.
    if (mot.find_first_of("zx-") != std::string::npos) return;
    for (std::size_t k = 0; k + 1 < ph.size(); ++k) {
        const std::string& s = ph[k + 1].son;
        if (ph[k].son == "z" && (s == "b" || s == "d" || s == kG || s == "v" || s == kZh)) ph[k].son = "s";
    }
}

// "s" that begins the word after a learned prefix keeps its /s/ (asocial, psychosocial, cosinus,
// désensibiliser): the prefix, then a word of the list that begins with "s" and a vowel.
void SApresPrefixe(const std::string& mot, std::vector<Phoneme>& ph, const Connu& connu) {
    struct Prefixe {
        const char* ecrit;
        std::size_t reste;  // the shortest word after it
    };
    static const Prefixe kPrefixes[] = {
        {"a", 5}, {"anti", 5}, {"auto", 5}, {"bi", 5}, {"bio", 5}, {"co", 5}, {"contre", 4}, {"cyto", 5},
        {"d\xC3\xA9", 7}, {"d\xC3\xA9" "ca", 5}, {"\xC3\xA9" "co", 5}, {"endo", 5}, {"exo", 5}, {"extra", 5},
        {"gamo", 5}, {"gymno", 5}, {"h\xC3\xA9lio", 5}, {"h\xC3\xA9t\xC3\xA9ro", 5}, {"hendéca", 5}, {"homo", 5},
        {"hydro", 5}, {"hyper", 5}, {"hypo", 5}, {"idio", 5}, {"infra", 5}, {"intra", 5}, {"lacto", 5}, {"lipo", 5},
        {"macro", 5}, {"m\xC3\xA9ga", 5}, {"micro", 5}, {"mini", 5}, {"mono", 5}, {"multi", 5}, {"n\xC3\xA9o", 5},
        {"neuro", 5}, {"nucl\xC3\xA9o", 5}, {"octo", 5}, {"ortho", 5}, {"para", 5}, {"p\xC3\xA9ri", 5},
        {"photo", 5}, {"phyto", 5}, {"pluri", 5}, {"poly", 5}, {"pr\xC3\xA9", 7}, {"proto", 5}, {"pseudo", 5},
        {"psycho", 5}, {"quadri", 5}, {"radio", 5}, {"re", 6}, {"semi", 5}, {"socio", 5}, {"supra", 5},
        {"t\xC3\xA9l\xC3\xA9", 5}, {"t\xC3\xA9tra", 5}, {"th\xC3\xA9o", 5}, {"thermo", 5}, {"tri", 5}, {"ultra", 5},
        {"uni", 5}, {"vivi", 5}, {"zoo", 5}};
    for (const Prefixe& p : kPrefixes) {
        const std::string prefixe = p.ecrit;
        if (!CommencePar(mot, prefixe) || mot.size() < prefixe.size() + p.reste) continue;
        const std::string reste = mot.substr(prefixe.size());
        std::size_t n = 0;
        if (reste[0] != 's' || !VoyelleEcrite(reste, 1, n) || !connu(reste)) continue;
        // The phoneme after the prefix's last vowel.
        int voyelles = GroupesVoyelles(prefixe);
        for (std::size_t k = 0; k + 1 < ph.size(); ++k) {
            if (!VoyelleFrancaise(ph[k].son) || --voyelles > 0) continue;
            if (ph[k + 1].son == "z") ph[k + 1].son = "s";
            break;
        }
    }
}

// The last vowel of a closed final syllable: /oz/ in "-ose", /ɔ/ in "-ogue", "-oque", "-ore".
void OFinal(const std::string& mot, std::vector<Phoneme>& ph) {
    const std::size_t d = DerniereVoyelle(ph);
    if (d >= ph.size() || d + 1 >= ph.size()) return;
    if ((FinitPar(mot, "ose") || FinitPar(mot, "oses")) && !FinitPar(mot, "osse") && ph[d].son == kO && d + 2 == ph.size() &&
        ph[d + 1].son == "z") {
        ph[d].son = "o";
        return;
    }
    if (ph[d].son == kO && d + 2 == ph.size() && ph[d + 1].son == "m")
        for (const char* f : {"iome", "iomes", "come", "comes", "some", "somes"})
            if (FinitPar(mot, f)) {
                ph[d].son = "o";
                return;
            }
    static const std::string kFins[] = {"ogue", "ogues", "oque", "oques", "ore", "ores", "orre", "orres"};
    for (const std::string& f : kFins) {
        if (!FinitPar(mot, f) || ph[d].son != "o") continue;
        const std::size_t o = mot.size() - f.size();
        if (o > 0 && (mot[o - 1] == 'a' || mot[o - 1] == 'e')) return;  // "au", "eau": /o/
        ph[d].son = kO;
        return;
    }
}

// Final "-er" of the borrowed and learned endings that are no verb: /ɛʁ/ (poker, cathéter,
// magister), /œʁ/ after a double consonant or "-aker" (setter, pacemaker). The word list does not
// hold every verb's forms: only these endings are taken.
void ErFinal(const std::string& mot, std::vector<Phoneme>& ph, const Connu& connu) {
    std::string m = mot.substr(mot.rfind('-') == std::string::npos ? 0 : mot.rfind('-') + 1);
    if (FinitPar(m, "ers")) m.pop_back();
    if (!FinitPar(m, "er") || m.size() < 5 || ph.empty() || ph.back().son != "e") return;
    static const std::string kFins[] = {"ker", "ster", "\xC3\xA9ter", "\xC3\xA8ter", "fer", "yser", "kaiser", "tter", "pper", "rter", "nder", "zer"};
    if (std::none_of(std::begin(kFins), std::end(kFins), [&](const std::string& f) { return FinitPar(m, f); })) return;
    const std::string radical = m.substr(0, m.size() - 2);
    if (connu(radical + "\xC3\xA9") || connu(radical + "ons") || connu(radical + "ez")) return;  // a verb
    const char a = radical[radical.size() - 1], b = radical[radical.size() - 2];
    const bool oe = (a == b && std::string("aeiou").find(a) == std::string::npos) || FinitPar(radical, "ak");
    const std::string accent = ph.back().accent;
    ph.back() = {accent, oe ? kOe : kE};
    ph.push_back({{}, kR});
}

// Learned words whose letters espeak-ng reads the popular way.
void Savants(const std::string& mot, std::vector<Phoneme>& ph, const Connu& connu) {
    // "quadr-" /kwadʁ/ ("quadrill-" is a popular word).
    if (CommencePar(mot, "quadr") && !CommencePar(mot, "quadrill") && ph.size() > 2 && ph[0].son == "k" && ph[1].son == "a") ph.insert(ph.begin() + 1, {{}, "w"});
    // Ordinals in "-tième" keep their /t/.
    if ((FinitPar(mot, "ti\xC3\xA8me") || FinitPar(mot, "ti\xC3\xA8mes")))
        for (std::size_t k = ph.size(); k-- > 1;)
            if (ph[k].son == "j" && ph[k - 1].son == "s") {
                ph[k - 1].son = "t";
                break;
            }
    // "-tie" after a vowel is /si/ (acrobatie, calvitie), unless a "-tir" verb's participle.
    std::string m = mot;
    if (FinitPar(m, "s")) m.pop_back();
    std::size_t n = 0;
    if (FinitPar(m, "tie") && m.size() > 4 && VoyelleEcrite(m, m.size() - 4, n) && !connu(m.substr(0, m.size() - 2) + "ir") &&
        ph.size() > 2 && ph.back().son == "i" && ph[ph.size() - 2].son == "t")
        ph[ph.size() - 2].son = "s";
    // "ill" said /il/: -illaire, -illion, -illiard, capill-, bacill-, -phylle.
    static const std::string kIl[] = {"illaire", "illion", "illiard", "capill", "bacill", "phylle"};
    if (std::any_of(std::begin(kIl), std::end(kIl), [&](const std::string& r) { return mot.find(r) != std::string::npos; }))
        for (std::size_t k = 1; k < ph.size(); ++k)
            if (ph[k].son == "j" && (ph[k - 1].son == "i" || ph[k - 1].son == "j")) {
                if (ph[k - 1].son == "j") --k;
                ph[k].son = "l";
                break;
            }
    // "-exie", "-exique": /ks/.
    const bool ks = FinitPar(m, "exie") || FinitPar(m, "exique");
    for (std::size_t k = 0; ks && k + 1 < ph.size(); ++k)
        if (ph[k].son == kG && ph[k + 1].son == "z") {
            ph[k].son = "k";
            ph[k + 1].son = "s";
        }
}

// A word espeak-ng reads by English rules keeps its sounds, said the French way: the vowels and the
// /ɹ/ French has not take the nearest French ones (camping /kampiŋ/, booster /bustə/).
void EmpruntAnglais(std::vector<Phoneme>& ph) {
    static const std::pair<const char*, const char*> kSons[] = {
        {"\xC9\xAA", "i"},  {"i\xCB\x90", "i"},  {"\xCA\x8A", "u"},  {"u\xCB\x90", "u"},
        {"\xC9\x92", "\xC9\x94"}, {"\xC9\x94\xCB\x90", "\xC9\x94"}, {"\xCA\x8C", "\xC5\x93"},
        {"\xC3\xA6", "a"}, {"\xC9\x91\xCB\x90", "a"}, {"\xC9\x9C\xCB\x90", "\xC5\x93"},
        {"e\xC9\xAA", "\xC9\x9B"}, {"\xC9\x99\xCA\x8A", "o"}, {"\xC9\xB9", "\xCA\x81"}};
    // ɪ iː ʊ uː ɒ ɔː ʌ æ ɑː ɜː eɪ əʊ ɹ
    for (Phoneme& p : ph)
        for (const auto& [anglais, francais] : kSons)
            if (p.son == anglais) p.son = francais;
}

bool VoyelleAnglaise(const std::string& son) {
    static const std::string kVoyelles[] = {"a", "e", "i", "o", "u", "\xC3\xA6", "\xC9\x91", "\xC9\x92", "\xC9\x94", "\xC9\x99",
                                            "\xC9\x9C", "\xC9\xAA", "\xCA\x8A", "\xCA\x8C", "\xC9\x90", "\xC9\x9B", "\xE1\xB5\xBB",
                                            "\xC9\x9A"};  // æ ɑ ɒ ɔ ə ɜ ɪ ʊ ʌ ɐ ɛ ᵻ ɚ
    return std::any_of(std::begin(kVoyelles), std::end(kVoyelles), [&](const std::string& v) { return CommencePar(son, v); });
}

// The weak close front vowel of "happy", "react", "area" (/i/) where espeak-ng writes the lax
// /ɪ/ or its centring diphthong: an unstressed /ɪ/ before a vowel or at the end of the word (and of
// "-ies", "-ied", "-y's" forms) is /i/, and an unstressed /iə/ after the stressed vowel is /i/ then
// /ə/, two syllables (academia, alienate), not the vowel of "near" ("nearby" keeps it).
void HappY(const std::string& mot, std::vector<Phoneme>& ph) {
    const std::string kLax = "\xC9\xAA", kSchwa = "\xC9\x99", kNear = "i\xC9\x99";  // ɪ ə iə
    auto suivant = [&](std::size_t k) {
        while (++k < ph.size() && ph[k].son.empty()) {}
        return k;
    };
    std::size_t dernier = ph.size();
    while (dernier > 0 && ph[dernier - 1].son.empty()) --dernier;
    bool accentue = false, attente = false;  // a stressed vowel met; a stress mark waiting for its vowel
    for (std::size_t k = 0; k < ph.size(); ++k) {
        Phoneme& p = ph[k];
        attente = attente || !p.accent.empty();
        if (!VoyelleAnglaise(p.son)) continue;
        if (attente) {
            accentue = true;
            attente = false;
            continue;
        }
        if (p.son == kNear && accentue) {
            p.son = "i";
            ph.insert(ph.begin() + static_cast<std::ptrdiff_t>(k) + 1, {{}, kSchwa});
            ++dernier;
            continue;
        }
        if (p.son != kLax) continue;
        const std::size_t n = suivant(k);
        const bool flechi = n + 1 == dernier && ((ph[n].son == "z" && (FinitPar(mot, "ies") || FinitPar(mot, "y's"))) ||
                                                 (ph[n].son == "d" && FinitPar(mot, "ied")));
        if (n >= dernier || VoyelleAnglaise(ph[n].son) || flechi) p.son = "i";
    }
}

}  // namespace

std::string Francais(const std::string& mot, const std::string& ipa, const Connu& connu) {
    if (ipa.find(' ') != std::string::npos) return ipa;
    std::vector<Phoneme> ph = Couper(ipa);
    if (ipa.find("(en)") != std::string::npos) {
        EmpruntAnglais(ph);
        return Joindre(ph);
    }
    if (ipa.find('(') != std::string::npos) return ipa;
    GnInitial(mot, ph);
    ChDur(mot, ph);
    SDevantSonore(mot, ph);
    SApresPrefixe(mot, ph, connu);
    OFinal(mot, ph);
    ErFinal(mot, ph, connu);
    Savants(mot, ph, connu);
    return Joindre(ph);
}

std::string Anglais(const std::string& mot, const std::string& ipa) {
    if (ipa.find(' ') != std::string::npos) return ipa;
    std::vector<Phoneme> ph = Couper(ipa);
    HappY(mot, ph);
    const std::string kOpen = "\xC9\x92", kCup = "\xCA\x8C", kTh = "\xCE\xB8";  // ɒ ʌ θ
    if (mot.find("one") != std::string::npos)
        for (std::size_t k = 1; k + 1 < ph.size(); ++k)
            if (ph[k - 1].son == "w" && ph[k].son == kOpen && ph[k + 1].son == "n") ph[k].son = kCup;
    if (FinitPar(mot, "s") && ph.size() >= 2 && ph.back().son == "z") {
        const std::string& avant = ph[ph.size() - 2].son;
        if (avant == "f" || avant == "k" || avant == "p" || avant == "t" || avant == kTh) ph.back().son = "s";
    }
    // The plural of a borrowed word whose final "t" is silent is /z/ (ballets, bouquets, chalets).
    if (FinitPar(mot, "ts") && ph.size() >= 2 && ph.back().son == "s" && VoyelleAnglaise(ph[ph.size() - 2].son)) ph.back().son = "z";
    return Joindre(ph);
}

}  // namespace regles
