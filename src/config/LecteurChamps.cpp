#include "config/LecteurChamps.h"

namespace {
bool FinLigne(QChar c) { return c == u'\n' || c == u'\r'; }
}  // namespace

bool LecteurChamps::Suivant(QString& champ) {
    const qsizetype n = texte_.size();
    if (pos_ >= n) return false;
    while (pos_ < n && texte_[pos_] == u' ') ++pos_;
    ligneChamp_ = ligne_;
    qsizetype debut = pos_, fin;
    if (pos_ < n && texte_[pos_] == u'"') {
        debut = ++pos_;
        while (pos_ < n && texte_[pos_] != u'"') {
            if (texte_[pos_] == u'\n') ++ligne_;
            ++pos_;
        }
        fin = pos_;
        while (pos_ < n && texte_[pos_] != u',' && !FinLigne(texte_[pos_])) ++pos_;
    } else {
        while (pos_ < n && texte_[pos_] != u',' && !FinLigne(texte_[pos_])) ++pos_;
        fin = pos_;
    }
    champ = texte_.mid(debut, fin - debut).toString();
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
