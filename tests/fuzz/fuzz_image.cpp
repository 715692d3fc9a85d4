// Picture loading into the surface: BMP by the surface's reader, and any picture (PNG ...) by its
// content, as the open command reads it. Input: one byte choosing the reader, then the file.
#include "Cadre.h"
#include "base/FichiersImages.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    DemarrerApplication();
    QImageReader::setAllocationLimit(16);  // megabytes: keeps a run's memory small
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    Octets o(donnees, taille);
    const bool bmp = o.Octet() & 1;
    const QByteArray fichier = o.Reste();
    Surface s(32, 24);
    if (bmp) {
        const QString chemin = DossierTemporaire() + QStringLiteral("/image.bmp");
        QFile f(chemin);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
        f.write(fichier);
        f.close();
        s.ChargerBmp(chemin);
    } else {
        QBuffer tampon;
        tampon.setData(fichier);
        const QImage image = LireImage(tampon);
        if (!image.isNull()) s.RemplacerImage(image);
    }
    s.Ligne(0, 0, s.Largeur(), s.Hauteur());
    return 0;
}
