#include "transcription/Dictionnaires.h"

#include "app/Contexte.h"
#include "config/Texte8Bits.h"

#include <QFile>
#include <QFileInfo>
#include <QHashFunctions>
#include <QVarLengthArray>
#include <array>
#include <cstring>
#include <limits>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

namespace {

// Lower case of every code of the code page, as a code of the code page.
const std::array<char, 256>& TableMinuscules() {
    static const std::array<char, 256> table = [] {
        std::array<char, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const QChar m = Car1252(b).toLower();
            const int code = Code1252(m);
            t[b] = static_cast<char>(code == '?' && m != u'?' ? b : code);
        }
        return t;
    }();
    return table;
}

std::uint32_t Empreinte(const char* p, qsizetype n) {
    return static_cast<std::uint32_t>(qHash(QByteArrayView(p, n), 0));
}

QString Texte1252(const char* p, qsizetype n) {
    QString r(n, Qt::Uninitialized);
    QChar* d = r.data();
    for (qsizetype i = 0; i < n; ++i) d[i] = Car1252(static_cast<unsigned char>(p[i]));
    return r;
}

bool FinLigne(char c) { return c == '\n' || c == '\r'; }

}  // namespace

void Dictionnaire::Charger(QByteArray octets) {
    octets_ = std::move(octets);
    defauts_.clear();
    cles_ = 0;
    if (octets_.size() >= std::numeric_limits<std::int32_t>::max()) octets_.clear();  // offsets are 32-bit
    char* const b = octets_.data();
    const qsizetype n = octets_.size();

    // At most one key per ";": twice as many slots keeps the probes short.
    qsizetype pointsVirgules = 0;
    for (const char* p = b; (p = static_cast<const char*>(std::memchr(p, ';', b + n - p))); ++p) ++pointsVirgules;
    std::size_t taille = 16;
    while (taille < static_cast<std::size_t>(pointsVirgules) * 2) taille *= 2;
    cases_.assign(taille, Case{});
    masque_ = static_cast<std::uint32_t>(taille - 1);
    const auto& minuscules = TableMinuscules();

    // The field reader of the data files, on bytes: the characters it looks at are all ASCII.
    qsizetype pos = 0;
    int entree = -1;
    while (pos < n) {
        while (pos < n && b[pos] == ' ') ++pos;
        qsizetype debut = pos, fin;
        if (pos < n && b[pos] == '"') {
            debut = ++pos;
            while (pos < n && b[pos] != '"') ++pos;
            fin = pos;
            while (pos < n && b[pos] != ',' && !FinLigne(b[pos])) ++pos;
        } else {
            while (pos < n && b[pos] != ',' && !FinLigne(b[pos])) ++pos;
            fin = pos;
        }
        if (pos < n) {
            if (b[pos] == ',') {
                ++pos;
            } else {
                if (b[pos] == '\r') ++pos;
                if (pos < n && b[pos] == '\n') ++pos;
            }
        }
        ++entree;

        qsizetype k = debut;
        while (k < fin && b[k] == ' ') ++k;
        if (k == fin) continue;  // blank
        const char* pv = static_cast<const char*>(std::memchr(b + debut, ';', fin - debut));
        if (!pv) {
            defauts_.push_back({entree, Texte1252(b + debut, fin - debut)});
            continue;
        }
        const qsizetype finCle = pv - b;
        qsizetype dv = finCle + 1, fv = fin;
        while (dv < fv && b[dv] == ' ') ++dv;
        while (fv > dv && b[fv - 1] == ' ') --fv;
        for (qsizetype i = debut; i < finCle; ++i) b[i] = minuscules[static_cast<unsigned char>(b[i])];

        const std::uint32_t h = Empreinte(b + debut, finCle - debut);
        for (std::uint32_t i = h & masque_;; i = (i + 1) & masque_) {
            Case& c = cases_[i];
            if (c.entree == 0) {
                c = {h, static_cast<std::uint32_t>(debut), static_cast<std::uint32_t>(finCle - debut),
                     static_cast<std::uint32_t>(dv), static_cast<std::uint32_t>(fv - dv),
                     static_cast<std::uint32_t>(entree + 1)};
                ++cles_;
                break;
            }
            if (c.empreinte == h && c.longueurCle == static_cast<std::uint32_t>(finCle - debut) &&
                std::memcmp(b + c.cle, b + debut, c.longueurCle) == 0)
                break;  // the first entry of a key wins
        }
    }
}

