#include "config/Legendes.h"

#include "base/Contexte.h"

namespace {
const char16_t* const kEcritures[] = {u"Velmor", u"Dorvane", u"Latine", u"A.P.I."};
const char16_t* const kLangues[] = {u"Tumeli", u"Français", u"English", u"P H O N"};
}  // namespace

QString LegendeEcriture(int ecriture) {
    return ecriture >= 0 && ecriture < Ecritures::Nombre ? QString::fromUtf16(kEcritures[ecriture]) : QString();
}

int CodeEcriture(const QString& legende) {
    for (int i = 0; i < Ecritures::Nombre; ++i)
        if (legende == QString::fromUtf16(kEcritures[i])) return i;
    return -1;
}

void AfficherLangue(Contexte& ctx) {
    const int l = ctx.etat.Langue;
    QString legende = l >= 0 && l < Langues::Nombre ? QString::fromUtf16(kLangues[l]) : QString();
    if (ctx.etat.ModeSon == 2) legende = QStringLiteral("MP3");
    ctx.fenetre.FixerTexte(QStringLiteral("CmdLihg"), legende);
}
