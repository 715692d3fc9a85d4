#include "app/windows/FenetrePrincipale.h"

#include "app/windows/BoutonsBarre2.h"
#include "app/windows/Version.h"
#include "app/windows/VueSurface.h"
#include "base/Contexte.h"
#include "base/Surface.h"
#include "base/Texte8Bits.h"
#include "layout/AffichageEtat.h"
#include "layout/Lignes.h"
#include "layout/LimiteDroite.h"
#include "layout/Outils.h"
#include "layout/PagesRappel.h"
#include "outputs/RenduAPI.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>


namespace {

QString Caption() { return QStringLiteral(" Velmor  V.") + QStringLiteral(VELMOR_VERSION); }

// Short names the settings routines use for the buttons whose picture they set.
int IndexParNom(const QString& nom) {
    static const QHash<QString, int> kNoms = {
        {QStringLiteral("A4"), 14},       {QStringLiteral("FormatA4"), 14},
        {QStringLiteral("Rythme"), 17},   {QStringLiteral("RythmeColler"), 17},
        {QStringLiteral("Carré"), 19},    {QStringLiteral("StyleRemplissage"), 19},
        {QStringLiteral("Relief"), 20},   {QStringLiteral("LargeurImageFixee"), 21},
        {QStringLiteral("Fixe largeur"), 21}};
    if (kNoms.contains(nom)) return kNoms.value(nom);
    if (nom.startsWith(u"Toolbar2.")) return nom.mid(9).toInt();
    for (const auto& b : kBarre2)
        if (nom == QString::fromUtf8(b.bulle)) return b.index;
    return 0;
}

}  // namespace

// The icons are compiled into the window library: a static library registers them by hand.
static void ChargerIcones() { Q_INIT_RESOURCE(velmor); }

FenetrePrincipale::FenetrePrincipale(Surface& surface) : surface_(surface) {
    ChargerIcones();
    setObjectName(QStringLiteral("frmEdit"));
    // The tool bars are icons only: their tips show on hover even while the entry window has the focus.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    setWindowIcon(Icone(QStringLiteral("velmor")));
    textes_[QStringLiteral("frmEdit")] = Caption();
    setWindowTitle(Caption());
    vue_ = new VueSurface(surface_);
    vue_->SourisBougee = [this](const Souris& m) { SourisBougee(m); };
    vue_->SourisEnfoncee = [this](const Souris& m) { SourisEnfoncee(m); };
    vue_->SourisRelachee = [this](const Souris& m) { SourisRelachee(m); };
    defilement_ = new QScrollArea(this);
    defilement_->setObjectName(QStringLiteral("Pic"));
    defilement_->setWidget(vue_);
    defilement_->setBackgroundRole(QPalette::Dark);
    defilement_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    defilement_->installEventFilter(this);
    setCentralWidget(defilement_);
    ConstruireBarreFichiers();
    ConstruireCollage();
    ConstruireReglages();
    ConstruireBarreOutils();
    ConstruireMenus();
    ConstruireEtat();
    ConstruireCommandeContinuer();
    // After any command the keys go back to the entry window when it is open.
    for (QAction* a : std::as_const(actions_))
        connect(a, &QAction::triggered, this, &FenetrePrincipale::SaisieAuPremierPlan);
    const int tppX = TwipsParPixelX(), tppY = TwipsParPixelY();
    setMinimumSize(4500 / tppX, 3500 / tppY);
    resize(1024, 720);
}

FenetrePrincipale::~FenetrePrincipale() = default;

// --- Window interface -------------------------------------------------------------------------

void FenetrePrincipale::Information(const QString& texte, const QString& titre) {
    if (discret_) {
        messagesDiscrets_ << texte;
        return;
    }
    if (repondeur_) {
        repondeur_(texte);
        return;
    }
    QMessageBox::information(this, titre.isEmpty() ? QStringLiteral("Velmor") : titre, texte);
}

Reponse FenetrePrincipale::Question(const QString& texte, Boutons boutons, const QString& titre) {
    if (repondeur_) return repondeur_(texte);
    QMessageBox::StandardButtons b = QMessageBox::Yes | QMessageBox::No;
    if (boutons == Boutons::OuiNonAnnuler) b |= QMessageBox::Cancel;
    const auto r = QMessageBox::question(this, titre.isEmpty() ? QStringLiteral("Velmor") : titre, texte, b);
    return r == QMessageBox::Yes ? Reponse::Oui : r == QMessageBox::No ? Reponse::Non : Reponse::Annuler;
}

void FenetrePrincipale::FixerTexte(const QString& controle, const QString& valeur) {
    textes_[controle] = valeur;
    if (controle == u"frmEdit") {
        // The caption changes after every path: the window title follows once the drawing is done.
        if (!titreEnAttente_) {
            titreEnAttente_ = true;
            QTimer::singleShot(0, this, [this] {
                titreEnAttente_ = false;
                setWindowTitle(prefixeTitre_ + textes_.value(QStringLiteral("frmEdit")));
            });
        }
        return;
    }
    if (controle == u"AFFICHE") {
        affiche_->setText(valeur);
        return;
    }
    QWidget* w = controles_.value(controle);
    if (auto* t = qobject_cast<QLineEdit*>(w)) {
        if (t->text() != valeur) t->setText(valeur);
    } else if (auto* b = qobject_cast<QPushButton*>(w)) {
        b->setText(valeur);
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
        l->setText(valeur);
    }
}

