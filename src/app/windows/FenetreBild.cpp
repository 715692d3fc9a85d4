#include "app/windows/FenetreBild.h"

#include <QEvent>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

FenetreBild::FenetreBild(const QImage& image, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmBild"));
    setWindowTitle(QStringLiteral("Velmor"));
    auto* zone = new QScrollArea(this);
    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("Picture"));
    picture->setPixmap(QPixmap::fromImage(image));
    picture->installEventFilter(this);
    zone->setWidget(picture);
    zone->setAlignment(Qt::AlignCenter);
    zone->viewport()->installEventFilter(this);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(zone);
}

void FenetreBild::mousePressEvent(QMouseEvent*) { accept(); }

bool FenetreBild::eventFilter(QObject* objet, QEvent* ev) {
    if (ev->type() == QEvent::MouseButtonPress) {
        accept();
        return true;
    }
    return QDialog::eventFilter(objet, ev);
}
