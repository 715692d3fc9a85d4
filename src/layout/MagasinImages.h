#pragma once
// A numbered store of surface pictures: the stored screens and the ring of recallable pages.
//
// A picture is kept as a grid of 64 x 64 tiles. A tile of one colour is kept as that colour, a tile
// of two colours as those colours and one bit a pixel; any other tile as an LZ4 block (fast both
// ways), or as it is when that would not be smaller.
// A sharing store also compares each tile with the picture it stored last and keeps the same tile
// when nothing changed there, so consecutive snapshots of a page being written cost only the tiles
// that the new words touched. Pictures come back exact to the pixel.

#include "base/Surface.h"

#include <QImage>
#include <QPointF>
#include <cstdint>
#include <memory>
#include <vector>

class MagasinImages {
public:
    static constexpr int CoteTuile = 64;

    // `partage`: compare with the last stored picture and share the tiles that did not change.
    explicit MagasinImages(int places = 0, bool partage = false);
    ~MagasinImages();
    MagasinImages(const MagasinImages&) = delete;
    MagasinImages& operator=(const MagasinImages&) = delete;

    int Places() const { return static_cast<int>(places_.size()); }
    // Keeps the pictures of the places below the new count.
    void FixerPlaces(int places);

    // Stores a copy of `image` with a cursor position; false when the place is out of range.
    bool Ranger(int place, const QImage& image, QPointF position = {});
    // The same for a surface's picture: a sharing store that stored this surface last compares
    // only the bands of rows the surface changed since.
    bool Ranger(int place, const Surface& surface, QPointF position = {});
    // The surface has just been cleared to its background: a store that does not share tiles keeps
    // the bands of rows it has not changed since as plain tiles, without reading them.
    void NoterEffacee(const Surface& surface);
    bool Occupee(int place) const;
    QImage Image(int place) const;  // null when the place is empty or out of range
    QPointF Position(int place) const;
    // What was drawn on the surface stored there; null for a picture stored alone.
    std::shared_ptr<const ListeTraces> Traces(int place) const;
    void Vider();

    // Bytes held by the tiles of every place, a tile shared by several places counted once,
    // plus the comparison copy of a sharing store.
    qint64 Octets() const;

private:
    struct Tuile;
    struct Cliche;
    using TuilePartagee = std::shared_ptr<const Tuile>;

    // `intactes`: per band of tiles, true when it is known equal to the last stored picture.
    // `unies`: per band of tiles, true when it holds nothing but `fondUni`.
    std::shared_ptr<const Cliche> Decouper(const QImage& image, QPointF position, const std::vector<bool>* intactes,
                                           const std::vector<bool>* unies = nullptr, QRgb fondUni = 0);
    // `lus`: the rows' pixels that differ from the tile's first, one bit each, when already read.
    static TuilePartagee Coder(const QImage& image, const QRect& zone, const std::uint64_t* lus);

    bool partage_;
    std::vector<std::shared_ptr<const Cliche>> places_;
    std::vector<std::shared_ptr<const ListeTraces>> traces_;  // beside places_
    QImage reference_;                    // the last stored picture (sharing stores only)
    std::shared_ptr<const Cliche> dernier_;  // its tiles
    std::uint64_t source_ = 0, versionSource_ = 0;  // the surface it came from, and its version then
    std::uint64_t effacee_ = 0, versionEffacee_ = 0;  // the surface last cleared, and its version then
    QRgb fondEfface_ = 0;
};
