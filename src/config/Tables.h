#pragma once
// The program tables read from "APABDIDS.TXT" and "Suffixes.TXT". Entries are path programs or
// codes; this module stores them without interpreting them.

#include <QString>
#include <array>

struct Tables {
    static constexpr int NbLettres = 29;     // "a".."z", "{", "|", "}"
    static constexpr int NbFormes = 10;      // variant 0..9
    static constexpr int NbCouches = 4;      // layer 0..3
    static constexpr int NbSignes = 223;     // character code - 33
    static constexpr int NbAmas = 100;       // entries 1..99
    static constexpr int NbSuffixes = 801;   // entries 0..800

    // Letter index of a line: code of its first character - 97; -1 outside 0..28.
    static int IndiceLettre(QChar c) {
        const int i = c.unicode() - 97;
        return i >= 0 && i < NbLettres ? i : -1;
    }

    QString TableGlyphes[NbLettres][NbFormes][NbCouches];
    QString TableRaccords[NbLettres][4][10];
    QString TableSignes[NbSignes];
    QString TableAmas[NbAmas][3];
    QString Chiffres[10];
    QString TableSuffixes[NbSuffixes][2];

    int FinAmas7 = 0;
    int DebutAmas5 = 0, FinAmas5 = 0;
    int DebutAmas3 = 0, FinAmas3 = 0;
    int NombreSuffixes = 0;
};
