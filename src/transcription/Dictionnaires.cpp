#include "transcription/Dictionnaires.h"

#include "base/Contexte.h"
#include "base/Texte8Bits.h"

#include <QFile>
#include <QFileInfo>
#include <QVarLengthArray>
#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#include <unistd.h>
#endif
#if defined(Q_OS_LINUX)
#include <sys/inotify.h>
#endif
#if defined(__SSE2__)
#include <emmintrin.h>
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

// Keys are read 8 bytes at a time as little-endian words.
static_assert(std::endian::native == std::endian::little);

// A short multiply-and-fold hash of a key, 8 bytes at a time (the last word padded with zeros).
inline std::uint64_t Melanger(std::uint64_t h, std::uint64_t mot) {
    h = (h ^ mot) * 0xFF51AFD7ED558CCDull;
    return h ^ (h >> 32);
}
inline std::uint32_t Finir(std::uint64_t h, std::uint64_t dernier) {
    h = (h ^ dernier) * 0xC4CEB9FE1A85EC53ull;
    h ^= h >> 29;
    return static_cast<std::uint32_t>((h * 0xFF51AFD7ED558CCDull) >> 32);
}
inline std::uint64_t MotPartiel(const char* p, qsizetype n) {
    std::uint64_t v = 0;
    for (qsizetype i = 0; i < n; ++i) v |= static_cast<std::uint64_t>(static_cast<unsigned char>(p[i])) << (8 * i);
    return v;
}

std::uint32_t Empreinte(const char* p, qsizetype n) {
    std::uint64_t h = 0x9E3779B97F4A7C15ull ^ static_cast<std::uint64_t>(n);
    for (; n >= 8; p += 8, n -= 8) {
        std::uint64_t v;
        std::memcpy(&v, p, 8);
        h = Melanger(h, v);
    }
    return Finir(h, MotPartiel(p, n));
}

// Eight bytes in lower case: ASCII capitals by bit tricks, bytes above 127 through the table.
inline std::uint64_t MotMinuscule(std::uint64_t x, const std::array<char, 256>& table) {
    constexpr std::uint64_t un = 0x0101010101010101ull, haut = 0x8080808080808080ull;
    const std::uint64_t sept = x & ~haut;  // no carry from one byte into the next below
    const std::uint64_t desA = sept + (0x80 - 'A') * un, apresZ = sept + (0x80 - 'Z' - 1) * un;
    std::uint64_t r = x | ((desA & ~apresZ & ~x & haut) >> 2);
    for (std::uint64_t hauts = x & haut; hauts; hauts &= hauts - 1) {
        const int decalage = std::countr_zero(hauts) - 7;
        const std::uint64_t octet = static_cast<unsigned char>(table[(x >> decalage) & 0xFF]);
        r = (r & ~(std::uint64_t{0xFF} << decalage)) | (octet << decalage);
    }
    return r;
}

// Lowers a key in place and gives Empreinte of the result, without reading back what it wrote.
// `fin` is the end of the buffer: a last partial word is read whole when the buffer allows it.
std::uint32_t MinusculesEtEmpreinte(char* p, qsizetype n, const char* fin, const std::array<char, 256>& table) {
    std::uint64_t h = 0x9E3779B97F4A7C15ull ^ static_cast<std::uint64_t>(n);
    for (; n >= 8; p += 8, n -= 8) {
        std::uint64_t v;
        std::memcpy(&v, p, 8);
        v = MotMinuscule(v, table);
        std::memcpy(p, &v, 8);
        h = Melanger(h, v);
    }
    if (n > 0 && fin - p >= 8) {
        std::uint64_t v;
        std::memcpy(&v, p, 8);
        const std::uint64_t masque = ~std::uint64_t{0} >> (64 - 8 * n);
        const std::uint64_t m = MotMinuscule(v, table) & masque;
        v = m | (v & ~masque);
        std::memcpy(p, &v, 8);
        return Finir(h, m);
    }
    for (qsizetype i = 0; i < n; ++i) p[i] = table[static_cast<unsigned char>(p[i])];
    return Finir(h, MotPartiel(p, n));
}

