#include "outputs/ExportVectoriel.h"

#include "outputs/TraitsFins.h"

#include "base/EcritureSure.h"
#include "base/Surface.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <map>

namespace {

// What becomes of a record: drawn as a figure, left out, or given as the pixels of `zone`.
struct Etape {
    const Trace* trace;
    bool gele;
    QRect zone;
};

QRect Emprise(const ListeTraces& l, const Trace& t) {
    const int m = t.largeur / 2 + 2;
    switch (t.sorte) {
    case Trace::Ligne:
    case Trace::Boite:
        return QRect(QPoint(qMin(t.x1, t.x2), qMin(t.y1, t.y2)), QPoint(qMax(t.x1, t.x2), qMax(t.y1, t.y2))).adjusted(-m, -m, m, m);
    case Trace::Point: return {t.x1, t.y1, 1, 1};
    case Trace::Cercle: return QRect(t.x1 - t.x2, t.y1 - t.x2, 2 * t.x2 + 1, 2 * t.x2 + 1).adjusted(-m, -m, m, m);
    case Trace::Texte: return QFontMetrics(l.Police(t)).boundingRect(l.Texte(t)).translated(t.x1, t.y1).adjusted(-2, -2, 2, 2);
    case Trace::Image: return {QPoint(t.x1, t.y1), l.Image(t).size()};
    case Trace::Rognage: break;
    }
    return {};
}

std::vector<Etape> Plan(const FeuilleVectorielle& f) {
    std::vector<const Trace*> traces;
    traces.reserve(f.traces.Taille());
    f.traces.PourChaque([&](const Trace& t) { traces.push_back(&t); });
    std::vector<Etape> etapes(traces.size());
    QRect cadre(-1000000, -1000000, 2000000, 2000000);  // what later cuts of the picture leave
    const QRect image = f.image.rect();
    for (size_t i = traces.size(); i-- > 0;) {
        const Trace& t = *traces[i];
        etapes[i] = {&t, false, {}};
        if (t.sorte == Trace::Rognage) {
            cadre &= QRect(0, 0, t.x2, t.y2);
            etapes[i].trace = nullptr;
            continue;
        }
        const QRect e = Emprise(f.traces, t);
        if (!e.intersects(cadre) || !e.intersects(image)) {
            etapes[i].trace = nullptr;
        } else if (t.inverse || !cadre.contains(e)) {
            etapes[i].gele = true;
            etapes[i].zone = e & cadre & image;
        }
    }
    return etapes;
}

QString Hex(Couleur c) { return QColor::fromRgb(Surface::VersRgb(c)).name(); }

Qt::BrushStyle Motif(int style) {
    static constexpr Qt::BrushStyle motifs[] = {Qt::SolidPattern, Qt::NoBrush,      Qt::HorPattern,      Qt::VerPattern,
                                                Qt::BDiagPattern, Qt::FDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    return style >= 0 && style < 8 ? motifs[style] : Qt::NoBrush;
}

Qt::PenStyle StyleQt(int style) {
    static constexpr Qt::PenStyle styles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine, Qt::DashDotDotLine,
                                              Qt::NoPen};
    return style >= 0 && style < 6 ? styles[style] : Qt::SolidLine;
}

QString Nombre(double v) { return QString::number(v, 'g', 12); }

// The square of the pixel whose top left corner is (x, y).
QString CarrePixel(double x, double y) { return QStringLiteral("M%1 %2h1v1h-1z").arg(Nombre(x), Nombre(y)); }

QByteArray Png(const QImage& image) {
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "PNG");
    return octets.toBase64();
}

class EcrivainSvg {
public:
    explicit EcrivainSvg(const FeuilleVectorielle& f) : f_(f) {}

