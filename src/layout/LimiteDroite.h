#pragma once
// The right limit of the line: the visible width of the work area with its allowance, and the
// right-edge check made before each word.

struct Contexte;

// Right-edge check before a word: recomputes LimiteDroite, measures the line and starts a new line
// when the text has reached the right limit and a line break is allowed.
void ControleFinLigne(Contexte& ctx);

// MargeLimite, the allowance added to the visible width to give LimiteDroite.
void CalculeMargeLimite(Contexte& ctx);

// The visible width of the work area in pixels plus MargeLimite.
double LimiteDroiteVisible(Contexte& ctx);
