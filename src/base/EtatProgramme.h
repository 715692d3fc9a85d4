#pragma once
// The one program-wide record of shared state. Every routine reads and writes its fields directly;
// each subsystem keeps its own block below. Numbers that may be fractional are doubles.

#include <QString>
#include <QStringList>
#include <QtNumeric>
#include <array>
#include <cstdint>

using Couleur = std::uint32_t;  // 0x00BBGGRR

// The script codes (`Ecriture`) and the input language codes (`Langue`).
namespace Ecritures {
enum : int16_t { Velmor = 0, Dorvane = 1, Latine = 2, API = 3, Nombre = 4 };
}
namespace Langues {
enum : int16_t { Tumeli = 0, Francais = 1, Anglais = 2, Phonetique = 3, Nombre = 4 };
}

struct EtatProgramme {
    // --- Script and language --------------------------------------------------------------
    int16_t Ecriture = Ecritures::Velmor;  // a code of Ecritures
    int16_t Langue = Langues::Tumeli;      // a code of Langues
    int EcriturePrecedente = 0;
    int EcritureAvantDerniere = 0;
    int EcritureAvantLatin = 0;
    int EcritureNouvelle = 0;

    // --- Character geometry ---------------------------------------------------------------
    int Taille = 1;
    int UniteHauteur = 12;
    double HauteurCaractere = 12;
    int HauteurLigne = 38;
    double PasLigne = 38;
    int Blanc = 0;
    double LargeurBlanc = 0;
    double ProfondeurRelief = 0;

    // --- Writing cursor and line ----------------------------------------------------------
    double PosX = 0;
    double PosY = 0;
    double YLigne = 0;
    double XDebutMot = 0;
    double XFinGlyphe = 0;
    double MargeGauche = 0;
    double LimiteDroite = 0;
    double MargeDroite = 0;

    // --- Appearance -----------------------------------------------------------------------
    Couleur CouleurTexte = 0;
    bool TexteMulticolore = false;
    bool Relief = false;
    int RythmeColler = 1;
    bool FormatA4 = false;
    bool PlusieursPages = false;
    int PagesRappelables = 30;
    QString Chemin;

    // --- Window geometry and picture width (settings file) --------------------------------
    int EtatFenetre = 2;  // 0 normal, 1 minimised, 2 maximised
    double SommetFenetre = 0, GaucheFenetre = 0, HauteurFenetre = 0, LargeurFenetre = 0;
    bool LargeurImageFixee = true;
    double LargeurImage = 0;
    // The entry window's left and top edges (NaN: never placed) and its own layout: cells 0 to 10
    // are its width and height, its text box's height and width, the buttons' width and left edge,
    // the text box's top and its four buttons' tops; cell 11 holds 9 when cells 0 to 10 are set.
    double EntreeX = qQNaN(), EntreeY = qQNaN();
    std::array<double, 12> DispositionEntree{};

    // --- Text in transit ------------------------------------------------------------------
    QString Touche;
    QString Tampon;
    QString TexteEnCours;

    // --- Flags ----------------------------------------------------------------------------
    bool CollageEnCours = false;
    bool PageEntamee = false;
    bool SautPermis = false;
    bool RetourForce = false;
    bool ModeBaliseAPI = false;
    bool ApresEspaceLatin = false;
    int StyleRemplissage = 1;

    // --- Path-drawing language ------------------------------------------------------------
    double XOrigine = 0, YOrigine = 0;
    double XPointB = 0, YPointB = 0;
    bool PointBPose = false;
    double XPointCurseur = 0, YPointCurseur = 0;
    bool PointCurseurPose = false;
    int16_t LargeurTraitSauvee = 1;
    QString DernierCode;
    bool TigeInterdite = false;
    Couleur CouleurFond = 0xFFFFFF;
    std::array<QString, 11> CouleursMulticolores;
    bool ModeRecherche = false;
    bool LimiteAtteinte = false;
    bool Repositionnement = false;

    // --- Program tables: single values ----------------------------------------------------
    int LargeurTIL = 0;
    QString CheminTILG, CheminTILD;
    QString MarqueFinVelmor, MarqueFinDorvane;
    int ValeurTDL = 0;
    int ModeSon = 0;
    double NumCouleur = 0;
    double NbFoisDiese = 0;
    double YMaxiA4 = 0;

    // --- Position display -----------------------------------------------------------------
    QString TitreFenetre;
    double XSouris = 0, YSouris = 0;
    double XRepos = 0, YRepos = 0;  // position chosen by the repositioning dialog
    double XLogique = 0, YLogique = 0;  // its logical candidates
    double XAvantRepos = 0, YAvantRepos = 0, XDebutAvantRepos = 0, YLigneAvantRepos = 0;  // cursor before the click

