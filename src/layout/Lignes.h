#pragma once

struct Contexte;

// Starts a new line: the first line, the margins and the limits.
void NouvelleLigne(Contexte& ctx);
