#include "config/ChargeTables.h"

#include "base/Contexte.h"
#include "base/EcritureSure.h"
#include "base/Texte8Bits.h"
#include "config/Bornes.h"
#include "config/Dossiers.h"
#include "config/LecteurChamps.h"
#include "config/Legendes.h"
#include "config/Tables.h"

#include <QFile>
#include <algorithm>
#include <optional>
#include <vector>

namespace {

bool EstCommentaire(const QString& ligne) { return ligne.startsWith(u'\''); }
bool EstRaccord(const QString& ligne) {
    return ligne.startsWith(u'+') || ligne.startsWith(u'>') || ligne.startsWith(u'<');
}

// Digit at a 1-based position: character code - 48, or nothing when the line is too short.
std::optional<int> ChiffreA(const QString& ligne, int position) {
    if (position < 1 || position > ligne.size()) return std::nullopt;
    return Code1252(ligne[position - 1]) - 48;
}

class Lecture {
public:
    explicit Lecture(const QString& texte) : champs_(texte) {}
    // Next line as it stands.
    bool Brute(QString& ligne) { return champs_.Suivant(ligne); }
    int Ligne() const { return champs_.Ligne(); }
    // Next line that is not a comment.
    bool Suivante(QString& ligne) {
        while (champs_.Suivant(ligne))
            if (!EstCommentaire(ligne)) return true;
        return false;
    }

private:
    LecteurChamps champs_;
};

void StockerRaccord(Tables& t, const QString& ligne, int slot) {
    if (slot == 0 || ligne.size() < 2) return;
    const int j = Tables::IndiceLettre(ligne[1].toLower());
    const double n = Val(ligne.mid(2));
    if (j < 0 || n < 0 || n > 3) return;
    t.TableRaccords[j][static_cast<int>(n)][slot] = ligne;
}

int NombreVariantes(const QString& entete) {
    if (entete.isEmpty() || !entete[0].isDigit() || entete[0].unicode() > u'9') return 0;
    return entete[0].unicode() - u'0';
}

// Sections 1 and 2: blocks of a header, a letter line and N variants.
// Returns false when the file ended.
bool LireSectionGlyphes(Tables& t, Lecture& lu, const QString& fin, bool avecRaccords) {
    std::optional<QString> enAttente;
    QString ligne;
    for (;;) {
        if (enAttente) {
            ligne = *enAttente;
            enAttente.reset();
        } else if (!lu.Suivante(ligne)) {
            return false;
        }
        if (ligne == fin) return true;
        const int n = NombreVariantes(ligne);
        QString lettre;
        if (!lu.Suivante(lettre)) return false;
        const int li = lettre.isEmpty() ? -1 : Tables::IndiceLettre(lettre[0]);
        if (li >= 0) t.TableGlyphes[li][0][0] = lettre;
        const int couches = avecRaccords ? 2 : 4;
        for (int k = 1; k <= n; ++k) {
            for (int c = 0; c < couches; ++c) {
                if (c == 0 && enAttente) {
                    ligne = *enAttente;
                    enAttente.reset();
                } else if (!lu.Suivante(ligne)) {
                    return false;
                }
                if (li >= 0 && k < Tables::NbFormes) t.TableGlyphes[li][k][c] = ligne;
            }
            if (!avecRaccords) continue;
            for (;;) {
                if (!lu.Brute(ligne)) return false;
                if (ligne == fin) return true;
                if (!EstRaccord(ligne)) break;
                StockerRaccord(t, ligne, li >= 0 ? Tables::SlotRaccord(lettre[0].unicode(), k) : 0);
            }
            // The line that ended the joining lines opens the next variant (a comment is skipped),
            // or, after the last variant, the next block unless it is the block's closing comment.
            if (!EstCommentaire(ligne)) enAttente = ligne;
        }
    }
}

void LireReglage(Contexte& ctx, const QString& ligne) {
    EtatProgramme& e = ctx.etat;
    Tables& t = ctx.tables;
    if (ligne.startsWith(u"BLAHG")) {
        if (auto d = ChiffreA(ligne, 7)) {
            e.Blanc = *d;
            e.LargeurBlanc = e.Blanc * e.Taille;
        }
    } else if (ligne.startsWith(u"LargTIL")) {
        if (auto d = ChiffreA(ligne, 9)) e.LargeurTIL = *d;
    } else if (ligne.startsWith(u"TILG")) {
        e.CheminTILG = ligne.mid(5);
    } else if (ligne.startsWith(u"TILD")) {
        e.CheminTILD = ligne.mid(5);
    } else if (ligne.startsWith(u"TDL")) {
        if (auto d = ChiffreA(ligne, 5)) e.ValeurTDL = *d;
    } else if (ligne.startsWith(u"Loner_EV")) {
        e.MarqueFinVelmor = ligne.mid(9);
    } else if (ligne.startsWith(u"Loner_OD")) {
        e.MarqueFinDorvane = ligne.mid(9);
    } else if (ligne.startsWith(u"FON")) {
        if (auto d = ChiffreA(ligne, 5)) {
            e.ModeSon = *d;
            if (e.ModeSon > 0) {
                ctx.FichierSon = FichierEcrit(ctx, QStringLiteral("FON.bat"));
                QString raison;
                if (!EcrireFichierSur(ctx.FichierSon, QByteArray(), &raison)) {
                    ctx.FichierSon.clear();
                    ctx.fenetre.Information(QStringLiteral("Impossible d'enregistrer :") + QChar(13) + raison);
                }
            }
        }
        AfficherLangue(ctx);
    } else if (ligne.startsWith(u"BAZ#")) {
        e.NumCouleur = Val(ligne.trimmed().right(3));
    } else if (ligne.startsWith(u"FoisDiese")) {
        e.NbFoisDiese = Val(ligne.trimmed().right(3));
    } else if (ligne.startsWith(u"YMaxi_A4")) {
        e.YMaxiA4 = Val(ligne.right(4));
    } else if (ligne.startsWith(u'¤')) {
        if (ligne.size() < 2) return;
        const int i = Code1252(ligne[1]) - 33;
        if (i >= 0 && i < Tables::NbSignes) t.TableSignes[i] = ligne.mid(2);
    } else if (ligne.startsWith(u"PAQ")) {
        // The page store holds at most 30 pages: a larger count is capped.
        e.PagesRappelables = BornePagesRappelables(Val(ligne.mid(3).trimmed()));
    }
}

// Returns false when a "FinLec" line ended the file.
bool LireAmas(Tables& t, Lecture& lu) {
    QString premiere, ligne;
    int i = 1;
    for (;;) {
        if (!lu.Suivante(premiere)) return false;
        if (premiere == u"CHIFFRES") return true;
        QString lignes[3] = {premiere};
        bool complete = true;
        for (int c = 1; c < 3; ++c) {
            if (!lu.Brute(ligne)) return false;
            if (ligne == u"FinLec") return false;
            if (EstCommentaire(ligne)) {
                complete = false;  // abandoned: the next line starts the same entry again
                break;
            }
            lignes[c] = ligne;
        }
        if (!complete) continue;
        if (i < Tables::NbAmas) {
            for (int c = 0; c < 3; ++c) t.TableAmas[i][c] = lignes[c];
            switch (premiere.size()) {
            case 7: ++t.FinAmas7; break;
            case 5:
                if (t.DebutAmas5 == 0) t.DebutAmas5 = t.FinAmas5 = t.FinAmas7 + 1;
                else ++t.FinAmas5;
                break;
            case 3:
                if (t.DebutAmas3 == 0) t.DebutAmas3 = t.FinAmas3 = t.FinAmas5 + 1;
                else ++t.FinAmas3;
                break;
            default: break;
            }
        }
        ++i;
    }
}

void LireChiffres(Tables& t, Lecture& lu) {
    QString ligne;
    while (lu.Suivante(ligne)) {
        if (ligne.isEmpty() || ligne[0] < u'0' || ligne[0] > u'9') return;
        t.Chiffres[ligne[0].unicode() - u'0'] = ligne;
    }
}

}  // namespace

