#pragma once
// Letter case, one character for one character (no "ß" -> "SS"), so that positions in a text keep
// their meaning after a change of case.

#include <QString>
#include <QStringView>

inline void AjouterMinuscules(QString& sortie, QStringView texte) {
    for (const QChar c : texte) sortie += c.toLower();
}

inline QString Minuscules(QStringView texte) {
    QString r;
    r.reserve(texte.size());
    AjouterMinuscules(r, texte);
    return r;
}

inline QString Majuscules(QStringView texte) {
    QString r;
    r.reserve(texte.size());
    for (const QChar c : texte) r += c.toUpper();
    return r;
}
