#include "outputs/RenduAPI.h"

#include "base/Contexte.h"
#include "drawing/Dessin.h"
#include "drawing/Scanners.h"
#include "layout/ChangementEcriture.h"
#include "layout/Lignes.h"
#include "layout/LimiteDroite.h"

#include <QHash>
#include <QImage>

namespace {

// The symbol bitmaps, read once per file and kept; a file that cannot be read is remembered as
// a null picture, so that a missing symbol is not looked for again at every word.
QImage Bitmap(const QString& chemin) {
    static QHash<QString, QImage> lus;
    auto it = lus.constFind(chemin);
    if (it == lus.constEnd()) it = lus.insert(chemin, QImage(chemin));
    return *it;
}

bool Voyelle(QChar c) {
    switch (c.unicode()) {
    case u'a': case u'e': case u'i': case u'o': case u'u': case u'y': return true;
    default: return false;
    }
}

// The consonants that have a symbol of their own.
bool ConsonneAPI(QChar c) { return c.unicode() < 128 && QStringView(u"bcdfgjlmnpqrstvwxz").contains(c); }

bool LettreAPI(QChar c) { return Voyelle(c) || ConsonneAPI(c); }

QString SymboleSigne(QChar c) {
    switch (c.unicode()) {
    case u'\'': return QStringLiteral("cwot");
    case u':': return QStringLiteral("qespon");
    case u',': return QStringLiteral("veg");
    case u'[': return QStringLiteral("op");
    case u']': return QStringLiteral("cl");
    default: return QStringLiteral("blahg");  // space, hyphen and everything else
    }
}

bool LettreAZ(QChar c) {
    const QChar m = c.toLower();
    return m >= u'a' && m <= u'z';
}

// The letters of a run as symbol names, in order; a lone "h" or "k" that starts no group is passed
// over and draws nothing.
template <class Symbole>
void GrouperLettres(QStringView lettres, Symbole&& symbole) {
    const QString bas = lettres.toString().toLower();
    for (qsizetype p = 0; p < bas.size();) {
        const GroupeLettres g = GrouperAPI(bas, p);
        if (g.longueur > 0) {
            symbole(g.nom);
            p += g.longueur;
        } else {
            if (LettreAPI(bas[p])) symbole(QString(bas[p]));
            ++p;
        }
    }
}

}  // namespace

GroupeLettres GrouperAPI(QStringView lettres, qsizetype position) {
    const QString t3 = lettres.mid(position, 3).toString().toLower();
    const QString t2 = t3.left(2);
    auto c = [&](int i) { return i < t3.size() ? t3[i] : QChar(); };
    if (t3.size() == 3 && Voyelle(c(0)) && Voyelle(c(1)) && c(2) == u'k') return {t2, 3};
    if (t3.size() == 3 && Voyelle(c(0)) && Voyelle(c(1)) && c(2) == u'h') return {t3, 3};
    if (t2.size() == 2 && Voyelle(c(0)) && (c(1) == u'h' || Voyelle(c(1)))) return {t2, 2};
    if (t2.size() == 2 && ConsonneAPI(c(0)) && (c(1) == u'h' || c(1) == u'k')) return {t2, 2};
    if (t2.size() == 2 && Voyelle(c(0)) && c(1) == u'k') return {QString(c(0)), 2};
    return {};
}

QStringList SymbolesAPI(const QString& texte) {
    QStringList r;
    QString lettres;
    auto ajouter = [&](const QString& nom) { r << nom; };
    for (const QChar c : texte) {
        if (LettreAZ(c)) {
            lettres += c;
            continue;
        }
        GrouperLettres(lettres, ajouter);
        lettres.clear();
        r << SymboleSigne(c);
    }
    GrouperLettres(lettres, ajouter);
    return r;
}

void GroupeAPI(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    const GroupeLettres g = GrouperAPI(e.LettresAPI, e.PositionAPI - 1);
    e.GroupeTrouve = g.longueur > 0 ? 1 : 0;
    if (!e.GroupeTrouve) return;
    e.NomSymboleAPI = g.nom;
    e.PositionAPI += g.longueur;
}

