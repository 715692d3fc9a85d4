#pragma once
// The window's icons (SVG kept in resources/icones) and the buttons of the tool and option bar.

#include <QIcon>
#include <QString>

inline QIcon Icone(const QString& nom) {
    return nom.isEmpty() ? QIcon() : QIcon(QStringLiteral(":/icones/") + nom + QStringLiteral(".svg"));
}

// Toolbar2: tool tip and icon by index; 8 and 13 are separators.
struct BoutonBarre2 {
    int index;
    const char* bulle;
    const char* icone;
};
inline const BoutonBarre2 kBarre2[] = {
    {1, "Pointeur", "pointeur"},
    {2, "Ligne", "ligne"},
    {3, "Main levée", "main_levee"},
    {4, "Rectangle", "rectangle"},
    {5, "Polygone", "polygone"},
    {6, "Cercle", "cercle"},
    {7, "Etoile", "etoile"},
    {9, "Style de trait", "style_trait"},
    {10, "Couleurs: Fond (Clic Droit) , Texte (Clic Gauche)", "couleurs"},
    {11, "Epaisseur de trait", "epaisseur"},
    {12, "Motif", "motif"},
    {14, "A4 (Petit carré) ou libre (Grand carré)", "image33"},
    {15, "Temporisation", "temporisation"},
    {16, "Repositionnement", "repositionnement"},
    {17, "Rythme d'affichage", "image28"},
    {18, "Réinitialisation à Défaut", "reinitialisation"},
    {19, "Carré qui efface", "image7"},
    {20, "Caractères en relief", "image38"},
    {21, "Fixe largeur IMG (Grand carré : Taille maxi; puis nouveau clic : petit carré : taille fixée à la "
         "fenêtre)",
     "image32"},
};
