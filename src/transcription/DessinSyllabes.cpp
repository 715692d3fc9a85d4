#include "transcription/DessinSyllabes.h"

#include "base/Contexte.h"
#include "drawing/Dessin.h"
#include "drawing/Entrees.h"
#include "drawing/Etendue.h"
#include "drawing/Scanners.h"
#include "drawing/Signes.h"
#include "layout/LimiteDroite.h"
#include "transcription/Casse.h"
#include "transcription/Morceaux.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace {

bool Voyelle(QChar c) {
    switch (Minuscule(c).unicode()) {
    case u'a': case u'e': case u'i': case u'o': case u'u': case u'y': return true;
    default: return false;
    }
}
bool Consonne(QChar c) {
    const QChar m = Minuscule(c);
    return m >= u'a' && m <= u'z' && !Voyelle(m);
}
bool MajusculeConsonne(QChar c) { return c >= u'B' && c <= u'Z' && Consonne(c); }

// `s` equals the lower-case ASCII `minuscules` whatever its case. Only ASCII letters have ASCII
// letters as lower case or folded case, so this matches a case-insensitive comparison.
bool EgalSansCasse(QStringView s, std::u16string_view minuscules) {
    if (s.size() != qsizetype(minuscules.size())) return false;
    for (qsizetype k = 0; k < s.size(); ++k)
        if (Minuscule(s[k]).unicode() != minuscules[k]) return false;
    return true;
}

// Vowel form of a syllable by its ending; `defaut` when none applies.
int FormeVoyelle(QStringView s, int defaut) {
    if (s.size() == 3) {
        if (EgalSansCasse(s, u"yyh")) return 9;
        return EgalSansCasse(s.sliced(1), u"eh") ? 4 : defaut;
    }
    if (s.size() != 2) return defaut;
    switch (Minuscule(s[1]).unicode()) {
    case u'h': return 2;
    case u'e': return 3;
    case u'i': return 5;
    case u'o': return 6;
    case u'u': return 7;
    case u'y': return 8;
    case u'a': return 9;
    default: return defaut;
    }
}

// Form of a consonant alone (a capital head or a stack component): 1, "h" 2; "k" takes layer 3.
struct Glyphe {
    int lettre = -1;  // character code of the lower-case letter
    int forme = 1;
    int couche = 0;
    bool capitale = false;
    bool consonne = false;
};

// The code that gives a glyph its multicolour colour: its vowel form.
QString CodeCouleur(const Glyphe& g) { return QString(QChar(u'0' + g.forme)); }

Glyphe ConsonneSeule(QStringView s) {
    Glyphe g;
    g.lettre = Minuscule(s[0]).unicode();
    g.consonne = true;
    if (s.size() == 2 && Minuscule(s[1]) == u'h') g.forme = 2;
    if (s.size() == 2 && Minuscule(s[1]) == u'k') g.couche = 3;
    return g;
}

bool EstConsonneSeule(QStringView s) {
    return !s.isEmpty() && Consonne(s[0]) &&
           (s.size() == 1 || (s.size() == 2 && (Minuscule(s[1]) == u'h' || Minuscule(s[1]) == u'k')));
}

Glyphe IdentifierSyllabe(QStringView s);

// A capital consonant heads a stack: alone (or with "h" or "k") it is the bare consonant, with a
// vowel it is the consonant and its vowel, as in lower case.
Glyphe Identifier(QStringView s) {
    if (!MajusculeConsonne(s[0])) return IdentifierSyllabe(s);
    Glyphe g = s.size() >= 2 && Voyelle(s[1]) ? IdentifierSyllabe(s) : ConsonneSeule(s.size() >= 2 ? s.first(2) : s.first(1));
    g.capitale = true;
    return g;
}

Glyphe IdentifierSyllabe(QStringView s) {
    Glyphe g;
    if (EgalSansCasse(s, u"yyh")) {
        g.lettre = u'y';
        g.forme = 9;
        return g;
    }
    g.lettre = Minuscule(s[0]).unicode();
    g.consonne = Consonne(s[0]);
    if (g.consonne && s.size() >= 2 && (s[1] == u'h' || s[1] == u'k')) {
        if (s.size() == 2) {
            if (s[1] == u'h') g.forme = 2;
            else g.couche = 3;
            return g;
        }
        g.couche = s[1] == u'h' ? 2 : 3;
        // The form of the consonant with its vowels, the modifier left out.
        QChar sans[4] = {s[0], s.size() > 2 ? s[2] : QChar(), s.size() > 3 ? s[3] : QChar(), QChar()};
        g.forme = s.size() <= 4 ? FormeVoyelle(QStringView(sans, s.size() - 1), 1) : 1;
        return g;
    }
    g.forme = FormeVoyelle(s, 1);
    return g;
}

