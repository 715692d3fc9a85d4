// Ink agreement of two pictures of the same size: the share of each one's ink pixels that lie within
// one pixel of ink in the other. `velmor_accord A.png B.png` prints both shares in percent.
#include <QImage>
#include <cstdio>

namespace {

bool Encre(const QImage& i, int x, int y) { return qGray(i.pixel(x, y)) < 200; }

// Share of the ink of `a` that has ink of `b` within one pixel.
double Part(const QImage& a, const QImage& b) {
    long encre = 0, proches = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (!Encre(a, x, y)) continue;
            ++encre;
            bool proche = false;
            for (int dy = -1; dy <= 1 && !proche; ++dy)
                for (int dx = -1; dx <= 1 && !proche; ++dx)
                    proche = b.valid(x + dx, y + dy) && Encre(b, x + dx, y + dy);
            proches += proche;
        }
    return encre ? 100.0 * static_cast<double>(proches) / static_cast<double>(encre) : 100.0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: velmor_accord A.png B.png\n");
        return 2;
    }
    const QImage a = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    const QImage b = QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
    if (a.isNull() || b.isNull() || a.size() != b.size()) {
        std::fprintf(stderr, "velmor_accord: unreadable pictures or sizes differ\n");
        return 1;
    }
    std::printf("%.2f %% of %s's ink near ink of %s\n%.2f %% of %s's ink near ink of %s\n", Part(a, b), argv[1], argv[2],
                Part(b, a), argv[2], argv[1]);
    return 0;
}
