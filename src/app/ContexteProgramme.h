#pragma once
// The context assembled at the top: it owns the parts of the upper folders and sets the hooks
// through which the lower folders reach them.

#include "base/Contexte.h"
#include "config/Tables.h"
#include "layout/MagasinImages.h"
#include "transcription/Dictionnaires.h"
#include "transcription/MemoireSyllabes.h"

namespace detail {
struct PartiesPossedees {
    Tables tablesPossedees;
    Dictionnaires dictionnairesPossedes;
    MemoireSyllabes memoirePossedee;
    MagasinImages ecransPossedes{21};
    MagasinImages pagesPossedees{31, true};
};
}  // namespace detail

struct ContexteProgramme : private detail::PartiesPossedees, Contexte {
    ContexteProgramme(Surface& s, FenetreInterface& f, Horloge& h, QString dossierProgramme);
};
