#include "layout/MagasinImages.h"

#include "base/ImageGrande.h"
#include "base/ReserveMemoire.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <lz4.h>
#include <unordered_set>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Gives a tile's bytes back to the reserve.
struct RendreOctets {
    size_t octets = 0;
    void operator()(char* p) const { RendreMemoire(p, octets); }
};

}  // namespace

struct MagasinImages::Tuile {
    enum Forme : std::uint8_t { Unie, DeuxCouleurs, Lz4, Brute };
    Forme forme = Unie;
    QRgb uni = 0;    // the colour of a plain tile, the first colour of a two-colour one
    QRgb encre = 0;  // the second colour of a two-colour tile
    int taille = 0;  // bytes in `donnees`
    // Two colours: a 64-bit word a row, bit x set where the pixel has the second colour. Else the
    // pixels row after row, as an LZ4 block or as they are.
    std::unique_ptr<char[], RendreOctets> donnees;

    // A tile and its bytes come from the program's reserve (base/ReserveMemoire): a screen codes
    // hundreds of them.
    static std::shared_ptr<Tuile> Nouvelle();
    void Garder(const void* octets, int n) {
        taille = n;
        donnees = std::unique_ptr<char[], RendreOctets>(static_cast<char*>(PrendreMemoire(static_cast<size_t>(n))),
                                                        RendreOctets{static_cast<size_t>(n)});
        std::memcpy(donnees.get(), octets, static_cast<size_t>(n));
    }
};

std::shared_ptr<MagasinImages::Tuile> MagasinImages::Tuile::Nouvelle() {
    return std::allocate_shared<Tuile>(AllocateurReserve<Tuile>());
}

struct MagasinImages::Cliche {
    int largeur = 0, hauteur = 0, colonnes = 0, lignes = 0;
    std::vector<TuilePartagee> tuiles;  // row after row of tiles
    QPointF position;
    QImage brute;  // a picture taken and not coded yet: no tiles


    QRect Zone(int c, int l) const {
        const int x = c * CoteTuile, y = l * CoteTuile;
        return {x, y, qMin(CoteTuile, largeur - x), qMin(CoteTuile, hauteur - y)};
    }
};

namespace {

const QRgb* Ligne(const QImage& image, int y, int x) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(y)) + x;
}

bool ZonesEgales(const QImage& a, const QImage& b, const QRect& z) {
    const size_t octets = static_cast<size_t>(z.width()) * sizeof(QRgb);
    for (int y = z.top(); y <= z.bottom(); ++y)
        if (std::memcmp(Ligne(a, y, z.left()), Ligne(b, y, z.left()), octets) != 0) return false;
    return true;
}

}  // namespace

MagasinImages::MagasinImages(int places, bool partage) : partage_(partage) { FixerPlaces(places); }

MagasinImages::~MagasinImages() {
    {
        const std::lock_guard l(verrou_);
        arret_ = true;
    }
    signal_.notify_all();
    if (ouvrier_.joinable()) ouvrier_.join();
}

void MagasinImages::FixerPlaces(int places) {
    const std::lock_guard l(verrou_);
    places_.resize(static_cast<size_t>(qMax(0, places)));
    traces_.resize(places_.size());
}

namespace {

// The pixels of a row that differ from `fond`, one bit each.
inline std::uint64_t HorsFond(const QRgb* p, int largeur, QRgb fond) {
    std::uint64_t m = 0;
    int x = 0;
#if defined(__SSE2__)
    const __m128i f = _mm_set1_epi32(static_cast<int>(fond));
    // Sixteen pixels at a time: the four comparisons packed into one byte mask of equal pixels.
    const auto egaux = [&](int k) {
        const __m128i* v = reinterpret_cast<const __m128i*>(p + k);
        const __m128i a = _mm_packs_epi32(_mm_cmpeq_epi32(_mm_loadu_si128(v), f), _mm_cmpeq_epi32(_mm_loadu_si128(v + 1), f));
        const __m128i b = _mm_packs_epi32(_mm_cmpeq_epi32(_mm_loadu_si128(v + 2), f), _mm_cmpeq_epi32(_mm_loadu_si128(v + 3), f));
        return static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(a, b))));
    };
    if (largeur == 64) return ~(egaux(0) | egaux(16) << 16 | egaux(32) << 32 | egaux(48) << 48);
    for (; x + 16 <= largeur; x += 16) m |= (~egaux(x) & 0xFFFFu) << x;
    for (; x + 4 <= largeur; x += 4) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + x));
        const unsigned egaux = static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(v, f))));
        m |= static_cast<std::uint64_t>(~egaux & 0xFu) << x;
    }
