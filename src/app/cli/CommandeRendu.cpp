#include "app/cli/Editeur.h"
#include "app/cli/Options.h"
#include "app/cli/SousCommandes.h"
#include "base/Bmp.h"
#include "base/Surface.h"
#include "base/Texte8Bits.h"
#include "layout/ReduireImage.h"
#include "outputs/ExportVectoriel.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QThread>
#include <atomic>
#include <thread>
#include <vector>

namespace {

// The screen cut down to its drawing and the usual blank to the right and below.
QImage Rogner(const QImage& image, Couleur fond) {
    Surface s(image.width(), image.height());
    s.RemplacerImage(image);
    const QSize t = TailleReduite(s, fond, kMargeReduite);
    return image.copy(0, 0, t.width(), t.height());
}

// FILE for one screen; FILE-01.EXT, FILE-02.EXT, ... for several.
QString NomEcran(const QString& sortie, int numero, int nombre) {
    if (nombre == 1) return sortie;
    const QFileInfo f(sortie);
    const QString suffixe = f.suffix().isEmpty() ? QString() : u'.' + f.suffix();
    const QString base = suffixe.isEmpty() ? sortie : sortie.left(sortie.size() - suffixe.size());
    return base + QStringLiteral("-%1").arg(numero, 2, 10, QChar(u'0')) + suffixe;
}

}  // namespace

// velmor render TEXT|-f FILE --ecriture ... --langue ... [--taille N] [--relief] [--largeur W]
// [--hauteur H] [--frappe] [--rogner] -o FILE
int CommandeRendu(const QStringList& args, const QString& dossier, QTextStream& sortie, QTextStream& erreurs) {
    const auto o =
        LireOptions(args, {QStringLiteral("--relief"), QStringLiteral("--frappe"), QStringLiteral("--rogner")}, erreurs);
    if (!o) return 2;
    ChoixEditeur choix;
    const bool fichier = o->Drapeau(QStringLiteral("-f"));
    if (o->positions.size() != (fichier ? 0 : 1) || !o->Drapeau(QStringLiteral("-o")) || !LireChoix(*o, choix, erreurs)) {
        erreurs << "usage: velmor render TEXT|-f FILE --ecriture velmor|dorvane|latine|api --langue TU|FR|EN|PH "
                   "[--taille N] [--relief] [--largeur W] [--hauteur H] [--frappe] [--rogner] -o FILE.png|.bmp|.svg|.pdf"
                << Qt::endl;
        return 2;
    }
    QString texte;
    if (fichier) {
        QFile f(o->Valeur(QStringLiteral("-f")));
        if (!f.open(QIODevice::ReadOnly)) {
            erreurs << "velmor: cannot read " << f.fileName() << Qt::endl;
            return 1;
        }
        const QByteArray octets = f.readAll();
        // UTF-8 when it decodes as such, else the program's 8-bit code page.
        auto decodeur = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        texte = decodeur.decode(octets);
        if (decodeur.hasError()) texte = Depuis1252(octets);
    } else {
        texte = o->positions[0];
    }
    Editeur editeur(choix, dossier, erreurs);
    const bool entier = o->Drapeau(QStringLiteral("--frappe")) ? editeur.Taper(texte) : editeur.Coller(texte);
    for (const QString& ligne : editeur.ctx().etat.MessagesManquants.split(u'\n', Qt::SkipEmptyParts))
        erreurs << ligne << Qt::endl;
    const QString destination = o->Valeur(QStringLiteral("-o"));
    const QString genre = QFileInfo(destination).suffix().toLower();
    if (genre == u"svg" || genre == u"pdf") {
        auto feuilles = editeur.Feuilles();
        if (o->Drapeau(QStringLiteral("--rogner")))
            for (FeuilleVectorielle& f : feuilles) {
                f.image = Rogner(f.image, f.fond);
                Trace coupe;
                coupe.sorte = Trace::Rognage, coupe.x2 = f.image.width(), coupe.y2 = f.image.height();
                f.traces.Ajouter(coupe);
            }
        // One SVG per screen; one PDF with a page per screen.
        const int n = genre == u"pdf" ? 1 : static_cast<int>(feuilles.size());
        for (int i = 0; i < n; ++i) {
            const QString nom = NomEcran(destination, i + 1, n);
            const bool ecrit = genre == u"pdf" ? EnregistrerPdf(nom, feuilles) : EnregistrerSvg(nom, feuilles[static_cast<size_t>(i)]);
            if (!ecrit) {
                erreurs << "velmor: cannot write " << nom << Qt::endl;
                return 1;
            }
            sortie << nom << Qt::endl;
        }
        return entier ? 0 : 3;
    }
    const QList<int> places = editeur.PlacesEcrans();
    const bool rogner = o->Drapeau(QStringLiteral("--rogner"));
    const Couleur fond = editeur.ctx().surface.CouleurFond();
    const int n = static_cast<int>(places.size());
    // The screens are taken out of the store and coded side by side, one thread a processor, each
    // thread reusing its picture: coding a picture (PNG above all) takes far longer than writing
    // its words.
    std::vector<char> ecrits(static_cast<size_t>(n), 0);
    std::atomic<int> suivant{0};
    const auto ouvrier = [&] {
        QImage tampon;
        for (int i = suivant++; i < n; i = suivant++) {
            const QImage* image = editeur.Ecran(places[i], tampon);
            if (!image) continue;
            const QString nom = NomEcran(destination, i + 1, n);
            // (Not `rogner ? Rogner(…) : *image`: that would copy the surface's picture.)
            ecrits[static_cast<size_t>(i)] = rogner ? EnregistrerImage(Rogner(*image, fond), nom) : EnregistrerImage(*image, nom);
        }
    };
    std::vector<std::thread> aides(static_cast<size_t>(qBound(0, QThread::idealThreadCount() - 1, n - 1)));
    for (std::thread& t : aides) t = std::thread(ouvrier);
    ouvrier();
    for (std::thread& t : aides) t.join();
    for (int i = 0; i < n; ++i) {
        const QString nom = NomEcran(destination, i + 1, n);
        if (!ecrits[static_cast<size_t>(i)]) {
            erreurs << "velmor: cannot write " << nom << Qt::endl;
            return 1;
        }
        sortie << nom << Qt::endl;
    }
    return entier ? 0 : 3;
}
