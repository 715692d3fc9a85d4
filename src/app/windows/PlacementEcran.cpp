#include "app/windows/PlacementEcran.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace {

// Waits for the frame among the window's moves and resizes, once.
class Cadrage : public QObject {
public:
    explicit Cadrage(QWidget& fenetre) : QObject(&fenetre), fenetre_(fenetre) {
        fenetre.installEventFilter(this);
        QTimer::singleShot(2000, this, [this] { deleteLater(); });
    }
    bool eventFilter(QObject* objet, QEvent* ev) override {
        const auto t = ev->type();
        if (objet == &fenetre_ && (t == QEvent::Move || t == QEvent::Resize || t == QEvent::Show) &&
            !CadreFenetre(fenetre_).isNull()) {
            fenetre_.removeEventFilter(this);
            deleteLater();
            QTimer::singleShot(0, &fenetre_, [w = &fenetre_] { RamenerDansEcran(*w); });
        }
        return false;
    }

private:
    QWidget& fenetre_;
};

}  // namespace

QRect PlaceEcran(const QWidget& fenetre) {
    const QScreen* ecran = fenetre.screen() ? fenetre.screen() : QGuiApplication::primaryScreen();
    return ecran ? ecran->availableGeometry() : QRect(0, 0, 1024, 768);
}

QMargins CadreFenetre(const QWidget& fenetre) {
    const QRect f = fenetre.frameGeometry(), g = fenetre.geometry();
    return {g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom()};
}

void RamenerDansEcran(QWidget& fenetre) {
    if (fenetre.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)) return;
    const QRect place = PlaceEcran(fenetre);
    const QMargins cadre = CadreFenetre(fenetre);
    const QSize plus = place.size().shrunkBy(cadre);
    if (fenetre.width() > plus.width() || fenetre.height() > plus.height())
        fenetre.resize(qMin(fenetre.width(), plus.width()), qMin(fenetre.height(), plus.height()));
    const QRect f(fenetre.pos(), fenetre.size().grownBy(cadre));
    if (place.contains(f)) return;
    fenetre.move(qBound(place.left(), f.left(), qMax(place.left(), place.right() + 1 - f.width())),
                 qBound(place.top(), f.top(), qMax(place.top(), place.bottom() + 1 - f.height())));
}

void RamenerAuCadrage(QWidget& fenetre) { new Cadrage(fenetre); }
