#pragma once
// PROVISIONAL (to delete when the settings reader and writer land in config/Parametres.h):
// declarations of the settings routines the main window calls, with weak stand-ins in
// ParametresAttente.cpp that the real definitions replace at link time.

struct Contexte;

void EcrireParametres(Contexte& ctx);
void MNU_Defaut_Click(Contexte& ctx);
void AppliquerFormatA4(Contexte& ctx);
