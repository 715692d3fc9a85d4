#pragma once
// How the main window and the entry window work together: the main window's commands that show,
// recall and raise the entry window and give it the keys back, the paste's stop and resume, and
// the entry window's layout stored before the settings are written.

class FenetrePrincipale;
class FrmEntree;

void RelierFenetres(FenetrePrincipale& fenetre, FrmEntree& entree);
