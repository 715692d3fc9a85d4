#include "app/windows/FenetrePrincipale.h"

#include "app/windows/Version.h"
#include "app/windows/VueSurface.h"
#include "base/Contexte.h"
#include "base/Surface.h"
#include "base/Texte8Bits.h"
#include "layout/AffichageEtat.h"
#include "layout/Lignes.h"
#include "layout/LimiteDroite.h"
#include "layout/PagesRappel.h"
#include "outputs/RenduAPI.h"
#include "transcription/Selection.h"

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

QIcon Icone(const QString& nom) {
    return nom.isEmpty() ? QIcon() : QIcon(QStringLiteral(":/icones/") + nom + QStringLiteral(".svg"));
}

QString Caption() { return QStringLiteral(" Velmor  V.") + QStringLiteral(VELMOR_VERSION); }

// Toolbar2: tool tip and icon by index; 8 and 13 are separators.
struct BoutonBarre2 {
    int index;
    const char* bulle;
    const char* icone;
};
const BoutonBarre2 kBarre2[] = {
    {1, "Pointeur", "pointeur"},
    {2, "Ligne", "ligne"},
    {3, "Main levée", "main_levee"},
    {4, "Rectangle", "rectangle"},
    {5, "Polygone", "polygone"},
    {6, "Cercle", "cercle"},
    {7, "Etoile", "etoile"},
    {9, "Style de trait", "style_trait"},
    {10, "Couleurs: Fond (Clic Droit) , Texte (Clic Gauche)", "couleurs"},
    {11, "Epaisseur de trait", "epaisseur"},
    {12, "Motif", "motif"},
    {14, "A4 (Petit carré) ou libre (Grand carré)", "image33"},
    {15, "Temporisation", "temporisation"},
    {16, "Repositionnement", "repositionnement"},
    {17, "Rythme d'affichage", "image28"},
    {18, "Réinitialisation à Défaut", "reinitialisation"},
    {19, "Carré qui efface", "image7"},
    {20, "Caractères en relief", "image38"},
    {21, "Fixe largeur IMG (Grand carré : Taille maxi; puis nouveau clic : petit carré : taille fixée à la "
         "fenêtre)",
     "image32"},
};

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
    setWindowIcon(Icone(QStringLiteral("velmor")));
    textes_[QStringLiteral("frmEdit")] = Caption();
    setWindowTitle(Caption());
    vue_ = new VueSurface(surface_);
    vue_->SourisBougee = [this](double x, double y) {
        if (!ctx_) return;
        ctx_->etat.XSouris = x;
        ctx_->etat.YSouris = y;
        AfficheEtat(*ctx_);
    };
    defilement_ = new QScrollArea(this);
    defilement_->setObjectName(QStringLiteral("Pic"));
    defilement_->setWidget(vue_);
    defilement_->setBackgroundRole(QPalette::Dark);
    defilement_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    defilement_->installEventFilter(this);
    setCentralWidget(defilement_);
    ConstruireBarreFichiers();
    ConstruireReglages();
    ConstruireBarreOutils();
    ConstruireMenus();
    ConstruireEtat();
    const int tppX = TwipsParPixelX(), tppY = TwipsParPixelY();
    setMinimumSize(4500 / tppX, 3500 / tppY);
    resize(1024, 720);
}

FenetrePrincipale::~FenetrePrincipale() = default;

QAction* FenetrePrincipale::NouvelleAction(const QString& nom, const QString& texte, const QString& icone,
                                           const QString& bulle, std::function<void()> commande) {
    auto* a = new QAction(Icone(icone), texte, this);
    a->setObjectName(nom);
    if (!bulle.isEmpty()) a->setToolTip(bulle);
    connect(a, &QAction::triggered, this, [commande = std::move(commande)] { commande(); });
    actions_[nom] = a;
    return a;
}

QAction* FenetrePrincipale::Action(const QString& nom) const { return actions_.value(nom); }