Dictionnaire::Resultat Dictionnaire::Chercher(QStringView cle) const {
    Resultat r;
    if (cases_.empty()) return r;
    // The key in lower case, as codes of the code page; a character outside it matches nothing.
    QVarLengthArray<char, 64> m(cle.size());
    for (qsizetype i = 0; i < cle.size(); ++i) {
        const char16_t u = cle[i].unicode();
        if (u < 0x80) {
            m[i] = static_cast<char>(u >= u'A' && u <= u'Z' ? u + 32 : u);
            continue;
        }
        const QChar l = cle[i].toLower();
        const int code = Code1252(l);
        if (code == '?') return r;
        m[i] = static_cast<char>(code);
    }
    const std::uint32_t h = Empreinte(m.constData(), m.size());
    const char* const b = octets_.constData();
    for (std::uint32_t i = h & masque_;; i = (i + 1) & masque_) {
        const Case& c = cases_[i];
        if (c.entree == 0) return r;
        if (c.empreinte == h && c.longueurCle == static_cast<std::uint32_t>(m.size()) &&
            std::memcmp(b + c.cle, m.constData(), c.longueurCle) == 0) {
            r.trouve = true;
            r.valeur = Texte1252(b + c.valeur, c.longueurValeur);
            r.entree = static_cast<int>(c.entree - 1);
            return r;
        }
    }
}

void Dictionnaires::Actualiser(const QString& chemin, Fichier& f) {
    std::int64_t date = -1, taille = -1;
#if defined(Q_OS_UNIX)
    struct stat st;
    const QByteArray nom = QFile::encodeName(chemin);
    if (::stat(nom.constData(), &st) == 0 && S_ISREG(st.st_mode)) {
#if defined(Q_OS_LINUX)
        date = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
#else
        date = static_cast<std::int64_t>(st.st_mtime) * 1000000000;
#endif
        taille = st.st_size;
    }
#else
    const QFileInfo info(chemin);
    if (info.isFile()) {
        date = info.lastModified().toMSecsSinceEpoch() * 1000000;
        taille = info.size();
    }
#endif
    if (taille < 0) {
        if (f.present) f = Fichier{};
        return;
    }
    if (f.present && date == f.date && taille == f.taille) return;
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        f = Fichier{};
        return;
    }
    f.dico.Charger(fichier.readAll());
    f.present = true;
    f.date = date;
    f.taille = taille;
    f.defautsMontres = 0;
}

std::optional<QString> Dictionnaires::Chercher(Contexte& ctx, const QString& nom, QStringView cle) {
    const QString chemin = ctx.Fichier(nom);
    Fichier& f = fichiers_[chemin];
    Actualiser(chemin, f);
    if (!f.present) return std::nullopt;
    Dictionnaire::Resultat r = f.dico.Chercher(cle);
    // The malformed entries a reading from the top would have passed, each once per loading. A
    // message box may let another lookup run meanwhile: the list is read again at every step.
    const int limite = r.trouve ? r.entree : std::numeric_limits<int>::max();
    while (f.defautsMontres < f.dico.Defauts().size() && f.dico.Defauts()[f.defautsMontres].entree < limite) {
        const QString texte = f.dico.Defauts()[f.defautsMontres++].texte;
        ctx.fenetre.Information(u"Erreur dans ''"_s + nom + u"'' : Ligne "_s + texte);
    }
    if (!r.trouve) return std::nullopt;
    return r.valeur;
}
