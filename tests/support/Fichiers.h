#pragma once
// Writes a file whole, replacing it; false when it cannot be opened.

#include <QFile>

inline bool EcrireFichier(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(octets) == octets.size();
}
