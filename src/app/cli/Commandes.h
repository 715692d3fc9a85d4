#pragma once
// Headless subcommands of the velmor executable.

#include <QStringList>
#include <QTextStream>

// True when args[0] names a subcommand.
bool EstSousCommande(const QStringList& args);

// Runs the subcommand args[0] with its options; returns the exit status.
int ExecuterSousCommande(const QStringList& args, const QString& dossier, QTextStream& sortie,
                         QTextStream& erreurs);
