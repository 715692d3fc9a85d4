#include "base/EcritureSure.h"

#include <QFileInfo>
#include <QSaveFile>

bool EcrireFichierSur(const QString& fichier, const std::function<bool(QIODevice&)>& ecrire) {
    // A link there would be written through to whatever it names: the file written is a real one.
    if (QFileInfo(fichier).isSymLink() && !QFile::remove(fichier)) return false;
    QSaveFile f(fichier);
    if (!f.open(QIODevice::WriteOnly)) return false;
    if (!ecrire(f)) {
        f.cancelWriting();
        f.commit();  // removes the temporary file
        return false;
    }
    return f.commit();
}

bool EcrireFichierSur(const QString& fichier, const QByteArray& contenu) {
    return EcrireFichierSur(fichier, [&](QIODevice& d) { return d.write(contenu) == contenu.size(); });
}