    // --- Layout (line advance, screens, recallable pages) ---------------------------------
    int NombreLignes = 0;
    int HauteurMaxImage = 2040;
    int HauteurPageA4 = 0;
    double XMaxAtteint = 0;
    double MargeSonde = 0;
    bool PositionImposee = false;
    double DecalageCurseur = 0;  // PosY = YLigne + DecalageCurseur
    bool LigneVisible = true;
    int16_t TwipsParPixelX = 15, TwipsParPixelY = 15;
    bool FinProche = false;
    int NumeroEcran = 0;
    int DernierEcran = 0;
    bool EcransPleins = false;
    double YDernierEcran = 0;
    // Per stored screen 0..20: PosX, PosY, vertical scroll value and maximum, horizontal scroll
    // value and maximum, surface width.
    std::array<std::array<double, 7>, 21> EtatEcrans{};
    int IndicePageRappel = 0;
    int SommetPageRappel = -1;  // slot of the newest picture while "Annuler" has stepped back, else -1
    int PagesEnArriere = 0;     // stored pictures "Annuler" can still go back to
    bool EntreeVidee = false;
    bool FinRetranscription = false;
    double CompteurLigne = 0;
    int IndiceTexte = 0;  // position of the whole-text re-transcription; each new line advances it

    // --- Line scanners and glyph composer -------------------------------------------------
    double MargeLimite = 0;                       // allowance added to the visible width
    double XComposition = -1, YComposition = -1;  // pen of the last glyph composed

    // --- Transcription --------------------------------------------------------------------
    int BasculeVoyelles = 0;
    QString TextePointe;
    QString TexteAffiche;
    QString TamponOriginal;
    QString TamponSon;
    QString ChaineTravail;
    bool ChangementEcran = false;
    int PositionReprise = 0;
    bool ArretCollage = false;  // the user asked a paste under way to stop at the next word
    QString MotSigne;            // the current word when it is a sign word
    QString CodeSigne;           // upper-cased character after its first "!"
    int16_t FormeSigne = 0;      // 2, 1 or 0: how the sign drawer places a stress sign
    double NumeroDiese = 0;      // number of the "#" sign; negative counts lone "#"
    QString NumeroDieseSaisi;    // number text given by re-transcription, consumed by the next "#"
    int IndiceMot = 0, DernierMot = -1;
    bool Temporisation = false;  // stop after every word and ask whether to go on
    bool TranscriptionEnCours = false;  // a run of Transcrire is under way (message boxes let events in)
    QStringList TamponsEnAttente;       // texts handed over during a run, written after it
    QString MotsEnAttente;       // words held back by a "*" dictionary entry, put before the next word
    int MotsEcrits = 0;          // words drawn, in every script (counted for whoever resets it)
    int MotsPerdus = 0;          // words, signs or typed letters not drawn: a limit of the surface was reached

    // --- Syllable drawer ------------------------------------------------------------------
    double XTrace = 0, YTrace = 0;   // pen handed to Dessin
    int LettreComposee = 0;          // character code of the last glyph's letter, for the composer
    int FormeComposee = 0;           // its vowel form
    double LargeurGlyphe = 0;
    double XAttache = 0;
    double DecalageY = 0;
    double AvanceGlyphe = 0;
    bool SyllabeLiee = false;        // the syllable began with "="
    bool SyllabeFinale = false;      // the syllable ended with "_"
    bool MarqueDroitePrevue = false;
    QString MessagesManquants;
    QString PhaseDessin;             // two-character phase code ("I5", "D6", "G1", "EC", ...)
    QString PhaseDessinPrecedente;

    // --- Keystroke driver and whole-text re-transcription ----------------------------------
    QString BaliseEnCours;           // the marker being typed in the Latin or A.P.I. script
    QString TexteAvant, TexteApres;  // trimmed text before and after IndiceTexte
    QString DernierCaractereAvant;
    int CodeCaractere = 0;
    int EcritureAvantCollage = 0;    // script when the re-transcription started, restored at its end
    int EcritureReprise = -1;        // script of a walk stopped by a full screen, for its resume

    // --- Entry window ---------------------------------------------------------------------
    QString TexteSauve;              // last non-empty content of the entry box
    QString TexteZoneSaisie;         // the entry box's content when its window was closed
    QString TexteAvantRecherche;
    QString TexteColle;
    bool CurseurVisible = true;
    bool FocusRepris = false;

    // --- IPA rendering --------------------------------------------------------------------
    QString LettresAPI;              // letters collected and not yet drawn
    bool LettresEnAttente = false;
    int PositionAPI = 1;             // next letter of LettresAPI to group, from 1
    QString NomSymboleAPI;           // the group test's symbol name
    int GroupeTrouve = 0;            // 1 when the group test found a group

    bool operator==(const EtatProgramme&) const = default;
};
