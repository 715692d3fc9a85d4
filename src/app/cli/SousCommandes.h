#pragma once
// One function per subcommand, each in its own file; Commandes.cpp lists them.

#include <QString>
#include <QStringList>
#include <QTextStream>

using SousCommande = int (*)(const QStringList& args, const QString& dossier, QTextStream& sortie,
                             QTextStream& erreurs);

int CommandeChemin(const QStringList& args, const QString& dossier, QTextStream& sortie, QTextStream& erreurs);
int CommandeNormalise(const QStringList& args, const QString& dossier, QTextStream& sortie, QTextStream& erreurs);
int CommandePrepare(const QStringList& args, const QString& dossier, QTextStream& sortie, QTextStream& erreurs);
int CommandeSyllabes(const QStringList& args, const QString& dossier, QTextStream& sortie, QTextStream& erreurs);
int CommandeRendu(const QStringList& args, const QString& dossier, QTextStream& sortie, QTextStream& erreurs);
int CommandeSpecimen(const QStringList& args, const QString& dossier, QTextStream& sortie, QTextStream& erreurs);
int CommandeRapport(const QStringList& args, const QString& dossier, QTextStream& sortie, QTextStream& erreurs);
