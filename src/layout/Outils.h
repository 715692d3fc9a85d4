#pragma once
// The paint tools of the writing surface: "Pointeur", "Ligne", "Main levée", "Rectangle",
// "Polygone", "Cercle", "Etoile". Each tool is a small class with press, move and release hooks.
// Previews are drawn in the inverting mode and erased by drawing the very same figure again; final
// figures are drawn in the copy-pen mode. Before a figure is committed the surface goes to the ring
// of recallable pages, so that "Annuler" takes the figure back.

#include <array>
#include <cstdint>
#include <memory>

struct Contexte;
class Surface;

enum BoutonSouris { BoutonGauche = 1, BoutonDroit = 2, BoutonMilieu = 4 };

// One mouse event on the surface, in picture pixels.
struct Souris {
    int boutons = 0;  // press and release: the button; move: the buttons held
    bool shift = false;
    double x = 0, y = 0;
};

enum NumeroOutil { OutilPointeur = 1, OutilLigne, OutilMainLevee, OutilRectangle, OutilPolygone, OutilCercle, OutilEtoile };

// The main window's fields of the tools.
struct EtatOutils {
    int OutilCourant = 0;  // 1 to 7; any other value draws nothing
    float XDepart = 0, YDepart = 0;    // where the left button went down, or the polygon's current vertex
    float XFin = 0, YFin = 0;          // end of the last preview
    float XPremier = 0, YPremier = 0;  // first vertex of the polygon
    bool PolygoneEnCours = false;
    int MotifRemplissage = 0;          // fill style when filling is on: solid until another is picked
    bool Remplir = false;              // "MNU_Fill" ticked rather than "MNU_NoFill"
    std::uint32_t CouleurFondChoisie = 0xFFFFFF;  // the background colour chosen in the colour dialog (0x00BBGGRR)
};

class Apercu;
class Outil;

class OutilsDessin {
public:
    explicit OutilsDessin(Contexte& ctx);
    ~OutilsDessin();

    EtatOutils etat;

    // A Toolbar2 button: a preview left on the surface is erased and an open polygon ends.
    void Choisir(int outil);
    // The picture was replaced (undo, open, paste): whatever preview it held is gone with it.
    void Oublier();

    void Enfoncer(const Souris& s);
    void Bouger(const Souris& s);  // also the position display
    void Relacher(const Souris& s);

    bool ApercuAffiche() const;  // an inverted preview is on the surface

private:
    Outil* Courant() const;
    Contexte& ctx_;
    std::unique_ptr<Apercu> apercu_;
    std::array<std::unique_ptr<Outil>, 8> outils_;
};
