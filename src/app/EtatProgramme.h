#pragma once
// The one program-wide record of shared state. Every routine reads and writes its fields directly;
// each subsystem keeps its own block below. Numbers that may be fractional are doubles.

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

using Couleur = std::uint32_t;  // 0x00BBGGRR

struct EtatProgramme {
    // --- Script and language --------------------------------------------------------------
    int16_t Ecriture = 0;  // 0 Velmor, 1 Dorvane, 2 Latine, 3 A.P.I.
    int16_t Langue = 0;    // 0 Tumeli, 1 French, 2 English, 3 phonetic input
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

    // --- Layout (line advance, screens, recallable pages) ---------------------------------
    int NombreLignes = 0;
    int HauteurMaxImage = 2040;
    int HauteurPageA4 = 0;
    double XMaxAtteint = 0;
    double MargeSonde = 0;
    bool PositionImposee = false;
    double DecalageCurseur = 0;  // PosY = YLigne + DecalageCurseur

    // --- Transcription --------------------------------------------------------------------
    int BasculeVoyelles = 0;
    QString TextePointe;
    QString TexteAffiche;
    QString TamponSon;
    QString ChaineTravail;
    bool ChangementEcran = false;
    int PositionReprise = 0;
    double XTrace = 0, YTrace = 0;
    QString LettreComposee;
    int FormeComposee = 0;
    QString MessagesManquants;
    int PhaseDessin = 0;
    int PhaseDessinPrecedente = 0;
};
