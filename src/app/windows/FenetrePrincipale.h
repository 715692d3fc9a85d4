#pragma once
// The main window: the writing surface in a scrolled view. It is the core's window interface.

#include "base/FenetreInterface.h"

#include <QHash>
#include <QMainWindow>

class QLineEdit;
class QScrollArea;
class Surface;
class VueSurface;
struct Contexte;

class FenetrePrincipale : public QMainWindow, public FenetreInterface {
    Q_OBJECT
public:
    explicit FenetrePrincipale(Surface& surface);

    void Information(const QString& texte, const QString& titre = {}) override;
    Reponse Question(const QString& texte, Boutons boutons, const QString& titre = {}) override;
    void FixerTexte(const QString& controle, const QString& valeur) override;
    QString Texte(const QString& controle) const override;
    QRect ZoneTravail() const override;
    int TwipsParPixelX() const override;
    int TwipsParPixelY() const override;
    QRect ZoneVisible() const override;
    void FixerDefilement(Barre barre, int valeur, int maximum) override;
    int ValeurDefilement(Barre barre) const override;
    int MaximumDefilement(Barre barre) const override;
    void Rafraichir() override;
    void MontrerControle(const QString& controle) override;
    void ColorerControle(const QString& controle, std::uint32_t fond) override;
    bool EstMaximisee() const override { return isMaximized(); }

    // The context the entry line writes through, once start-up has made it.
    void Relier(Contexte& ctx) { ctx_ = &ctx; }

private:
    void AppliquerTitre();
    void SaisieModifiee(const QString& texte);
    void SaisieValidee();

    Surface& surface_;
    QScrollArea* defilement_;
    VueSurface* vue_;
    QLineEdit* saisie_;
    Contexte* ctx_ = nullptr;
    QHash<QString, QString> textes_;
    QHash<QString, bool> visibles_;         // controls the window does not build yet keep their state
    QHash<QString, std::uint32_t> couleurs_;
    bool titreEnAttente_ = false;
};
