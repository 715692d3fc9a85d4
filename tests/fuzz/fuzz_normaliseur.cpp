// The normaliser on any dotted text, then the stress-mark placement on each word it gives.
#include "Cadre.h"
#include "transcription/Normaliseur.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    Octets o(donnees, taille);
    const std::uint8_t choix = o.Octet();
    Cadre c;
    EtatProgramme& e = c.ctx->etat;
    e.Langue = static_cast<int16_t>(choix & 3);
    const int16_t ecriture = static_cast<int16_t>((choix >> 2) & 3);
    QString texte = choix & 0x80 ? QString::fromUtf8(o.Reste()) : o.Latin1();
    e.Ecriture = ecriture;
    e.TextePointe = texte;
    PlaceMarque(*c.ctx);
    Normaliser(*c.ctx, texte);
    for (const QString& mot : texte.split(u'+')) {
        e.Ecriture = ecriture;
        e.TextePointe = mot.startsWith(u'.') ? mot.mid(1) : mot;
        PlaceMarque(*c.ctx);
    }
    return 0;
}
