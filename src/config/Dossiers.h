#pragma once
// Where the program's files live. The data files are read from the program folder and nothing of
// it is copied or linked elsewhere. The files the program writes ("Velmor.ini", "FON.bat",
// "Donnees.TXT", the unknown-word files) go to one folder: the program folder while it can be
// written, else the user's configuration folder. Pictures are the user's: they go where the user
// says, from the user's pictures folder.

#include <QString>

struct Contexte;

// The folder to write to: the program folder when a file can be created in it, else the user's
// configuration folder (created when missing).
QString DossierEcriture(const Contexte& ctx);

// The path a written file takes: `nom` in DossierEcriture.
QString FichierEcrit(const Contexte& ctx, const QString& nom);

// The written file to read back: `nom` in DossierEcriture when it exists, else empty. A copy left in
// a program folder the user cannot write belongs to someone else and is not read.
QString FichierALire(const Contexte& ctx, const QString& nom);

// The user's pictures folder (the home folder when there is none): where the file dialogs start
// and a new picture is first saved.
QString DossierImages();
