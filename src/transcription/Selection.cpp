#include "transcription/Selection.h"

#include "app/Contexte.h"

void AfficherLangue(Contexte& ctx) {
    static const char16_t* const kLegendes[] = {u"Tumeli", u"Français", u"English", u"P H O N"};
    const int l = ctx.etat.Langue;
    QString legende;
    if (ctx.etat.ModeSon == 2)
        legende = QStringLiteral("MP3");
    else if (l >= 0 && l < 4)
        legende = QString::fromUtf16(kLegendes[l]);
    ctx.fenetre.FixerTexte(QStringLiteral("CmdLihg"), legende);
}
