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

constexpr QRgb kOpaque = 0xff000000;  // RGB32 keeps no alpha

// A picture of one or two colours, eight pixels to a byte, first pixel in the high bit, in one
// pass; null at a third colour.
QImage EnUnBit(const QImage& image) {
    const int w = image.width(), h = image.height();
    QImage mono(w, h, QImage::Format_Mono);
    if (mono.isNull()) return {};
    const QRgb fond = image.pixel(0, 0) | kOpaque;
    QRgb autre = fond;
    bool deux = false;
    for (int y = 0; y < h; ++y) {
        const QRgb* s = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* d = mono.scanLine(y);
        for (int x = 0; x < w; x += 8) {
            const int n = qMin(8, w - x);
            QRgb ecart = 0;
            for (int k = 0; k < n; ++k) ecart |= (s[x + k] | kOpaque) ^ fond;
            if (ecart == 0) {  // eight pixels of the first colour: the usual case
                *d++ = 0;
                continue;
            }
            uchar octet = 0;
            for (int k = 0; k < n; ++k) {
                const QRgb c = s[x + k] | kOpaque;
                if (c == fond) continue;
                if (!deux) {
                    autre = c;
                    deux = true;
                } else if (c != autre) {
                    return {};
                }
                octet |= static_cast<uchar>(0x80 >> k);
            }
            *d++ = octet;
        }
    }
    mono.setColorTable({fond, autre});
    return mono;
}

// A picture of up to 256 colours, a byte a pixel; null beyond.
QImage EnHuitBits(const QImage& image) {
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
            const QRgb c = s[x] | kOpaque;
            if (c != derniere || indice < 0) {
                derniere = c;
                indice = table.Indice(derniere);
                if (indice < 0) return {};
            }
            d[x] = static_cast<uchar>(indice);
        }
    }
    indexee.setColorTable(table.Couleurs());
    return indexee;
}

}  // namespace

QImage ImageEnPalette(const QImage& image) {
    if (image.format() != QImage::Format_RGB32 || image.isNull()) return {};
    const QImage mono = EnUnBit(image);
    return mono.isNull() ? EnHuitBits(image) : mono;
}
