#include "drawing/Specimen.h"

#include "base/Contexte.h"
#include "config/Tables.h"
#include "drawing/Dessin.h"

#include <QFont>
#include <QHash>
#include <algorithm>
#include <functional>

namespace {

constexpr char kVoyelles[] = "aeiouy";
constexpr char kConsonnes[] = "bcdfghjklmnpqrstvwxz";

constexpr Couleur kGris = 0x808080;
constexpr Couleur kEncre = 0;

const char* const kSuffixes[] = {"", "", "h", "e", "eh", "i", "o", "u", "y", "a"};

bool SansPartie(const QString& e, int position) { return e.size() < position || e[position - 1] == u'°'; }
int Chiffre(const QString& e, int position) { return e.size() < position ? 0 : e[position - 1].unicode() - u'0'; }

// A context of its own over a picture of its own, with the tables and settings of `source`.
struct Atelier {
    Atelier(const Contexte& source, int largeur, int hauteur)
        : surface(largeur, hauteur), ctx(surface, source.fenetre, source.horloge, source.dossier, source.Parties()) {
        ctx.crochets = source.crochets;
        ctx.etat = source.etat;
        ctx.etat.CouleurFond = surface.CouleurFond();
        ctx.etat.TexteMulticolore = false;
        ctx.etat.ModeRecherche = false;
        ctx.etat.LimiteAtteinte = false;
        ctx.etat.RythmeColler = 0;
        ctx.etat.MargeGauche = 0;
        QFont police(QStringLiteral("DejaVu Sans"));
        police.setPixelSize(9);
        surface.FixerPolice(police);
    }
    void Regler(int taille, int ecriture, bool relief) {
        EtatProgramme& e = ctx.etat;
        e.Taille = taille;
        e.HauteurCaractere = 12 * taille;
        e.Ecriture = static_cast<int16_t>(ecriture);
        e.EcriturePrecedente = e.EcritureAvantDerniere = ecriture;
        e.Relief = relief;
        e.TigeInterdite = false;
    }
    void Texte(const QString& t, double x, double y) {
        surface.FixerCouleurTrait(kGris);
        surface.FixerPositionTexte(x, y);
        surface.ImprimerTexte(t);
    }
    void Chemin(const QString& chemin, double x, double y, int premier) {
        if (!chemin.isEmpty()) Dessin(ctx, chemin, x, y, premier, kEncre, QString());
    }
    Surface surface;
    Contexte ctx;
};

struct Article {
    QString etiquette;
    int largeur;  // size units
    std::function<void(Atelier&, double x, double ligne)> dessiner;
};

// The items after the glyph grid: clusters, digits, signs, marks.
std::vector<Article> Articles(const Contexte& ctx) {
    std::vector<Article> a;
    const Tables& t = ctx.tables;
    for (int i = 1; i < Tables::NbAmas; ++i) {
        const QString& c = t.TableAmas[i][0];
        if (c.isEmpty() || t.TableAmas[i][1].trimmed().isEmpty()) continue;
        a.push_back({c, 8 * static_cast<int>((c.size() + 1) / 2) + 1, [i](Atelier& at, double x, double l) {
                         at.Chemin(at.ctx.tables.TableAmas[i][1], x, l, 2);
                     }});
    }
    for (int d = 0; d <= 9; ++d) {
        a.push_back({QString::number(d), 7, [d](Atelier& at, double x, double l) {
                         const QString& c = at.ctx.tables.Chiffres[d];
                         const int t = at.ctx.etat.Taille;
                         at.Chemin(c, x, l + t * Chiffre(c, 14) - 5 * t, 15);
                     }});
    }
    for (int i = 0; i < Tables::NbSignes; ++i) {
        if (t.TableSignes[i].isEmpty()) continue;
        const QChar c = QChar::fromLatin1(static_cast<char>(i + 33));
        a.push_back({QString(c), 10, [i](Atelier& at, double x, double l) {
                         at.Chemin(at.ctx.tables.TableSignes[i], x, l, 2);
                     }});
    }
    a.push_back({QStringLiteral("fin"), 6, [](Atelier& at, double x, double l) {
                     const EtatProgramme& e = at.ctx.etat;
                     at.Chemin(e.Ecriture == Ecritures::Dorvane ? e.MarqueFinDorvane : e.MarqueFinVelmor, x + 3 * e.Taille,
                               l - e.HauteurCaractere, 1);
                 }});
    return a;
}

struct Mesures {
    int taille;
    int colonne, rangee, largeur, hauteur;
};

Mesures Mesurer(int taille, int nbArticles, const std::vector<Article>& articles) {
    Mesures m{taille, std::max(14 * taille + 8, 30), 15 * taille + 14, 0, 0};
    m.largeur = 9 * m.colonne + 20;
    int lignes = 1, x = 0;
    for (int i = 0; i < nbArticles; ++i) {
        const int w = std::max(articles[i].largeur * taille + 8, 30);
        if (x + w > m.largeur - 20) ++lignes, x = 0;
        x += w;
    }
    m.hauteur = 20 + (static_cast<int>(RangeesSpecimen().size()) + lignes) * m.rangee + 10;
    return m;
}

void Panneau(Atelier& at, const PanneauSpecimen& p, const Mesures& m, const std::vector<Article>& articles, int x0,
             int y0) {
    at.Regler(p.taille, p.ecriture, p.relief);
    at.Texte(QStringLiteral("%1, taille %2, %3")
                 .arg(p.ecriture == Ecritures::Dorvane ? QStringLiteral("Dorvane") : QStringLiteral("Velmor"))
                 .arg(p.taille)
                 .arg(p.relief ? QStringLiteral("relief") : QStringLiteral("sans relief")),
             x0 + 4, y0 + 2);
    const int t = p.taille;
    int y = y0 + 20;
    for (const RangeeSpecimen& r : RangeesSpecimen()) {
        const double ligne = y + 12 * t + 2;
        for (int forme = 1; forme <= 9; ++forme) {
            const int x = x0 + 10 + (forme - 1) * m.colonne;
            if (DessinerGlypheTable(at.ctx, r.lettre, forme, r.couche, x + 2 * t, ligne))
                at.Texte(SyllabeDeForme(r.lettre, forme, r.couche), x, ligne + 3 * t + 1);
        }
        y += m.rangee;
    }
    int x = x0 + 10;
    for (const Article& a : articles) {
        const int w = std::max(a.largeur * t + 8, 30);
        if (x + w > x0 + m.largeur - 10) x = x0 + 10, y += m.rangee;
        const double ligne = y + 12 * t + 2;
        a.dessiner(at, x + 2 * t, ligne);
        at.Texte(a.etiquette, x, ligne + 3 * t + 1);
        x += w;
    }
}

}  // namespace