void FenetrePrincipale::ConstruireBarreFichiers() {
    barre1_ = addToolBar(QStringLiteral("Toolbar1"));
    barre1_->setObjectName(QStringLiteral("Toolbar1"));
    barre1_->setMovable(false);
    barre1_->setIconSize(QSize(24, 24));
    const struct {
        const char *bulle, *icone;
    } kBoutons[] = {{"Nouveau", "nouveau"},         {"Ouvrir", "ouvrir"},   {"Enregistrer", "enregistrer"},
                    {"Plein écran", "plein_ecran"}, {"Imprimer", "imprimer"}, {"Annuler", "annuler"},
                    {"Reaffiche", "reaffiche"}};
    for (int i = 1; i <= 7; ++i) {
        const QString bulle = QString::fromUtf8(kBoutons[i - 1].bulle);
        QAction* a = NouvelleAction(QStringLiteral("Toolbar1.") + QString::number(i), bulle,
                                    QString::fromUtf8(kBoutons[i - 1].icone), bulle, [this, i] { CommandeBarre1(i); });
        barre1_->addAction(a);
    }
    actions_[QStringLiteral("Toolbar1.6")]->setShortcut(QKeySequence::Undo);
    actions_[QStringLiteral("Toolbar1.7")]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    actions_[QStringLiteral("Toolbar1.4")]->setShortcut(QKeySequence(Qt::Key_F11));
}

void FenetrePrincipale::ConstruireBarreOutils() {
    barre2_ = new QToolBar(QStringLiteral("Toolbar2"), this);
    barre2_->setObjectName(QStringLiteral("Toolbar2"));
    barre2_->setMovable(false);
    barre2_->setIconSize(QSize(22, 22));
    addToolBar(Qt::LeftToolBarArea, barre2_);
    outils_ = new QActionGroup(this);
    outils_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const auto& b : kBarre2) {
        if (b.index == 9 || b.index == 14) barre2_->addSeparator();
        const QString bulle = QString::fromUtf8(b.bulle);
        QAction* a = NouvelleAction(QStringLiteral("Toolbar2.") + QString::number(b.index), bulle,
                                    QString::fromUtf8(b.icone), bulle, [this, i = b.index] { CommandeBarre2(i); });
        if (b.index <= 7) {
            a->setCheckable(true);
            outils_->addAction(a);
        }
        boutons2_[static_cast<size_t>(b.index)] = a;
        barre2_->addAction(a);
    }
    images_[QStringLiteral("Toolbar2.14")] = 33;
    images_[QStringLiteral("Toolbar2.17")] = 28;
    images_[QStringLiteral("Toolbar2.19")] = 7;
    images_[QStringLiteral("Toolbar2.20")] = 38;
    images_[QStringLiteral("Toolbar2.21")] = 32;
}

