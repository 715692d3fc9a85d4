#pragma once
// The program's files are 8-bit text in the Windows-1252 code page. They are converted once, when
// read or written; inside the program text is Unicode, and Code1252 gives back the 8-bit code of a
// character wherever a routine tests one (156 "œ", 164 "¤", 167 "§", 176 "°", 249 "ù").

#include <QByteArray>
#include <QChar>
#include <QString>

QString Depuis1252(const QByteArray& octets);
QByteArray Vers1252(const QString& texte);   // characters outside the code page become "?"
int Code1252(QChar c);                        // 0..255, or 63 ("?") outside the code page
QChar Car1252(int code);                      // the character of an 8-bit code

// A text as a message can show it: every character that is not printable written as "\xNN" (or
// "\uNNNN"), cut after `longueur` characters with "...".
QString Affichable(QStringView texte, qsizetype longueur = 80);

// The line (from 1) of the first byte no text file holds (a control code other than tab, line feed
// and carriage return); 0 when there is none.
int LigneNonTexte(const QByteArray& octets);

// Reads a whole 8-bit text file; false when it cannot be opened.
bool LireFichier1252(const QString& chemin, QString& texte);

// The usual reading of a decimal number at the start of a text (spaces skipped, optional sign,
// digits, optional point and digits); 0 when there is none.
double Val(const QString& texte);

// A number as the program writes it into captions and messages: a leading space when it is not
// negative.
QString NombreAvecSigne(double v);
