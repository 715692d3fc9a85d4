#pragma once
// Script and language selection and their display on the main window's two caption buttons.

struct Contexte;

// Sets the caption of "CmdLihg" from Langue, or "MP3" when ModeSon is 2.
void AfficherLangue(Contexte& ctx);
