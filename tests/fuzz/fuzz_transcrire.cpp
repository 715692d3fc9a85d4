// The transcriber on any typed text, on a 200 × 120 surface with the small test tables.
// Input: one byte of language, script and relief, then the text (UTF-8).
#include "Cadre.h"
#include "app/Demarrage.h"
#include "config/ChargeTables.h"
#include "config/Tables.h"
#include "transcription/Transcrire.h"

namespace {
const Tables* gTables = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    DemarrerApplication();
    static Cadre chargement(64, 48, QStringLiteral(VELMOR_TEST_TABLES));
    ChargeTables(*chargement.ctx);
    gTables = &chargement.ctx->tables;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    Octets o(donnees, taille);
    const std::uint8_t choix = o.Octet();
    Cadre c(200, 120, DossierTemporaire());
    MainParDefaut(*c.ctx);
    c.ctx->tables = *gTables;
    EtatProgramme& e = c.ctx->etat;
    e.Langue = static_cast<int16_t>(choix & 3);
    e.Ecriture = static_cast<int16_t>((choix >> 2) & 3);
    e.Relief = choix & 0x10;
    e.Tampon = QString::fromUtf8(o.Reste());
    Transcrire(*c.ctx);
    return 0;
}
