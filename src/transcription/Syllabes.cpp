#include "transcription/Syllabes.h"

#include "base/Contexte.h"
#include "base/Texte8Bits.h"
#include "transcription/Marqueurs.h"
#include "transcription/Morceaux.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace {

constexpr char16_t kPremierMarqueur = 0xE000;

bool Voyelle(QChar c) {
    switch (c.unicode()) {
    case u'a': case u'e': case u'i': case u'o': case u'u': case u'y': return true;
    default: return false;
    }
}
bool Consonne(QChar c) { return c >= u'a' && c <= u'z' && !Voyelle(c); }
bool Majuscule(QChar c) { return c >= u'A' && c <= u'Z'; }
bool EstMarqueur(QChar c) { return c.unicode() >= kPremierMarqueur && c.unicode() < kPremierMarqueur + 0x100; }

struct Signe {
    char16_t caractere;
    char16_t code;
    bool finDePhrase;
};

// Characters coded as signs, with the sentence parts they end.
constexpr Signe kSignes[] = {
    {u'°', u'°', false}, {u'$', u'M', false}, {u'§', u'A', false}, {u'#', u'#', false},
    {u'(', u'(', false}, {u'&', u'&', false}, {u'/', u'/', false}, {u'\\', u'\\', false},
    {u'[', u'[', false}, {u'+', u'E', false}, {u'@', u'B', false}, {u'ù', u'S', false},
    {u'=', u'C', false}, {u'{', u'{', false}, {u'<', u'<', false}, {u',', u',', true},
    {u';', u';', true},  {u'.', u'P', true},  {u'?', u'?', true},  {u'!', u'!', true},
    {u':', u':', true},  {u')', u')', true},  {u']', u']', true},  {u'}', u'}', true},
    {u'>', u'>', true},  {u'"', u'Q', false},
};

static_assert(std::all_of(std::begin(kSignes), std::end(kSignes), [](const Signe& s) { return s.caractere < 256; }));

const Signe* TrouverSigne(QChar c) {
    // Every sign character is below 256: one slot per code, the first entry of the table wins.
    static const auto kParCode = [] {
        std::array<const Signe*, 256> t{};
        for (auto s = std::rbegin(kSignes); s != std::rend(kSignes); ++s) t[s->caractere] = &*s;
        return t;
    }();
    return c.unicode() < kParCode.size() ? kParCode[c.unicode()] : nullptr;
}

void NumeroterDiese(EtatProgramme& e, const QString& w) {
    if (!e.NumeroDieseSaisi.isEmpty()) {
        e.NumeroDiese = Val(e.NumeroDieseSaisi);
        e.NumeroDieseSaisi.clear();
    } else if (w.size() > 2) {
        e.NumeroDiese = Val(w.mid(2));
    } else if (e.DernierCode == u"#" && e.NumeroDiese < 0) {
        e.NumeroDiese -= 1;
    } else {
        e.NumeroDiese = -1;
    }
}

// Apostrophes of the prepared text: "h'" prefixes of Tumeli, the stress apostrophe, the backquote.
QString TraiterApostrophes(const EtatProgramme& e, QString w) {
    const bool tumeli = e.Langue == Langues::Tumeli;
    if (Contient(w, u'_') && w.contains(u"__") && !w.contains(NomMarqueurEcriture(Ecritures::Latine) + QStringLiteral("__")))
        w.replace(QStringLiteral("__"), QStringLiteral("_@_"));
    if (tumeli && w.size() > 2 && (w.startsWith(u"h'") || w.startsWith(u"h`"))) w = QStringLiteral("''fh") + w.mid(2);
    if (tumeli && w.size() > 4 && (w.startsWith(u"'fh'") || w.startsWith(u"'fh`"))) w = QStringLiteral("''fh") + w.mid(4);
    bool prefixe = false;
    if (tumeli && w.startsWith(u"fh'")) {
        w = QStringLiteral("'fh") + w.mid(3);
        prefixe = true;
    }
    if (tumeli && w.startsWith(u'h')) {
        w = QStringLiteral("'fh") + w.mid(1);
        prefixe = true;
    }
    if (Contient(w, u'`')) w[w.indexOf(u'`')] = u'§';
    if (prefixe) return w;
    if (tumeli && w.startsWith(u"''fh")) {
        w.replace(QStringLiteral("''fh"), QStringLiteral("$'fh"));
    } else if (tumeli && w.startsWith(u'\'')) {
        w[0] = u'$';
    } else if (!tumeli && !w.startsWith(u'\'') && Contient(w, u'\'')) {
        const qsizetype esp = w.indexOf(u" '");
        if (esp >= 0) w[esp + 1] = u'$';
        const qsizetype p = w.indexOf(u'\'');
        if (p > 0) {
            const int avant = Code1252(std::as_const(w)[p - 1]);
            if (avant < 97 || (avant > 122 && p + 1 < w.size())) {
                w[p] = u' ';
                if (p + 1 < w.size()) w[p + 1] = u'$';
            }
        }
    }
    return w;
}

}  // namespace

