// The dictionary reader on any file, and the word preparation that looks words up in it.
// Input: one byte of language and sound mode, the word up to the first line end, then the file.
#include "Cadre.h"
#include "transcription/Dictionnaires.h"
#include "transcription/Prononciation.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    Octets o(donnees, taille);
    const std::uint8_t choix = o.Octet();
    const QByteArray reste = o.Reste();
    const qsizetype fin = reste.indexOf('\n');
    const QString mot = QString::fromUtf8(fin < 0 ? reste : reste.left(fin));
    const QByteArray fichier = fin < 0 ? QByteArray() : reste.mid(fin + 1);

    Dictionnaire d;
    d.Charger(fichier);
    d.Chercher(mot);

    static const char* const kNoms[] = {"Fohms_TU.TXT", "Fohms_FR.TXT", "Fohms_EN.TXT", "Fohms_NP.TXT"};
    QFile f(DossierTemporaire() + u'/' + QLatin1String(kNoms[choix & 3]));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    f.write(fichier);
    f.close();
    Cadre c(64, 48, DossierTemporaire());
    c.ctx->etat.Langue = static_cast<int16_t>((choix >> 2) & 3);
    c.ctx->etat.ModeSon = (choix >> 4) % 3;
    QString tampon = mot;
    PrepareMot(*c.ctx, tampon);
    return 0;
}
