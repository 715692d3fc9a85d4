// Building the main window: its tool bars, its row of settings controls, its menus and read-outs.
#include "app/windows/FenetrePrincipale.h"

#include "app/LecteurInconnus.h"
#include "app/windows/BoutonsBarre2.h"
#include "app/windows/VueSurface.h"
#include "base/Contexte.h"
#include "outputs/RenduAPI.h"
#include "transcription/Marqueurs.h"
#include "transcription/ReglagesEcriture.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>

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
        t->setFocusPolicy(Qt::ClickFocus);  // the keys stay with the entry box unless one clicks here
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
                                       ctx_->etat.Ecriture = static_cast<int16_t>((ctx_->etat.Ecriture + 1) % Ecritures::Nombre);
                                       ChoisirEcriture(*ctx_);
                                   });
    QPushButton* langue = bouton(QStringLiteral("CmdLihg"), QStringLiteral("Tumeli"),
                                 QStringLiteral("Langue en cours (Cliquez ici pour en changer)"), [this] {
                                     if (!ctx_) return;
                                     QString m = CodeLangue((ctx_->etat.Langue + 1) % Langues::Nombre);
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
    fichier->addAction(NouvelleAction(QStringLiteral("MNU_ExportSvg"), QStringLiteral("Exporter en SVG…"), {}, {},
                                      [this] { ExporterVecteurs(false); }));
    fichier->addAction(NouvelleAction(QStringLiteral("MNU_ExportPdf"), QStringLiteral("Exporter en &PDF…"), {}, {},
                                      [this] { ExporterVecteurs(true); }));
    fichier->addAction(NouvelleAction(QStringLiteral("MNU_ExportAll"), QStringLiteral("Exporter tout le texte…"), {}, {},
                                      [this] { ExporterToutLeTexte(); }));
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
    const std::pair<const char*, void (FenetrePrincipale::*)()> kPressePapiers[] = {
        {"MNU_Copy", &FenetrePrincipale::MNU_Copy_Click},
        {"MNU_Insert", &FenetrePrincipale::MNU_Insert_Click},
        {"MNU_Del", &FenetrePrincipale::MNU_Del_Click},
        {"MNU_DelClip", &FenetrePrincipale::MNU_DelClip_Click}};
    const char* kTextesPressePapiers[] = {"&Copier", "&Insérer", "&Effacer", "&Vider le presse-papiers"};
    for (int i = 0; i < 4; ++i) {
        const auto [nom, commande] = kPressePapiers[i];
        edition->addAction(NouvelleAction(QLatin1String(nom), QString::fromUtf8(kTextesPressePapiers[i]), {}, {},
                                          [this, c = commande] { (this->*c)(); }));
    }

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("MNU_Options"));
    for (const auto& [nom, texte, bouton] :
         {std::tuple{"MNU_ColorPalette", "&Couleurs...", 10}, std::tuple{"MNU_LineStyle", "&Style de trait...", 9},
          std::tuple{"MNU_LineWidth", "&Epaisseur de trait...", 11}}) {
        options->addAction(NouvelleAction(QLatin1String(nom), QString::fromUtf8(texte), {}, {},
                                          [this, b = bouton] { CommandeBarre2(b); }));
    }
    options->addAction(NouvelleAction(QStringLiteral("MNU_FillStyle"), QStringLiteral("&Motif de remplissage..."),
                                      QStringLiteral("motif"), {}, [this] { MNU_FillStyle_Click(); }));
    for (const auto& [nom, texte, remplir] :
         {std::tuple{"MNU_Fill", "&Remplir", true}, std::tuple{"MNU_NoFill", "&Sans remplissage", false}}) {
        QAction* a = NouvelleAction(QLatin1String(nom), QString::fromUtf8(texte), {}, {},
                                    [this, r = remplir] { MNU_Fill_Click(r); });
        a->setCheckable(true);
        a->setChecked(!remplir);
        options->addAction(a);
    }
    if (LecteurInconnusDisponible()) {
        QAction* lecteur = NouvelleAction(QStringLiteral("MNU_LecteurInconnus"), QStringLiteral("&Lire les mots inconnus"),
                                          {}, {}, [] {});
        lecteur->setCheckable(true);
        lecteur->setChecked(LecteurInconnusActif());
        lecteur->setToolTip(QStringLiteral("Prononcer les mots absents des dictionnaires et les garder dans le dictionnaire de l'utilisateur"));
        connect(lecteur, &QAction::toggled, this, [](bool actif) { ActiverLecteurInconnus(actif); });
        options->addAction(lecteur);
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
    dim->setFocusPolicy(Qt::ClickFocus);
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
    zoomLu_ = new QLabel(QStringLiteral("100 %"));
    zoomLu_->setToolTip(QStringLiteral("Zoom de l'affichage (Ctrl+, Ctrl-, Ctrl+0)"));
    statusBar()->addPermanentWidget(zoomLu_);
}

