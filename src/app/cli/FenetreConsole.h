#pragma once
// The window interface of the headless subcommands: every message goes to the error stream, each of
// its parts (lines, or parts joined by carriage returns) on a line of its own, a message that repeats
// the last one's first line left out; questions get their default answer; captions are kept and read
// back. The work area is the surface's size. With a progress bar, the progress of a paste goes to it.

#include "app/cli/BarreProgression.h"
#include "base/FenetreInterface.h"

#include <QHash>
#include <QTextStream>
#include <functional>

class FenetreConsole : public FenetreInterface {
public:
    explicit FenetreConsole(QTextStream& erreurs) : erreurs_(erreurs) {}

    void Information(const QString& texte, const QString& titre = {}) override;
    Reponse Question(const QString& texte, Boutons boutons, const QString& titre = {}) override;
    void FixerTexte(const QString& controle, const QString& valeur) override { textes_[controle] = valeur; }
    QString Texte(const QString& controle) const override { return textes_.value(controle); }
    QRect ZoneTravail() const override { return {0, 0, largeurTravail * 15, hauteurTravail * 15}; }
    int TwipsParPixelX() const override { return 15; }
    int TwipsParPixelY() const override { return 15; }
    QRect ZoneVisible() const override { return {0, 0, largeurTravail, hauteurTravail}; }
    void FixerDefilement(Barre, int, int) override {}
    int ValeurDefilement(Barre) const override { return 0; }
    int MaximumDefilement(Barre) const override { return 0; }
    void Rafraichir() override {}
    void MontrerControle(const QString&) override {}
    void ColorerControle(const QString&, std::uint32_t) override {}
    bool EstMaximisee() const override { return false; }
    void Progression(int faits, int total) override {
        if (barre) barre->Mots(faits, total);
        if (progression) progression(faits, total);
    }

    int largeurTravail = 1920;  // pixels
    int hauteurTravail = 1040;
    BarreProgression* barre = nullptr;
    std::function<void(int, int)> progression;  // also hears a paste's progress in words

private:
    QTextStream& erreurs_;
    QString dernier_;  // the first line of the last message printed
    QHash<QString, QString> textes_;
};