    QByteArray Document() {
        for (const Etape& e : Plan(f_)) {
            if (!e.trace) continue;
            if (e.gele)
                Image(e.zone.topLeft(), f_.image.copy(e.zone));
            else
                Figure(*e.trace);
        }
        Finir();
        const int w = f_.image.width(), h = f_.image.height();
        QString tete = QStringLiteral(
                           "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
                           "xmlns:xlink=\"http://www.w3.org/1999/xlink\" version=\"1.1\" width=\"%1\" height=\"%2\" "
                           "viewBox=\"0 0 %1 %2\" shape-rendering=\"crispEdges\" image-rendering=\"optimizeSpeed\">\n")
                           .arg(w)
                           .arg(h);
        if (!defs_.isEmpty()) tete += QStringLiteral("<defs>\n") + defs_ + QStringLiteral("</defs>\n");
        tete += QStringLiteral("<rect width=\"%1\" height=\"%2\" fill=\"%3\"/>\n").arg(w).arg(h).arg(Hex(f_.fond));
        return (tete + corps_ + QStringLiteral("</svg>\n")).toUtf8();
    }

private:
    // Consecutive strokes of the same pen share one path element.
    void Chemin(const QString& attributs, const QString& d) {
        if (attributs != attributsChemin_) Finir();
        attributsChemin_ = attributs;
        chemin_ += d;
    }
    void Finir() {
        if (!chemin_.isEmpty()) corps_ += QStringLiteral("<path %1 d=\"%2\"/>\n").arg(attributsChemin_, chemin_);
        chemin_.clear();
        attributsChemin_.clear();
    }

    QString Trait(const Trace& t) {
        if (t.style == 5) return QStringLiteral("stroke=\"none\"");
        const int w = qMax(1, t.largeur);
        QString a = QStringLiteral("stroke=\"%1\" stroke-width=\"%2\" stroke-linecap=\"%3\" stroke-linejoin=\"bevel\"")
                        .arg(Hex(t.trait))
                        .arg(w)
                        .arg(w <= 1 ? QStringLiteral("square") : QStringLiteral("round"));
        static const std::vector<int> tirets[] = {{}, {4, 2}, {1, 2}, {4, 2, 1, 2}, {4, 2, 1, 2, 1, 2}};
        if (t.style >= 1 && t.style <= 4) {
            QStringList n;
            for (int v : tirets[t.style]) n << QString::number(v * w);
            a += QStringLiteral(" stroke-dasharray=\"%1\"").arg(n.join(u' '));
        }
        return a;
    }