QString FenetrePrincipale::Texte(const QString& controle) const {
    if (textes_.contains(controle)) return textes_.value(controle);
    const QWidget* w = controles_.value(controle);
    if (const auto* t = qobject_cast<const QLineEdit*>(w)) return t->text();
    if (const auto* b = qobject_cast<const QPushButton*>(w)) return b->text();
    return {};
}

// The room the window leaves for the surface, in surface pixels: the scroll area less its scroll
// bars, divided by the zoom, and never wider than the surface less its right-hand allowance, so
// that a word started at the limit still lands on the picture, nor taller than the surface, so that
// the lines make a shorter picture (shrunk, opened) grow rather than write past its bottom.
QRect FenetrePrincipale::ZoneTravail() const {
    if (!page_.isEmpty()) return {0, 0, page_.width() * TwipsParPixelX(), page_.height() * TwipsParPixelY()};
    const int barre = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, defilement_);
    const QSize place = defilement_->maximumViewportSize() - QSize(barre, barre);
    int largeur = qMax(1, place.width() / zoom_);
    const int hauteur = qMax(1, qMin(place.height() / zoom_, surface_.Hauteur()));
    largeur = qMax(1, qMin(largeur, surface_.Largeur() - MargeSurface()));
    return {0, 0, largeur * TwipsParPixelX(), hauteur * TwipsParPixelY()};
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
    const QWidget* v = defilement_->viewport();
    return {defilement_->horizontalScrollBar()->value() / zoom_, defilement_->verticalScrollBar()->value() / zoom_,
            v->width() / zoom_, v->height() / zoom_};
}

void FenetrePrincipale::FixerDefilement(Barre barre, int valeur, int maximum) {
    vue_->Ajuster();
    QScrollBar* b = barre == Barre::Verticale ? defilement_->verticalScrollBar() : defilement_->horizontalScrollBar();
    b->setValue(qBound(0, valeur * zoom_, qMax(maximum * zoom_, b->maximum())));
}

int FenetrePrincipale::ValeurDefilement(Barre barre) const {
    return (barre == Barre::Verticale ? defilement_->verticalScrollBar() : defilement_->horizontalScrollBar())->value() /
           zoom_;
}

int FenetrePrincipale::MaximumDefilement(Barre barre) const {
    return (barre == Barre::Verticale ? defilement_->verticalScrollBar() : defilement_->horizontalScrollBar())
               ->maximum() /
           zoom_;
}

void FenetrePrincipale::Rafraichir() {
    vue_->Ajuster();
    vue_->repaint();
    if (surface_.Largeur() != tailleSurfaceVue_.width() || surface_.Hauteur() != tailleSurfaceVue_.height())
        MettreAJourDimensions();
    if (ctx_) {
        actions_.value(QStringLiteral("Toolbar1.6"))->setEnabled(PeutAnnulerPage(*ctx_));
        actions_.value(QStringLiteral("Toolbar1.7"))->setEnabled(PeutReafficherPage(*ctx_));
    }
}

void FenetrePrincipale::MontrerControle(const QString& controle) {
    if (QAction* a = actionsControles_.value(controle)) a->setVisible(true);
}

void FenetrePrincipale::ColorerControle(const QString& controle, std::uint32_t fond) {
    couleurs_[controle] = fond;
    if (QWidget* w = controles_.value(controle)) {
        QPalette p = w->palette();
        const bool etiquette = qobject_cast<QLabel*>(w) != nullptr;  // the colour read-outs
        p.setColor(etiquette ? QPalette::Window : QPalette::Base, QColor::fromRgb(Surface::VersRgb(fond)));
        w->setAutoFillBackground(etiquette);
        w->setPalette(p);
    }
}

void FenetrePrincipale::FixerSaisieOuverte(bool ouverte) {
    actionsControles_.value(QStringLiteral("CmdZSaisie"))->setVisible(!ouverte);
}

QString FenetrePrincipale::CleImage(const QString& controle) const {
    const int i = IndexParNom(controle);
    return i > 0 ? QStringLiteral("Toolbar2.") + QString::number(i) : controle;
}

QAction* FenetrePrincipale::ActionImage(const QString& controle) const { return actions_.value(CleImage(controle)); }

void FenetrePrincipale::FixerImage(const QString& controle, int image) {
    images_[CleImage(controle)] = image;
    if (QAction* a = ActionImage(controle)) a->setIcon(Icone(QStringLiteral("image") + QString::number(image)));
}

int FenetrePrincipale::Image(const QString& controle) const { return images_.value(CleImage(controle)); }

bool FenetrePrincipale::eventFilter(QObject* objet, QEvent* ev) {
    if (objet == defilement_ && ev->type() == QEvent::Resize && ctx_ && !redimensionnement_) Redimensionner();
    return QMainWindow::eventFilter(objet, ev);
}

void FenetrePrincipale::FixerPrefixeTitre(const QString& prefixe) {
    prefixeTitre_ = prefixe;
    setWindowTitle(prefixeTitre_ + textes_.value(QStringLiteral("frmEdit")));
}

void FenetrePrincipale::FixerDiscret(bool discret) {
    discret_ = discret;
    if (discret) messagesDiscrets_.clear();
}