QString CoderSignes(Contexte& ctx, const QString& texteMinuscule, bool& finDiese) {
    EtatProgramme& e = ctx.etat;
    QString w = TraiterApostrophes(e, texteMinuscule);
    finDiese = false;
    if (w.size() > 1 && w.endsWith(u'#')) {
        w = u'#' + w.chopped(1);
        finDiese = true;
        w.prepend(u' ');
    }
    // At most four characters for one read: written straight into a buffer of that size.
    const qsizetype n = w.size();
    QString code(4 * n, Qt::Uninitialized);
    QChar* d = code.data();
    const auto poser = [&d](std::u16string_view t) {
        for (const char16_t c : t) *d++ = QChar(c);
    };
    const QChar* const lu = w.constData();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = lu[i];
        if (c == u'-') {
            if (i == n - 1) poser(u"!-!_");
            else if (lu[i + 1] == u' ' && n - 1 - i > 2) poser(u"-!-");
            else *d++ = c;
            continue;
        }
        const Signe* s = TrouverSigne(c);
        if (!s) {
            *d++ = c;
            continue;
        }
        if (c == u'#') NumeroterDiese(e, w);
        *d++ = u'!';
        *d++ = QChar(s->code);
        poser(u"!_");
    }
    code.truncate(d - code.constData());
    const Signe* dernier = w.isEmpty() ? nullptr : TrouverSigne(std::as_const(w).back());
    e.SautPermis = !(dernier && dernier->finDePhrase);
    return code;
}

QString ProtegerMarqueurs(const QString& texte, QStringList& marqueurs) {
    marqueurs.clear();
    if (!texte.contains(u'%')) return texte;
    QString r;
    r.reserve(texte.size());
    for (qsizetype i = 0; i < texte.size();) {
        const MarqueurLu m = marqueurs.size() < 0x100 ? LireMarqueur(QStringView(texte).mid(i)) : MarqueurLu{};
        if (!m) {
            r += texte[i++];
            continue;
        }
        // In its usual spelling, with its digits.
        const qsizetype nom = static_cast<qsizetype>(m.marqueur->nom.size());
        marqueurs << QString::fromUtf16(m.marqueur->nom.data(), nom) + texte.mid(i + nom, m.longueur - nom);
        r += QChar(static_cast<char16_t>(kPremierMarqueur + marqueurs.size() - 1));
        i += m.longueur;
    }
    return r;
}

