#include "app/windows/VueSurface.h"

#include "base/Surface.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

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

namespace {
int Boutons(Qt::MouseButtons b) {
    return (b & Qt::LeftButton ? BoutonGauche : 0) | (b & Qt::RightButton ? BoutonDroit : 0) |
           (b & Qt::MiddleButton ? BoutonMilieu : 0);
}
// Whole picture pixels, also left of and above the picture while a drag goes out of it.
double EnPixels(double v, int zoom) { return std::floor(v / zoom); }
}  // namespace

Souris VueSurface::EnImage(const QMouseEvent* ev, Qt::MouseButtons boutons) const {
    return {Boutons(boutons), (ev->modifiers() & Qt::ShiftModifier) != 0, EnPixels(ev->position().x(), zoom_),
            EnPixels(ev->position().y(), zoom_)};
}

void VueSurface::mouseMoveEvent(QMouseEvent* ev) {
    if (SourisBougee) SourisBougee(EnImage(ev, ev->buttons()));
    QWidget::mouseMoveEvent(ev);
}

void VueSurface::mousePressEvent(QMouseEvent* ev) {
    if (SourisEnfoncee) SourisEnfoncee(EnImage(ev, ev->button()));
    QWidget::mousePressEvent(ev);
}

void VueSurface::mouseReleaseEvent(QMouseEvent* ev) {
    if (SourisRelachee) SourisRelachee(EnImage(ev, ev->button()));
    QWidget::mouseReleaseEvent(ev);
}
