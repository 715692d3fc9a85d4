#include "app/windows/VueSurface.h"

#include "base/Surface.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

VueSurface::VueSurface(const Surface& surface, QWidget* parent) : QWidget(parent), surface_(surface) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    Ajuster();
}

void VueSurface::FixerZoom(int zoom) {
    zoom_ = qBound(1, zoom, 8);
    Ajuster();
    update();
}

void VueSurface::Ajuster() {
    const QSize taille(surface_.Largeur() * zoom_, surface_.Hauteur() * zoom_);
    if (size() != taille) setFixedSize(taille);
}

void VueSurface::paintEvent(QPaintEvent* ev) {
    QPainter p(this);
    const QImage& image = surface_.Vue();
    if (zoom_ == 1) {
        p.drawImage(ev->rect(), image, ev->rect());
        return;
    }
    // The picture pixels under the damaged rectangle, each drawn as a zoom x zoom block.
    const QRect r = ev->rect();
    const QRect source(r.x() / zoom_, r.y() / zoom_, r.width() / zoom_ + 2, r.height() / zoom_ + 2);
    const QRect zone = source.intersected(image.rect());
    if (zone.isEmpty()) return;
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QRect(zone.topLeft() * zoom_, zone.size() * zoom_), image, zone);
}

QPointF VueSurface::PointImage(const QMouseEvent* ev) const {
    return QPointF(static_cast<int>(ev->position().x()) / zoom_, static_cast<int>(ev->position().y()) / zoom_);
}

void VueSurface::mouseMoveEvent(QMouseEvent* ev) {
    const QPointF p = PointImage(ev);
    if (SourisBougee) SourisBougee(p.x(), p.y());
    QWidget::mouseMoveEvent(ev);
}

void VueSurface::mousePressEvent(QMouseEvent* ev) {
    const QPointF p = PointImage(ev);
    if (SourisEnfoncee) SourisEnfoncee(p.x(), p.y());
    QWidget::mousePressEvent(ev);
}