int LireTablesProgramme(Contexte& ctx, const QString& texte) {
    Lecture lu(texte);
    const int coupe = qMax(1, static_cast<int>(texte.count(u'\n')));  // the file ended too soon
    if (!LireSectionGlyphes(ctx.tables, lu, QStringLiteral("SUITE1"), true)) return coupe;
    if (!LireSectionGlyphes(ctx.tables, lu, QStringLiteral("SpexawTyps"), false)) return coupe;
    QString ligne;
    for (;;) {
        if (!lu.Suivante(ligne)) return coupe;
        if (ligne == u"Impures_Multiples") break;
        LireReglage(ctx, ligne);
    }
    if (LireAmas(ctx.tables, lu)) LireChiffres(ctx.tables, lu);
    return 0;
}

void LireSuffixes(Contexte& ctx, const QString& texte) {
    Tables& t = ctx.tables;
    LecteurChamps lu(texte);
    QString ligne;
    int i = 0;
    // Whole suffixes.
    while (lu.Suivant(ligne) && ligne != u"*") {
        if (i < Tables::NbSuffixes) t.TableSuffixes[i][0] = u' ' + ligne;
        ++i;
    }
    const int entiers = i;
    QStringList radicaux, terminaisons;
    while (lu.Suivant(ligne) && ligne != u"**") radicaux << ligne;
    while (lu.Suivant(ligne) && ligne != u"***") terminaisons << ligne;

    // Stems times endings, numbered on from the whole suffixes.
    t.NombreSuffixes = qMax(0, qMin(entiers, Tables::NbSuffixes) - 1);
    for (const QString& a : radicaux) {
        for (const QString& b : terminaisons) {
            if (i >= Tables::NbSuffixes) break;
            const qsizetype pv = b.indexOf(u';');
            if (pv >= 0) {
                t.TableSuffixes[i][0] = a + b.left(pv);
                t.TableSuffixes[i][1] = u'_' + a.trimmed() + b.mid(pv + 1).trimmed();
            } else {
                t.TableSuffixes[i][0] = a + b;
                t.TableSuffixes[i][1].clear();
            }
            t.NombreSuffixes = i++;
        }
    }

    // Final order: the entries in reverse alphabetical order (case ignored), entry 0 the last.
    std::vector<QString> tri;
    for (int k = 0; k <= t.NombreSuffixes && k < i; ++k)
        tri.push_back(t.TableSuffixes[k][0] + u';' + t.TableSuffixes[k][1]);
    std::stable_sort(tri.begin(), tri.end(),
                     [](const QString& x, const QString& y) { return x.compare(y, Qt::CaseInsensitive) < 0; });
    for (int k = 0; k < static_cast<int>(tri.size()); ++k) {
        const QString& item = tri[tri.size() - 1 - k];
        const qsizetype pv = item.indexOf(u';');
        t.TableSuffixes[k][0] = item.left(pv).trimmed();
        t.TableSuffixes[k][1] = item.mid(pv + 1);
    }
}

