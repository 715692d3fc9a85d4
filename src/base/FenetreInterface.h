#pragma once
// The one interface between the core and the windows. The core shows messages, sets and reads back
// captions, moves scroll bars and asks for repaints through it; the Qt windows implement it and the
// tests use a recording fake.

#include <QRect>
#include <QString>
#include <cstdint>

enum class Reponse { Oui, Non, Annuler };
enum class Boutons { OuiNon, OuiNonAnnuler };
enum class Barre { Verticale, Horizontale };

class FenetreInterface {
public:
    virtual ~FenetreInterface() = default;

    // Message boxes, with the system's exact texts.
    virtual void Information(const QString& texte, const QString& titre = {}) = 0;
    virtual Reponse Question(const QString& texte, Boutons boutons, const QString& titre = {}) = 0;

    // Captions and text-box values of the windows' controls, named as the windows name them
    // ("frmEdit" for the main window caption, "CmdScaqh", "CmdLihg", "TxtTaille", ...).
    virtual void FixerTexte(const QString& controle, const QString& valeur) = 0;
    virtual QString Texte(const QString& controle) const = 0;

    // Screen facts.
    virtual QRect ZoneTravail() const = 0;  // work area, in twips
    virtual int TwipsParPixelX() const = 0;
    virtual int TwipsParPixelY() const = 0;
    virtual QRect ZoneVisible() const = 0;  // part of the surface shown, in surface pixels

    // Scroll bars of the main window.
    virtual void FixerDefilement(Barre barre, int valeur, int maximum) = 0;
    virtual int ValeurDefilement(Barre barre) const = 0;
    virtual int MaximumDefilement(Barre barre) const = 0;

    // Makes what was drawn on the surface visible now.
    virtual void Rafraichir() = 0;

    // Shows a control that starts hidden (the screen-page buttons "CmdPaqPos", "CmdPaqAht",
    // "TxtPaq") and repaints it.
    virtual void MontrerControle(const QString& controle) { (void)controle; }
    // Background colour (0x00BBGGRR) of a text box.
    virtual void ColorerControle(const QString& controle, std::uint32_t fond) { (void)controle, (void)fond; }
    // The main window is maximised.
    virtual bool EstMaximisee() const { return false; }
    // The picture number shown by a tool button ("Relief", "A4", "Rythme d'affichage", ...).
    virtual void FixerImage(const QString& controle, int image) { (void)controle, (void)image; }
    virtual int Image(const QString& controle) const { (void)controle; return 0; }
    // Progress of a long re-transcription: `faits` words written of `total`; a total of 0 ends it.
    virtual void Progression(int faits, int total) { (void)faits, (void)total; }
};
