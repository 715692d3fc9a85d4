#pragma once
// The program started on a folder's tables, relief off, with an input language (3: phonetic).

#include "app/Demarrage.h"
#include "support/Banc.h"
#include "transcription/Transcrire.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

struct Programme : Banc {
    explicit Programme(QString dossier = VELMOR_TEST_DATA "/tables", int largeur = 900, int hauteur = 300, int langue = 3)
        : Banc(largeur, hauteur, std::move(dossier)) {
        Main(*ctx);
        etat().Relief = false, etat().ProfondeurRelief = 0, etat().Langue = static_cast<int16_t>(langue);
    }
    // Text as it leaves the entry box.
    void Ecrire(const QString& texte) {
        etat().Tampon = texte;
        Transcrire(*ctx);
    }
    // Messages shown and glyphs reported missing.
    QStringList Plaintes() const {
        QStringList p = fenetre.Textes();
        if (!ctx->etat.MessagesManquants.trimmed().isEmpty()) p << ctx->etat.MessagesManquants.trimmed();
        return p;
    }
};

// A fresh copy of the shipped data folder (start-up may write its settings there).
struct CopieDonnees {
    CopieDonnees() {
        const QString source = QStringLiteral(VELMOR_PROGRAM_DATA);
        for (const QString& f : QDir(source).entryList(QDir::Files)) QFile::copy(source + u'/' + f, dossier.filePath(f));
    }
    QTemporaryDir dossier;
};

// The program started on such a copy.
struct ProgrammeLivre : CopieDonnees, Programme {
    explicit ProgrammeLivre(int largeur = 1600, int hauteur = 600, int langue = 3)
        : Programme(dossier.path(), largeur, hauteur, langue) {}
};
