#pragma once
// The full-screen view "frmBild": the surface's picture; a click (or Escape) closes it.

#include <QDialog>
#include <QImage>

class FenetreBild : public QDialog {
public:
    explicit FenetreBild(const QImage& image, QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* ev) override;
    bool eventFilter(QObject* objet, QEvent* ev) override;
};
