#pragma once
// The dotted texts the transcriber already built, by lower-case text and reading (input language,
// suffixes cut or not): sign coding, suffixes, the syllable cut and the normaliser read nothing
// else for a text without markers or "#", so a text typed again is not built again.
// Bounded: the memory of a reading is emptied when it is full.

#include <QString>
#include <array>
#include <unordered_map>

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
        const auto it = parLecture_[lecture].find(texte);
        return it == parLecture_[lecture].end() ? nullptr : &it->second;
    }

    void Garder(int lecture, const QString& texte, const Texte& construit) {
        if (lecture < 0 || lecture >= kLectures) return;
        auto& m = parLecture_[lecture];
        if (m.size() >= kTaille) m.clear();
        m.emplace(texte, construit);
    }

private:
    struct Hachage {
        size_t operator()(const QString& s) const { return qHash(s); }
    };
    static constexpr int kLectures = 8;
    static constexpr size_t kTaille = 4096;
    std::array<std::unordered_map<QString, Texte, Hachage>, kLectures> parLecture_;
};
