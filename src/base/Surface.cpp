#include "base/Surface.h"

#include "base/BalayageLigne.h"
#include "base/FichiersImages.h"
#include "base/EcritureSure.h"
#include "base/ImageGrande.h"

#include <QFontMetrics>
#include <cmath>
#include <cstdlib>

namespace {

// Pixel coordinates: the nearest whole pixel, saturated far outside any picture.
int Pixel(double v) {
    if (!(v > -1e8)) return -100000000;
    if (v > 1e8) return 100000000;
    return static_cast<int>(std::floor(v + 0.5));
}

Qt::PenStyle StyleQt(int style) {
    switch (style) {
    case 1: return Qt::DashLine;
    case 2: return Qt::DotLine;
    case 3: return Qt::DashDotLine;
    case 4: return Qt::DashDotDotLine;
    case 5: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

Qt::BrushStyle MotifQt(int style) {
    switch (style) {
    case 0: return Qt::SolidPattern;
    case 2: return Qt::HorPattern;
    case 3: return Qt::VerPattern;
    case 4: return Qt::BDiagPattern;
    case 5: return Qt::FDiagPattern;
    case 6: return Qt::CrossPattern;
    case 7: return Qt::DiagCrossPattern;
    default: return Qt::NoBrush;
    }
}

}  // namespace

Surface::Surface(int largeur, int hauteur, Couleur fond)
    : image_(NouvelleImage(largeur, hauteur)), couleurFond_(fond), encre_(image_.height()) {
    image_.fill(VersRgb(fond));
    largeur_ = image_.width();
    hauteur_ = image_.height();
    police_.setStyleStrategy(QFont::NoAntialias);
}

// The pen reaches no pixel farther than half its width from the segment, rounded caps included;
// two more pixels cover the rasterisation.
int Surface::DemiPlume() const { return largeurTrait_ / 2 + 2; }

Surface::~Surface() { FinirPeinture(); }

QPainter& Surface::Peintre() const {
    if (!peintre_) {
        peintre_ = std::make_unique<QPainter>(&image_);
        peintre_->setRenderHint(QPainter::Antialiasing, false);
        peintre_->setRenderHint(QPainter::TextAntialiasing, false);
    }
    return *peintre_;
}

void Surface::FinirPeinture() const {
    peintrePret_ = false;
    if (peintre_) {
        peintre_->end();
        peintre_.reset();
    }
}

void Surface::PreparerPeintre(bool remplir) const {
    QPainter& p = Peintre();
    // The painter keeps its pen and brush: set them only when the drawing state changed.
    const EtatPeintre etat{couleurTrait_, largeurTrait_, styleTrait_, couleurRemplissage_,
                           remplir ? styleRemplissage_ : 1, modeDessin_};
    if (peintrePret_ && etat == etatPeintre_) return;
    etatPeintre_ = etat;
    peintrePret_ = true;
    QPen stylo(QColor::fromRgb(VersRgb(couleurTrait_)));
    stylo.setWidth(largeurTrait_ <= 1 ? 0 : largeurTrait_);
    stylo.setStyle(StyleQt(styleTrait_));
    stylo.setCapStyle(Qt::RoundCap);
    p.setPen(stylo);
    if (remplir && styleRemplissage_ != 1)
        p.setBrush(QBrush(QColor::fromRgb(VersRgb(couleurRemplissage_)), MotifQt(styleRemplissage_)));
    else
        p.setBrush(Qt::NoBrush);
    p.setCompositionMode(modeDessin_ == ModeInverse ? QPainter::RasterOp_NotDestination
                                                     : QPainter::CompositionMode_SourceOver);
}

void Surface::FixerCouleurFond(Couleur c) {
    couleurFond_ = c;
    Effacer();
}

void Surface::Effacer() {
    FinirPeinture();
    image_.fill(VersRgb(couleurFond_));
    texteX_ = texteY_ = 0;
    encre_.Tout(hauteur_);
    encre_.Vierge(0);
    traces_.Vider();
}

void Surface::EffacerEncre() {
    FinirPeinture();
    EffacerJusquAuxDroites(image_, encre_.Droites(), VersRgb(couleurFond_));
    texteX_ = texteY_ = 0;
    encre_.Tout(hauteur_);
    encre_.Vierge(0);
    traces_.Vider();
}

void Surface::EffacerJusquAuxDroites(QImage& image, const std::vector<int>& droites, QRgb fond) {
    const int hauteur = qMin(image.height(), static_cast<int>(droites.size()));
    for (int y = 0; y < hauteur; ++y) {
        const int d = qMin(droites[static_cast<size_t>(y)], image.width() - 1);
        if (d < 0) continue;
        QRgb* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(ligne, ligne + d + 1, fond);
    }
}

QImage Surface::Echanger(QImage feuille, ListeTraces* traces) {
    FinirPeinture();
    if (feuille.size() != image_.size() || feuille.format() != QImage::Format_RGB32) {
        feuille = NouvelleImage(image_.width(), image_.height());
        feuille.fill(VersRgb(couleurFond_));
    }
    std::swap(feuille, image_);
    texteX_ = texteY_ = 0;
    encre_.Tout(hauteur_);
    encre_.Vierge(0);
    if (traces) *traces = std::move(traces_);
    traces_.Vider();
    return feuille;
}

// Solid one-pixel line inside the picture, written straight into the scan lines (both ends drawn).
bool Surface::LigneRapide(int x1, int y1, int x2, int y2) {
    if (largeurTrait_ > 1 || styleTrait_ != 0) return false;
    const int w = image_.width(), h = image_.height();
    if (x1 < 0 || x2 < 0 || y1 < 0 || y2 < 0 || x1 >= w || x2 >= w || y1 >= h || y2 >= h) return false;
    uchar* bits = image_.bits();
    const qsizetype pas = image_.bytesPerLine();
    const QRgb couleur = VersRgb(couleurTrait_);
    const bool inverse = modeDessin_ == ModeInverse;
    encre_.Rangees(y1, y2, -1);  // the bands; each row's bound follows the pixels set, the scans read less
    BalayerLigne(x1, y1, x2, y2, [&](int x, int y) {
        QRgb* px = reinterpret_cast<QRgb*>(bits + y * pas) + x;
        *px = inverse ? (0xFF000000u | ~*px) : couleur;
        encre_.Pixel(x, y);
    });
    return true;
}

void Surface::Ligne(double x1, double y1, double x2, double y2) {
    if (styleTrait_ == 5) return;
    const int a = Pixel(x1), b = Pixel(y1), c = Pixel(x2), d = Pixel(y2);
    Trace t = Modele(Trace::Ligne, false);
    t.x1 = a, t.y1 = b, t.x2 = c, t.y2 = d;
    if (LigneRapide(a, b, c, d)) {
        traces_.Ajouter(t);
        return;
    }
    // A line whose pen cannot reach the picture leaves every pixel as it is.
    const int marge = largeurTrait_ + 1;
    if (qMax(a, c) < -marge || qMax(b, d) < -marge || qMin(a, c) > image_.width() + marge ||
        qMin(b, d) > image_.height() + marge)
        return;
    encre_.Trait(a, b, c, d, DemiPlume());
    traces_.Ajouter(t);
    PreparerPeintre(false);
    if (a == c && b == d)
        Peintre().drawPoint(a, b);
    else
        Peintre().drawLine(a, b, c, d);
}

void Surface::Point(double x, double y) { Point(x, y, couleurTrait_); }

void Surface::Point(double x, double y, Couleur c) {
    const int px = Pixel(x), py = Pixel(y);
    if (px < 0 || py < 0 || px >= image_.width() || py >= image_.height()) return;
    encre_.Rangees(py, py, px);
    Trace t = Modele(Trace::Point, false);
    t.trait = c, t.x1 = px, t.y1 = py;
    traces_.Ajouter(t);
    QRgb* ligne = reinterpret_cast<QRgb*>(image_.scanLine(py));
    ligne[px] = modeDessin_ == ModeInverse ? (0xFF000000u | ~ligne[px]) : VersRgb(c);
}

void Surface::Boite(double x1, double y1, double x2, double y2) {
    PreparerPeintre(true);
    const int a = Pixel(qMin(x1, x2)), b = Pixel(qMin(y1, y2));
    const int c = Pixel(qMax(x1, x2)), d = Pixel(qMax(y1, y2));
    encre_.Rangees(b - largeurTrait_ - 1, d + largeurTrait_ + 1, c + largeurTrait_ + 1);
    Trace t = Modele(Trace::Boite, true);
    t.x1 = a, t.y1 = b, t.x2 = c, t.y2 = d;
    traces_.Ajouter(t);
    Peintre().drawRect(a, b, c - a, d - b);
}

void Surface::Cercle(double cx, double cy, double rayon) {
    PreparerPeintre(true);
    const int r = Pixel(std::fabs(rayon));
    encre_.Disque(Pixel(cx), Pixel(cy), r, DemiPlume());
    Trace t = Modele(Trace::Cercle, true);
    t.x1 = Pixel(cx), t.y1 = Pixel(cy), t.x2 = r;
    traces_.Ajouter(t);
    Peintre().drawEllipse(QPoint(Pixel(cx), Pixel(cy)), r, r);
}

qint64 Surface::LirePixel(double x, double y) const {
    const int px = Pixel(x), py = Pixel(y);
    if (px < 0 || py < 0 || px >= image_.width() || py >= image_.height()) return -1;
    return DepuisRgb(LigneBrute(py)[px]);
}

void Surface::ImprimerTexte(const QString& texte) {
    PreparerPeintre(false);
    QPainter& p = Peintre();
    p.setFont(police_);
    const QFontMetrics m(police_);
    const int droite = Pixel(texteX_) + qMax(m.horizontalAdvance(texte), m.boundingRect(texte).right()) + m.height();
    encre_.Rangees(Pixel(texteY_) - m.height(), Pixel(texteY_) + 2 * m.height(), droite);
    p.drawText(QPointF(Pixel(texteX_), Pixel(texteY_) + m.ascent()), texte);
    if (!texte.trimmed().isEmpty()) {
        Trace t = Modele(Trace::Texte, false);
        t.x1 = Pixel(texteX_), t.y1 = Pixel(texteY_) + m.ascent();
        traces_.AjouterTexte(t, texte, police_);
    }
    texteX_ += m.horizontalAdvance(texte);
}

int Surface::LargeurTexte(const QString& texte) const { return QFontMetrics(police_).horizontalAdvance(texte); }

int Surface::HauteurTexte() const { return QFontMetrics(police_).height(); }

void Surface::Redimensionner(int largeur, int hauteur) {
    largeur = qBound(1, largeur, 32767);
    hauteur = qBound(1, hauteur, 32767);
    if (largeur == image_.width() && hauteur == image_.height()) return;
    FinirPeinture();
    QImage nouvelle = NouvelleImage(largeur, hauteur);
    nouvelle.fill(VersRgb(couleurFond_));
    const int w = qMin(largeur, image_.width()), h = qMin(hauteur, image_.height());
    for (int y = 0; y < h; ++y)
        memcpy(nouvelle.scanLine(y), image_.constScanLine(y), static_cast<size_t>(w) * 4);
    if ((largeur < image_.width() || hauteur < image_.height()) && !traces_.Vide()) {
        Trace t;
        t.sorte = Trace::Rognage, t.x2 = largeur, t.y2 = hauteur;
        traces_.Ajouter(t);
    }
    image_ = std::move(nouvelle);
    largeur_ = image_.width();
    hauteur_ = image_.height();
    // The rows kept keep their bounds (the new columns hold the background); new rows are blank.
    encre_.Redimensionner(hauteur_);
}

bool Surface::ChargerBmp(const QString& fichier) {
    const QImage lue = LireImage(fichier, "bmp");
    if (lue.isNull()) return false;
    RemplacerImage(lue);
    return true;
}

bool Surface::SauverBmp(const QString& fichier) const {
    FinirPeinture();
    return EcrireFichierSur(fichier, OctetsBmp(image_));
}

bool Surface::Enregistrer(const QString& fichier, QString* raison) const {
    FinirPeinture();
    return EnregistrerImage(image_, fichier, raison);
}

void Surface::Coller(const QImage& image, double x, double y) {
    encre_.Rangees(Pixel(y) - 1, Pixel(y) + image.height() + 1, Pixel(x) + image.width());
    PreparerPeintre(false);
    Peintre().setCompositionMode(QPainter::CompositionMode_SourceOver);
    Peintre().drawImage(QPoint(Pixel(x), Pixel(y)), image);
    Trace t;
    t.x1 = Pixel(x), t.y1 = Pixel(y);
    traces_.AjouterImage(t, image);
    peintrePret_ = false;  // the composition mode no longer follows the draw mode
}

void Surface::RemplacerImage(const QImage& image) {
    FinirPeinture();
    image_ = image.convertToFormat(QImage::Format_RGB32);
    largeur_ = image_.width();
    hauteur_ = image_.height();
    encre_.Tout(hauteur_);
    // The picture taken becomes one embedded picture of the list.
    traces_.Vider();
    traces_.AjouterImage(Trace{}, image_);
}

QImage Surface::Image() const {
    FinirPeinture();
    return image_.copy();
}
