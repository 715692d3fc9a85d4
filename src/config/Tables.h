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

    // Slot of TableRaccords that belongs to a vowel glyph (its letter and form): the joining lines
    // written under that vowel in the tables, read for the consonant that follows it; 0 for none.
    static int SlotRaccord(char16_t lettre, int forme) {
        static constexpr struct { char16_t lettre; int forme, slot; } kSlots[] = {
            {u'a', 2, 1}, {u'e', 2, 2}, {u'o', 1, 3}, {u'o', 2, 4}, {u'o', 3, 5},
            {u'u', 1, 6}, {u'u', 3, 7}, {u'e', 4, 8}, {u'o', 4, 9}};
        for (const auto& s : kSlots)
            if (s.lettre == lettre && s.forme == forme) return s.slot;
        return 0;
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