void FenetrePrincipale::ConstruireReglages() {
    addToolBarBreak();
    reglages_ = addToolBar(QStringLiteral("Réglages"));
    reglages_->setObjectName(QStringLiteral("Reglages"));
    reglages_->setMovable(false);
    auto bouton = [this](const QString& nom, const QString& texte, const QString& bulle, std::function<void()> f) {
        auto* b = new QPushButton(texte);
        b->setObjectName(nom);
        b->setToolTip(bulle);
        b->setFocusPolicy(Qt::NoFocus);
        controles_[nom] = b;
        actionsControles_[nom] = reglages_->addWidget(b);
        // The button's command is an action, as every command of the window.
        auto* a = new QAction(texte, this);
        a->setObjectName(nom);
        connect(a, &QAction::triggered, this, [f = std::move(f)] { f(); });
        connect(b, &QPushButton::clicked, a, &QAction::trigger);
        actions_[nom] = a;
        return b;
    };
    auto boite = [this](const QString& nom, int largeur, const QString& bulle, const QString& police) {
        auto* t = new QLineEdit;
        t->setObjectName(nom);
        t->setToolTip(bulle);
        t->setFixedWidth(largeur);
        if (!police.isEmpty()) t->setFont(QFont(police));
        controles_[nom] = t;
        actionsControles_[nom] = reglages_->addWidget(t);
        return t;
    };
    const QString bulleTaille = QStringLiteral("Taille des caractères (1 est la plus petite)");
    bouton(QStringLiteral("CmdTaille_Moins"), QStringLiteral("Taille -"), bulleTaille, [this] { Taille(-1); });
    QLineEdit* taille = boite(QStringLiteral("TxtTaille"), 44, bulleTaille, QStringLiteral("Arial Black"));
    bouton(QStringLiteral("CmdTaille_Plus"), QStringLiteral("Taille +"), bulleTaille, [this] { Taille(+1); });
    connect(taille, &QLineEdit::textEdited, this, [this](const QString& t) {
        textes_[QStringLiteral("TxtTaille")] = t;
        if (ctx_) TailleSaisie(*ctx_, t);
    });
    QLineEdit* ligne = boite(QStringLiteral("TxtHauteurLigne"), 44,
                             QStringLiteral("Espacement entre 2 lignes (Valeur conseillée : 38)"), QStringLiteral("Arial"));
    connect(ligne, &QLineEdit::textEdited, this, [this](const QString& t) {
        textes_[QStringLiteral("TxtHauteurLigne")] = t;
        if (ctx_) HauteurLigneSaisie(*ctx_, t);
    });
    reglages_->addSeparator();
    QPushButton* ecriture = bouton(QStringLiteral("CmdScaqh"), QStringLiteral("Velmor"),
                                   QStringLiteral("Ecriture en cours (Cliquez ici pour en changer)"), [this] {
                                       if (!ctx_) return;
                                       ctx_->etat.Ecriture = static_cast<int16_t>((ctx_->etat.Ecriture + 1) % 4);
                                       ChoisirEcriture(*ctx_);
                                   });
    QPushButton* langue = bouton(QStringLiteral("CmdLihg"), QStringLiteral("Tumeli"),
                                 QStringLiteral("Langue en cours (Cliquez ici pour en changer)"), [this] {
                                     if (!ctx_) return;
                                     static const char* const kCodes[] = {"TU", "FR", "EN", "PH"};
                                     QString m = QLatin1String(kCodes[(ctx_->etat.Langue + 1) % 4]);
                                     ChoisirLangue(*ctx_, m);
                                 });
    for (QPushButton* b : {ecriture, langue}) {
        b->setFont(QFont(QStringLiteral("Courier New")));
        b->setMinimumWidth(90);
    }
    bouton(QStringLiteral("CmdWajPaq"), QStringLiteral(">"),
           QStringLiteral("Une seule longue page (ou) plusieurs possibles au format A4, en hauteur."),
           [this] { CmdWajPaq_Click(); })
        ->setFixedWidth(32);
    reglages_->addSeparator();
    bouton(QStringLiteral("CmdPaqAht"), QStringLiteral("<"), QStringLiteral("Ecran précédent"),
           [this] { EcranPrecedentSuivant(-1); })
        ->setFixedWidth(32);
    QLineEdit* paq = boite(QStringLiteral("TxtPaq"), 36, {}, QStringLiteral("Courier New"));
    paq->setReadOnly(true);
    paq->setAlignment(Qt::AlignCenter);
    bouton(QStringLiteral("CmdPaqPos"), QStringLiteral(">"), QStringLiteral("Ecran suivant"),
           [this] { EcranPrecedentSuivant(+1); })
        ->setFixedWidth(32);
    for (const char* c : {"CmdPaqAht", "TxtPaq", "CmdPaqPos"}) actionsControles_[QLatin1String(c)]->setVisible(false);
    reglages_->addSeparator();
    bouton(QStringLiteral("CmdZSaisie"), QStringLiteral("Saisie"),
           QStringLiteral("Réaffiche la \"Zone de Saisie\" sur l'écran"), [this] {
               actionsControles_[QStringLiteral("CmdZSaisie")]->setVisible(false);
               emit SaisieDemandee();
           });
    bouton(QStringLiteral("CmdEfface"), QStringLiteral("Rappel"), QStringLiteral("Efface le dernier caractère"), [this] {
        emit RappelDemande();
        actionsControles_[QStringLiteral("CmdZSaisie")]->setVisible(true);
    });
}

