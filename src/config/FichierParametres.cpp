// Reading and writing "Velmor.ini": one "* KEY = value" line per setting.

#include "base/Contexte.h"
#include "base/EcritureSure.h"
#include "base/Texte8Bits.h"
#include "config/Bornes.h"
#include "config/Dossiers.h"
#include "config/Legendes.h"
#include "config/Parametres.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <cmath>

namespace {

const QString kFichier = QStringLiteral("Velmor.ini");

// The entry window's layout keys, for cells 0 to 10 of DispositionEntree.
const QString kClesEntree[11] = {
    QStringLiteral("* LARGEUR ENTREE = "),          QStringLiteral("* HAUTEUR ENTREE = "),
    QStringLiteral("* HAUTEUR TXTENTREE = "),       QStringLiteral("* LARGEUR TXTENTREE = "),
    QStringLiteral("* LARGEUR BOUTONS ENTREE = "),  QStringLiteral("* POSITION BOUTONS ENTREE = "),
    QStringLiteral("* POSITION ZONE ENTREE 1 = "),  QStringLiteral("* POSITION BOUTON ENTREE 1 = "),
    QStringLiteral("* POSITION BOUTON ENTREE 2 = "), QStringLiteral("* POSITION BOUTON ENTREE 3 = "),
    QStringLiteral("* POSITION BOUTON ENTREE 4 = ")};
constexpr double kDispositionComplete = 9;

QString Vf(bool v) { return v ? QStringLiteral("Vrai") : QStringLiteral("Faux"); }
QString Nombre(double v) { return QString::number(v, 'g', 15); }
// The low 24 bits of the number; a number past any whole 64-bit value gives 0.
Couleur CouleurLue(const QString& t) {
    const double v = Val(t);
    return std::fabs(v) < 9.2e18 ? static_cast<Couleur>(static_cast<qint64>(v) & 0xFFFFFF) : 0;
}
// A code from 0 to 3; anything else gives 0.
int16_t Code(const QString& t) {
    const double n = Val(t);
    return static_cast<int16_t>(n >= 0 && n < 4 ? static_cast<int>(n) : 0);
}
bool CommenceParNombre(const QString& t) {
    return !t.isEmpty() && (t[0].isDigit() || ((t[0] == u'-' || t[0] == u'+' || t[0] == u'.') && t.size() > 1));
}

// One line's setting; false when the line holds none of the keys.
bool LireLigne(Contexte& ctx, const QString& ligne, int& clesEntreeLues) {
    EtatProgramme& e = ctx.etat;
    Surface& s = ctx.surface;
    FenetreInterface& f = ctx.fenetre;
    QString t;
    const auto cle = [&](const char16_t* literal) {
        const QString k = QString::fromUtf16(literal);
        if (!ligne.startsWith(k, Qt::CaseSensitive)) return false;
        t = ligne.mid(k.size()).trimmed();
        return true;
    };
    if (cle(u"* TAILLE = ")) {
        e.Taille = BorneTaille(Val(t));
    } else if (cle(u"* ECRITURE = ")) {
        e.Ecriture = Code(t);
        f.FixerTexte(QStringLiteral("CmdScaqh"), LegendeEcriture(e.Ecriture));
    } else if (cle(u"* LANGUE = ")) {
        e.Langue = Code(t);
        AfficherLangue(ctx);
    } else if (cle(u"* COULEUR TEXTE = ")) {
        s.FixerCouleurTrait(CouleurLue(t));
        e.CouleurTexte = s.CouleurTrait();
    } else if (cle(u"* TEXTE MULTICOLORE = ")) {
        if (t == u"Vrai")
            ActiverMulticolore(ctx);
        else
            e.TexteMulticolore = false;
    } else if (cle(u"* COULEUR FOND  = ")) {
        const Couleur c = CouleurLue(t);
        if (s.CouleurFond() != c) s.FixerCouleurFond(c);
        e.CouleurFond = c;
    } else if (cle(u"* LARGEUR TRAIT = ")) {
        s.FixerLargeurTrait(Borne(Val(t), 1, 100));
    } else if (cle(u"* HAUTEUR LIGNE = ")) {
        e.HauteurLigne = BorneHauteurLigne(Val(t));
        f.FixerTexte(QStringLiteral("TxtHauteurLigne"), QString::number(e.HauteurLigne));
    } else if (cle(u"* RYTHME COLLER = ")) {
        e.RythmeColler = Borne(Val(t), 0, 3);
    } else if (cle(u"* FORMAT PAGE A4 = ")) {
        e.FormatA4 = t == u"Vrai";
    } else if (cle(u"* UNE/PLUSIEURS PAGES = ")) {
        f.FixerTexte(QStringLiteral("CmdWajPaq"), t);
        e.PlusieursPages = t == u"1";
    } else if (cle(u"* CHEMIN = ")) {
        e.Chemin = t;
    } else if (cle(u"* ETAT FENETRE = ")) {
        e.EtatFenetre = Borne(Val(t), 0, 2);
    } else if (cle(u"* ENTREEX = ")) {
        // No number: the entry window has never been placed.
        e.EntreeX = CommenceParNombre(t) ? Val(t) : qQNaN();
    } else if (cle(u"* ENTREEY = ")) {
        e.EntreeY = CommenceParNombre(t) ? Val(t) : qQNaN();
    } else if (cle(u"* SOMMET  FENETRE = ")) {
        e.SommetFenetre = Val(t);
    } else if (cle(u"* GAUCHE  FENETRE = ")) {
        e.GaucheFenetre = Val(t);
    } else if (cle(u"* HAUTEUR FENETRE = ")) {
        e.HauteurFenetre = qMax(0.0, Val(t));
    } else if (cle(u"* LARGEUR FENETRE = ")) {
        e.LargeurFenetre = qMax(0.0, Val(t));
    } else if (cle(u"* PAGES RAPPELABLES = ")) {
        e.PagesRappelables = BornePagesRappelables(Val(t));
        if (ctx.crochets.RecreerPages) ctx.crochets.RecreerPages(ctx);
    } else if (cle(u"* RELIEF = ")) {
        e.Relief = t != u"Faux";
        e.ProfondeurRelief = e.Relief ? e.Taille : 0;
        f.FixerImage(kBoutonRelief, e.Relief ? 38 : 37);
    } else if (cle(u"* LARGEUR IMAGE FIXEE = ")) {
        e.LargeurImageFixee = t == u"Vrai";
    } else if (cle(u"* LARGEUR IMAGE = ")) {
        e.LargeurImage = Borne(Val(t), 0, 32767);
        if (e.LargeurImage > 0) s.FixerLargeur(static_cast<int>(e.LargeurImage));
    } else {
        for (int i = 0; i < 11; ++i)
            if (ligne.startsWith(kClesEntree[i])) {
                e.DispositionEntree[static_cast<size_t>(i)] = qMax(0.0, Val(ligne.mid(kClesEntree[i].size())));
                ++clesEntreeLues;
                return true;
            }
        return false;
    }
    return true;
}

// A line longer than any path the system takes (4,096 bytes) and its key holds no real setting: it is
// passed over unread, the rest of the file is read.
constexpr qint64 kLigneMax = 4200;

// The next line without its end; false at the end of the file. A longer line is skipped whole.
bool LigneSuivante(QFile& f, QByteArray& ligne, bool& tropLongue) {
    if (f.atEnd()) return false;
    ligne = f.readLine(kLigneMax + 2);
    tropLongue = ligne.size() > kLigneMax && !ligne.endsWith('\n');
    for (QByteArray reste; tropLongue && !reste.endsWith('\n') && !f.atEnd();) reste = f.readLine(64 * 1024);
    while (ligne.endsWith('\n') || ligne.endsWith('\r')) ligne.chop(1);
    return true;
}

void LireFichier(Contexte& ctx, const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return;
    EtatProgramme& e = ctx.etat;
    int clesEntreeLues = 0;
    e.DispositionEntree[11] = 0;
    QByteArray ligne;
    bool tropLongue = false;
    while (LigneSuivante(f, ligne, tropLongue))
        if (!tropLongue) LireLigne(ctx, Depuis1252(ligne), clesEntreeLues);
    // A layout is applied only when all its cells were read.
    if (clesEntreeLues >= 11) e.DispositionEntree[11] = kDispositionComplete;
}

}  // namespace

