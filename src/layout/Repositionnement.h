#pragma once
// Repositioning the writing cursor with the mouse: the click while repositioning is armed, the
// logical candidates (after the text of the clicked line, on its base line), the square mark that
// shows the candidate point, and the dialog's OK and Cancel.

#include "base/EtatProgramme.h"

#include <QString>

struct Contexte;

enum class OptionRepos { AbsoluX, LogiqueX, AbsoluY, LogiqueY };

// The mark's colour (0x00BBGGRR) for an option.
Couleur CouleurOptionRepos(OptionRepos option);

// A click at (x, y) while PositionImposee is set: keeps the position before the click in
// XDebutMot and YLigne and moves PosX, PosY (and XRepos, YRepos) to the click.
void CliqueRepositionnement(Contexte& ctx, double x, double y);

// The dialog opens: computes XLogique and YLogique and leaves the black mark at the click point,
// as after choosing AbsoluY then AbsoluX.
void OuvreRepositionnement(Contexte& ctx);

// An option is chosen: the mark moves to the option's candidate, in the option's colour.
void ChoisitOptionRepos(Contexte& ctx, OptionRepos option);

// The option's caption: its prefix and the value it stands for now ("Repositionnement  Absolu :
// X = 120").
QString LegendeOptionRepos(const EtatProgramme& e, OptionRepos option, double valeur);
QString LegendeOptionRepos(const EtatProgramme& e, OptionRepos option);

// OK: the cursor takes the chosen candidates and the position is imposed.
void ValideRepositionnement(Contexte& ctx, bool logiqueX, bool logiqueY);
// Cancel: the cursor returns to where it was before the click; nothing is imposed.
void AnnuleRepositionnement(Contexte& ctx);
// The dialog closes (any way): the last mark is erased and Repositionnement cleared.
void FermeRepositionnement(Contexte& ctx);

// The mark "R2U2L2D2R1" with its lower-left corner at (x, y), and its erasure in the background
// colour of pixel (0, 0).
void DessineMarqueRepos(Contexte& ctx, double x, double y, Couleur couleur);
void EffaceMarqueRepos(Contexte& ctx, double x, double y);