namespace {

// Backward walk: separators for signs, hyphens and word ends; a vowel ending a word that another
// word follows gets the "k" that closes its syllable; hyphens move behind the next vowel.
QString MarcheArriere(QStringView w0) {
    // The text is read as if framed by two spaces. Pieces are put in front of what is written:
    // the result is filled from the end of a buffer that no walk can overflow (at most three
    // characters per character read, and the two framing spaces write nothing).
    const qsizetype n = w0.size() + 2;
    const auto lu = [w0, n](qsizetype i) { return i == 0 || i == n - 1 ? QChar(u' ') : w0[i - 1]; };
    QString r(3 * n, Qt::Uninitialized);
    QChar* const fin = r.data() + r.size();
    QChar* d = fin;
    const auto devant = [&d](QStringView piece) {
        d -= piece.size();
        std::copy(piece.begin(), piece.end(), d);
    };
    bool syllabeVue = false, liaison = false, tiret = false;
    for (qsizetype i = n - 1; i >= 0; --i) {
        const QChar c = lu(i);
        if (c.unicode() < 32) continue;
        if (c == u'!' && i + 1 < n && lu(i + 1) == u'_' && i >= 2) {
            *--d = u'+';
            *--d = c;
            *--d = lu(i - 1);
            *--d = lu(i - 2);
            *--d = u'+';
            i -= 2;
            continue;
        }
        if (c == u'-' && i > 0 && lu(i - 1) == u'!') {  // the dash sign put after a hyphen
            devant(u"+!-!+");
            --i;
            continue;
        }
        switch (c.unicode()) {
        case u'_': *--d = u'+'; syllabeVue = false; break;
        case u'-': *--d = u'+'; syllabeVue = false; tiret = true; break;
        case u'µ': devant(u"+µ+"); syllabeVue = false; break;
        case u'|':
        case u'£': *--d = u'|'; break;
        case u'\'': *--d = u'\''; syllabeVue = false; break;
        case u' ': liaison = syllabeVue; syllabeVue = false; break;
        default:
            if (c == u'h') {
                if (i + 1 < n && Voyelle(lu(i + 1))) {
                    if (tiret) *--d = u'-';
                    *--d = u'h';
                    syllabeVue = true;
                    tiret = false;
                } else {
                    *--d = u'h';
                }
            } else if (Voyelle(c)) {
                if (tiret) *--d = u'-';
                if (liaison) {
                    *--d = u'k';
                    liaison = false;
                }
                *--d = c;
                syllabeVue = true;
                tiret = false;
            } else {
                *--d = c;
            }
        }
    }
    r.remove(0, d - r.constData());
    return r;
}

// Each "-h" becomes "h-", left to right.
void TiretApresH(QString& s) {
    if (!Contient(s, u'-')) return;
    const qsizetype p = s.indexOf(u"-h");
    if (p < 0) return;
    QChar* c = s.data();
    for (qsizetype i = p; i + 1 < s.size(); ++i)
        if (c[i] == u'-' && c[i + 1] == u'h') {
            std::swap(c[i], c[i + 1]);
            ++i;
        }
}

// Forward walk: builds the dotted text.
class MarcheAvant {
public:
    MarcheAvant(const QString& s, const QStringList& marqueurs, bool tumeli)
        : s_(s), marqueurs_(marqueurs), tumeli_(tumeli) {}

    // Written into one buffer: a character read writes at most four (a marker, its text and a
    // separator), and each apostrophe may put "{." in front, for which room is left.
    QString Construire() {
        qsizetype devant = 0, corps = 0;
        for (const QChar c : s_) {
            if (c == u'\'') devant += 2;
            const int n = c.unicode() - kPremierMarqueur;
            corps += EstMarqueur(c) ? 1 + (n < marqueurs_.size() ? marqueurs_[n].size() : 0) : 4;
        }
        QString r(devant + corps, Qt::Uninitialized);
        debut_ = fin_ = r.data() + devant;
        for (i_ = 0; i_ < s_.size(); ++i_) Caractere(s_[i_]);
        const qsizetype longueur = fin_ - debut_;
        std::copy(debut_, fin_, r.data());
        r.truncate(longueur);
        return r;
    }

private:
    void Separer() {
        if (fin_ != debut_) *fin_++ = u'.';
    }
    bool FinitParMajuscule() const { return fin_ != debut_ && Majuscule(fin_[-1]); }
    void Ecrire(QStringView t, bool voyelle) {
        fin_ = std::copy(t.begin(), t.end(), fin_);
        derniereVoyelle_ = voyelle;
    }
    void Ecrire(QChar c, bool voyelle) {
        *fin_++ = c;
        derniereVoyelle_ = voyelle;
    }