void LireParametres(Contexte& ctx) {
    const QString chemin = FichierALire(ctx, kFichier);
    if (chemin.isEmpty())
        AppliquerParametresParDefaut(ctx);
    else
        LireFichier(ctx, chemin);
    CompleterParametres(ctx);
}

bool EcrireParametres(Contexte& ctx, QString* raison) {
    const EtatProgramme& e = ctx.etat;
    const Surface& s = ctx.surface;
    const QLocale local = QLocale::system();
    const QDateTime maintenant = QDateTime::currentDateTime();
    const QString hauteurLigne = ctx.fenetre.Texte(QStringLiteral("TxtHauteurLigne"));
    const QString pages = ctx.fenetre.Texte(QStringLiteral("CmdWajPaq"));
    const auto bord = [](double v) { return std::isnan(v) ? QString() : Nombre(v); };

    QStringList l;
    l << QStringLiteral("\"Velmor.exe\"  Velmor, © %1 les auteurs de Velmor").arg(maintenant.date().year());
    l << QStringLiteral("\"Velmor.ini\" : créé le ") + local.toString(maintenant.date(), QLocale::ShortFormat) +
             QStringLiteral(" à ") + local.toString(maintenant.time(), QLocale::ShortFormat) + u'.';
    l << QString();
    l << QStringLiteral("* TAILLE = ") + QString::number(e.Taille);
    l << QStringLiteral("* RELIEF = ") + Vf(e.Relief);
    l << QStringLiteral("* ECRITURE = ") + QString::number(e.Ecriture);
    l << QStringLiteral("* LANGUE = ") + QString::number(e.Langue);
    l << QStringLiteral("* COULEUR TEXTE = ") + QString::number(s.CouleurTrait());
    l << QStringLiteral("* TEXTE MULTICOLORE = ") + Vf(e.TexteMulticolore);
    l << QStringLiteral("* COULEUR FOND  = ") + QString::number(s.CouleurFond());
    l << QStringLiteral("* LARGEUR TRAIT = ") + QString::number(s.LargeurTrait());
    l << QStringLiteral("* HAUTEUR LIGNE = ") + (hauteurLigne.isEmpty() ? QString::number(e.HauteurLigne) : hauteurLigne);
    l << QStringLiteral("* RYTHME COLLER = ") + QString::number(e.RythmeColler);
    l << QStringLiteral("* FORMAT PAGE A4 = ") + Vf(e.FormatA4);
    l << QStringLiteral("* UNE/PLUSIEURS PAGES = ") + (pages.isEmpty() ? (e.PlusieursPages ? QStringLiteral("1") : QStringLiteral(">")) : pages);
    l << QStringLiteral("* CHEMIN = ") + e.Chemin;
    l << QStringLiteral("* ENTREEX = ") + bord(e.EntreeX);
    l << QStringLiteral("* ENTREEY = ") + bord(e.EntreeY);
    l << QStringLiteral("* PAGES RAPPELABLES = ") + QString::number(e.PagesRappelables);
    l << QStringLiteral("* ETAT FENETRE = ") + QString::number(e.EtatFenetre);
    l << QStringLiteral("* SOMMET  FENETRE = ") + Nombre(e.SommetFenetre);
    l << QStringLiteral("* GAUCHE  FENETRE = ") + Nombre(e.GaucheFenetre);
    l << QStringLiteral("* HAUTEUR FENETRE = ") + Nombre(e.HauteurFenetre);
    l << QStringLiteral("* LARGEUR FENETRE = ") + Nombre(e.LargeurFenetre);
    l << QStringLiteral("* LARGEUR IMAGE FIXEE = ") + Vf(e.LargeurImageFixee);
    l << QStringLiteral("* LARGEUR IMAGE = ") + QString::number(s.Largeur());
    if (e.DispositionEntree[11] == kDispositionComplete)
        for (int i = 0; i < 11; ++i) l << kClesEntree[i] + Nombre(e.DispositionEntree[static_cast<size_t>(i)]);

    return EcrireFichierSur(FichierEcrit(ctx, kFichier), Vers1252(l.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")),
                            raison);
}
