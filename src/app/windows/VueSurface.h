#pragma once
// Shows the writing surface magnified by a whole zoom factor, pixel for pixel (nearest neighbour),
// and reports mouse positions in surface pixels.

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

    std::function<void(double x, double y)> SourisBougee;
    std::function<void(double x, double y)> SourisEnfoncee;

protected:
    void paintEvent(QPaintEvent* ev) override;
    void mouseMoveEvent(QMouseEvent* ev) override;
    void mousePressEvent(QMouseEvent* ev) override;

private:
    const Surface& surface_;
    QPointF PointImage(const QMouseEvent* ev) const;  // the picture pixel under the pointer
    int zoom_ = 1;
};
