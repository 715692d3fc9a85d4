#include "layout/MagasinImages.h"

#include <cstring>
#include <lz4.h>
#include <unordered_set>

struct MagasinImages::Tuile {
    QRgb uni = 0;
    bool brute = false;  // the pixels as they are: the compressor could not make them smaller
    int taille = 0;      // bytes in `donnees`
    std::unique_ptr<char[]> donnees;  // LZ4 block of the pixels, row after row; none for one colour
};

struct MagasinImages::Cliche {
    int largeur = 0, hauteur = 0, colonnes = 0, lignes = 0;
    std::vector<TuilePartagee> tuiles;  // row after row of tiles
    QPointF position;

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

MagasinImages::~MagasinImages() = default;

void MagasinImages::FixerPlaces(int places) { places_.resize(static_cast<size_t>(qMax(0, places))); }

MagasinImages::TuilePartagee MagasinImages::Coder(const QImage& image, const QRect& z) {
    auto t = std::make_shared<Tuile>();
    const QRgb premier = *Ligne(image, z.top(), z.left());
    t->uni = premier;
    const size_t ligne = static_cast<size_t>(z.width()) * sizeof(QRgb);
    alignas(16) QRgb brut[CoteTuile * CoteTuile];
    // One reading gathers the rows and finds whether the tile holds one colour.
    QRgb ecart = 0;
    for (int y = 0; y < z.height(); ++y) {
        const QRgb* p = Ligne(image, z.top() + y, z.left());
        QRgb* d = brut + y * z.width();
        std::memcpy(d, p, ligne);
        for (int x = 0; x < z.width(); ++x) ecart |= d[x] ^ premier;
    }
    if (ecart == 0) return t;
    const int octets = static_cast<int>(ligne) * z.height();
    char code[LZ4_COMPRESSBOUND(CoteTuile * CoteTuile * 4)];
    const int n = LZ4_compress_default(reinterpret_cast<const char*>(brut), code, octets, sizeof code);
    t->brute = n <= 0 || n >= octets;
    t->taille = t->brute ? octets : n;
    t->donnees = std::make_unique_for_overwrite<char[]>(static_cast<size_t>(t->taille));
    std::memcpy(t->donnees.get(), t->brute ? reinterpret_cast<const char*>(brut) : code, static_cast<size_t>(t->taille));
    return t;
}

std::shared_ptr<const MagasinImages::Cliche> MagasinImages::Decouper(const QImage& source, QPointF position) {
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
    for (int l = 0; l < c->lignes; ++l) {
        for (int col = 0; col < c->colonnes; ++col) {
            const QRect z = c->Zone(col, l);
            TuilePartagee& t = c->tuiles[static_cast<size_t>(l) * c->colonnes + col];
            if (avant && col < avant->colonnes && l < avant->lignes && avant->Zone(col, l) == z &&
                ZonesEgales(image, reference_, z)) {
                t = avant->tuiles[static_cast<size_t>(l) * avant->colonnes + col];
                continue;
            }
            t = Coder(image, z);
            if (!t->donnees) {
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
    if (place < 0 || place >= Places() || image.isNull()) return false;
    places_[static_cast<size_t>(place)] = Decouper(image, position);
    return true;
}

bool MagasinImages::Occupee(int place) const {
    return place >= 0 && place < Places() && places_[static_cast<size_t>(place)] != nullptr;
}

QImage MagasinImages::Image(int place) const {
    if (!Occupee(place)) return {};
    const Cliche& c = *places_[static_cast<size_t>(place)];
    QImage image(c.largeur, c.hauteur, QImage::Format_RGB32);
    for (int l = 0; l < c.lignes; ++l) {
        for (int col = 0; col < c.colonnes; ++col) {
            const QRect z = c.Zone(col, l);
            const Tuile& t = *c.tuiles[static_cast<size_t>(l) * c.colonnes + col];
            const size_t ligne = static_cast<size_t>(z.width()) * sizeof(QRgb);
            if (!t.donnees) {
                for (int y = z.top(); y <= z.bottom(); ++y) {
                    QRgb* p = reinterpret_cast<QRgb*>(image.scanLine(y)) + z.left();
                    std::fill(p, p + z.width(), t.uni);
                }
                continue;
            }
            const int octets = static_cast<int>(ligne) * z.height();
            alignas(16) char brut[CoteTuile * CoteTuile * 4];
            const char* pixels = t.donnees.get();
            if (!t.brute) {
                if (LZ4_decompress_safe(t.donnees.get(), brut, t.taille, octets) != octets) return {};
                pixels = brut;
            }
            for (int y = 0; y < z.height(); ++y)
                std::memcpy(reinterpret_cast<QRgb*>(image.scanLine(z.top() + y)) + z.left(), pixels + y * ligne, ligne);
        }
    }
    return image;
}

QPointF MagasinImages::Position(int place) const {
    return Occupee(place) ? places_[static_cast<size_t>(place)]->position : QPointF();
}

void MagasinImages::Vider() {
    for (auto& p : places_) p.reset();
    reference_ = QImage();
    dernier_.reset();
}

qint64 MagasinImages::Octets() const {
    std::unordered_set<const Tuile*> vues;
    qint64 total = reference_.sizeInBytes();
    for (const auto& p : places_) {
        if (!p) continue;
        total += static_cast<qint64>(p->tuiles.size() * sizeof(TuilePartagee)) + static_cast<qint64>(sizeof(Cliche));
        for (const auto& t : p->tuiles)
            if (vues.insert(t.get()).second) total += static_cast<qint64>(sizeof(Tuile)) + t->taille;
    }
    return total;
}
