// The program tables reader on any file, then a few words drawn with whatever it stored.
#include "Cadre.h"
#include "app/Demarrage.h"
#include "base/Texte8Bits.h"
#include "config/ChargeTables.h"
#include "transcription/Transcrire.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    Cadre c(200, 120, DossierTemporaire());
    MainParDefaut(*c.ctx);
    LireTablesProgramme(*c.ctx, Depuis1252(QByteArray(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille))));
    c.ctx->etat.Langue = 3;
    c.ctx->etat.Tampon = QStringLiteral("ba.ke.di.fo.gu.hy.ja.le.mi.no.pu.qy.ra.se.ti.vo.wu.xa.ze 12 !, Ka");
    Transcrire(*c.ctx);
    return 0;
}