// Phase codes, shared so that setting one costs no allocation.
const QString kPhaseB = QStringLiteral("B"), kPhaseEC = QStringLiteral("EC"), kPhaseI5 = QStringLiteral("I5"),
              kPhaseD6 = QStringLiteral("D6"), kPhaseG1 = QStringLiteral("G1");

void ChangerPhase(EtatProgramme& e, const QString& phase) {
    e.PhaseDessinPrecedente.swap(e.PhaseDessin);
    e.PhaseDessin = QString(phase);
}

class Dessinateur {
public:
    Dessinateur(Contexte& ctx, std::span<const QStringView> syllabes) : ctx_(ctx), e_(ctx.etat), syllabes_(syllabes) {}

    int Mot() {
        if (e_.PositionImposee) {
            e_.PosX = e_.XRepos;
            e_.PosY = e_.YRepos;
        }
        for (i_ = 0; i_ < std::ssize(syllabes_); ++i_) Syllabe();
        e_.PositionImposee = false;
        return dessines_;
    }

private:
    // One syllable: its glyph, the right-edge prediction, the marks, the glyph and its stack,
    // then the second path with its join.
    void Syllabe() {
        e_.XDebutMot = e_.PosX;
        e_.YLigne = e_.PosY;
        e_.DecalageY = 0;
        QStringView s = syllabes_[i_];
        FixerTouche(s);
        if (std::all_of(s.begin(), s.end(), [](QChar c) { return c.isSpace(); })) {
            ctx_.fenetre.Information(QStringLiteral("Caractère vide dans ") + e_.TextePointe);
            return;
        }
        if (s.startsWith(u'=')) {
            s = s.sliced(1);
            e_.SyllabeLiee = true;
        }
        if (s.endsWith(u'_')) {
            s.chop(1);
            e_.SyllabeFinale = true;
        }
        if (s.isEmpty()) return;
        const Glyphe g = Identifier(s);
        if (g.lettre < 97 || g.lettre >= 97 + Tables::NbLettres) return;
        const QString& entree = EntreeGlyphe(ctx_.tables, g.lettre, g.forme, g.couche);
        if (entree.isEmpty()) {
            Manquant(s, g.capitale);
            return;
        }
        Metriques(g, entree);
        PredireBordDroit(entree);
        Marques(entree);
        Tracer(g, entree, Composantes(g));
        SecondChemin(g);
        e_.PosY = e_.YLigne;
        precedent_ = g;
        ++dessines_;
    }

    // The syllable being drawn, copied into the state's own buffer.
    void FixerTouche(QStringView s) {
        if (e_.Touche.size() != s.size()) e_.Touche.resize(s.size());
        std::copy(s.begin(), s.end(), e_.Touche.data());
    }

    void Manquant(QStringView s, bool capitale) {
        const QString ligne = QStringLiteral("Le caractère ''") + s.toString().toLower() + QStringLiteral("'' n'existe pas en Velmor...");
        if (capitale)
            ctx_.fenetre.Information(ligne);
        else
            e_.MessagesManquants += u'\n' + ligne;
    }

    void Metriques(const Glyphe& g, const QString& entree) {
        const int t = e_.Taille;
        e_.XAttache = e_.PosX + t * ChiffreEntree(entree, 5);
        e_.LargeurGlyphe = t * ChiffreEntree(entree, 1);
        e_.DecalageY = t * ChiffreEntree(entree, 15);
        e_.PosY = e_.YLigne + e_.DecalageY;
        e_.LettreComposee = g.lettre;
        e_.FormeComposee = g.forme;
    }