    void Caractere(QChar c) {
        const QChar avant = i_ > 0 ? s_[i_ - 1] : QChar();
        if (c == u'!' && i_ + 1 < s_.size()) {
            Ecrire(s_[i_], false);
            Ecrire(s_[i_ + 1], false);
            ++i_;
            if (i_ + 1 < s_.size() && s_[i_ + 1] == u'!') ++i_;
            return;
        }
        if (c.isDigit() && c.unicode() < 128) {
            if (!(avant.isDigit() && avant.unicode() < 128)) Ecrire(u".+.", false);
            Ecrire(c, false);
            return;
        }
        if (EstMarqueur(c)) {
            const int n = c.unicode() - kPremierMarqueur;
            Separer();
            Ecrire(n < marqueurs_.size() ? QStringView(marqueurs_[n]) : QStringView(), false);
            voyelleDepuisConsonne_ = false;
            return;
        }
        switch (c.unicode()) {
        case u'+': Ecrire(u".+.", false); return;
        case u'|': Ecrire(u".|.", false); return;
        case u'-': Ecrire(QChar(u'_'), false); return;
        case u'*': Ecrire(QChar(u'*'), false); return;
        case u'h': Ecrire(FinitParMajuscule() ? QChar(u'H') : QChar(u'h'), false); return;
        case u'k':
            if (Voyelle(avant)) {
                Separer();  // the syllable ends; the next vowel is no new word
                derniereVoyelle_ = false;
            } else {
                Ecrire(QChar(u'k'), false);
            }
            return;
        case u' ':
            // Between two words a space separates, whatever was written before it.
            Separer();
            derniereVoyelle_ = false;
            return;
        case u'\'':
            if (!voyelleVue_) {
                *--debut_ = u'.';
                *--debut_ = u'{';
            } else if (i_ > 0) {
                Ecrire(tumeli_ ? u"_.{" : u".{", false);
            }
            return;
        default: break;
        }
        if (Voyelle(c)) {
            // A vowel after a vowel and an "h": the "h" stays with the first vowel and the new
            // vowel opens a syllable of its own.
            if (avant == u'h' && i_ >= 2 && Voyelle(s_[i_ - 2])) {
                Separer();
                Ecrire(c, true);
            } else {
                const bool capitale = !voyelleDepuisConsonne_ || FinitParMajuscule();
                Ecrire(capitale ? c.toUpper() : c, true);
            }
            voyelleDepuisConsonne_ = true;
            voyelleVue_ = true;
            return;
        }
        if (Consonne(c)) {
            Separer();
            Ecrire(c, false);
            voyelleDepuisConsonne_ = false;
            return;
        }
        Ecrire(c, false);
    }

    const QString& s_;
    const QStringList& marqueurs_;
    const bool tumeli_;
    QChar* debut_ = nullptr;  // the text written so far
    QChar* fin_ = nullptr;
    qsizetype i_ = 0;
    bool derniereVoyelle_ = false;
    bool voyelleDepuisConsonne_ = false;
    bool voyelleVue_ = false;
};

}  // namespace

namespace {

// Every run of "." becomes one "." and each "__", left to right, a "+". Neither rule can make or
// break a match of the other, so one pass does both.
void FusionnerSeparateurs(QString& d) {
    QChar* const debut = d.data();
    const qsizetype n = d.size();
    QChar* e = debut;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = debut[i];
        if (c == u'.' && e > debut && e[-1] == u'.') continue;
        if (c == u'_' && i + 1 < n && debut[i + 1] == u'_') {
            *e++ = u'+';
            ++i;
            continue;
        }
        *e++ = c;
    }
    d.truncate(e - debut);
}

}  // namespace

QString CouperSyllabes(Contexte& ctx, const QString& texteCode, const QStringList& marqueurs) {
    QString s = MarcheArriere(texteCode);
    TiretApresH(s);
    if (s.startsWith(u"'fh")) s.remove(0, 3);
    QString d = MarcheAvant(s, marqueurs, ctx.etat.Langue == Langues::Tumeli).Construire();
    FusionnerSeparateurs(d);
    return d;
}
