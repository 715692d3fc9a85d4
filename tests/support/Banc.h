#pragma once
// A test bench: a surface, the recording window, a counting clock and a context over them.

#include "app/ContexteProgramme.h"
#include "support/FenetreFactice.h"
#include "support/ImpressionQt.h"

#include <QTemporaryDir>
#include <memory>

class HorlogeComptee : public Horloge {
public:
    int attentes = 0;
    int millisecondes = 0;
    void Attendre(int ms) override {
        ++attentes;
        millisecondes += ms;
    }
};

struct Banc {
    explicit Banc(int largeur = 400, int hauteur = 300, QString dossier = {})
        : surface(largeur, hauteur), ctx(std::make_unique<ContexteProgramme>(surface, fenetre, horloge, std::move(dossier))) {
        ctx->etat.CouleurFond = surface.CouleurFond();
    }
    Surface surface;
    FenetreFactice fenetre;
    HorlogeComptee horloge;
    std::unique_ptr<ContexteProgramme> ctx;

    EtatProgramme& etat() { return ctx->etat; }
    Tables& tables() { return ctx->tables; }

    // Pixels that differ from the background, as (x, y) pairs in reading order.
    std::vector<std::pair<int, int>> Encre() const {
        std::vector<std::pair<int, int>> r;
        const QRgb fond = surface.FondRgb();
        for (int y = 0; y < surface.Hauteur(); ++y)
            for (int x = 0; x < surface.Largeur(); ++x)
                if (surface.LigneBrute(y)[x] != fond) r.emplace_back(x, y);
        return r;
    }
};
