// The paste strip of the main window, a bar of its own beside the file bar at the top (the entry
// window, at the bottom of the screen, does not cover it): the progress of a paste and its
// "Arrêter" button while it is written, then the word that the screen is full (or that the paste
// stopped) and "Continuer".
#include "app/windows/FenetrePrincipale.h"

#include "app/windows/GardeCollage.h"
#include "base/Contexte.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QToolBar>

void FenetrePrincipale::ConstruireCollage() {
    auto* bande = new QWidget;
    bande->setObjectName(QStringLiteral("BandeCollage"));
    auto* rangee = new QHBoxLayout(bande);
    rangee->setContentsMargins(6, 0, 0, 0);
    progression_ = new QProgressBar;
    progression_->setMaximumWidth(220);
    progression_->setFormat(QStringLiteral("Mots écrits : %v / %m"));
    arret_ = new QPushButton(QStringLiteral("Arrêter"));
    arret_->setObjectName(QStringLiteral("CmdArret"));
    arret_->setToolTip(QStringLiteral("Arrêter le collage après le mot en cours (Échap)"));
    suiteLue_ = new QLabel;
    suiteLue_->setObjectName(QStringLiteral("SuiteCollage"));
    continuer_ = new QPushButton(QStringLiteral("Continuer"));
    continuer_->setObjectName(QStringLiteral("CmdContinuer"));
    for (QWidget* w : std::initializer_list<QWidget*>{progression_, arret_, suiteLue_, continuer_}) {
        w->setFocusPolicy(Qt::NoFocus);
        w->hide();
        rangee->addWidget(w);
    }
    // The bar keeps its height whatever the strip shows: the picture's view does not move.
    bande->setFixedHeight(barre1_->iconSize().height() + 8);
    QToolBar* barre = addToolBar(QStringLiteral("Collage"));
    barre->setObjectName(QStringLiteral("BarreCollage"));
    barre->setMovable(false);
    barre->addWidget(bande);
    connect(arret_, &QPushButton::clicked, this, [this] {
        if (GardeCollage* g = GardeCollage::Courante()) g->DemanderArret();
    });
}

void FenetrePrincipale::ConstruireCommandeContinuer() {

    QAction* suite = NouvelleAction(QStringLiteral("Continuer"), QStringLiteral("&Continuer le collage"), {},
                                    QStringLiteral("Ecrire la suite du texte collé, sur un nouvel écran (F5)"),
                                    [this] { emit ContinuationDemandee(); });
    suite->setShortcut(QKeySequence(Qt::Key_F5));
    suite->setShortcutContext(Qt::ApplicationShortcut);  // from the entry window too
    suite->setEnabled(false);
    continuer_->setToolTip(suite->toolTip());
    connect(continuer_, &QPushButton::clicked, suite, &QAction::trigger);
    if (auto* edition = menuBar()->findChild<QMenu*>(QStringLiteral("MNU_Clipboard"))) {
        edition->addSeparator();
        edition->addAction(suite);
    }
    addAction(suite);
}

QWidget* FenetrePrincipale::BoutonArret() const { return arret_; }

void FenetrePrincipale::Progression(int faits, int total) {
    if (discret_) return;
    if (total <= 0) {
        progression_->hide();
        arret_->hide();
        return;
    }
    if (!progression_->isVisible()) {
        suiteLue_->hide();
        continuer_->hide();
        progression_->show();
        arret_->setVisible(GardeCollage::Courante() != nullptr);  // a paste, not the glyph report
    }
    progression_->setRange(0, total);
    progression_->setValue(qBound(0, faits, total));
    progression_->repaint();
    GardeCollage::Vivre();  // the windows answer between words
}

void FenetrePrincipale::MontrerSuiteCollage(SuiteCollage suite) {
    const bool attend = suite != SuiteCollage::Aucune;
    if (suite == SuiteCollage::EcranPlein)
        suiteLue_->setText(QStringLiteral("Écran plein : la suite du texte attend « Continuer » (F5)"));
    else if (suite == SuiteCollage::Arretee)
        suiteLue_->setText(QStringLiteral("Collage arrêté : la suite du texte attend « Continuer » (F5)"));
    suiteLue_->setVisible(attend);
    continuer_->setVisible(attend);
    actions_.value(QStringLiteral("Continuer"))->setEnabled(attend);
}

void FenetrePrincipale::keyPressEvent(QKeyEvent* ev) {
    const bool texte = !ev->text().isEmpty() && ev->text()[0].isPrint() &&
                       !(ev->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (texte || ev->key() == Qt::Key_Return || ev->key() == Qt::Key_Enter) {
        emit ToucheRenvoyee(ev);
        ev->accept();
        return;
    }
    QMainWindow::keyPressEvent(ev);
}