    QString Remplissage(const Trace& t) {
        if (t.motif == 0) return QStringLiteral("fill=\"%1\"").arg(Hex(t.remplissage));
        const Qt::BrushStyle motif = Motif(t.motif);
        if (motif == Qt::NoBrush) return QStringLiteral("fill=\"none\"");
        const QString id = QStringLiteral("motif%1_%2").arg(t.motif).arg(Hex(t.remplissage).mid(1));
        if (!motifs_.count(id)) {
            motifs_[id] = true;
            // The 8 × 8 cell of the painter's own pattern, laid from the picture's origin.
            QImage cellule(8, 8, QImage::Format_ARGB32);
            cellule.fill(Qt::transparent);
            QPainter p(&cellule);
            p.fillRect(cellule.rect(), QBrush(Qt::black, motif));
            p.end();
            QString d;
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x)
                    if (qAlpha(cellule.pixel(x, y)) > 0) d += CarrePixel(x, y);
            defs_ += QStringLiteral("<pattern id=\"%1\" patternUnits=\"userSpaceOnUse\" width=\"8\" height=\"8\">"
                                    "<path fill=\"%2\" d=\"%3\"/></pattern>\n")
                         .arg(id, Hex(t.remplissage), d);
        }
        return QStringLiteral("fill=\"url(#%1)\"").arg(id);
    }

    void Image(QPoint o, const QImage& image) {
        Finir();
        corps_ += QStringLiteral("<image x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" xlink:href=\"data:image/png;base64,%5\"/>\n")
                      .arg(o.x())
                      .arg(o.y())
                      .arg(image.width())
                      .arg(image.height())
                      .arg(QString::fromLatin1(Png(image)));
    }

    void Figure(const Trace& t) {
        switch (t.sorte) {
        case Trace::Ligne:
            if (t.x1 == t.x2 && t.y1 == t.y2) {
                if (t.largeur <= 1)
                    Chemin(QStringLiteral("fill=\"%1\"").arg(Hex(t.trait)), CarrePixel(t.x1, t.y1));
                else
                    Chemin(QStringLiteral("fill=\"%1\"").arg(Hex(t.trait)), Disque(t.x1, t.y1, t.largeur / 2.0));
            } else if (t.largeur <= 1 && t.style == 0) {
                for (const QLineF& l : SegmentsTraitFin(t.x1, t.y1, t.x2, t.y2, f_.image.size())) {
                    if (l.p1() == l.p2())
                        Chemin(QStringLiteral("fill=\"%1\"").arg(Hex(t.trait)),
                               CarrePixel(l.x1() - 0.5, l.y1() - 0.5));
                    else
                        Chemin(QStringLiteral("fill=\"none\" ") + Trait(t), QStringLiteral("M%1 %2L%3 %4")
                                                                             .arg(Nombre(l.x1()), Nombre(l.y1()),
                                                                                  Nombre(l.x2()), Nombre(l.y2())));
                }
            } else {
                Chemin(QStringLiteral("fill=\"none\" ") + Trait(t),
                       QStringLiteral("M%1 %2L%3 %4").arg(t.x1).arg(t.y1).arg(t.x2).arg(t.y2));
            }
            break;
        case Trace::Point:
            Chemin(QStringLiteral("fill=\"%1\"").arg(Hex(t.trait)), CarrePixel(t.x1, t.y1));
            break;
        case Trace::Boite:
            Finir();
            corps_ += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" %5 %6/>\n")
                          .arg(t.x1)
                          .arg(t.y1)
                          .arg(t.x2 - t.x1)
                          .arg(t.y2 - t.y1)
                          .arg(Remplissage(t), Trait(t));
            break;
        case Trace::Cercle:
            Finir();
            corps_ += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" %4 %5/>\n")
                          .arg(t.x1)
                          .arg(t.y1)
                          .arg(t.x2)
                          .arg(Remplissage(t), Trait(t));
            break;
        case Trace::Texte: {
            Finir();
            const QFont& police = f_.traces.Police(t);
            const double taille = police.pixelSize() > 0 ? police.pixelSize() : police.pointSizeF() * 96 / 72;
            corps_ += QStringLiteral("<text x=\"%1\" y=\"%2\" font-family=\"%3\" font-size=\"%4px\"%5%6 fill=\"%7\" "
                                     "xml:space=\"preserve\">%8</text>\n")
                          .arg(t.x1)
                          .arg(t.y1)
                          .arg(police.family().toHtmlEscaped(), Nombre(taille),
                               police.bold() ? QStringLiteral(" font-weight=\"bold\"") : QString(),
                               police.italic() ? QStringLiteral(" font-style=\"italic\"") : QString(), Hex(t.trait),
                               f_.traces.Texte(t).toHtmlEscaped());
            break;
        }
        case Trace::Image: Image({t.x1, t.y1}, f_.traces.Image(t)); break;
        case Trace::Rognage: break;
        }
    }

    static QString Disque(int x, int y, double r) {
        return QStringLiteral("M%1 %2a%3 %3 0 1 0 %4 0a%3 %3 0 1 0 %5 0z")
            .arg(Nombre(x - r), QString::number(y), Nombre(r), Nombre(2 * r), Nombre(-2 * r));
    }

    const FeuilleVectorielle& f_;
    QString corps_, defs_, chemin_, attributsChemin_;
    std::map<QString, bool> motifs_;
};

