#pragma once
// A paste being written keeps the windows alive: their paint, resize and timer events go on while
// the words are drawn, Escape (or the "Arrêter" button) asks the walk to stop at the next word,
// and a request to close a window stops the paste and closes the window once it has stopped.
// Other keys, clicks and shortcuts meant for the main and entry windows are dropped meanwhile, so
// that nothing changes the text or the picture under the walk. Dialogs opened by the walk itself
// (messages) work as usual.

#include "base/Horloge.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

struct EtatProgramme;

// What a paste left behind when it ended: nothing, or the rest of its text waiting for "Continuer"
// because the screen was full or because the user stopped it.
enum class SuiteCollage { Aucune, EcranPlein, Arretee };

class GardeCollage : public QObject {
public:
    // `fenetres`: the windows whose input is held; `permis`: widgets that still take clicks.
    GardeCollage(EtatProgramme& etat, QList<QWidget*> fenetres, QList<QWidget*> permis);
    ~GardeCollage() override;
    GardeCollage(const GardeCollage&) = delete;
    GardeCollage& operator=(const GardeCollage&) = delete;

    // The guard of the paste under way, or null.
    static GardeCollage* Courante();
    // Lets the waiting events in (from the progress display, between words).
    static void Vivre();

    bool ArretDemande() const;
    void DemanderArret();

    // Windows whose closing waited for the paste to stop: they are closed once the guard is gone.
    QList<QPointer<QWidget>> FermeturesEnAttente() const { return fermetures_; }

protected:
    bool eventFilter(QObject* objet, QEvent* ev) override;

private:
    bool Tenue(QObject* objet) const;

    EtatProgramme& etat_;
    QList<QPointer<QWidget>> fenetres_;
    QList<QPointer<QWidget>> permis_;
    QList<QPointer<QWidget>> fermetures_;
    GardeCollage* precedente_;
};

// The clock of the windows: the paced drawing of a paste waits with the windows alive (no wait at
// all once the paste was asked to stop); other drawing waits as a plain sleep, so that typed keys
// never run in the middle of a word.
class HorlogeFenetre : public Horloge {
public:
    void Attendre(int millisecondes) override;
};
