#include "base/EcritureSure.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>

FichierSur::FichierSur(const QString& fichier) : f_(std::make_unique<QSaveFile>(fichier)) {
    // A link there would be written through to whatever it names: the file written is a real one.
    if (QFileInfo(fichier).isSymLink() && !QFile::remove(fichier)) return;
    ouvert_ = f_->open(QIODevice::WriteOnly);
}

FichierSur::~FichierSur() { Abandonner(); }

bool FichierSur::Ouvert() const { return ouvert_; }

QIODevice& FichierSur::Appareil() { return *f_; }

bool FichierSur::Valider() {
    if (!ouvert_) return false;
    ouvert_ = false;
    return f_->commit();
}

void FichierSur::Abandonner() {
    if (!ouvert_) return;
    ouvert_ = false;
    f_->cancelWriting();
    f_->commit();  // removes the temporary file
}

bool EcrireFichierSur(const QString& fichier, const std::function<bool(QIODevice&)>& ecrire) {
    FichierSur f(fichier);
    if (!f.Ouvert()) return false;
    if (!ecrire(f.Appareil())) return false;
    return f.Valider();
}

bool EcrireFichierSur(const QString& fichier, const QByteArray& contenu) {
    return EcrireFichierSur(fichier, [&](QIODevice& d) { return d.write(contenu) == contenu.size(); });
}

bool RenommerFichierSur(const QString& ancien, const QString& nouveau) {
    // rename() replaces the target in one step (a link there included, not followed), where
    // QFile::rename would refuse an existing one.
    return std::rename(QFile::encodeName(ancien).constData(), QFile::encodeName(nouveau).constData()) == 0;
}
