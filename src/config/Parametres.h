#pragma once
// The settings file "Velmor.ini": reading it (or the built-in defaults when it does not exist),
// writing it whole, the reset command, and the switches the settings apply to the main window.

#include <QString>

struct Contexte;

// Tool buttons whose pictures the settings set (FenetreInterface::FixerImage).
inline const QString kBoutonRelief = QStringLiteral("Relief");               // 37 off, 38 on
inline const QString kBoutonA4 = QStringLiteral("A4");                       // 33 free height, 34 A4
inline const QString kBoutonRythme = QStringLiteral("Rythme d'affichage");   // 27 + RythmeColler

// Reads the settings file, or applies the defaults when there is none, then completes the state
// (derived sizes, margins, pictures, path display, old "_~EjgSaf*.BMP" pictures deleted).
void LireParametres(Contexte& ctx);

// Rewrites the whole settings file from the current state: the main window must have put its
// geometry into EtatFenetre, SommetFenetre, GaucheFenetre, HauteurFenetre and LargeurFenetre
// first. The file is replaced only once it is written whole: a failed write keeps the old one and
// gives false (the caller tells the user), `raison` saying why.
bool EcrireParametres(Contexte& ctx, QString* raison = nullptr);

// The reset command: on Yes, deletes the settings file and reads the defaults.
void MNU_Defaut_Click(Contexte& ctx);

// Turns multicolour text on and fills its colour table.
void ActiverMulticolore(Contexte& ctx);

// The A4 page-format switch: applies FormatA4 to the right margin, the page-height limit, the
// surface size and the A4 button's picture.
void AppliquerFormatA4(Contexte& ctx);

// The path display: the "AFFICHE" menu entry shows Chemin.
void AfficherChemin(Contexte& ctx);

// Deletes the pictures named "_~EjgSaf*.BMP" left in the folder the program writes to.
void SupprimerImagesTemporaires(Contexte& ctx);

// The steps of LireParametres: the defaults applied when the file does not exist, and the
// completion steps that follow every reading.
void AppliquerParametresParDefaut(Contexte& ctx);
void CompleterParametres(Contexte& ctx);
