#pragma once
// Files written whole or not at all: the content goes to a temporary file beside the target, which
// replaces the target only once everything was written. A write that fails or stops halfway leaves
// the previous file as it was and no temporary file behind. A link at the target is replaced by the
// file, never written through.

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>

// `ecrire` writes the content to the device; returning false abandons the write.
bool EcrireFichierSur(const QString& fichier, const std::function<bool(QIODevice&)>& ecrire);
bool EcrireFichierSur(const QString& fichier, const QByteArray& contenu);