namespace {

// The file's text; empty (`lu` false) when it cannot be read. A damaged file is said in one message.
QString LireTable(Contexte& ctx, const QString& nom, bool& lu, bool& endommage) {
    QFile f(ctx.Fichier(nom));
    lu = f.open(QIODevice::ReadOnly);
    const QByteArray octets = lu ? f.readAll() : QByteArray();
    lu = lu && f.error() == QFileDevice::NoError;
    const int ligne = LigneNonTexte(octets);
    if (ligne > 0) {
        const QString texte = Depuis1252(octets.split('\n').value(ligne - 1).trimmed());
        ctx.fenetre.Information(QStringLiteral("Erreur dans ''") + nom + QStringLiteral("'' : Ligne ") + QString::number(ligne) +
                                QStringLiteral(" : fichier endommagé : ") + Affichable(texte));
        endommage = true;
        return {};
    }
    return Depuis1252(octets);
}

}  // namespace

EtatTables ChargeTables(Contexte& ctx) {
    bool lu = false, suffixesLus = false, endommage = false;
    const QString glyphes = LireTable(ctx, QStringLiteral("APABDIDS.TXT"), lu, endommage);
    if (lu && !endommage) {
        if (const int ligne = LireTablesProgramme(ctx, glyphes)) {
            ctx.fenetre.Information(QStringLiteral("Erreur dans ''APABDIDS.TXT'' : Ligne ") + QString::number(ligne) +
                                    QStringLiteral(" : fichier endommagé : il finit avant ses dernières tables"));
            endommage = true;
        }
    }
    const QString suffixes = LireTable(ctx, QStringLiteral("Suffixes.TXT"), suffixesLus, endommage);
    if (suffixesLus) LireSuffixes(ctx, suffixes);
    return endommage ? EtatTables::Endommagees : lu ? EtatTables::Lues : EtatTables::Absentes;
}
