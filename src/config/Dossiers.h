#pragma once
// Where the program's files live. The data files are read from the program folder. The files the
// program writes ("Velmor.ini", "FON.bat", "Donnees.TXT", saved pictures) go to the program folder
// while it can be written, and otherwise to the user's configuration folder.

#include <QString>

struct Contexte;

// The folder to write to: the program folder when a file can be created in it, else the user's
// configuration folder (created when missing).
QString DossierEcriture(const Contexte& ctx);

// The path a written file takes: `nom` in DossierEcriture.
QString FichierEcrit(const Contexte& ctx, const QString& nom);

// The copy of a written file to read: the one in DossierEcriture, else the one in the program
// folder; empty when neither exists.
QString FichierALire(const Contexte& ctx, const QString& nom);
