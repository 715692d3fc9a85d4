#include "base/Contexte.h"
#include "base/Texte8Bits.h"
#include "transcription/Dictionnaires.h"
#include "transcription/Normaliseur.h"
#include "transcription/Prononciation.h"

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString kFichierCommun = QStringLiteral("Fohms_NP.TXT");

QString FichierLangue(int langue) {
    switch (langue) {
    case 0: return QStringLiteral("Fohms_TU.TXT");
    case 1: return QStringLiteral("Fohms_FR.TXT");
    case 2: return QStringLiteral("Fohms_EN.TXT");
    default: return {};
    }
}

// Characters of the word's letter run: capitals, codes above 96, "'", backquote and "-".
bool DansLettres(QChar c) {
    return (c >= u'A' && c <= u'Z') || Code1252(c) > 96 || c == u'\'' || c == u'`' || c == u'-';
}

bool EstH(QChar c) { return c == u'h' || c == u'H'; }

// In a word that begins with a vowel and has no vowel from the first `signe` on, every `signe`
// goes to the end of the word, as one.
void RepousserEnFin(QString& w, QChar signe) {
    const qsizetype a = w.indexOf(signe);
    if (a < 1 || !EstVoyelle(w[0])) return;
    for (qsizetype i = a; i < w.size(); ++i)
        if (EstVoyelle(w[i])) return;
    w.remove(signe);
    w += signe;
}

// Every apostrophe from the first one on (unless the word begins with it) moves after the vowel
// group that follows it: a vowel, then a vowel or "h", then an "h" after that second character.
void DecalerApostrophes(QString& w) {
    const qsizetype a = w.indexOf(u'\'');
    if (a < 1) return;
    const qsizetype n = w.size();
    QString r;
    r.reserve(n);
    r += QStringView(w).left(a);
    for (qsizetype i = a; i < n;) {
        if (w[i] != u'\'') {
            r += w[i++];
            continue;
        }
        qsizetype j = i + 1;
        if (j < n && EstVoyelle(w[j])) {
            ++j;
            if (j < n && (EstVoyelle(w[j]) || EstH(w[j]))) {
                ++j;
                if (j < n && EstH(w[j])) ++j;
            }
        }
        r += QStringView(w).mid(i + 1, j - i - 1);
        r += u'\'';
        i = j;
    }
    w = r;
}

void AppliquerDictionnaires(Contexte& ctx, QString& w) {
    // The letter run is the key; what follows it is kept after the replacement.
    qsizetype fin = 0;
    while (fin < w.size() && DansLettres(w[fin])) ++fin;
    QString cle = w.left(fin);
    const QString queue = w.mid(fin);
    QString prefixe;
    qsizetype debutCle = 0;

    if (w.size() > 2 && w.startsWith(u"h'"_s, Qt::CaseInsensitive)) {
        w = u"fh'`"_s + w.mid(2);
        debutCle = 1;
    }
    if (w.size() > 3 && w.startsWith(u"fh'"_s, Qt::CaseInsensitive)) {
        prefixe = QStringLiteral("fh'");
        cle = w.mid(3);
    }
    if (w.startsWith(u'\'') || w.startsWith(u'`')) {
        prefixe.clear();
        cle = w.mid(1);
        debutCle = 0;
    }

    RepousserEnFin(w, u'\'');
    RepousserEnFin(w, u'-');
    DecalerApostrophes(w);

    const QStringView k = QStringView(cle).mid(debutCle);
    std::optional<QString> valeur;
    if (ctx.etat.ModeSon == 2) {
        valeur = ctx.dictionnaires.Chercher(ctx, kFichierCommun, k);
    } else {
        const QString fichier = FichierLangue(ctx.etat.Langue);
        if (!fichier.isEmpty()) valeur = ctx.dictionnaires.Chercher(ctx, fichier, k);
        if (!valeur) valeur = ctx.dictionnaires.Chercher(ctx, kFichierCommun, k);
    }
    if (valeur) w = prefixe + *valeur + queue;
}

// Nothing in the text that the rules below change, for a phonetic text with no word waiting.
bool Intact(const EtatProgramme& e, const QString& t) {
    if (e.Langue != 3 || !e.MotsEnAttente.isEmpty()) return false;
    if (t.size() > 1 && t.back() == u'-') return false;
    return std::none_of(t.cbegin(), t.cend(), [](QChar c) { return c == u'*' || c.unicode() == 0x2019 || c == u'`'; });
}

}  // namespace

void PrepareMot(Contexte& ctx, QString& tampon) {
    EtatProgramme& e = ctx.etat;
    if (Intact(e, tampon)) return;
    ctx.dictionnaires.NouvellePasse();
    QString w = tampon;
    w.replace(QChar(0x2019), u'\'');
    if (e.Langue != 3) AppliquerDictionnaires(ctx, w);

    if (w.size() > 4 && w.startsWith(u"fh'`"_s)) w = u"''fh"_s + w.mid(4);
    if (w.size() > 1 && w.endsWith(u'-')) w += u'k';
    if (w.contains(u'*')) {
        e.MotsEnAttente += w.replace(u'*', u'\'');
        w.clear();
    } else if (!e.MotsEnAttente.isEmpty()) {
        w.prepend(e.MotsEnAttente);
        e.MotsEnAttente.clear();
    }
    tampon = std::move(w);
}
