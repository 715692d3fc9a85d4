#pragma once
// Shows the writing surface magnified by a whole zoom factor, pixel for pixel (nearest neighbour),
// and reports mouse positions in surface pixels.

#include "layout/Outils.h"

#include <QPointF>
#include <QWidget>
#include <functional>

class Surface;

class VueSurface : public QWidget {
public:
    explicit VueSurface(const Surface& surface, QWidget* parent = nullptr);

    void FixerZoom(int zoom);
    int Zoom() const { return zoom_; }
    void Ajuster();  // follows the surface's size

    // Mouse events in picture pixels, whatever the zoom.
    std::function<void(const Souris&)> SourisBougee;
    std::function<void(const Souris&)> SourisEnfoncee;
    std::function<void(const Souris&)> SourisRelachee;

protected:
    void paintEvent(QPaintEvent* ev) override;
    void mouseMoveEvent(QMouseEvent* ev) override;
    void mousePressEvent(QMouseEvent* ev) override;
    void mouseReleaseEvent(QMouseEvent* ev) override;

private:
    const Surface& surface_;
    Souris EnImage(const QMouseEvent* ev, Qt::MouseButtons boutons) const;  // at the picture pixel under the pointer
    int zoom_ = 1;
};
