// Renders the IPA symbol bitmaps "_API_<name>.BMP" and the sample folder "API" from
// tools/api/symboles.txt, in Charis SIL (fonts-sil-charis), black on white.
//
//   velmor_api SYMBOLES OUTPUT
//
// Every bitmap is 28 pixels high with its baseline on row 21, so that a row of symbols pasted at
// PosY - 21 stands on the writing line; it is as wide as the symbol's advance plus one pixel on
// each side. Glyphs are drawn without smoothing, and the files are written here (24-bit, rows
// padded with zeros), so that the output is the same from run to run.
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <QtEndian>
#include <cmath>

namespace {

constexpr int kHauteur = 28;
constexpr int kLigneDeBase = 21;
constexpr int kTaillePixels = 18;
constexpr int kLargeurBlanc = 8;
const QString kPolice = QStringLiteral("Charis SIL");
const char* const kEchantillon[] = {"blahg", "cwot", "ea", "m", "qespon", "dk"};

QByteArray Bmp(const QImage& image) {
    const int largeur = image.width(), hauteur = image.height();
    const int ligne = (largeur * 3 + 3) / 4 * 4;
    const quint32 taille = 54 + static_cast<quint32>(ligne * hauteur);
    QByteArray b(static_cast<qsizetype>(taille), '\0');
    uchar* d = reinterpret_cast<uchar*>(b.data());
    d[0] = 'B';
    d[1] = 'M';
    qToLittleEndian<quint32>(taille, d + 2);
    qToLittleEndian<quint32>(54, d + 10);
    qToLittleEndian<quint32>(40, d + 14);
    qToLittleEndian<qint32>(largeur, d + 18);
    qToLittleEndian<qint32>(hauteur, d + 22);
    qToLittleEndian<quint16>(1, d + 26);
    qToLittleEndian<quint16>(24, d + 28);
    qToLittleEndian<quint32>(static_cast<quint32>(ligne * hauteur), d + 34);
    qToLittleEndian<qint32>(2835, d + 38);  // 72 dots per inch
    qToLittleEndian<qint32>(2835, d + 42);
    for (int y = 0; y < hauteur; ++y) {
        uchar* p = d + 54 + static_cast<qsizetype>(hauteur - 1 - y) * ligne;
        for (int x = 0; x < largeur; ++x) {
            const QRgb c = image.pixel(x, y);
            *p++ = static_cast<uchar>(qBlue(c));
            *p++ = static_cast<uchar>(qGreen(c));
            *p++ = static_cast<uchar>(qRed(c));
        }
    }
    return b;
}

QImage Rendre(const QString& texte, const QFont& police) {
    const QFontMetrics m(police);
    const bool blanc = texte.trimmed().isEmpty();
    const int largeur = blanc ? kLargeurBlanc : std::max(4, m.horizontalAdvance(texte) + 2);
    QImage image(largeur, kHauteur, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (!blanc) {
        QPainter p(&image);
        p.setFont(police);
        p.setPen(Qt::black);
        p.drawText(QPointF(1, kLigneDeBase), texte);
    }
    return image;
}

bool Ecrire(const QString& chemin, const QImage& image) {
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(Bmp(image)) > 0;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 2) {
        err << "usage: velmor_api SYMBOLES OUTPUT\n";
        return 2;
    }
    if (!QFontDatabase::families().contains(kPolice)) {
        err << "velmor_api: the font " << kPolice << " is missing (Debian package fonts-sil-charis)\n";
        return 1;
    }
    QFont police(kPolice);
    police.setPixelSize(kTaillePixels);
    police.setStyleStrategy(QFont::NoAntialias);
    police.setHintingPreference(QFont::PreferFullHinting);

    QFile source(args[0]);
    if (!source.open(QIODevice::ReadOnly)) {
        err << "velmor_api: cannot read " << args[0] << "\n";
        return 1;
    }
    const QString sortie = args[1];
    int n = 0;
    for (const QString& ligne : QString::fromUtf8(source.readAll()).split(u'\n')) {
        if (ligne.isEmpty() || ligne.startsWith(u'#')) continue;
        const qsizetype tab = ligne.indexOf(u'\t');
        if (tab <= 0) {
            err << "velmor_api: no tab in \"" << ligne << "\"\n";
            return 1;
        }
        const QString nom = ligne.left(tab);
        const QImage image = Rendre(ligne.mid(tab + 1), police);
        if (!Ecrire(sortie + QStringLiteral("/_API_") + nom + QStringLiteral(".BMP"), image)) {
            err << "velmor_api: cannot write into " << sortie << "\n";
            return 1;
        }
        for (const char* e : kEchantillon)
            if (nom == QLatin1String(e) && !Ecrire(sortie + QStringLiteral("/API/") + nom + QStringLiteral(".BMP"), image)) {
                err << "velmor_api: cannot write into " << sortie << "/API\n";
                return 1;
            }
        ++n;
    }
    err << n << " symbols written\n";
    return 0;
}
