#include "config/LecteurChamps.h"

#include <cstring>

bool LecteurChamps::Suivant(QString& champ) {
    const qsizetype n = texte_.size();
    if (pos_ >= n) return false;
    const char16_t* t = texte_.utf16();
    const auto finChamp = [&](qsizetype p) {
        while (p < n && t[p] != u',' && t[p] != u'\n' && t[p] != u'\r') ++p;
        return p;
    };
    while (pos_ < n && t[pos_] == u' ') ++pos_;
    ligneChamp_ = ligne_;
    qsizetype debut = pos_, fin;
    if (pos_ < n && t[pos_] == u'"') {
        debut = ++pos_;
        while (pos_ < n && t[pos_] != u'"') {
            if (t[pos_] == u'\n') ++ligne_;
            ++pos_;
        }
        fin = pos_;
        pos_ = finChamp(pos_);
    } else {
        pos_ = fin = finChamp(pos_);
    }
    champ = QString(reinterpret_cast<const QChar*>(t + debut), fin - debut);
    // Consume the delimiter: a comma, or one line end (CR, LF or CRLF).
    if (pos_ < n) {
        if (texte_[pos_] == u',') {
            ++pos_;
        } else {
            if (texte_[pos_] == u'\r') ++pos_;
            if (pos_ < n && texte_[pos_] == u'\n') ++pos_;
            ++ligne_;
        }
    }
    return true;
}