    // Places the glyph after the ink of the line and decides whether it still fits.
    void PredireBordDroit(const QString& entree) {
        const int t = e_.Taille;
        const double avant = e_.PosX;
        e_.XDebutMot = e_.PosX;
        ScanFinTexte(ctx_, Bande::Cellule);
        if (e_.AvanceGlyphe > 0) {
            if (e_.PosX > e_.MargeGauche) e_.PosX += e_.AvanceGlyphe;
        } else if (e_.PosX > e_.MargeGauche) {
            e_.PosX += e_.LargeurBlanc;
        } else {
            e_.PosX = e_.MargeGauche;
            e_.AvanceGlyphe = 0;
        }
        // The first glyph of a word keeps the word space put before it.
        if (dessines_ == 0 && avant > e_.PosX) e_.PosX = avant;
        if (!e_.PointCurseurPose) e_.XDebutMot = e_.PosX;
        const double o3 = t * ChiffreEntree(entree, 3);
        double r = e_.PosX;
        e_.LimiteDroite = LimiteDroiteVisible(ctx_);  // the same before and after the marks
        const auto depasse = [&](double x) {
            return x >= e_.LimiteDroite || (e_.MargeDroite != 0 && x > e_.MargeDroite);
        };
        if (depasse(r)) {
            e_.SautPermis = true;
        } else if (e_.MarqueDroitePrevue && e_.PosX > e_.MargeGauche) {
            e_.PosX = qMax(e_.PosX - e_.LargeurBlanc / 2, e_.MargeGauche);
        }
        if (SansPartie(entree, 4)) {
            e_.MarqueDroitePrevue = false;
            return;
        }
        const double o4 = t * ChiffreEntree(entree, 4);
        if (e_.PosX <= e_.MargeGauche)
            r = e_.MargeGauche;
        else if (SansPartie(entree, 3))
            r = e_.PosX + o4 + t * e_.LargeurTIL;
        else
            r = e_.XDebutMot - o3 + o4 + 2.0 * t * e_.LargeurTIL;
        if (r < e_.PosX + e_.LargeurGlyphe) {
            if (e_.PosX > e_.MargeGauche) {
                r = e_.PosX + e_.LargeurGlyphe;
                e_.MarqueDroitePrevue = false;
            } else {
                r = e_.MargeGauche;
            }
        } else {
            e_.MarqueDroitePrevue = true;
        }
        if (depasse(r)) e_.SautPermis = true;
    }

    // The stress mark, the left mark and the right mark around the glyph.
    void Marques(const QString& entree) {
        const int t = e_.Taille;
        e_.XTrace = e_.PosX;
        ChangerPhase(e_, kPhaseI5);
        if (SansPartie(entree, 3)) {
            if (e_.FormeSigne == 1) {
                e_.FormeSigne = 2;
                DessineSigne(ctx_);
                e_.XTrace = e_.PosX;
            }
            // The glyph stands where the prediction put the cursor: its stack hangs from there.
            e_.XAttache = e_.PosX + t * ChiffreEntree(entree, 5);
        } else {
            const double o3 = t * ChiffreEntree(entree, 3);
            if (e_.FormeSigne == 1) Accent(entree);
            if (e_.PointCurseurPose) {
                e_.PosX = e_.XDebutMot - e_.LargeurBlanc;
                if (e_.PosX == e_.MargeGauche) {
                    EspaceMot(ctx_);
                    e_.PosX = e_.XFinGlyphe + e_.LargeurBlanc;
                }
            }
            double x = e_.PosX, y = e_.YLigne - e_.HauteurCaractere / 2;
            Dessin(ctx_, e_.CheminTILG, x, y, 1, e_.CouleurTexte, QString());
            e_.PosX = e_.PosX + t * e_.LargeurTIL - o3;
            e_.XAttache = e_.PosX + t * ChiffreEntree(entree, 5);
            e_.XTrace = e_.PosX;
        }
        ChangerPhase(e_, kPhaseD6);
        if (!SansPartie(entree, 4)) {
            double x = e_.PosX + t * ChiffreEntree(entree, 4), y = e_.YLigne - e_.HauteurCaractere / 2;
            Dessin(ctx_, e_.CheminTILD, x, y, 1, e_.CouleurTexte, QString());
        }
        ChangerPhase(e_, kPhaseG1);
        e_.FormeSigne = 0;
        e_.AvanceGlyphe = 0;
    }

    // The stress mark of a word that follows an "!A" or "!M" sign.
    void Accent(const QString& entree) {
        double o = 0;
        if (SansPartie(entree, 32)) {
            if (e_.PosX > e_.MargeGauche) {
                ScanFinTexte(ctx_, Bande::Pleine);
                o = -e_.LargeurBlanc;
            }
        } else if (e_.PosX != e_.MargeGauche) {
            o = e_.Taille * ChiffreEntree(entree, 32) + e_.ProfondeurRelief;
        }
        const QString& signe = ctx_.tables.TableSignes[63];
        double x = e_.PosX + o, y = e_.YLigne;
        if (!signe.isEmpty()) Dessin(ctx_, signe, x, y, 2, e_.CouleurTexte, QString());
        e_.FormeSigne = 0;
    }