#endif
    for (; x < largeur; ++x)
        if (p[x] != fond) m |= std::uint64_t{1} << x;
    return m;
}

}  // namespace

MagasinImages::TuilePartagee MagasinImages::Coder(const QImage& image, const QRect& z, const std::uint64_t* lus) {
    auto t = Tuile::Nouvelle();
    const QRgb premier = *Ligne(image, z.top(), z.left());
    t->uni = t->encre = premier;
    // Most tiles hold the background and one ink: one bit a pixel.
    std::uint64_t masques[CoteTuile];
    bool encre = false, autres = false;
    for (int y = 0; y < z.height() && !autres; ++y) {
        const QRgb* p = Ligne(image, z.top() + y, z.left());
        const std::uint64_t m = lus ? lus[y] : HorsFond(p, z.width(), premier);
        masques[y] = m;
        if (m == 0) continue;
        if (!encre) {
            t->encre = p[std::countr_zero(m)];
            encre = true;
        }
        for (std::uint64_t r = m; r; r &= r - 1)
            if (p[std::countr_zero(r)] != t->encre) {
                autres = true;
                break;
            }
    }
    if (!encre) return t;
    if (!autres) {
        t->forme = Tuile::DeuxCouleurs;
        t->Garder(masques, z.height() * static_cast<int>(sizeof(std::uint64_t)));
        return t;
    }
    const size_t ligne = static_cast<size_t>(z.width()) * sizeof(QRgb);
    alignas(16) QRgb brut[CoteTuile * CoteTuile];
    for (int y = 0; y < z.height(); ++y) std::memcpy(brut + y * z.width(), Ligne(image, z.top() + y, z.left()), ligne);
    const int octets = static_cast<int>(ligne) * z.height();
    char code[LZ4_COMPRESSBOUND(CoteTuile * CoteTuile * 4)];
    const int n = LZ4_compress_default(reinterpret_cast<const char*>(brut), code, octets, sizeof code);
    const bool brute = n <= 0 || n >= octets;
    t->forme = brute ? Tuile::Brute : Tuile::Lz4;
    t->Garder(brute ? reinterpret_cast<const char*>(brut) : code, brute ? octets : n);
    return t;
}

