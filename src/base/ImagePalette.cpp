#include "base/ImagePalette.h"

#include <array>
#include <cstdint>

namespace {

// The colours met so far and their indexes, found through a small hash of the colour.
class TableCouleurs {
public:
    // The colour's index, added when new; -1 past 256 colours.
    int Indice(QRgb c) {
        const size_t h = (c * 2654435761u) >> 20 & (kCases - 1);
        if (cases_[h] >= 0 && couleurs_[static_cast<size_t>(cases_[h])] == c) return cases_[h];
        for (int i = 0; i < couleurs_.size(); ++i)
            if (couleurs_[i] == c) return cases_[h] = i;
        if (couleurs_.size() == 256) return -1;
        couleurs_.append(c);
        return cases_[h] = static_cast<int>(couleurs_.size() - 1);
    }
    const QList<QRgb>& Couleurs() const { return couleurs_; }

private:
    static constexpr size_t kCases = 4096;
    std::array<int, kCases> cases_ = [] {
        std::array<int, kCases> a{};
        a.fill(-1);
        return a;
    }();
    QList<QRgb> couleurs_;
};

// Indexes of two colours or fewer, packed eight to a byte, first pixel in the high bit.
QImage EnUnBit(const QImage& indexee) {
    const int w = indexee.width(), h = indexee.height();
    QImage mono(w, h, QImage::Format_Mono);
    if (mono.isNull()) return {};
    QList<QRgb> table = indexee.colorTable();
    if (table.size() < 2) table.append(table.value(0));
    mono.setColorTable(table);
    for (int y = 0; y < h; ++y) {
        const uchar* s = indexee.constScanLine(y);
        uchar* d = mono.scanLine(y);
        int x = 0;
        for (; x + 8 <= w; x += 8, s += 8)
            *d++ = static_cast<uchar>(s[0] << 7 | s[1] << 6 | s[2] << 5 | s[3] << 4 | s[4] << 3 | s[5] << 2 | s[6] << 1 | s[7]);
        if (x < w) {
            uchar octet = 0;
            for (int b = 7; x < w; ++x, --b, ++s) octet |= static_cast<uchar>(*s << b);
            *d = octet;
        }
    }
    return mono;
}

}  // namespace

QImage ImageEnPalette(const QImage& image) {
    if (image.format() != QImage::Format_RGB32 || image.isNull()) return {};
    const int w = image.width(), h = image.height();
    QImage indexee(w, h, QImage::Format_Indexed8);
    if (indexee.isNull()) return {};
    TableCouleurs table;
    QRgb derniere = 0;
    int indice = -1;
    for (int y = 0; y < h; ++y) {
        const QRgb* s = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* d = indexee.scanLine(y);
        for (int x = 0; x < w; ++x) {
            const QRgb c = s[x] | 0xff000000;  // RGB32 keeps no alpha
            if (c != derniere || indice < 0) {
                derniere = c;
                indice = table.Indice(derniere);
                if (indice < 0) return {};
            }
            d[x] = static_cast<uchar>(indice);
        }
    }
    indexee.setColorTable(table.Couleurs());
    return table.Couleurs().size() <= 2 ? EnUnBit(indexee) : indexee;
}