    // A capital consonant takes the bare consonants that follow it as its stack components.
    QList<QStringView> Composantes(const Glyphe& g) {
        QList<QStringView> composantes;
        if (!g.capitale) return composantes;
        while (i_ + 1 < std::ssize(syllabes_) && EstConsonneSeule(syllabes_[i_ + 1])) composantes << syllabes_[++i_];
        return composantes;
    }

    // The glyph at the pen, then its stack: each component (or known cluster) hangs under the one
    // before, its top two size units, its step digit and the relief depth below the lowest ink of
    // the one above, as measured on their paths. A run of components that is a cluster of
    // TableAmas is drawn as the cluster's one path.
    void Tracer(const Glyphe& g, const QString& entree, const QList<QStringView>& composantes) {
        const int t = e_.Taille;
        if (composantes.isEmpty()) {
            ChangerPhase(e_, kPhaseB);
            double x = e_.XTrace, y = e_.PosY;
            if (!entree.contains(u'*')) Dessin(ctx_, entree, x, y, 2, e_.CouleurTexte, CodeCouleur(g));
            return;
        }
        QStringList pile = {QString(QChar(g.lettre))};
        for (const QStringView c : composantes) pile << Minuscules(c);
        ChangerPhase(e_, composantes.isEmpty() ? kPhaseB : kPhaseEC);
        double bas = e_.PosY;  // lowest ink of the stack so far
        for (int c = 0; c < pile.size();) {
            QString chemin;
            int nombre = 1, pas = 0;
            if (pile.size() > 1)
                for (int n = 4; n >= 2 && chemin.isEmpty(); --n)
                    if (auto amas = Amas(pile, c, n)) {
                        chemin = *amas;
                        nombre = n;
                    }
            if (chemin.isEmpty() && c == 0) chemin = entree;
            if (chemin.isEmpty()) {
                const Glyphe comp = ConsonneSeule(pile[c]);
                chemin = EntreeGlyphe(ctx_.tables, comp.lettre, comp.forme, comp.couche);
                if (chemin.isEmpty()) {
                    Manquant(pile[c], false);
                    ++c;
                    continue;
                }
                pas = qMax(0, ChiffreEntree(chemin, 13) - 1);
            }
            const EtendueChemin etendue = pile.size() > 1 ? Etendue(chemin, 2, t) : EtendueChemin();
            double x = e_.XTrace, y = e_.PosY;
            if (c > 0) {
                x = e_.XAttache;
                y = bas + 2 * t + pas + e_.ProfondeurRelief - etendue.haut;
            }
            if (!chemin.contains(u'*')) Dessin(ctx_, chemin, x, y, 2, e_.CouleurTexte, CodeCouleur(g));
            bas = qMax(bas, y + etendue.bas);
            if (c > 0 || nombre > 1) e_.TigeInterdite = true;
            c += nombre;
        }
    }

    // A run of `nombre` components from `debut` that is a known cluster: line 1 of its row.
    // The longest clusters are searched first, each compared from its last component backwards.
    std::optional<QString> Amas(const QStringList& pile, int debut, int nombre) const {
        const Tables& t = ctx_.tables;
        if (debut + nombre > pile.size()) return std::nullopt;
        int premier = 1, dernier = 0;
        if (nombre == 4) dernier = t.FinAmas7;
        if (nombre == 3) premier = t.DebutAmas5, dernier = t.FinAmas5;
        if (nombre == 2) premier = t.DebutAmas3, dernier = t.FinAmas3;
        for (int r = qMax(premier, 1); r <= dernier && r < Tables::NbAmas; ++r) {
            const QStringList parts = t.TableAmas[r][0].split(u'.');
            if (parts.size() != nombre || t.TableAmas[r][1].trimmed().isEmpty()) continue;
            bool egal = true;
            for (int k = nombre - 1; k >= 0 && egal; --k)
                egal = parts[k].compare(pile[debut + k], Qt::CaseInsensitive) == 0;
            if (egal) return t.TableAmas[r][1];
        }
        return std::nullopt;
    }

    // The second path (vowel marks), or the joining line that replaces it after a vowel glyph.
    void SecondChemin(const Glyphe& g) {
        const QString* second = &EntreeGlyphe(ctx_.tables, g.lettre, g.forme, 1);
        if (g.consonne && g.forme <= 3 && precedent_ && !precedent_->consonne) {
            const int slot = Tables::SlotRaccord(static_cast<char16_t>(precedent_->lettre), precedent_->forme);
            const int j = g.lettre - 97;
            const QString& ligne = slot ? ctx_.tables.TableRaccords[j][g.forme][slot] : QString();
            if (ligne.size() >= 4 && Minuscule(ligne[1]).unicode() == g.lettre &&
                ligne[2].unicode() == u'0' + g.forme) {
                // The join is the line from its fifth character, copied into a reused buffer.
                raccord_.resize(0);
                raccord_.append(QStringView(ligne).sliced(4));
                second = &raccord_;
            }
        }
        if (second->isEmpty()) return;
        double x = e_.PosX, y = e_.PosY;
        Dessin(ctx_, *second, x, y, 1, e_.CouleurTexte, CodeCouleur(g));
    }