std::shared_ptr<const MagasinImages::Cliche> MagasinImages::Decouper(const QImage& source, QPointF position,
                                                                    const std::vector<bool>* intactes,
                                                                    QRgb fondUni, const std::vector<int>* droites) {
    // Read the picture in place: a copy of an image being painted on would be a deep one.
    QImage convertie;
    if (source.format() != QImage::Format_RGB32 && source.format() != QImage::Format_ARGB32)
        convertie = source.convertToFormat(QImage::Format_RGB32);
    const QImage& image = convertie.isNull() ? source : convertie;
    auto c = std::make_shared<Cliche>();
    c->largeur = image.width();
    c->hauteur = image.height();
    c->colonnes = (c->largeur + CoteTuile - 1) / CoteTuile;
    c->lignes = (c->hauteur + CoteTuile - 1) / CoteTuile;
    c->position = position;
    c->tuiles.resize(static_cast<size_t>(c->colonnes) * static_cast<size_t>(c->lignes));

    // A tile can be compared with the last picture when it covers the same pixels there.
    const Cliche* avant = partage_ && dernier_ && !reference_.isNull() ? dernier_.get() : nullptr;
    const bool memeTaille = avant && avant->largeur == c->largeur && avant->hauteur == c->hauteur;
    TuilePartagee uniPrecedente;
    // Without a picture to compare with, each band of tiles is read row after row, in memory order.
    std::vector<std::uint64_t> bande(avant ? 0 : static_cast<size_t>(c->colonnes) * CoteTuile);
    TuilePartagee unie;
    // A band whose rows all have no bound holds nothing but fondUni.
    const auto vierge = [&](int l) {
        const auto debut = droites->begin() + static_cast<qsizetype>(l) * CoteTuile;
        return std::all_of(debut, debut + c->Zone(0, l).height(), [](int d) { return d < 0; });
    };
    for (int l = 0; l < c->lignes; ++l) {
        if (droites && vierge(l)) {
            if (!unie) {
                auto t = Tuile::Nouvelle();
                t->uni = t->encre = fondUni;
                unie = t;
            }
            std::fill_n(c->tuiles.begin() + static_cast<qsizetype>(l) * c->colonnes, c->colonnes, unie);
            continue;
        }
        if (!avant) {
            const int haut = l * CoteTuile, hauteur = c->Zone(0, l).height();
            const QRgb* premiere = Ligne(image, haut, 0);  // each tile is read against its first pixel
            for (int y = 0; y < hauteur; ++y) {
                const QRgb* p = Ligne(image, haut + y, 0);
                // Right of the row's bound every pixel is fondUni: nothing to read there.
                const int borne = droites ? (*droites)[static_cast<size_t>(haut + y)] : c->largeur;
                for (int col = 0; col < c->colonnes; ++col) {
                    const int x = col * CoteTuile, n = qMin(CoteTuile, c->largeur - x);
                    bande[static_cast<size_t>(col) * CoteTuile + y] =
                        x <= borne              ? HorsFond(p + x, n, premiere[x])
                        : premiere[x] == fondUni ? 0
                                                 : ~std::uint64_t{0} >> (64 - n);
                }
            }
        }
        const bool intacte = memeTaille && intactes && (*intactes)[static_cast<size_t>(l)];
        for (int col = 0; col < c->colonnes; ++col) {
            const QRect z = c->Zone(col, l);
            TuilePartagee& t = c->tuiles[static_cast<size_t>(l) * c->colonnes + col];
            if (intacte) {
                t = avant->tuiles[static_cast<size_t>(l) * avant->colonnes + col];
                continue;
            }
            if (avant && col < avant->colonnes && l < avant->lignes && avant->Zone(col, l) == z &&
                ZonesEgales(image, reference_, z)) {
                t = avant->tuiles[static_cast<size_t>(l) * avant->colonnes + col];
                continue;
            }
            t = Coder(image, z, avant ? nullptr : bande.data() + static_cast<size_t>(col) * CoteTuile);
            if (t->forme == Tuile::Unie) {
                // Tiles of the background colour are all alike: keep one.
                if (uniPrecedente && uniPrecedente->uni == t->uni)
                    t = uniPrecedente;
                else
                    uniPrecedente = t;
            }
            if (memeTaille) {
                const size_t octets = static_cast<size_t>(z.width()) * sizeof(QRgb);
                for (int y = z.top(); y <= z.bottom(); ++y)
                    std::memcpy(reinterpret_cast<QRgb*>(reference_.scanLine(y)) + z.left(), Ligne(image, y, z.left()),
                                octets);
            }
        }
    }
    if (partage_) {
        if (!memeTaille) reference_ = image.copy();
        dernier_ = c;
    }
    return c;
}

bool MagasinImages::Ranger(int place, const QImage& image, QPointF position) {
    const std::lock_guard l(verrou_);
    if (place < 0 || place >= Places() || image.isNull()) return false;
    places_[static_cast<size_t>(place)] = Decouper(image, position, nullptr);
    traces_[static_cast<size_t>(place)].reset();
    source_ = 0;
    return true;
}

bool MagasinImages::Ranger(int place, const Surface& surface, QPointF position) {
    const std::lock_guard l(verrou_);
    return RangerLibre(place, surface, position);
}

bool MagasinImages::RangerLibre(int place, const Surface& surface, QPointF position) {
    const QImage& image = surface.Vue();
    if (place < 0 || place >= Places() || image.isNull()) return false;
    std::vector<bool> intactes;
    const SuiviEncre& encre = surface.Encre();
    if (partage_ && source_ == encre.Identite() && dernier_ && !reference_.isNull()) {
        static_assert(SuiviEncre::HauteurBande == CoteTuile);
        intactes.resize(static_cast<size_t>((image.height() + CoteTuile - 1) / CoteTuile));
        for (size_t l = 0; l < intactes.size(); ++l)
            intactes[l] = encre.VersionBande(static_cast<int>(l)) <= versionSource_;
    }
    // A store that does not share reads each row only up to its bound.
    const std::vector<int> droites = partage_ ? std::vector<int>() : encre.Droites();
    places_[static_cast<size_t>(place)] = Decouper(image, position, intactes.empty() ? nullptr : &intactes,
                                                   surface.FondRgb(), droites.empty() ? nullptr : &droites);
    traces_[static_cast<size_t>(place)] = std::make_shared<const ListeTraces>(surface.Traces());
    source_ = partage_ ? encre.Identite() : 0;
    versionSource_ = encre.Version();
    return true;
}

