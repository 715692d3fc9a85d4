#include "transcription/Document.h"

#include "base/EcritureSure.h"
#include "base/EtatProgramme.h"
#include "base/Texte8Bits.h"
#include "config/Bornes.h"
#include "transcription/Marqueurs.h"

#include <QFile>
#include <QStringDecoder>

namespace {

using A = ActionMarqueur;

// Numeric markers take at most three digits.
constexpr int kNombreMaxi = 999;

// The header's number markers and the option each sets.
struct Numerique {
    A action;
    int OptionsDocument::*champ;
};
constexpr Numerique kNumeriques[] = {{A::Taille, &OptionsDocument::taille},
                                     {A::Interligne, &OptionsDocument::hauteurLigne},
                                     {A::Blanc, &OptionsDocument::blanc},
                                     {A::Couleur, &OptionsDocument::couleur}};

// Reads one header word into `o`: a whole marker of the table, of those a header holds; false
// otherwise.
bool LireMot(QStringView mot, OptionsDocument& o) {
    const MarqueurLu m = LireMarqueur(mot);
    if (!m || m.longueur != mot.size()) return false;
    const Marqueur& q = *m.marqueur;
    if (q.nombre && m.longueur == static_cast<qsizetype>(q.nom.size())) return false;  // its number is missing
    const int v = static_cast<int>(m.valeur);
    switch (q.action) {
    case A::Ecriture: o.ecriture = q.code; return true;
    case A::Langue: o.langue = q.code; return true;
    case A::Relief: o.relief = v != 0; return true;
    default:
        for (const Numerique& n : kNumeriques)
            if (n.action == q.action) return o.*n.champ = v, true;
        return false;
    }
}

}  // namespace

OptionsDocument OptionsDe(const EtatProgramme& e) {
    OptionsDocument o;
    o.ecriture = qBound(0, static_cast<int>(e.Ecriture), 3);
    o.langue = qBound(0, static_cast<int>(e.Langue), 3);
    o.taille = BorneTaille(e.Taille);
    o.hauteurLigne = qMin(BorneHauteurLigne(e.HauteurLigne), kNombreMaxi);
    o.blanc = qBound(0, e.Blanc, kNombreMaxi);
    o.couleur = qBound(0, static_cast<int>(e.NumCouleur), kNombreMaxi);
    o.relief = e.Relief;
    return o;
}

QString LigneEnTete(const OptionsDocument& o) {
    QString r = NomMarqueurEcriture(qBound(0, o.ecriture, Ecritures::Nombre - 1)) + u' ' +
                NomMarqueurLangue(qBound(0, o.langue, Langues::Nombre - 1));
    for (const Numerique& n : kNumeriques) r += u' ' + NomMarqueur(n.action, qBound(0, o.*n.champ, kNombreMaxi));
    return r + u' ' + NomMarqueur(A::Relief, o.relief ? 1 : 0);
}

bool EstEnTete(QStringView ligne) {
    OptionsDocument o;
    bool un = false;
    for (const QStringView mot : ligne.split(u' ', Qt::SkipEmptyParts)) {
        if (!LireMot(mot.trimmed(), o)) return false;
        un = true;
    }
    return un;
}

OptionsDocument LireEnTete(QStringView ligne, OptionsDocument depart) {
    for (const QStringView mot : ligne.split(u' ', Qt::SkipEmptyParts)) LireMot(mot.trimmed(), depart);
    return depart;
}

Document DecouperDocument(QString texte) {
    texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texte.replace(u'\r', u'\n');
    const qsizetype fin = texte.indexOf(u'\n');
    const QStringView premiere = QStringView(texte).left(fin < 0 ? texte.size() : fin);
    if (!EstEnTete(premiere)) return {QString(), texte};
    return {premiere.toString(), fin < 0 ? QString() : texte.mid(fin + 1)};
}

QString TexteARendre(const Document& d) { return d.entete.isEmpty() ? d.corps : d.entete + u' ' + d.corps; }

QString TexteARendre(const QString& fichierTexte) { return TexteARendre(DecouperDocument(fichierTexte)); }

QString DecoderTexte(const QByteArray& octets) {
    auto decodeur = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texte = decodeur.decode(octets);
    if (decodeur.hasError()) return Depuis1252(octets);
    if (texte.startsWith(QChar(0xFEFF))) texte.remove(0, 1);
    return texte;
}

bool LireDocument(const QString& fichier, Document& d) {
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray octets = f.readAll();
    if (f.error() != QFileDevice::NoError) return false;
    d = DecouperDocument(DecoderTexte(octets));
    return true;
}

bool EcrireDocument(const QString& fichier, const Document& d) {
    QString texte = d.entete.isEmpty() ? d.corps : d.entete + u'\n' + d.corps;
    return EcrireFichierSur(fichier, texte.toUtf8());
}
