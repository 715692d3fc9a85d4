#include "app/windows/GardeCollage.h"

#include "base/EtatProgramme.h"

#include <QAction>
#include <QCoreApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QThread>
#include <QTimer>

namespace {

GardeCollage* courante = nullptr;

// The widget an event's receiver belongs to: itself, or the widget owning an action or shortcut.
QWidget* Widget(QObject* objet) {
    for (QObject* o = objet; o; o = o->parent())
        if (o->isWidgetType()) return static_cast<QWidget*>(o);
    return nullptr;
}

}  // namespace

GardeCollage::GardeCollage(EtatProgramme& etat, QList<QWidget*> fenetres, QList<QWidget*> permis)
    : etat_(etat), precedente_(courante) {
    for (QWidget* w : fenetres)
        if (w) fenetres_ << w;
    for (QWidget* w : permis)
        if (w) permis_ << w;
    etat_.ArretCollage = false;
    courante = this;
    QCoreApplication::instance()->installEventFilter(this);
}

GardeCollage::~GardeCollage() {
    QCoreApplication::instance()->removeEventFilter(this);
    courante = precedente_;
    etat_.ArretCollage = false;
}

GardeCollage* GardeCollage::Courante() { return courante; }

void GardeCollage::Vivre() {
    if (courante) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool GardeCollage::ArretDemande() const { return etat_.ArretCollage; }

void GardeCollage::DemanderArret() { etat_.ArretCollage = true; }

bool GardeCollage::Tenue(QObject* objet) const {
    QWidget* w = Widget(objet);
    if (!w) return false;
    for (const auto& p : permis_)
        if (p && (p == w || p->isAncestorOf(w))) return false;
    QWidget* fenetre = w->window();
    for (const auto& f : fenetres_)
        if (f == fenetre) return true;
    return false;
}

bool GardeCollage::eventFilter(QObject* objet, QEvent* ev) {
    if (!objet->isWidgetType() && ev->type() != QEvent::Shortcut) return false;  // window handles pass on to widgets
    switch (ev->type()) {
        case QEvent::KeyPress:
            if (!Tenue(objet)) return false;
            if (static_cast<QKeyEvent*>(ev)->key() == Qt::Key_Escape) DemanderArret();
            return true;
        case QEvent::ShortcutOverride:
            if (!Tenue(objet)) return false;
            ev->accept();  // no shortcut: the key comes as a key press, held above
            return true;
        case QEvent::Shortcut:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
            return Tenue(objet);
        case QEvent::Close: {
            auto* w = static_cast<QWidget*>(objet);
            if (!w->isWindow() || !Tenue(w)) return false;
            DemanderArret();
            if (!fermetures_.contains(w)) fermetures_ << w;
            ev->ignore();
            return true;
        }
        default:
            return false;
    }
}

void HorlogeFenetre::Attendre(int millisecondes) {
    const GardeCollage* garde = GardeCollage::Courante();
    if (!garde) {
        QThread::msleep(static_cast<unsigned long>(millisecondes));
        return;
    }
    if (garde->ArretDemande()) return;
    QEventLoop boucle;
    QTimer::singleShot(millisecondes, Qt::PreciseTimer, &boucle, &QEventLoop::quit);
    boucle.exec();
}
