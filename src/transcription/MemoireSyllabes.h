#pragma once
// The dotted texts the transcriber already built, by lower-case text and reading (input language,
// suffixes cut or not): sign coding, suffixes, the syllable cut and the normaliser read nothing
// else for a text without markers or "#", so a text typed again is not built again.
// Bounded: the memory of a reading is emptied when it is full.

#include <QString>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

class MemoireSyllabes {
public:
    struct Texte {
        QString pointe;           // the normalised dotted text
        bool sautPermis = false;  // the line break allowance the sign coding left
    };

    // The reading of language `langue`, with suffixes cut or not.
    static int Lecture(int langue, bool suffixes) { return langue * 2 + (suffixes ? 1 : 0); }

    // What was kept for `texte` in `lecture`, or null.
    const Texte* Trouver(int lecture, const QString& texte) const {
        if (lecture < 0 || lecture >= kLectures) return nullptr;
        const Table& t = parLecture_[lecture];
        if (t.entrees.empty()) return nullptr;
        const std::uint64_t h = Empreinte(texte);
        for (std::uint32_t i = static_cast<std::uint32_t>(h) & kMasque;; i = (i + 1) & kMasque) {
            const std::uint32_t c = t.cases[i];
            if (c == 0) return nullptr;
            const Entree& e = t.entrees[c - 1];
            if (e.empreinte == h && e.cle == texte) return &e.valeur;
        }
    }

    void Garder(int lecture, const QString& texte, const Texte& construit) {
        if (lecture < 0 || lecture >= kLectures) return;
        Table& t = parLecture_[lecture];
        if (t.entrees.size() >= kTaille) t = Table{};
        if (t.cases.empty()) t.cases.assign(kCases, 0);
        const std::uint64_t h = Empreinte(texte);
        std::uint32_t i = static_cast<std::uint32_t>(h) & kMasque;
        for (; t.cases[i] != 0; i = (i + 1) & kMasque) {
            Entree& e = t.entrees[t.cases[i] - 1];
            if (e.empreinte == h && e.cle == texte) {
                e.valeur = construit;
                return;
            }
        }
        t.entrees.push_back({h, texte, construit});
        t.cases[i] = static_cast<std::uint32_t>(t.entrees.size());
    }

private:
    struct Entree {
        std::uint64_t empreinte;
        QString cle;
        Texte valeur;
    };
    struct Table {
        std::vector<std::uint32_t> cases;  // 1 + index in `entrees`, 0 for a free slot
        std::vector<Entree> entrees;
    };

    // A multiply-mix hash of the text's UTF-16 units, four at a time.
    static std::uint64_t Empreinte(const QString& s) {
        const char* p = reinterpret_cast<const char*>(s.constData());
        std::size_t n = static_cast<std::size_t>(s.size()) * 2;
        std::uint64_t h = 0x9E3779B97F4A7C15ull ^ n;
        for (; n >= 8; p += 8, n -= 8) {
            std::uint64_t v;
            std::memcpy(&v, p, 8);
            h = (h ^ v) * 0xBF58476D1CE4E5B9ull;
            h ^= h >> 29;
        }
        std::uint64_t v = 0;
        std::memcpy(&v, p, n);
        h = (h ^ v) * 0x94D049BB133111EBull;
        return h ^ (h >> 31);
    }

    static constexpr int kLectures = 8;
    static constexpr std::size_t kTaille = 4096;            // texts kept per reading
    static constexpr std::uint32_t kCases = 2 * kTaille;    // slots, at most half full
    static constexpr std::uint32_t kMasque = kCases - 1;
    std::array<Table, kLectures> parLecture_;
};