void FenetrePrincipale::ConstruireMenus() {
    QMenu* fichier = menuBar()->addMenu(QStringLiteral("&Fichier"));
    fichier->setObjectName(QStringLiteral("MNU_File"));
    fichier->addAction(NouvelleAction(QStringLiteral("MNU_FileNew"), QStringLiteral("&Nouveau"), QStringLiteral("nouveau"),
                                      {}, [this] { MNU_FileNew_Click(); }));
    actions_[QStringLiteral("MNU_FileNew")]->setShortcut(QKeySequence::New);
    fichier->addAction(NouvelleAction(QStringLiteral("MNU_FileOpen"), QStringLiteral("&Ouvrir..."),
                                      QStringLiteral("ouvrir"), {}, [this] { MNU_FileOpen_Click(); }));
    actions_[QStringLiteral("MNU_FileOpen")]->setShortcut(QKeySequence::Open);
    fichier->addAction(NouvelleAction(QStringLiteral("MNU_FileSave"), QStringLiteral("&Enregistrer"),
                                      QStringLiteral("enregistrer"), {}, [this] { MNU_FileSave_Click(); }));
    actions_[QStringLiteral("MNU_FileSave")]->setShortcut(QKeySequence::Save);
    fichier->addAction(NouvelleAction(QStringLiteral("MNU_FileSaveAs"), QStringLiteral("Enregistrer &sous..."), {}, {},
                                      [this] { MNU_FileSaveAs_Click(); }));
    actions_[QStringLiteral("MNU_FileSaveAs")]->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    fichier->addSeparator()->setObjectName(QStringLiteral("MNU_Vide"));
    fichier->addAction(NouvelleAction(QStringLiteral("MNU_Print"), QStringLiteral("&Imprimer..."),
                                      QStringLiteral("imprimer"), {}, [this] { MNU_Print_Click(); }));
    actions_[QStringLiteral("MNU_Print")]->setShortcut(QKeySequence::Print);
    fichier->addAction(NouvelleAction(QStringLiteral("MNU_PrintPdf"), QStringLiteral("Imprimer en &PDF..."), {}, {},
                                      [this] { ImprimerPdf(); }));
    fichier->addAction(NouvelleAction(QStringLiteral("MNU_PrinterConfig"), QStringLiteral("&Configuration de l'imprimante..."),
                                      {}, {}, [this] { MNU_PrinterConfig_Click(); }));
    fichier->addSeparator()->setObjectName(QStringLiteral("MNU_Vide1"));
    fichier->addAction(NouvelleAction(QStringLiteral("MNU_End"), QStringLiteral("&Quitter"), {}, {},
                                      [this] { MNU_End_Click(); }));
    actions_[QStringLiteral("MNU_End")]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* edition = menuBar()->addMenu(QStringLiteral("&Edition"));
    edition->setObjectName(QStringLiteral("MNU_Clipboard"));
    edition->addAction(actions_[QStringLiteral("Toolbar1.6")]);
    edition->addAction(actions_[QStringLiteral("Toolbar1.7")]);
    edition->addSeparator()->setObjectName(QStringLiteral("MNU_Vide2"));
    // The picture clipboard commands come with the paint tools.
    for (const auto& [nom, texte] : {std::pair{"MNU_Copy", "&Copier"}, std::pair{"MNU_Insert", "&Insérer"},
                                     std::pair{"MNU_Del", "&Effacer"}, std::pair{"MNU_DelClip", "&Vider le presse-papiers"}}) {
        QAction* a = NouvelleAction(QLatin1String(nom), QString::fromUtf8(texte), {}, {}, [] {});
        a->setEnabled(false);
        edition->addAction(a);
    }

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("MNU_Options"));
    for (const auto& [nom, texte, bouton] :
         {std::tuple{"MNU_ColorPalette", "&Couleurs...", 10}, std::tuple{"MNU_LineStyle", "&Style de trait...", 9},
          std::tuple{"MNU_LineWidth", "&Epaisseur de trait...", 11}}) {
        options->addAction(NouvelleAction(QLatin1String(nom), QString::fromUtf8(texte), {}, {},
                                          [this, b = bouton] { CommandeBarre2(b); }));
    }
    options->addAction(NouvelleAction(QStringLiteral("MNU_FillStyle"), QStringLiteral("&Motif"), QStringLiteral("motif"),
                                      {}, [this] { MNU_FillStyle_Click(); }));
    for (const auto& [nom, texte] : {std::pair{"MNU_Fill", "&Remplir"}, std::pair{"MNU_NoFill", "&Sans remplissage"}}) {
        QAction* a = NouvelleAction(QLatin1String(nom), QString::fromUtf8(texte), {}, {}, [] {});
        a->setEnabled(false);
        options->addAction(a);
    }
    options->addSeparator()->setObjectName(QStringLiteral("MNU_Vide3"));
    options->addAction(NouvelleAction(QStringLiteral("MNU_Defaut"), QStringLiteral("Réinitialisation à &Défaut..."),
                                      QStringLiteral("reinitialisation"), {}, [this] { CommandeBarre2(18); }));

    QMenu* affichage = menuBar()->addMenu(QStringLiteral("&Affichage"));
    affichage->addAction(NouvelleAction(QStringLiteral("ZoomPlus"), QStringLiteral("Zoom &avant"),
                                        QStringLiteral("zoom_plus"), {}, [this] { ChangerZoom(+1); }));
    actions_[QStringLiteral("ZoomPlus")]->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    affichage->addAction(NouvelleAction(QStringLiteral("ZoomMoins"), QStringLiteral("Zoom a&rrière"),
                                        QStringLiteral("zoom_moins"), {}, [this] { ChangerZoom(-1); }));
    actions_[QStringLiteral("ZoomMoins")]->setShortcut(QKeySequence::ZoomOut);
    affichage->addAction(NouvelleAction(QStringLiteral("Zoom100"), QStringLiteral("Taille &réelle (100 %)"), {}, {},
                                        [this] { FixerZoom(1); }));
    actions_[QStringLiteral("Zoom100")]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    affichage->addSeparator();
    affichage->addAction(actions_[QStringLiteral("Toolbar1.4")]);

    QMenu* image = menuBar()->addMenu(QStringLiteral("&Image"));
    image->addAction(NouvelleAction(QStringLiteral("ReduireImage"), QStringLiteral("Réduire l'image"),
                                    QStringLiteral("reduire"), {}, [this] { ReduireImageCommande(); }));
    image->addAction(NouvelleAction(QStringLiteral("EchantillonAPI"), QStringLiteral("Echantillon des symboles A.P.I."),
                                    QStringLiteral("api"), {}, [this] {
                                        if (!ctx_) return;
                                        EchantillonAPI(*ctx_);
                                        Rafraichir();
                                    }));

    QMenu* info = menuBar()->addMenu(QStringLiteral("&Info"));
    info->setObjectName(QStringLiteral("MNU_Info"));
    info->addAction(NouvelleAction(QStringLiteral("MNU_About"), QStringLiteral("&A propos de Velmor..."), {}, {},
                                   [this] { MNU_About_Click(); }));

    affiche_ = NouvelleAction(QStringLiteral("AFFICHE"), {}, {}, {}, [this] { AfficherChemin(); });
    menuBar()->addAction(affiche_);
}

