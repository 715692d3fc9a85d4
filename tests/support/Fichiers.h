#pragma once
// Files for the tests: one written whole (false when it cannot be opened), the pages of a PDF.

#include <QFile>

inline bool EcrireFichier(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(octets) == octets.size();
}

// The pages of a PDF file: its page objects counted (0 when it cannot be read).
inline int PagesPdf(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return 0;
    const QByteArray octets = f.readAll();
    return static_cast<int>(octets.count("/Type /Page") - octets.count("/Type /Pages"));
}
