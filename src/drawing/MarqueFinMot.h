#pragma once

struct Contexte;

// Closes a word whose last syllable ended with "_": the script's end-of-word mark is drawn three
// size units after the stroke found at the top of the cell (mid-height after phase "EC").
void MarqueFinMot(Contexte& ctx);
