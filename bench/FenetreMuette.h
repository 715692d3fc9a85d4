#pragma once
// A window interface that does nothing, for benchmarks.

#include "base/FenetreInterface.h"
#include "base/Horloge.h"

class FenetreMuette : public FenetreInterface {
public:
    void Information(const QString&, const QString& = {}) override {}
    Reponse Question(const QString&, Boutons, const QString& = {}) override { return Reponse::Oui; }
    void FixerTexte(const QString&, const QString& valeur) override { dernier_ = valeur; }
    QString Texte(const QString&) const override { return {}; }
    QRect ZoneTravail() const override { return {0, 0, 980 * 15, 15600}; }  // a 1000-pixel surface
    int TwipsParPixelX() const override { return 15; }
    int TwipsParPixelY() const override { return 15; }
    QRect ZoneVisible() const override { return {0, 0, 1600, 1000}; }
    void FixerDefilement(Barre, int, int) override {}
    int ValeurDefilement(Barre) const override { return 0; }
    int MaximumDefilement(Barre) const override { return 0; }
    void Rafraichir() override {}

private:
    QString dernier_;
};