void FenetrePrincipale::ConstruireEtat() {
    auto* dim = new QLineEdit;
    dim->setObjectName(QStringLiteral("TxtDimPic"));
    dim->setReadOnly(true);
    dim->setToolTip(QStringLiteral("Largeur et Hauteur de l'écran en pixels"));
    dim->setMinimumWidth(260);
    controles_[dim->objectName()] = dim;
    statusBar()->addWidget(dim);
    for (const char* nom : {"hCouleur", "vCouleur"}) {
        auto* l = new QLabel;
        l->setObjectName(QLatin1String(nom));
        l->setText(nom[0] == 'h' ? QStringLiteral("HCouleur:") : QStringLiteral("VCouleur:"));
        l->setMinimumWidth(110);
        controles_[l->objectName()] = l;
        statusBar()->addWidget(l);
    }
    progressionLue_ = new QLabel;
    progression_ = new QProgressBar;
    progression_->setMaximumWidth(200);
    progressionLue_->hide();
    progression_->hide();
    statusBar()->addPermanentWidget(progressionLue_);
    statusBar()->addPermanentWidget(progression_);
    zoomLu_ = new QLabel(QStringLiteral("100 %"));
    zoomLu_->setToolTip(QStringLiteral("Zoom de l'affichage (Ctrl+, Ctrl-, Ctrl+0)"));
    statusBar()->addPermanentWidget(zoomLu_);
}

// --- Window interface -------------------------------------------------------------------------

void FenetrePrincipale::Information(const QString& texte, const QString& titre) {
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
                setWindowTitle(textes_.value(QStringLiteral("frmEdit")));
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

QString FenetrePrincipale::Texte(const QString& controle) const { return textes_.value(controle); }

// The room the window leaves for the surface, in surface pixels: the scroll area less its scroll
// bars, divided by the zoom, and never wider than the surface less its right-hand allowance, so
// that a word started at the limit still lands on the picture.
QRect FenetrePrincipale::ZoneTravail() const {
    const int barre = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, defilement_);
    const QSize place = defilement_->maximumViewportSize() - QSize(barre, barre);
    int largeur = qMax(1, place.width() / zoom_);
    const int hauteur = qMax(1, place.height() / zoom_);
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

void FenetrePrincipale::Progression(int faits, int total) {
    if (total <= 0) {
        progression_->hide();
        progressionLue_->hide();
        return;
    }
    progression_->setRange(0, total);
    progression_->setValue(qBound(0, faits, total));
    progressionLue_->setText(QStringLiteral("Mots écrits : %1 / %2").arg(faits).arg(total));
    progression_->show();
    progressionLue_->show();
    progression_->repaint();
    progressionLue_->repaint();
}

bool FenetrePrincipale::eventFilter(QObject* objet, QEvent* ev) {
    if (objet == defilement_ && ev->type() == QEvent::Resize && ctx_ && !redimensionnement_) Redimensionner();
    return QMainWindow::eventFilter(objet, ev);
}