    Contexte& ctx_;
    EtatProgramme& e_;
    std::span<const QStringView> syllabes_;
    qsizetype i_ = 0;
    int dessines_ = 0;
    std::optional<Glyphe> precedent_;
    QString raccord_;
};

}  // namespace

namespace {

// A consonant (with its "h" or "k") followed by a vowel group of more than one letter that is not
// "eh": where the consonant ends, or 0 when the syllable stays whole.
qsizetype FinConsonneDecomposee(QStringView s) {
    const qsizetype debut = s.startsWith(u'=') ? 1 : 0;
    if (s.size() <= debut || !Consonne(s[debut]) || MajusculeConsonne(s[debut])) return 0;
    qsizetype n = debut + 1;
    if (n < s.size() && (s[n] == u'h' || s[n] == u'k') && n + 1 < s.size() && Voyelle(s[n + 1])) ++n;
    QStringView groupe = s.mid(n);
    if (groupe.endsWith(u'_')) groupe.chop(1);  // the group keeps its final mark
    const bool simple = groupe.size() <= 1 || groupe == u"eh";
    bool voyelles = !groupe.isEmpty();
    for (QChar c : groupe) voyelles = voyelles && (Voyelle(c) || c == u'h');
    return !simple && voyelles && Voyelle(groupe[0]) ? n : 0;
}

void Decomposer(std::span<const QStringView> syllabes, Morceaux& r) {
    if (!r.isEmpty()) r.clear();
    for (const QStringView s : syllabes) {
        if (const qsizetype n = FinConsonneDecomposee(s)) {
            r.append(s.first(n));
            r.append(s.sliced(n));
        } else {
            r.append(s);
        }
    }
}

Morceaux Vues(const QStringList& syllabes) {
    Morceaux r;
    for (const QString& s : syllabes) r.append(s);
    return r;
}

}  // namespace

QStringList DecomposerSyllabes(const QStringList& syllabes) {
    const Morceaux vues = Vues(syllabes);
    Morceaux decomposees;
    Decomposer(vues, decomposees);
    QStringList r;
    for (const QStringView s : decomposees) r << s.toString();
    return r;
}

int DessinerSyllabes(Contexte& ctx, const QStringList& syllabes) {
    const Morceaux vues = Vues(syllabes);
    return DessinerSyllabes(ctx, vues);
}

int DessinerSyllabes(Contexte& ctx, std::span<const QStringView> syllabes) {
    Morceaux decomposees;
    Decomposer(syllabes, decomposees);
    return Dessinateur(ctx, decomposees).Mot();
}

double LargeurSyllabes(const Contexte& ctx, std::span<const QStringView> syllabes) {
    const EtatProgramme& e = ctx.etat;
    const int t = e.Taille;
    Morceaux morceaux;
    Decomposer(syllabes, morceaux);
    double l = 0;
    bool pile = false;  // after a capital: its bare consonants are its components
    for (QStringView s : morceaux) {
        if (s.startsWith(u'=')) s = s.sliced(1);
        if (s.endsWith(u'_')) s.chop(1);
        if (s.isEmpty() || std::all_of(s.begin(), s.end(), [](QChar c) { return c.isSpace(); })) continue;
        if (pile && EstConsonneSeule(s)) continue;
        const Glyphe g = Identifier(s);
        pile = g.capitale;
        if (g.lettre < 97 || g.lettre >= 97 + Tables::NbLettres) continue;
        const QString& entree = EntreeGlyphe(ctx.tables, g.lettre, g.forme, g.couche);
        if (entree.isEmpty()) continue;
        double largeur = t * ChiffreEntree(entree, 1);
        if (!SansPartie(entree, 4)) {
            const double o4 = t * ChiffreEntree(entree, 4);
            largeur = qMax(largeur, SansPartie(entree, 3) ? o4 + t * e.LargeurTIL
                                                           : o4 - t * ChiffreEntree(entree, 3) + 2.0 * t * e.LargeurTIL);
        }
        l += e.LargeurBlanc + largeur;
    }
    return l;
}