void EcritLettresAPI(Contexte& ctx, const QString& lettres) {
    EtatProgramme& e = ctx.etat;
    e.LettresAPI = lettres;
    for (e.PositionAPI = 1; e.PositionAPI <= e.LettresAPI.size();) {
        GroupeAPI(ctx);
        if (e.GroupeTrouve) {
            DessineSymboleAPI(ctx, e.NomSymboleAPI);
            continue;
        }
        const QChar c = e.LettresAPI[e.PositionAPI - 1].toLower();
        if (LettreAPI(c)) DessineSymboleAPI(ctx, QString(c));
        ++e.PositionAPI;  // a lone "h" or "k" is passed over
    }
}

namespace {

int LargeurSymbole(const Contexte& ctx, const QString& nom) {
    return Bitmap(ctx.Fichier(QStringLiteral("_API_") + nom + QStringLiteral(".BMP"))).width();
}

// A new line before a word `largeur` pixels wide that would cross the right limit.
bool Deborde(Contexte& ctx, double largeur) {
    EtatProgramme& e = ctx.etat;
    e.LimiteDroite = LimiteDroiteVisible(ctx);
    const double fin = e.PosX + largeur;
    if (e.PosX <= e.MargeGauche || (fin <= e.LimiteDroite && (e.MargeDroite == 0 || fin <= e.MargeDroite))) return false;
    e.SautPermis = true;
    return true;
}

}  // namespace

void EcritAPI(Contexte& ctx, const QString& texte) {
    EtatProgramme& e = ctx.etat;
    auto vider = [&]() {
        if (!e.LettresEnAttente) return;
        const QString lettres = e.LettresAPI;
        // A word that would cross the right limit starts a new line.
        double largeur = 0;
        for (const QString& nom : SymbolesAPI(lettres)) largeur += LargeurSymbole(ctx, nom);
        if (Deborde(ctx, largeur)) NouvelleLigne(ctx);
        if (e.LimiteAtteinte) {
            ++e.MotsPerdus;
        } else {
            EcritLettresAPI(ctx, lettres);
            ++e.MotsEcrits;
        }
        e.LettresAPI.clear();
        e.LettresEnAttente = false;
    };
    e.LettresAPI.clear();
    e.LettresEnAttente = false;
    for (const QChar c : texte) {
        if (e.PosX <= e.MargeGauche) e.PosX = e.MargeGauche;
        if (LettreAZ(c)) {
            e.LettresAPI += c;
            e.LettresEnAttente = true;
            continue;
        }
        vider();
        DessineSymboleAPI(ctx, SymboleSigne(c));
    }
    vider();
    EffacePoints(ctx);
}

void DessineSymboleAPI(Contexte& ctx, const QString& nom) {
    EtatProgramme& e = ctx.etat;
    if (e.LimiteAtteinte) return;  // nothing is drawn past the limit
    if (e.Ecriture != e.EcriturePrecedente) {
        e.EcritureAvantLatin = e.EcriturePrecedente;
        e.EcritureNouvelle = e.Ecriture;
        ChangementEcriture(ctx);
    }
    const QImage image = Bitmap(ctx.Fichier(QStringLiteral("_API_") + nom + QStringLiteral(".BMP")));
    if (image.isNull()) return;
    if (e.PosX < e.MargeGauche) e.PosX = e.MargeGauche;
    ctx.surface.Coller(image, e.PosX, e.PosY - 21);
    e.PosX += image.width();
    e.PageEntamee = true;
    e.EcritureAvantDerniere = e.EcriturePrecedente;
    e.EcriturePrecedente = e.Ecriture;
    e.LimiteDroite = LimiteDroiteVisible(ctx);
    if (e.PosX >= e.LimiteDroite || (e.MargeDroite != 0 && e.PosX > e.MargeDroite)) NouvelleLigne(ctx);
}

void EchantillonAPI(Contexte& ctx) {
    double x = 100;
    for (const char* nom : {"blahg", "cwot", "ea", "m", "qespon", "dk"}) {
        const QImage image = Bitmap(ctx.Fichier(QStringLiteral("API/") + QLatin1String(nom) + QStringLiteral(".BMP")));
        if (image.isNull()) continue;
        ctx.surface.Coller(image, x, 200);
        x += image.width();
    }
}
