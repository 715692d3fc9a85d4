// The settings reader on any "Velmor.ini".
#include "Cadre.h"
#include "config/Parametres.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    QFile f(DossierTemporaire() + QStringLiteral("/Velmor.ini"));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    f.write(reinterpret_cast<const char*>(donnees), static_cast<qint64>(taille));
    f.close();
    Cadre c(64, 48, DossierTemporaire());
    LireParametres(*c.ctx);
    return 0;
}