bool MagasinImages::RangerEtEffacer(int place, Surface& surface, QPointF position) {
    std::unique_lock l(verrou_);
    const QSize taille(surface.Largeur(), surface.Hauteur());
    // Two pictures at most wait for the thread, so memory stays bounded however fast screens come;
    // and a sheet allocated here would cost its first writes (page faults) on this thread.
    const bool feuillePrete = FeuillePrete(surface);
    if (partage_ || place < 0 || place >= Places() || !feuillePrete || travaux_.size() + static_cast<size_t>(actifs_) >= 2) {
        const bool rangee = RangerLibre(place, surface, position);
        // The rows drawn on are all this screen changed: only they are cleared.
        surface.EffacerEncre();
        PreparerFeuilleLibre(surface);
        return rangee;
    }
    // The rows drawn on: only they need reading and clearing to make the picture a sheet again.
    std::vector<int> droites = surface.Encre().Droites();
    QImage feuille = std::move(feuilles_.back());
    feuilles_.pop_back();
    auto traces = std::make_shared<ListeTraces>();
    auto attente = std::make_shared<Cliche>();
    attente->brute = surface.Echanger(std::move(feuille), traces.get());
    attente->largeur = attente->brute.width();
    attente->hauteur = attente->brute.height();
    attente->position = position;
    places_[static_cast<size_t>(place)] = attente;
    traces_[static_cast<size_t>(place)] = std::move(traces);
    source_ = 0;
    travaux_.push_back({place, std::move(attente), surface.FondRgb(), taille, std::move(droites)});
    Demarrer();
    return true;
}

void MagasinImages::PreparerFeuille(const Surface& surface) {
    const std::lock_guard l(verrou_);
    PreparerFeuilleLibre(surface);
}

bool MagasinImages::FeuillePrete(const Surface& surface) const {
    return !feuilles_.empty() && fondFeuilles_ == surface.FondRgb() &&
           feuilles_.back().size() == QSize(surface.Largeur(), surface.Hauteur());
}

void MagasinImages::PreparerFeuilleLibre(const Surface& surface) {
    const QSize taille(surface.Largeur(), surface.Hauteur());
    if (partage_ || actifs_ > 0 || !travaux_.empty()) return;
    if (!FeuillePrete(surface)) feuilles_.clear();
    if (feuilles_.size() >= kFeuilles) return;
    travaux_.push_back({-1, nullptr, surface.FondRgb(), taille, {}});
    Demarrer();
}

void MagasinImages::Rendre(QImage feuille, QRgb fond) {
    if (!feuilles_.empty() && (fondFeuilles_ != fond || feuilles_.back().size() != feuille.size())) feuilles_.clear();
    fondFeuilles_ = fond;
    if (feuilles_.size() < kFeuilles) feuilles_.push_back(std::move(feuille));
}

void MagasinImages::Demarrer() {
    if (!ouvrier_.joinable()) ouvrier_ = std::thread(&MagasinImages::Ouvrier, this);
    signal_.notify_all();
}

void MagasinImages::Ouvrier() {
    std::unique_lock l(verrou_);
    for (;;) {
        signal_.wait(l, [this] { return arret_ || !travaux_.empty(); });
        if (arret_) return;
        Travail t = std::move(travaux_.front());
        travaux_.pop_front();
        ++actifs_;
        l.unlock();
        if (t.place < 0) {
            std::vector<QImage> nouvelles(kFeuilles);
            for (QImage& f : nouvelles) {
                f = NouvelleImage(t.taille.width(), t.taille.height());
                f.fill(t.fond);
            }
            l.lock();
            for (QImage& f : nouvelles) Rendre(std::move(f), t.fond);
            --actifs_;
            signal_.notify_all();
            continue;
        }
        // Decouper reads no member of a store that does not share: no lock is needed to code.
        QImage image = t.attente->brute;
        auto codee = Decouper(image, t.attente->position, nullptr, t.fond, &t.droites);
        l.lock();
        if (t.place < Places() && places_[static_cast<size_t>(t.place)] == t.attente)
            places_[static_cast<size_t>(t.place)] = std::move(codee);
        t.attente.reset();
        l.unlock();
        // The picture becomes a cleared sheet again, unless someone still reads it: the rows drawn
        // on are cleared up to their last column drawn, the others hold the background already.
        const bool libre = image.isDetached();
        if (libre) Surface::EffacerJusquAuxDroites(image, t.droites, t.fond);
        l.lock();
        if (libre) Rendre(std::move(image), t.fond);
        --actifs_;
        signal_.notify_all();
    }
}

