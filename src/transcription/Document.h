#pragma once
// A text document: plain text, UTF-8 (Windows-1252 read too), whose first line may be a header of
// the program's own inline markers giving what the picture depends on beyond the words (script,
// language, size, line spacing, word space, colour number, relief). The header draws nothing: its
// line end is walked as a blank, so a document draws the same wherever it is rendered.

#include <QString>
#include <QStringView>

struct EtatProgramme;

struct OptionsDocument {
    int ecriture = 0;      // 0 Velmor, 1 Dorvane, 2 Latine, 3 A.P.I.
    int langue = 0;        // 0 Tumeli, 1 French, 2 English, 3 phonetic input
    int taille = 1;
    int hauteurLigne = 38;
    int blanc = 0;
    int couleur = 0;       // NumCouleur
    bool relief = false;
    bool operator==(const OptionsDocument&) const = default;
};

// The options as the state record holds them, and back.
OptionsDocument OptionsDe(const EtatProgramme& e);

// The header line, e.g. "%od %TU %TAI2 %LIN38 %BLA5 %COL0 %REL0" (no line end).
QString LigneEnTete(const OptionsDocument& o);

// True when the line is made only of markers, each followed by a blank or the end.
bool EstEnTete(QStringView ligne);

// The options a header gives, starting from `depart` for what it does not say.
OptionsDocument LireEnTete(QStringView ligne, OptionsDocument depart = {});

struct Document {
    QString entete;  // the header line, empty when the text has none
    QString corps;   // the text after it, line ends as "\n"
};

// Splits a document's text (line ends turned to "\n").
Document DecouperDocument(QString texte);

// The text the re-transcription walks: the header, a blank in place of its line end, the body.
QString TexteARendre(const Document& d);
QString TexteARendre(const QString& fichierTexte);

// A file's bytes as text: UTF-8 when they decode as such (a leading BOM dropped), else Windows-1252.
QString DecoderTexte(const QByteArray& octets);

// Reads a document; false when the file cannot be read.
bool LireDocument(const QString& fichier, Document& d);

// Writes header and body as UTF-8, whole or not at all; false when anything failed.
bool EcrireDocument(const QString& fichier, const Document& d);
