#include "transcription/OrthographeApi.h"

#include <algorithm>
#include <sstream>

namespace orthographe_api {

namespace {

const std::string kAccent = "\xCB\x88";   // ˈ
const std::string kAccent2 = "\xCB\x8C";  // ˌ

bool LettreVoyelle(char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u' || c == 'y'; }

}  // namespace

std::string TableApi::Lire(const std::string& texte) {
    std::istringstream in(texte);
    for (std::string l; std::getline(in, l);) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        if (l.empty() || l[0] == '#') continue;
        const std::size_t tab = l.find('\t');
        if (tab == std::string::npos) return "no tab in \"" + l + "\"";
        std::vector<Groupe> groupes;
        std::istringstream mots(l.substr(tab + 1));
        for (std::string g; mots >> g;) {
            for (char c : g)
                if (c < 'a' || c > 'z') return "spelling \"" + g + "\" is not in a..z";
            groupes.push_back({g, LettreVoyelle(g[0])});
        }
        if (groupes.empty()) return "no spelling for \"" + l.substr(0, tab) + "\"";
        table_[l.substr(0, tab)] = groupes;
    }
    return {};
}

const std::vector<Groupe>* TableApi::Chercher(const std::string& ipa) const {
    const auto it = table_.find(ipa);
    return it == table_.end() ? nullptr : &it->second;
}

Lecture Transcrire(const TableApi& table, const std::string& ipa, bool francais) {
    Lecture r;
    r.muet = !ipa.empty() && ipa[0] == '_';
    struct Phoneme {
        std::vector<Groupe> groupes;
        bool accent = false;
    };
    std::vector<Phoneme> phonemes;
    std::string jeton;
    auto finir = [&]() {
        std::string j = jeton;
        jeton.clear();
        for (std::size_t p; (p = j.find('(')) != std::string::npos;) {
            const std::size_t q = j.find(')', p);
            j.erase(p, q == std::string::npos ? std::string::npos : q - p + 1);
            r.bascule = true;
        }
        bool accent = false;
        for (std::size_t p; (p = j.find(kAccent)) != std::string::npos;) {
            j.erase(p, kAccent.size());
            accent = true;
        }
        for (std::size_t p; (p = j.find(kAccent2)) != std::string::npos;) j.erase(p, kAccent2.size());
        j.erase(std::remove(j.begin(), j.end(), '-'), j.end());
        if (j.empty()) {
            if (accent) phonemes.push_back({{}, true});
            return;
        }
        const std::vector<Groupe>* g = table.Chercher(j);
        if (!g) {
            if (r.inconnu.empty()) r.inconnu = j;
            return;
        }
        phonemes.push_back({*g, accent});
    };
    for (char c : ipa) {
        if (c == '_' || c == ' ' || c == '\n') finir();
        else jeton += c;
    }
    finir();
    if (!r.inconnu.empty()) return r;

    // The groups, each vowel with the syllable nucleus it belongs to: a French glide "y" and the
    // vowel after it make one nucleus. The stressed nucleus is the first one at or after the last
    // primary stress mark.
    std::vector<Groupe> groupes;
    std::vector<int> noyau;  // per group: its nucleus, -1 for a consonant
    bool attente = false;
    int noyaux = 0, dernierAccent = -1;
    for (const Phoneme& p : phonemes) {
        if (p.accent) attente = true;
        for (const Groupe& g : p.groupes) {
            int n = -1;
            if (g.voyelle) {
                const bool glisse = francais && !groupes.empty() && groupes.back().lettres == "y" &&
                                    (g.lettres == "a" || g.lettres == "e" || g.lettres == "eh" ||
                                     g.lettres == "i" || g.lettres == "o");
                n = glisse ? noyau.back() : noyaux++;
                if (attente) dernierAccent = n;
                attente = false;
            }
            groupes.push_back(g);
            noyau.push_back(n);
        }
    }
    std::string s;
    for (std::size_t k = 0; k < groupes.size(); ++k) {
        const Groupe& g = groupes[k];
        if (k > 0 && g.voyelle && groupes[k - 1].voyelle && noyau[k] != noyau[k - 1]) {
            const bool accent = s.back() == '\'';
            if (!accent && groupes[k - 1].lettres.back() != 'h') s += 'k';
        }
        s += g.lettres;
        const bool finNoyau = g.voyelle && (k + 1 == groupes.size() || noyau[k + 1] != noyau[k]);
        if (finNoyau && noyau[k] == dernierAccent && noyaux > 1) s += '\'';
    }
    r.orthographe = s;
    return r;
}

}  // namespace orthographe_api
