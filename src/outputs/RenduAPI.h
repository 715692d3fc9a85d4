#pragma once
// IPA output: every phonetic symbol is a bitmap "_API_<name>.BMP" of the program folder, pasted at
// the cursor (its top 21 pixels above PosY), which then moves right by the bitmap's width.
// Letters are grouped into symbols (two vowels, a letter with "h", a letter with the length mark
// "k"); a few signs have symbols of their own and every other character is the blank "blahg".

#include <QString>
#include <QStringList>

struct Contexte;

// Draws a text in IPA at the cursor.
void EcritAPI(Contexte& ctx, const QString& texte);

// Draws a run of letters, grouped into symbols.
void EcritLettresAPI(Contexte& ctx, const QString& lettres);

// The group test at PositionAPI of LettresAPI: sets NomSymboleAPI and GroupeTrouve, and moves
// PositionAPI past the group when there is one.
void GroupeAPI(Contexte& ctx);

// Pastes the bitmap of a symbol at the cursor and moves the cursor past it; a bitmap that cannot
// be loaded draws nothing and leaves the cursor where it was.
void DessineSymboleAPI(Contexte& ctx, const QString& nom);

// The symbol sample: the six bitmaps of the folder "API" side by side from (100, 200).
void EchantillonAPI(Contexte& ctx);

// The symbol names EcritAPI draws for a text, in order, without drawing.
QStringList SymbolesAPI(const QString& texte);

// The group at `position` (from 0) of a run of letters and the letters it takes: ("", 0) when the
// letters there start no group.
struct GroupeLettres {
    QString nom;
    int longueur = 0;
};
GroupeLettres GrouperAPI(QStringView lettres, qsizetype position);