// A page of the PDF: the figures painted as vectors, one-pixel pens centred on the pixels they cover.
void Peindre(QPainter& p, const FeuilleVectorielle& f) {
    p.fillRect(f.image.rect(), QColor::fromRgb(Surface::VersRgb(f.fond)));
    for (const Etape& e : Plan(f)) {
        if (!e.trace) continue;
        if (e.gele) {
            p.drawImage(e.zone.topLeft(), f.image.copy(e.zone));
            continue;
        }
        const Trace& t = *e.trace;
        const bool fin = t.largeur <= 1;
        const double o = fin ? 0.5 : 0;
        QPen stylo(QColor::fromRgb(Surface::VersRgb(t.trait)), fin ? 1 : t.largeur, StyleQt(t.style),
                   fin ? Qt::SquareCap : Qt::RoundCap, Qt::BevelJoin);
        p.setPen(stylo);
        p.setBrush(t.motif == 1 ? QBrush() : QBrush(QColor::fromRgb(Surface::VersRgb(t.remplissage)), Motif(t.motif)));
        switch (t.sorte) {
        case Trace::Ligne:
            if (t.x1 == t.x2 && t.y1 == t.y2 && fin)  // a square: a zero-length stroke some readers skip
                p.fillRect(QRectF(t.x1, t.y1, 1, 1), stylo.color());
            else if (t.x1 == t.x2 && t.y1 == t.y2)
                p.drawPoint(QPointF(t.x1 + o, t.y1 + o));
            else if (fin && t.style == 0)
                for (const QLineF& l : SegmentsTraitFin(t.x1, t.y1, t.x2, t.y2, f.image.size())) {
                    if (l.p1() == l.p2())
                        p.drawPoint(l.p1());
                    else
                        p.drawLine(l);
                }
            else
                p.drawLine(QPointF(t.x1 + o, t.y1 + o), QPointF(t.x2 + o, t.y2 + o));
            break;
        case Trace::Point: p.fillRect(QRect(t.x1, t.y1, 1, 1), QColor::fromRgb(Surface::VersRgb(t.trait))); break;
        case Trace::Boite: p.drawRect(QRectF(t.x1 + o, t.y1 + o, t.x2 - t.x1, t.y2 - t.y1)); break;
        case Trace::Cercle: p.drawEllipse(QPointF(t.x1 + o, t.y1 + o), t.x2, t.x2); break;
        case Trace::Texte:
            p.setFont(f.traces.Police(t));
            p.drawText(QPoint(t.x1, t.y1), f.traces.Texte(t));
            break;
        case Trace::Image: p.drawImage(QPoint(t.x1, t.y1), f.traces.Image(t)); break;
        case Trace::Rognage: break;
        }
    }
}

}  // namespace

FeuilleVectorielle FeuilleDe(const Surface& surface) { return {surface.Image(), surface.Traces(), surface.CouleurFond()}; }

QByteArray DocumentSvg(const FeuilleVectorielle& feuille) { return EcrivainSvg(feuille).Document(); }

bool EnregistrerSvg(const QString& fichier, const FeuilleVectorielle& feuille, QString* raison) {
    return EcrireFichierSur(fichier, DocumentSvg(feuille), raison);
}

DocumentPdf::DocumentPdf(const QString& fichier) : fichier_(std::make_unique<FichierSur>(fichier)) {}

DocumentPdf::~DocumentPdf() { Abandonner(); }

namespace {

QPageSize TaillePage(const QImage& i) {
    return QPageSize(QSizeF(i.width(), i.height()), QPageSize::Point, QString(), QPageSize::ExactMatch);
}

}  // namespace

bool DocumentPdf::AjouterPage(const FeuilleVectorielle& feuille) {
    if (!fichier_ || !fichier_->Ouvert()) return false;
    if (!pdf_) {
        pdf_ = std::make_unique<QPdfWriter>(&fichier_->Appareil());
        pdf_->setResolution(72);  // a pixel of the picture is a point of the page
        pdf_->setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf_->setPageSize(TaillePage(feuille.image));
        peintre_ = std::make_unique<QPainter>();
        if (!peintre_->begin(pdf_.get())) {
            Abandonner();
            return false;
        }
        peintre_->setRenderHint(QPainter::LosslessImageRendering);  // embedded pictures keep every pixel (never JPEG)
    } else {
        pdf_->setPageSize(TaillePage(feuille.image));
        if (!pdf_->newPage()) {
            Abandonner();
            return false;
        }
    }
    Peindre(*peintre_, feuille);
    ++pages_;
    return true;
}

bool DocumentPdf::Finir(QString* raison) {
    if (!fichier_ || !fichier_->Ouvert() || pages_ == 0) {
        Abandonner();
        return false;
    }
    const bool fini = peintre_->end();
    peintre_.reset();
    pdf_.reset();
    if (!fini) {
        Abandonner();
        return false;
    }
    const bool valide = fichier_->Valider(raison);
    fichier_.reset();
    return valide;
}

void DocumentPdf::Abandonner() {
    if (peintre_ && peintre_->isActive()) peintre_->end();
    peintre_.reset();
    pdf_.reset();
    if (fichier_) fichier_->Abandonner();
    fichier_.reset();
}

bool EnregistrerPdf(const QString& fichier, const std::vector<FeuilleVectorielle>& feuilles, QString* raison) {
    DocumentPdf document(fichier);
    for (const FeuilleVectorielle& f : feuilles)
        if (!document.AjouterPage(f)) return false;
    return document.Finir(raison);
}
