// The suffix list reader on any file, then the suffix separation of a few Tumeli words with it.
#include "Cadre.h"
#include "base/Texte8Bits.h"
#include "config/ChargeTables.h"
#include "transcription/Prononciation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    Cadre c;
    LireSuffixes(*c.ctx, Depuis1252(QByteArray(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille))));
    c.ctx->etat.Langue = 0;
    QString texte = QStringLiteral("kamelaneru tosiwa abaidu ne !. lomatari");
    SepareSuffixe(*c.ctx, texte);
    return 0;
}
