#include "app/cli/Editeur.h"
#include "app/cli/Options.h"
#include "app/cli/SousCommandes.h"
#include "base/Texte8Bits.h"

#include <QFile>
#include <QStringDecoder>

// velmor render TEXT|-f FILE --ecriture ... --langue ... [--taille N] [--relief] [--largeur W] -o FILE
int CommandeRendu(const QStringList& args, const QString& dossier, QTextStream&, QTextStream& erreurs) {
    const auto o = LireOptions(args, {QStringLiteral("--relief")}, erreurs);
    if (!o) return 2;
    ChoixEditeur choix;
    const bool fichier = o->Drapeau(QStringLiteral("-f"));
    if (o->positions.size() != (fichier ? 0 : 1) || !o->Drapeau(QStringLiteral("-o")) || !LireChoix(*o, choix, erreurs)) {
        erreurs << "usage: velmor render TEXT|-f FILE --ecriture velmor|dorvane|latine|api --langue TU|FR|EN|PH "
                   "[--taille N] [--relief] [--largeur W] -o FILE.png|.bmp"
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
    editeur.Taper(texte);
    for (const QString& ligne : editeur.ctx().etat.MessagesManquants.split(u'\n', Qt::SkipEmptyParts))
        erreurs << ligne << Qt::endl;
    const QString sortie = o->Valeur(QStringLiteral("-o"));
    if (!SauverImage(editeur.surface(), sortie)) {
        erreurs << "velmor: cannot write " << sortie << Qt::endl;
        return 1;
    }
    return 0;
}
