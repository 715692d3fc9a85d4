#pragma once
// Letter case, one character for one character (no "ß" -> "SS"), so that positions in a text keep
// their meaning after a change of case.

#include <QString>
#include <QStringView>

inline QChar Minuscule(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80) return QChar(u >= u'A' && u <= u'Z' ? char16_t(u + 32) : u);
    return c.toLower();
}

// ASCII without capitals: a text that lower-casing leaves as it is, told without a Unicode lookup.
inline bool MinusculesAscii(QStringView texte) {
    for (const QChar c : texte)
        if (c.unicode() >= 0x80 || (c >= u'A' && c <= u'Z')) return false;
    return true;
}

inline void AjouterMinuscules(QString& sortie, QStringView texte) {
    const qsizetype debut = sortie.size();
    sortie.resize(debut + texte.size());
    QChar* d = sortie.data() + debut;
    for (const QChar c : texte) *d++ = Minuscule(c);
}

inline QString Minuscules(QStringView texte) {
    QString r;
    AjouterMinuscules(r, texte);
    return r;
}

inline QString Majuscules(QStringView texte) {
    QString r;
    r.reserve(texte.size());
    for (const QChar c : texte) r += c.toUpper();
    return r;
}