std::vector<RangeeSpecimen> RangeesSpecimen() {
    std::vector<RangeeSpecimen> r;
    for (const char* v = kVoyelles; *v; ++v) r.push_back({*v, 0});
    for (const char* c = kConsonnes; *c; ++c)
        for (int couche : {0, 2, 3}) r.push_back({*c, couche});
    r.push_back({'{', 0});
    r.push_back({'|', 0});
    return r;
}

QString SyllabeDeForme(char lettre, int forme, int couche) {
    if (forme < 1 || forme > 9) return {};
    const QString tete = QChar::fromLatin1(lettre) + QString::fromLatin1(couche == 2 ? "h" : couche == 3 ? "k" : "");
    return tete + QString::fromLatin1(kSuffixes[forme]);
}

bool DessinerGlypheTable(Contexte& ctx, char lettre, int forme, int couche, double x, double ligne) {
    const int k = Tables::IndiceLettre(QChar::fromLatin1(lettre));
    if (k < 0 || forme < 0 || forme >= Tables::NbFormes || couche < 0 || couche >= Tables::NbCouches) return false;
    const QString& e = ctx.tables.TableGlyphes[k][forme][couche];
    if (e.isEmpty()) return false;
    EtatProgramme& s = ctx.etat;
    const int t = s.Taille;
    double gx = x, my = ligne - s.HauteurCaractere / 2;
    if (!SansPartie(e, 3)) {
        double mx = gx;
        Dessin(ctx, s.CheminTILG, mx, my, 1, kEncre, QString());
        gx += t * s.LargeurTIL - t * Chiffre(e, 3);
    }
    double y = ligne;
    Dessin(ctx, e, gx, y, 2, kEncre, QString());
    if (!SansPartie(e, 4)) {
        double mx = gx + t * Chiffre(e, 4);
        Dessin(ctx, s.CheminTILD, mx, my, 1, kEncre, QString());
    }
    const QString& second = ctx.tables.TableGlyphes[k][forme][1];
    if (!second.isEmpty()) Dessin(ctx, second, gx, y, 1, kEncre, QString());
    return true;
}

QImage Specimen(Contexte& ctx, const std::vector<PanneauSpecimen>& panneaux) {
    const std::vector<Article> articles = Articles(ctx);
    const int n = static_cast<int>(articles.size());
    // Panels of one size side by side, sizes one under the other.
    std::vector<int> tailles;
    for (const auto& p : panneaux)
        if (std::find(tailles.begin(), tailles.end(), p.taille) == tailles.end()) tailles.push_back(p.taille);
    int largeur = 0, hauteur = 0;
    for (int t : tailles) {
        const Mesures m = Mesurer(t, n, articles);
        const auto c = std::count_if(panneaux.begin(), panneaux.end(), [t](const auto& p) { return p.taille == t; });
        largeur = std::max(largeur, static_cast<int>(c) * m.largeur);
        hauteur += m.hauteur;
    }
    Atelier at(ctx, std::max(largeur, 1), std::max(hauteur, 1));
    int y = 0;
    for (int t : tailles) {
        const Mesures m = Mesurer(t, n, articles);
        int x = 0;
        for (const auto& p : panneaux) {
            if (p.taille != t) continue;
            Panneau(at, p, m, articles, x, y);
            x += m.largeur;
        }
        y += m.hauteur;
    }
    return at.surface.Image();
}

QStringList GlyphesIdentiques(Contexte& ctx, int* nombre) {
    Atelier at(ctx, 60, 40);
    at.Regler(1, 0, false);
    QHash<QByteArray, QStringList> vus;
    QList<QByteArray> ordre;
    int total = 0;
    for (const RangeeSpecimen& r : RangeesSpecimen()) {
        for (int forme = 1; forme <= 9; ++forme) {
            at.surface.Effacer();
            if (!DessinerGlypheTable(at.ctx, r.lettre, forme, r.couche, 20, 30)) continue;
            ++total;
            const QImage& image = at.surface.Vue();
            const QByteArray cle(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
            if (!vus.contains(cle)) ordre << cle;
            vus[cle] << SyllabeDeForme(r.lettre, forme, r.couche);
        }
    }
    if (nombre) *nombre = total;
    QStringList groupes;
    for (const QByteArray& cle : ordre)
        if (vus[cle].size() > 1) groupes << vus[cle].join(QStringLiteral(" = "));
    return groupes;
}
