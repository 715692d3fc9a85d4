#pragma once
// Files written whole or not at all: the content goes to a temporary file beside the target, which
// replaces the target only once everything was written. A write that fails or stops halfway leaves
// the previous file as it was and no temporary file behind. A link at the target is replaced by the
// file, never written through.

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>
#include <memory>

class QSaveFile;

// A file being written piece by piece (a document page after page): Valider puts it in place once
// everything was written; a file dropped without it, or abandoned, leaves the previous one whole.
class FichierSur {
public:
    explicit FichierSur(const QString& fichier);
    ~FichierSur();
    FichierSur(const FichierSur&) = delete;
    FichierSur& operator=(const FichierSur&) = delete;

    bool Ouvert() const;
    QIODevice& Appareil();
    bool Valider();    // false when any write failed or the file cannot replace the previous one
    void Abandonner();

private:
    std::unique_ptr<QSaveFile> f_;
    bool ouvert_ = false;
};

// `ecrire` writes the content to the device; returning false abandons the write.
bool EcrireFichierSur(const QString& fichier, const std::function<bool(QIODevice&)>& ecrire);
bool EcrireFichierSur(const QString& fichier, const QByteArray& contenu);

// Gives a written file another name, replacing a file of that name at once; false (both files as
// they were) when it cannot.
bool RenommerFichierSur(const QString& ancien, const QString& nouveau);