// End of an unquoted field from `pos` (the next "," or line end, or `n`), and in `pv` the first
// ";" before it (-1 when there is none).
inline qsizetype FinChamp(const char* b, qsizetype pos, qsizetype n, qsizetype& pv) {
    pv = -1;
#if defined(__SSE2__)
    const __m128i virgule = _mm_set1_epi8(','), lf = _mm_set1_epi8('\n'), cr = _mm_set1_epi8('\r'),
                  pointVirgule = _mm_set1_epi8(';');
    for (; pos + 16 <= n; pos += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + pos));
        const unsigned fins = static_cast<unsigned>(_mm_movemask_epi8(
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, virgule), _mm_cmpeq_epi8(v, lf)), _mm_cmpeq_epi8(v, cr))));
        unsigned pvs = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, pointVirgule)));
        if (fins) pvs &= (1u << std::countr_zero(fins)) - 1;
        if (pv < 0 && pvs) pv = pos + std::countr_zero(pvs);
        if (fins) return pos + std::countr_zero(fins);
    }
#endif
    for (; pos < n; ++pos) {
        const char c = b[pos];
        if (c == ',' || c == '\n' || c == '\r') break;
        if (c == ';' && pv < 0) pv = pos;
    }
    return pos;
}

QString Texte1252(const char* p, qsizetype n) {
    QString r(n, Qt::Uninitialized);
    QChar* d = r.data();
    for (qsizetype i = 0; i < n; ++i) d[i] = Car1252(static_cast<unsigned char>(p[i]));
    return r;
}

}  // namespace

void Dictionnaire::Charger(QByteArray octets) {
    octets_ = std::move(octets);
    defauts_.clear();
    entrees_.clear();
    recents_.clear();
    cles_ = 0;
    clesH_ = false;
    texteEndommage_.clear();
    if (octets_.size() >= std::numeric_limits<std::int32_t>::max()) octets_.clear();  // offsets are 32-bit
    ligneEndommagee_ = LigneNonTexte(octets_);
    if (ligneEndommagee_ > 0) {
        const QList<QByteArray> lignes = octets_.left(1 << 20).split('\n');
        if (ligneEndommagee_ <= lignes.size()) {
            const QByteArray ligne = lignes[ligneEndommagee_ - 1].trimmed();
            texteEndommage_ = Texte1252(ligne.constData(), ligne.size());
        }
        octets_.clear();
    }
    char* const b = octets_.data();
    const qsizetype n = octets_.size();
    const auto& minuscules = TableMinuscules();
    entrees_.reserve(static_cast<std::size_t>(n / 16));

    // The field reader of the data files, on bytes: the characters it looks at are all ASCII.
    qsizetype pos = 0;
    for (std::uint32_t numero = 0; pos < n; ++numero) {
        while (pos < n && b[pos] == ' ') ++pos;
        qsizetype debut = pos, fin, pv = -1;
        if (pos < n && b[pos] == '"') {
            debut = ++pos;
            while (pos < n && b[pos] != '"') {
                if (b[pos] == ';' && pv < 0) pv = pos;
                ++pos;
            }
            fin = pos;
            while (pos < n && b[pos] != ',' && b[pos] != '\n' && b[pos] != '\r') ++pos;
        } else {
            pos = fin = FinChamp(b, pos, n, pv);
        }
        if (pos < n) {
            if (b[pos] == ',') {
                ++pos;
            } else {
                if (b[pos] == '\r') ++pos;
                if (pos < n && b[pos] == '\n') ++pos;
            }
        }

        if (pv < 0) {
            qsizetype k = debut;
            while (k < fin && b[k] == ' ') ++k;
            if (k < fin) defauts_.push_back({static_cast<int>(numero), Texte1252(b + debut, fin - debut)});
            continue;  // otherwise blank
        }
        qsizetype dv = pv + 1, fv = fin;
        while (dv < fv && b[dv] == ' ') ++dv;
        while (fv > dv && b[fv - 1] == ' ') --fv;
        entrees_.push_back({static_cast<std::uint32_t>(debut), static_cast<std::uint32_t>(pv - debut),
                            static_cast<std::uint32_t>(dv), static_cast<std::uint32_t>(fv - dv), numero,
                            MinusculesEtEmpreinte(b + debut, pv - debut, b + n, minuscules)});
        clesH_ = clesH_ || (pv > debut && b[debut] == 'h');
    }

    // The index: twice as many slots as entries keeps the probes short. Slots are fetched a few
    // entries ahead, so that their cache misses overlap.
    std::size_t taille = 16;
    while (taille < entrees_.size() * 2) taille *= 2;
    cases_.assign(taille, 0);
    masque_ = static_cast<std::uint32_t>(taille - 1);
    constexpr std::size_t kAvance = 16;
    for (std::size_t k = 0; k < entrees_.size(); ++k) {
#if defined(__GNUC__)
        if (k + kAvance < entrees_.size()) __builtin_prefetch(&cases_[entrees_[k + kAvance].empreinte & masque_], 1);
#endif
        const Entree& e = entrees_[k];
        for (std::uint32_t i = e.empreinte & masque_;; i = (i + 1) & masque_) {
            const std::uint32_t c = cases_[i];
            if (c == 0) {
                cases_[i] = static_cast<std::uint32_t>(k + 1);
                ++cles_;
                break;
            }
            const Entree& autre = entrees_[c - 1];
            if (autre.empreinte == e.empreinte && autre.longueurCle == e.longueurCle && std::memcmp(b + autre.cle, b + e.cle, e.longueurCle) == 0)
                break;  // the first entry of a key wins
        }
    }
}

