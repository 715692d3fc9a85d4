#include "base/Contexte.h"
#include "transcription/Normaliseur.h"

using namespace Qt::StringLiterals;

namespace {

bool CommenceParConsonne(QStringView element) {
    if (element.isEmpty()) return false;
    const QChar c = element[0];
    return c >= u'b' && c <= u'z' && !EstVoyelle(c);
}

}  // namespace

void PlaceMarque(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    QString& mot = e.TextePointe;
    if (!mot.startsWith(u'{')) return;
    const bool court = mot.size() < 5;

    if (e.Ecriture == Ecritures::Velmor) {
        int consonnes = 0;
        for (const QChar c : mot) {
            const QChar m = c.toLower();
            if (m >= u'a' && m <= u'z' && m != u'h' && !EstVoyelle(m)) ++consonnes;
        }
        if (consonnes == 0) {
            e.Ecriture = Ecritures::Dorvane;
            e.BasculeVoyelles = 1;
            return;
        }
    }

    mot.remove(0, 2);
    if (mot.trimmed().isEmpty()) return;

    const QList<QStringView> elements = QStringView(mot).split(u'.');
    const qsizetype n = elements.size();
    qsizetype tete = 0;
    while (tete < n && CommenceParConsonne(elements[tete])) ++tete;
    if (tete == n) return;  // nothing but consonants: the word goes without its mark
    qsizetype queue = 0;
    while (queue < n && CommenceParConsonne(elements[n - 1 - queue])) ++queue;

    if (e.Ecriture == Ecritures::Dorvane) ++tete;
    if (!court && tete > queue) mot += u".{"_s;
    else mot.prepend(u"{."_s);
}
