#include "app/windows/FenetrePrincipale.h"

#include "base/Contexte.h"
#include "base/Surface.h"
#include "layout/Lignes.h"
#include "transcription/Transcrire.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QToolBar>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

// Shows the surface's picture at its own size.
class VueSurface : public QWidget {
public:
    explicit VueSurface(Surface& s) : surface_(s) { Ajuster(); }
    void Ajuster() {
        if (size() != QSize(surface_.Largeur(), surface_.Hauteur())) setFixedSize(surface_.Largeur(), surface_.Hauteur());
    }

protected:
    void paintEvent(QPaintEvent* ev) override {
        QPainter p(this);
        p.drawImage(ev->rect(), surface_.Vue(), ev->rect());
    }

private:
    Surface& surface_;
};

FenetrePrincipale::FenetrePrincipale(Surface& surface) : surface_(surface) {
    textes_[QStringLiteral("frmEdit")] = QStringLiteral("Velmor");
    setWindowTitle(QStringLiteral("Velmor"));
    vue_ = new VueSurface(surface_);
    defilement_ = new QScrollArea(this);
    defilement_->setWidget(vue_);
    defilement_->setBackgroundRole(QPalette::Dark);
    setCentralWidget(defilement_);
    // A simple entry line: each word is written when its space is typed, Enter starts a new line.
    saisie_ = new QLineEdit(this);
    saisie_->setPlaceholderText(QStringLiteral("Tapez ici (un mot est écrit à chaque espace)"));
    QToolBar* barre = addToolBar(QStringLiteral("Saisie"));
    barre->setMovable(false);
    barre->addWidget(saisie_);
    connect(saisie_, &QLineEdit::textEdited, this, &FenetrePrincipale::SaisieModifiee);
    connect(saisie_, &QLineEdit::returnPressed, this, &FenetrePrincipale::SaisieValidee);
    resize(1024, 720);
}

void FenetrePrincipale::SaisieModifiee(const QString& texte) {
    if (!ctx_ || !texte.endsWith(u' ')) return;
    const QString mot = texte.trimmed().section(u' ', -1);
    if (mot.isEmpty()) return;
    ctx_->etat.CollageEnCours = false;
    ctx_->etat.Tampon = mot;
    Transcrire(*ctx_);
    Rafraichir();
}

void FenetrePrincipale::SaisieValidee() {
    if (!ctx_) return;
    SaisieModifiee(saisie_->text() + u' ');
    ctx_->etat.SautPermis = true;
    ctx_->etat.RetourForce = true;
    NouvelleLigne(*ctx_);
    ctx_->etat.RetourForce = true;
    saisie_->clear();
    Rafraichir();
}

void FenetrePrincipale::Information(const QString& texte, const QString& titre) {
    QMessageBox::information(this, titre.isEmpty() ? QStringLiteral("Velmor") : titre, texte);
}

Reponse FenetrePrincipale::Question(const QString& texte, Boutons boutons, const QString& titre) {
    QMessageBox::StandardButtons b = QMessageBox::Yes | QMessageBox::No;
    if (boutons == Boutons::OuiNonAnnuler) b |= QMessageBox::Cancel;
    const auto r = QMessageBox::question(this, titre.isEmpty() ? QStringLiteral("Velmor") : titre, texte, b);
    return r == QMessageBox::Yes ? Reponse::Oui : r == QMessageBox::No ? Reponse::Non : Reponse::Annuler;
}

void FenetrePrincipale::FixerTexte(const QString& controle, const QString& valeur) {
    textes_[controle] = valeur;
    // The caption changes after every path: the window title follows once the drawing is done.
    if (controle == u"frmEdit" && !titreEnAttente_) {
        titreEnAttente_ = true;
        QTimer::singleShot(0, this, [this] { AppliquerTitre(); });
    }
}

void FenetrePrincipale::AppliquerTitre() {
    titreEnAttente_ = false;
    setWindowTitle(textes_.value(QStringLiteral("frmEdit")));
}

QString FenetrePrincipale::Texte(const QString& controle) const { return textes_.value(controle); }

QRect FenetrePrincipale::ZoneTravail() const {
    const QScreen* ecran = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect r = ecran ? ecran->availableGeometry() : QRect(0, 0, 1024, 768);
    return {r.x() * TwipsParPixelX(), r.y() * TwipsParPixelY(), r.width() * TwipsParPixelX(),
            r.height() * TwipsParPixelY()};
}

int FenetrePrincipale::TwipsParPixelX() const {
    const int dpi = logicalDpiX();
    return dpi > 0 ? qMax(1, 1440 / dpi) : 15;
}

int FenetrePrincipale::TwipsParPixelY() const {
    const int dpi = logicalDpiY();
    return dpi > 0 ? qMax(1, 1440 / dpi) : 15;
}

QRect FenetrePrincipale::ZoneVisible() const {
    return {defilement_->horizontalScrollBar()->value(), defilement_->verticalScrollBar()->value(),
            defilement_->viewport()->width(), defilement_->viewport()->height()};
}

void FenetrePrincipale::FixerDefilement(Barre barre, int valeur, int maximum) {
    vue_->Ajuster();
    QScrollBar* b = barre == Barre::Verticale ? defilement_->verticalScrollBar() : defilement_->horizontalScrollBar();
    b->setValue(qBound(0, valeur, qMax(maximum, b->maximum())));
}

int FenetrePrincipale::ValeurDefilement(Barre barre) const {
    return (barre == Barre::Verticale ? defilement_->verticalScrollBar() : defilement_->horizontalScrollBar())->value();
}

int FenetrePrincipale::MaximumDefilement(Barre barre) const {
    return (barre == Barre::Verticale ? defilement_->verticalScrollBar() : defilement_->horizontalScrollBar())->maximum();
}

void FenetrePrincipale::Rafraichir() {
    vue_->Ajuster();
    vue_->repaint();
}

void FenetrePrincipale::MontrerControle(const QString& controle) { visibles_[controle] = true; }

void FenetrePrincipale::ColorerControle(const QString& controle, std::uint32_t fond) { couleurs_[controle] = fond; }