Dictionnaire::Resultat Dictionnaire::Chercher(QStringView cle) const {
    Resultat r;
    if (entrees_.empty()) return r;
    // The key in lower case, as codes of the code page; a character outside it matches nothing.
    QVarLengthArray<char, 64> m(cle.size());
    for (qsizetype i = 0; i < cle.size(); ++i) {
        const char16_t u = cle[i].unicode();
        if (u < 0x80) {
            m[i] = static_cast<char>(u >= u'A' && u <= u'Z' ? u + 32 : u);
            continue;
        }
        const int code = Code1252(cle[i].toLower());
        if (code == '?') return r;
        m[i] = static_cast<char>(code);
    }
    const std::uint32_t h = Empreinte(m.constData(), m.size());
    Recent* recent = nullptr;
    if (!m.isEmpty() && m.size() <= kCleRecente) {
        if (recents_.empty()) recents_.resize(kRecents);
        recent = &recents_[h % kRecents];
        if (recent->longueur == m.size() && recent->empreinte == h && std::memcmp(recent->cle, m.constData(), m.size()) == 0)
            return recent->resultat;
    }
    const char* const b = octets_.constData();
    for (std::uint32_t i = h & masque_;; i = (i + 1) & masque_) {
        const std::uint32_t c = cases_[i];
        if (c == 0) break;
        const Entree& e = entrees_[c - 1];
        if (e.empreinte == h && e.longueurCle == static_cast<std::uint32_t>(m.size()) && std::memcmp(b + e.cle, m.constData(), e.longueurCle) == 0) {
            r.trouve = true;
            r.valeur = Texte1252(b + e.valeur, e.longueurValeur);
            r.entree = static_cast<int>(e.numero);
            break;
        }
    }
    if (recent) {
        recent->empreinte = h;
        recent->longueur = static_cast<std::uint8_t>(m.size());
        std::memcpy(recent->cle, m.constData(), static_cast<size_t>(m.size()));
        recent->resultat = r;
    }
    return r;
}

namespace {

// Back to a file never read, its watch kept.
template <typename F>
void Oublier(F& f) {
    F vide;
    vide.surveille = f.surveille;
    vide.dossier = std::move(f.dossier);
    vide.nom = std::move(f.nom);
    f = std::move(vide);
}

}  // namespace

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
        if (f.present) Oublier(f);
        return;
    }
    if (f.present && date == f.date && taille == f.taille) return;
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        Oublier(f);
        return;
    }
    f.dico.Charger(fichier.readAll());
    f.present = true;
    f.date = date;
    f.taille = taille;
    f.defautsMontres = 0;
}

Dictionnaires::Dictionnaires() {
#if defined(Q_OS_LINUX)
    veille_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
#endif
}

Dictionnaires::~Dictionnaires() {
#if defined(Q_OS_UNIX)
    if (veille_ >= 0) ::close(veille_);
#endif
}

void Dictionnaires::Surveiller(const QString& chemin, Fichier& f) {
#if defined(Q_OS_LINUX)
    if (veille_ < 0) return;
    const QFileInfo info(chemin);
    const QString dossier = info.absolutePath();
    constexpr uint32_t kChangements = IN_MODIFY | IN_CLOSE_WRITE | IN_ATTRIB | IN_CREATE | IN_DELETE | IN_MOVED_FROM |
                                      IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF;
    const int w = inotify_add_watch(veille_, QFile::encodeName(dossier).constData(), kChangements | IN_ONLYDIR);
    if (w < 0) return;  // no folder to watch: the file is checked once a pass
    dossiers_[w] = dossier;
    f.surveille = true;
    f.dossier = dossier;
    f.nom = info.fileName();
#else
    (void)chemin, (void)f;
#endif
}

