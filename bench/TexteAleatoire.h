#pragma once
// Glyph-like text for the layout benchmarks: words of 2 to 5 glyphs, each glyph a random path of
// 5 to 9 strokes inside a 10 × 12 cell at size 1, drawn with Dessin on the current line.

#include "base/Contexte.h"
#include "drawing/Dessin.h"

#include <QString>
#include <random>
#include <vector>

// The size-1 line geometry the layout benchmarks write with.
inline void GeometrieTaille1(EtatProgramme& e) {
    e.Relief = false;
    e.Taille = 1;
    e.HauteurCaractere = 12;
    e.PasLigne = 38;
    e.LargeurBlanc = 6;
    e.MargeGauche = 15;
}

class TexteAleatoire {
public:
    explicit TexteAleatoire(unsigned graine = 11) : alea_(graine) {
        for (int g = 0; g < 60; ++g) glyphes_.push_back(Glyphe());
    }

    // Draws one word at (PosX, YLigne) and returns its width in pixels.
    int Mot(Contexte& ctx) {
        EtatProgramme& e = ctx.etat;
        const int n = 2 + static_cast<int>(alea_() % 4);
        double x = e.PosX;
        for (int i = 0; i < n; ++i) {
            double y = e.YLigne, gx = x;
            Dessin(ctx, glyphes_[alea_() % glyphes_.size()], gx, y, 1, e.CouleurTexte, QString());
            x += 11;
        }
        return static_cast<int>(x - e.PosX);
    }

private:
    // A path that stays in its cell: x in 0..10, y in -12..0 from the base line.
    QString Glyphe() {
        QString p;
        int x = 0, y = 0;
        const int n = 5 + static_cast<int>(alea_() % 5);
        for (int k = 0; k < n; ++k) {
            const int pas = 1 + static_cast<int>(alea_() % 5);
            switch (alea_() % 4) {
            case 0: if (x + pas <= 10) { p += QStringLiteral("R%1").arg(pas); x += pas; } break;
            case 1: if (x - pas >= 0) { p += QStringLiteral("L%1").arg(pas); x -= pas; } break;
            case 2: if (y - pas >= -12) { p += QStringLiteral("U%1").arg(pas); y -= pas; } break;
            default: if (y + pas <= 0) { p += QStringLiteral("D%1").arg(pas); y += pas; } break;
            }
        }
        return p.isEmpty() ? QStringLiteral("R5") : p;
    }

    std::mt19937 alea_;
    std::vector<QString> glyphes_;
};
