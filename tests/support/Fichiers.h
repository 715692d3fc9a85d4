#pragma once
// Files for the tests: one written whole (false when it cannot be opened) or read, the glyph tables
// copied into a program folder, the pages of a PDF.

#include <QFile>

inline bool EcrireFichier(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(octets) == octets.size();
}

// The bytes of a file (empty when it cannot be read).
inline QByteArray LireFichier(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The two glyph tables of `source` (the test tables unless given) copied into `dossier`.
inline bool CopierTables(const QString& dossier, const QString& source = QStringLiteral(VELMOR_TEST_DATA "/tables")) {
    for (const char* nom : {"/APABDIDS.TXT", "/Suffixes.TXT"})
        if (!QFile::copy(source + QLatin1String(nom), dossier + QLatin1String(nom))) return false;
    return true;
}

// The pages of a PDF file: its page objects counted (0 when it cannot be read).
inline int PagesPdf(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return 0;
    const QByteArray octets = f.readAll();
    return static_cast<int>(octets.count("/Type /Page") - octets.count("/Type /Pages"));
}
