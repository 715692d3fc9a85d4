#include "base/Contexte.h"
#include "base/Texte8Bits.h"
#include "transcription/Dictionnaires.h"
#include "transcription/Normaliseur.h"
#include "transcription/Prononciation.h"

#include <algorithm>
#include <functional>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString kFichierCommun = QStringLiteral("Fohms_NP.TXT");

QString FichierLangue(int langue) {
    switch (langue) {
    case Langues::Tumeli: return QStringLiteral("Fohms_TU.TXT");
    case Langues::Francais: return QStringLiteral("Fohms_FR.TXT");
    case Langues::Anglais: return QStringLiteral("Fohms_EN.TXT");
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

// `ancienne`: `k` is an h-word's old key "ph...": only the files keyed the old way answer (the
// reader's files key h-words under their own spelling).
std::optional<QString> Chercher(Contexte& ctx, QStringView k, bool ancienne = false) {
    if (ctx.etat.ModeSon == 2) return ctx.dictionnaires.Chercher(ctx, kFichierCommun, k, ancienne);
    if (ctx.crochets.ConsulterLus && !ancienne)
        if (auto v = ctx.crochets.ConsulterLus(ctx, k)) return v;
    const QString fichier = FichierLangue(ctx.etat.Langue);
    std::optional<QString> valeur;
    if (!fichier.isEmpty()) valeur = ctx.dictionnaires.Chercher(ctx, fichier, k, ancienne);
    if (!valeur) valeur = ctx.dictionnaires.Chercher(ctx, kFichierCommun, k, ancienne);
    return valeur;
}

bool VoyelleEpelee(QChar c) { return QStringView(u"aeiouy").contains(c); }

// Spoken French elided prefixes.
// Elided prefixes read in one key at most ("qu'il l'a" is three words; "jusqu'à l'" is two).
constexpr int kElisionsMax = 8;

std::optional<QString> Elision(QStringView p) {
    static const std::pair<const char16_t*, const char16_t*> kPrefixes[] = {
        {u"l", u"l"},         {u"d", u"d"},         {u"j", u"zh"},         {u"m", u"m"},
        {u"n", u"n"},         {u"s", u"s"},         {u"t", u"t"},          {u"c", u"s"},
        {u"qu", u"c"},        {u"jusqu", u"zhysc"}, {u"lorsqu", u"lohrsc"}, {u"puisqu", u"pyisc"},
        {u"quoiqu", u"coac"},
    };
    for (const auto& [ecrit, dit] : kPrefixes)
        if (p.compare(QStringView(ecrit), Qt::CaseInsensitive) == 0) return QString::fromUtf16(dit);
    return std::nullopt;
}

// The parts' spellings joined: the stress mark of the last part that has one is kept; a French
// last part without one (one vowel group) takes it after its vowel group.
QString Joindre(const QStringList& parties, int langue) {
    qsizetype marque = -1;
    QString r;
    for (const QString& p : parties) {
        const qsizetype m = p.lastIndexOf(u'\'');
        if (m >= 0) marque = r.size() + m - p.left(m).count(u'\'');
        QString sans = p;
        sans.remove(u'\'');
        r += sans;
    }
    const QString& derniere = parties.back();
    if (langue == Langues::Francais && !derniere.contains(u'\'') && parties.size() > 1) {
        qsizetype i = r.size() - 1;
        while (i >= r.size() - derniere.size() && i >= 0 && !VoyelleEpelee(r[i])) --i;
        if (i >= r.size() - derniere.size() && i >= 0) marque = i + 1 + (i + 1 < r.size() && r[i + 1] == u'h');
    }
    if (marque >= 0) r.insert(marque, u'\'');
    return r;
}

// "'s" after a spelling: /s/ after a voiceless consonant, /ɪz/ after a sibilant, /z/ elsewhere.
QString Possessif(const QString& v) {
    QString b = v;
    while (b.endsWith(u'\'')) b.chop(1);
    for (const char16_t* s : {u"sh", u"zh", u"tk", u"dk", u"s", u"z"})
        if (b.endsWith(QStringView(s))) return v + u"ihz"_s;
    for (const char16_t* s : {u"th", u"p", u"t", u"c", u"f"})
        if (b.endsWith(QStringView(s)) && !b.endsWith(u"dh")) return v + u's';
    return v + u'z';
}

}  // namespace

std::optional<QString> ChercherCle(QStringView cle, bool h, int langue,
                                   const std::function<std::optional<QString>(QStringView)>& chercher) {
    auto entier = [&](QStringView k, bool hk) -> std::optional<QString> {
        std::optional<QString> v;
        if (hk && k.size() >= 2 && k.startsWith(u"ph", Qt::CaseInsensitive)) v = chercher(QString(u'h') + k.mid(2).toString());
        if (!v) v = chercher(k);
        if (!v && k.size() > 1 && EstH(k[0])) v = chercher(u"ph"_s + k.mid(1).toString());
        return v;
    };
    if (langue != Langues::Francais && langue != Langues::Anglais) return chercher(cle);
    auto utile = [](const std::optional<QString>& v) { return v && !v->contains(u'*') && !v->isEmpty(); };

    // A French elided key is read a prefix at a time ("qu'", "l'"), in a loop: the rest after the
    // prefixes read so far is a key again. Real words have a few; a longer chain is no word.
    QString prefixes;
    int elisions = 0;
    // What the rest read as gives for the whole key: itself alone, or, after prefixes, when useful.
    auto resultat = [&](std::optional<QString> v) -> std::optional<QString> {
        if (elisions == 0) return v;
        return utile(v) ? std::optional<QString>(prefixes + *v) : std::nullopt;
    };
    for (;; ++elisions, h = false) {
        if (auto v = entier(cle, h)) return resultat(std::move(v));
        const qsizetype a = cle.indexOf(u'\'');
        if (langue != Langues::Francais || a <= 0 || a + 1 >= cle.size()) break;
        const auto p = Elision(cle.left(a));
        if (!p || elisions == kElisionsMax) return std::nullopt;
        prefixes += *p;
        cle = cle.mid(a + 1);
    }

    const qsizetype a = cle.indexOf(u'\'');
    if (langue == Langues::Anglais && a > 1 && a + 1 == cle.size() && (cle[a - 1] == u's' || cle[a - 1] == u'S')) {
        const auto v = ChercherCle(cle.left(a), h, langue, chercher);  // "residents'"
        return utile(v) ? v : std::nullopt;
    }
    if (a > 0 && a + 1 < cle.size()) {
        // The part before the mark holds none: one level down at most.
        if (langue == Langues::Anglais && cle.mid(a + 1).compare(u"s", Qt::CaseInsensitive) == 0) {
            const auto v = ChercherCle(cle.left(a), h, langue, chercher);
            if (!utile(v)) return std::nullopt;
            return Possessif(*v);
        }
        return std::nullopt;
    }
    if (!cle.contains(u'-')) return resultat(std::nullopt);
    // The parts hold no hyphen: each is read one level down, its elisions in the loop above.
    QStringList valeurs;
    bool premiere = true;
    for (QStringView p : cle.split(u'-')) {
        if (p.isEmpty()) return std::nullopt;
        const auto v = ChercherCle(p, premiere && h, langue, chercher);
        if (!utile(v)) return std::nullopt;
        valeurs << *v;
        premiere = false;
    }
    return resultat(Joindre(valeurs, langue));
}

std::optional<QString> LireParMorceaux(QStringView cle, bool h, int langue,
                                       const std::function<std::optional<QString>(QStringView, bool)>& lire) {
    if (cle.isEmpty()) return std::nullopt;
    if (auto v = lire(cle, h)) return v;
    // French and English: quotes around the word (``as'', `stty', commande`) are left out, as a
    // single leading one is, and the word between them is read.
    auto guillemet = [](QChar c) { return c == u'`' || c == u'\''; };
    qsizetype a = 0, b = cle.size();
    const bool langueLue = langue == Langues::Francais || langue == Langues::Anglais;
    while (langueLue && a < b && guillemet(cle[a])) ++a;
    while (langueLue && b > a && guillemet(cle[b - 1])) --b;
    if (a == b) return std::nullopt;
    if (a > 0 || b < cle.size()) return LireParMorceaux(cle.mid(a, b - a), h && a == 0, langue, lire);
    // Signs the letter run takes in but no word holds (typographic quotes, guillemets, dashes,
    // no-break spaces, braces): the words between them are read, and the signs stay in place.
    auto signe = [](QChar c) { return !c.isLetter() && c != u'\'' && c != u'`' && c != u'-'; };
    if (std::none_of(cle.begin(), cle.end(), signe)) return std::nullopt;
    QString r;
    bool lu = false;
    for (qsizetype i = 0; i < cle.size();) {
        const bool s = signe(cle[i]);
        qsizetype j = i;
        while (j < cle.size() && signe(cle[j]) == s) ++j;
        if (s) {
            r += cle.mid(i, j - i);
        } else if (auto v = LireParMorceaux(cle.mid(i, j - i), h && i == 0, langue, lire)) {
            r += *v;
            lu = true;
        } else {
            return std::nullopt;
        }
        i = j;
    }
    return lu ? std::optional<QString>(r) : std::nullopt;
}

namespace {

// `h` is true when the word began with "h" before it was written "ph...": it is looked up under
// its own spelling first, then under "ph..." (the key of older dictionaries).
void AppliquerDictionnaires(Contexte& ctx, QString& w, bool h) {
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

    // The dictionaries, then the reader of unknown words.
    auto lire = [&](QStringView k, bool hk) {
        // ChercherCle asks for an h-word's old key "ph..." right after the word's own "h..."; a
        // word written "ph..." is never asked for after its "h..." form.
        QString precedente;
        auto v = ChercherCle(k, hk, ctx.etat.Langue, [&](QStringView c) {
            const bool ancienne = c.size() > 2 && c.startsWith(u"ph"_s, Qt::CaseInsensitive) && precedente.size() == c.size() - 1 &&
                                  EstH(precedente[0]) && c.mid(2).compare(QStringView(precedente).mid(1), Qt::CaseInsensitive) == 0;
            precedente = c.toString();
            return Chercher(ctx, c, ancienne);
        });
        if (!v && prefixe.isEmpty() && ctx.crochets.LireInconnu && ctx.etat.ModeSon != 2) {
            const bool propre = hk && k.size() >= 2 && k.startsWith(u"ph", Qt::CaseInsensitive);
            v = ctx.crochets.LireInconnu(ctx, propre ? QString(u'h') + k.mid(2).toString() : k.toString());
        }
        return v;
    };
    const QStringView k = QStringView(cle).mid(debutCle);
    if (!prefixe.isEmpty()) {
        if (auto valeur = lire(k, false)) w = prefixe + *valeur + queue;
        return;
    }
    if (auto valeur = LireParMorceaux(k, h, ctx.etat.Langue, lire)) w = *valeur + queue;
}

// Nothing in the text that the rules below change, for a phonetic text with no word waiting.
bool Intact(const EtatProgramme& e, const QString& t) {
    if (e.Langue != Langues::Phonetique || !e.MotsEnAttente.isEmpty()) return false;
    if (t.size() > 1 && t.back() == u'-') return false;
    return std::none_of(t.cbegin(), t.cend(), [](QChar c) { return c == u'*' || c.unicode() == 0x2019 || c == u'`'; });
}

}  // namespace

void PrepareMot(Contexte& ctx, QString& tampon) {
    EtatProgramme& e = ctx.etat;
    const bool h = e.Langue != Langues::Tumeli && !tampon.isEmpty() && EstH(tampon[0]);
    if (h) tampon = u"ph"_s + tampon.mid(1);
    if (Intact(e, tampon)) return;
    ctx.dictionnaires.NouvellePasse();
    QString w = tampon;
    w.replace(QChar(0x2019), u'\'');
    if (e.Langue != Langues::Phonetique) AppliquerDictionnaires(ctx, w, h);

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
