#include "config/Dossiers.h"

#include "base/Contexte.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

// Tried by creating a file: permission bits alone say nothing for a privileged user or a
// read-only mount.
bool PeutEcrire(const QString& dossier) {
    if (dossier.isEmpty() || !QFileInfo(dossier).isDir()) return false;
    QTemporaryFile essai(dossier + QStringLiteral("/.velmor-XXXXXX"));
    return essai.open();
}

}  // namespace

QString DossierEcriture(const Contexte& ctx) {
    if (PeutEcrire(ctx.dossier)) return ctx.dossier;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return config;
}

QString FichierEcrit(const Contexte& ctx, const QString& nom) { return DossierEcriture(ctx) + u'/' + nom; }

QString FichierALire(const Contexte& ctx, const QString& nom) {
    const QString ecrit = FichierEcrit(ctx, nom);
    return QFileInfo::exists(ecrit) ? ecrit : QString();
}

QString DossierImages() {
    const QString images = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !images.isEmpty() && QFileInfo(images).isDir() ? images : QDir::homePath();
}
