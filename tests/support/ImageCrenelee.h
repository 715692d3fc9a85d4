#pragma once
// A paint device over a QImage that paints without antialiasing, whatever the painter's hints ask:
// the SVG renderer turns antialiasing on for itself, and the tests compare its pixels with the
// surface's aliased ones.
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QImage>
#include <memory>
#include <climits>
#include <QPainterPath>
class MoteurCrenele : public QPaintEngine {
public:
    explicit MoteurCrenele(QImage* image) : QPaintEngine(QPaintEngine::AllFeatures), image_(image) {}
    bool begin(QPaintDevice*) override { p_ = std::make_unique<QPainter>(image_); return true; }
    bool end() override { p_.reset(); return true; }
    Type type() const override { return QPaintEngine::User; }
    void updateState(const QPaintEngineState& s) override {
        const auto f = s.state();
        if (f & DirtyPen) p_->setPen(s.pen());
        if (f & DirtyBrush) p_->setBrush(s.brush());
        if (f & DirtyBrushOrigin) p_->setBrushOrigin(s.brushOrigin());
        if (f & DirtyTransform) p_->setTransform(s.transform());
        if (f & DirtyCompositionMode) p_->setCompositionMode(s.compositionMode());
        if (f & DirtyOpacity) p_->setOpacity(s.opacity());
        if (f & DirtyClipPath) p_->setClipPath(s.clipPath(), s.clipOperation());
        if (f & DirtyClipRegion) p_->setClipRegion(s.clipRegion(), s.clipOperation());
        if (f & DirtyClipEnabled) p_->setClipping(s.isClipEnabled());
        if (f & DirtyFont) p_->setFont(s.font());
        p_->setRenderHint(QPainter::Antialiasing, false);
        p_->setRenderHint(QPainter::SmoothPixmapTransform, false);
        p_->setRenderHint(QPainter::TextAntialiasing, false);
    }
    void drawPath(const QPainterPath& path) override { p_->drawPath(path); }
    void drawLines(const QLineF* l, int n) override { p_->drawLines(l, n); }
    void drawRects(const QRectF* r, int n) override { p_->drawRects(r, n); }
    void drawEllipse(const QRectF& r) override { p_->drawEllipse(r); }
    void drawPoints(const QPointF* pt, int n) override { p_->drawPoints(pt, n); }
    void drawPolygon(const QPointF* pt, int n, PolygonDrawMode m) override {
        if (m == PolylineMode) p_->drawPolyline(pt, n);
        else p_->drawPolygon(pt, n, m == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
    }
    void drawPixmap(const QRectF& r, const QPixmap& pm, const QRectF& sr) override { p_->drawPixmap(r, pm, sr); }
    void drawImage(const QRectF& r, const QImage& im, const QRectF& sr, Qt::ImageConversionFlags) override { p_->drawImage(r, im, sr); }
private:
    QImage* image_;
    std::unique_ptr<QPainter> p_;
};
class ImageCrenelee : public QPaintDevice {
public:
    explicit ImageCrenelee(QImage* image) : image_(image), moteur_(image) {}
    QPaintEngine* paintEngine() const override { return &moteur_; }
protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth: return image_->width();
        case PdmHeight: return image_->height();
        case PdmWidthMM: return image_->width() * 254 / 960;
        case PdmHeightMM: return image_->height() * 254 / 960;
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        default: return 96;
        }
    }
private:
    QImage* image_;
    mutable MoteurCrenele moteur_;
};