void MagasinImages::Attendre() const {
    std::unique_lock l(verrou_);
    signal_.wait(l, [this] { return travaux_.empty() && actifs_ == 0; });
}

bool MagasinImages::Occupee(int place) const {
    const std::lock_guard l(verrou_);
    return OccupeeLibre(place);
}

bool MagasinImages::OccupeeLibre(int place) const {
    return place >= 0 && place < Places() && places_[static_cast<size_t>(place)] != nullptr;
}

QImage MagasinImages::Image(int place) const {
    QImage image;
    return Image(place, image) ? image : QImage();
}

bool MagasinImages::Image(int place, QImage& image) const {
    std::shared_ptr<const Cliche> cliche;
    {
        const std::lock_guard l(verrou_);
        if (!OccupeeLibre(place)) return false;
        cliche = places_[static_cast<size_t>(place)];
    }
    const Cliche& c = *cliche;
    if (!c.brute.isNull()) {
        image = c.brute;
        return true;
    }
    // Every pixel is written below: a picture of the right size that is not shared is reused as it is.
    if (image.size() != QSize(c.largeur, c.hauteur) || image.format() != QImage::Format_RGB32 || !image.isDetached())
        image = NouvelleImage(c.largeur, c.hauteur);
    for (int l = 0; l < c.lignes; ++l) {
        for (int col = 0; col < c.colonnes; ++col) {
            const QRect z = c.Zone(col, l);
            const Tuile& t = *c.tuiles[static_cast<size_t>(l) * c.colonnes + col];
            const size_t ligne = static_cast<size_t>(z.width()) * sizeof(QRgb);
            if (t.forme == Tuile::Unie) {
                for (int y = z.top(); y <= z.bottom(); ++y) {
                    QRgb* p = reinterpret_cast<QRgb*>(image.scanLine(y)) + z.left();
                    std::fill(p, p + z.width(), t.uni);
                }
                continue;
            }
            if (t.forme == Tuile::DeuxCouleurs) {
                for (int y = 0; y < z.height(); ++y) {
                    std::uint64_t m;
                    std::memcpy(&m, t.donnees.get() + y * sizeof m, sizeof m);
                    QRgb* p = reinterpret_cast<QRgb*>(image.scanLine(z.top() + y)) + z.left();
                    for (int x = 0; x < z.width(); ++x) p[x] = (m >> x) & 1 ? t.encre : t.uni;
                }
                continue;
            }
            const int octets = static_cast<int>(ligne) * z.height();
            alignas(16) char brut[CoteTuile * CoteTuile * 4];
            const char* pixels = t.donnees.get();
            if (t.forme == Tuile::Lz4) {
                if (LZ4_decompress_safe(t.donnees.get(), brut, t.taille, octets) != octets) return false;
                pixels = brut;
            }
            for (int y = 0; y < z.height(); ++y)
                std::memcpy(reinterpret_cast<QRgb*>(image.scanLine(z.top() + y)) + z.left(), pixels + y * ligne, ligne);
        }
    }
    return true;
}

QPointF MagasinImages::Position(int place) const {
    const std::lock_guard l(verrou_);
    return OccupeeLibre(place) ? places_[static_cast<size_t>(place)]->position : QPointF();
}

std::shared_ptr<const ListeTraces> MagasinImages::Traces(int place) const {
    const std::lock_guard l(verrou_);
    return OccupeeLibre(place) ? traces_[static_cast<size_t>(place)] : nullptr;
}

void MagasinImages::Vider() {
    const std::lock_guard l(verrou_);
    travaux_.clear();
    for (auto& p : places_) p.reset();
    for (auto& t : traces_) t.reset();
    reference_ = QImage();
    dernier_.reset();
    source_ = 0;
}

qint64 MagasinImages::Octets() const {
    const std::lock_guard l(verrou_);
    std::unordered_set<const Tuile*> vues;
    qint64 total = reference_.sizeInBytes();
    for (const QImage& f : feuilles_) total += f.sizeInBytes();
    for (const auto& p : places_) {
        if (!p) continue;
        total += p->brute.sizeInBytes();
        total += static_cast<qint64>(p->tuiles.size() * sizeof(TuilePartagee)) + static_cast<qint64>(sizeof(Cliche));
        for (const auto& t : p->tuiles)
            if (vues.insert(t.get()).second) total += static_cast<qint64>(sizeof(Tuile)) + t->taille;
    }
    return total;
}
