#pragma once
// The dotted texts the transcriber already built, by sign-coded text and input language: the
// syllable cut and the normaliser read nothing else, so a text typed again is not cut again.
// Bounded: the memory of a language is emptied when it is full.

#include <QString>
#include <array>
#include <unordered_map>

class MemoireSyllabes {
public:
    // The dotted text kept for `texteCode` in language `langue`, or null.
    const QString* Trouver(int langue, const QString& texteCode) const {
        if (langue < 0 || langue >= kLangues) return nullptr;
        const auto it = parLangue_[langue].find(texteCode);
        return it == parLangue_[langue].end() ? nullptr : &it->second;
    }

    void Garder(int langue, const QString& texteCode, const QString& pointe) {
        if (langue < 0 || langue >= kLangues) return;
        auto& m = parLangue_[langue];
        if (m.size() >= kTaille) m.clear();
        m.emplace(texteCode, pointe);
    }

private:
    struct Hachage {
        size_t operator()(const QString& s) const { return qHash(s); }
    };
    static constexpr int kLangues = 4;
    static constexpr size_t kTaille = 4096;
    std::array<std::unordered_map<QString, QString, Hachage>, kLangues> parLangue_;
};
