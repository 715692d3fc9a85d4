#pragma once
// Views of the pieces of a text between separators, kept on the stack for the usual short words.

#include <QStringView>
#include <QVarLengthArray>

using Morceaux = QVarLengthArray<QStringView, 16>;

// The pieces of `texte` between the `separateur`s, empty ones included, as QStringView::split
// gives them (an empty text is one empty piece).
inline void Decouper(QStringView texte, char16_t separateur, Morceaux& pieces) {
    if (!pieces.isEmpty()) pieces.clear();
    const QChar* const d = texte.data();
    const qsizetype n = texte.size();
    qsizetype debut = 0;
    for (qsizetype i = 0; i < n; ++i)
        if (d[i].unicode() == separateur) {
            pieces.append(QStringView(d + debut, i - debut));
            debut = i + 1;
        }
    pieces.append(QStringView(d + debut, n - debut));
}

// `texte` holds `premier` immediately followed by `second`.
inline bool ContientPaire(QStringView texte, char16_t premier, char16_t second) {
    const QChar* const d = texte.data();
    for (qsizetype i = 0; i + 1 < texte.size(); ++i)
        if (d[i].unicode() == premier && d[i + 1].unicode() == second) return true;
    return false;
}

// `texte` holds the character `c`; for the short texts of the transcriber, cheaper than a search.
inline bool Contient(QStringView texte, char16_t c) {
    for (const QChar x : texte)
        if (x.unicode() == c) return true;
    return false;
}