void Dictionnaires::Annoncer(const QString& dossier, const QString& nom) {
    for (auto& [chemin, f] : fichiers_)
        if (f.nom == nom && f.dossier == dossier) f.aVerifier = true;
}

void Dictionnaires::NouvellePasse() {
    if (passesOuvertes_ > 0) {
        const auto maintenant = std::chrono::steady_clock::now();
        if (luDansPasse_ && maintenant - lecture_ < std::chrono::milliseconds(50)) return;
        luDansPasse_ = true;
        lecture_ = maintenant;
    }
    ++passe_;
#if defined(Q_OS_LINUX)
    if (veille_ < 0) return;
    alignas(inotify_event) char tampon[8192];
    for (;;) {
        const ssize_t n = ::read(veille_, tampon, sizeof tampon);
        if (n <= 0) break;
        for (ssize_t i = 0; i < n;) {
            const auto* ev = reinterpret_cast<const inotify_event*>(tampon + i);
            i += static_cast<ssize_t>(sizeof(inotify_event) + ev->len);
            const auto d = dossiers_.find(ev->wd);
            if ((ev->mask & (IN_Q_OVERFLOW | IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF)) || d == dossiers_.end() ||
                ev->len == 0) {
                // Lost announcements or a folder gone: every file is checked again, and watched anew.
                for (auto& [chemin, f] : fichiers_) f.aVerifier = true, f.surveille = false;
                if (ev->mask & IN_IGNORED) dossiers_.erase(ev->wd);
                continue;
            }
            Annoncer(d->second, QFile::decodeName(ev->name));
        }
    }
#endif
}

std::optional<QString> Dictionnaires::Chercher(Contexte& ctx, const QString& nom, QStringView cle, bool ancienneCleH) {
    if (ctx.dossier != dossierConnus_) {
        connus_.clear();
        dossierConnus_ = ctx.dossier;
    }
    auto connu = std::find_if(connus_.begin(), connus_.end(), [&](const auto& c) { return c.first == nom; });
    if (connu == connus_.end()) connu = connus_.insert(connus_.end(), {nom, &fichiers_[ctx.Fichier(nom)]});
    Fichier& f = *connu->second;
    if (!f.surveille && f.passe != passe_) f.aVerifier = true;
    if (f.aVerifier) {
        const QString chemin = ctx.Fichier(nom);
        if (!f.surveille) Surveiller(chemin, f);
        Actualiser(chemin, f);
        f.aVerifier = false;
        f.passe = passe_;
    }
    if (!f.present || (ancienneCleH && f.dico.ClesH())) return std::nullopt;
    if (const int ligne = f.dico.LigneEndommagee()) {
        if (f.defautsMontres == 0 && ++f.defautsMontres)
            ctx.fenetre.Information(u"Erreur dans ''"_s + nom + u"'' : Ligne "_s + QString::number(ligne) +
                                    u" : fichier endommagé : "_s + Affichable(f.dico.TexteEndommage()));
        return std::nullopt;
    }
    Dictionnaire::Resultat r = f.dico.Chercher(cle);
    // The malformed entries a reading from the top would have passed, each once per loading. A
    // message box may let another lookup run meanwhile: the list is read again at every step.
    // A damaged file (not a dictionary at all) would bury the user in messages: after the first
    // few, the others are passed over, and a line is cut at a length no entry reaches.
    constexpr std::size_t kMessagesParLecture = 10;
    constexpr qsizetype kLongueurAffichee = 300;
    const int limite = r.trouve ? r.entree : std::numeric_limits<int>::max();
    while (f.defautsMontres < f.dico.Defauts().size() && f.dico.Defauts()[f.defautsMontres].entree < limite) {
        if (f.defautsMontres++ >= kMessagesParLecture) continue;
        const QString texte = Affichable(f.dico.Defauts()[f.defautsMontres - 1].texte, kLongueurAffichee);
        ctx.fenetre.Information(u"Erreur dans ''"_s + nom + u"'' : Ligne "_s + texte);
    }
    if (!r.trouve) return std::nullopt;
    return r.valeur;
}
