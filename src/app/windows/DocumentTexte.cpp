#include "app/windows/DocumentTexte.h"

#include "app/windows/FenetreEntree.h"
#include "app/windows/FenetrePrincipale.h"
#include "base/Contexte.h"
#include "base/EcritureSure.h"
#include "config/Dossiers.h"
#include "config/Legendes.h"
#include "config/Parametres.h"
#include "layout/Lignes.h"
#include "transcription/ReglagesEcriture.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>

namespace {

const QString kFichierRecents = QStringLiteral("TextesRecents.txt");
constexpr int kRecentsMaxi = 8;
const QString kFiltreTextes = QStringLiteral("Texte (*.txt *.TXT);;Tous les fichiers (*)");
const QString kSuiteNonDessinee = QStringLiteral("Texte plus long que 20 écrans : la suite n'est pas dessinée.");
const char16_t* const kLangues[] = {u"TU", u"FR", u"EN", u"PH"};

// The local text file a drag carries, empty when it carries none.
QString FichierTire(const QMimeData* m) {
    if (!m || !m->hasUrls() || m->urls().isEmpty()) return {};
    const QUrl u = m->urls().constFirst();
    return u.isLocalFile() && DocumentTexte::EstFichierTexte(u.toLocalFile()) ? u.toLocalFile() : QString();
}

}  // namespace

bool DocumentTexte::EstFichierTexte(const QString& chemin) {
    const QString s = QFileInfo(chemin).suffix().toLower();
    return s == u"txt" || s == u"text";
}

DocumentTexte::DocumentTexte(Contexte& ctx, FenetrePrincipale& fenetre, FrmEntree& entree)
    : ctx_(ctx), fenetre_(fenetre), entree_(entree), rendu_(std::make_unique<TexteVivant>(ctx)),
      options_(OptionsDe(ctx.etat)) {
    LireRecents();
    ConstruireMenus();
    for (QWidget* w : {static_cast<QWidget*>(&fenetre_), static_cast<QWidget*>(&entree_)}) {
        w->setAcceptDrops(true);
        w->installEventFilter(this);
    }
    entree_.TxtEntree->installEventFilter(this);
    entree_.TxtEntree->viewport()->installEventFilter(this);
    connect(entree_.TxtEntree, &QPlainTextEdit::textChanged, this, &DocumentTexte::TexteChange);
    connect(entree_.TxtEntree->document(), &QTextDocument::modificationChanged, this, &DocumentTexte::Legende);
    // The buttons that change what the header says redraw a live text.
    for (const char* nom : {"CmdScaqh", "CmdLihg", "CmdTaille_Plus", "CmdTaille_Moins", "Toolbar2.20"})
        if (QAction* a = fenetre_.Action(QLatin1String(nom)))
            connect(a, &QAction::triggered, this, &DocumentTexte::OptionsChangees, Qt::QueuedConnection);
    // And so do the size and line-spacing boxes, at each key typed there.
    for (const char* nom : {"TxtTaille", "TxtHauteurLigne"})
        if (auto* boite = fenetre_.findChild<QLineEdit*>(QLatin1String(nom)))
            connect(boite, &QLineEdit::textEdited, this, &DocumentTexte::OptionsChangees, Qt::QueuedConnection);
}

DocumentTexte::~DocumentTexte() = default;

void DocumentTexte::ConstruireMenus() {
    auto action = [this](const QString& nom, const QString& texte, auto commande) {
        auto* a = new QAction(texte, &fenetre_);
        a->setObjectName(nom);
        connect(a, &QAction::triggered, this, commande);
        return a;
    };
    QMenu* fichier = fenetre_.findChild<QMenu*>(QStringLiteral("MNU_File"));
    QAction* avant = fenetre_.Action(QStringLiteral("MNU_Print"));
    const QList<QAction*> textes = {
        action(QStringLiteral("MNU_TexteNouveau"), QStringLiteral("Nouveau texte"), [this] { Nouveau(); }),
        action(QStringLiteral("MNU_TexteOuvrir"), QStringLiteral("Ouvrir un texte…"),
               [this] {
                   const QString f = Choisir(false, QStringLiteral("Ouvrir un texte"));
                   if (!f.isEmpty()) Ouvrir(f);
               }),
        action(QStringLiteral("MNU_TexteEnregistrer"), QStringLiteral("Enregistrer le texte"), [this] { EnregistrerCommande(); }),
        action(QStringLiteral("MNU_TexteEnregistrerSous"), QStringLiteral("Enregistrer le texte sous…"),
               [this] { EnregistrerSous(); })};
    menuRecents_ = new QMenu(QStringLiteral("Textes récents"), &fenetre_);
    menuRecents_->setObjectName(QStringLiteral("MNU_TextesRecents"));
    if (fichier) {
        fichier->insertActions(avant, textes);
        fichier->insertMenu(avant, menuRecents_);
        fichier->insertSeparator(avant);
    }
    MenuRecents();

    vivant_ = new QAction(QStringLiteral("Texte vivant"), &fenetre_);
    vivant_->setObjectName(QStringLiteral("MNU_TexteVivant"));
    vivant_->setCheckable(true);
    vivant_->setToolTip(QStringLiteral("Texte vivant : le dessin suit chaque modification du texte de la zone de saisie"));
    connect(vivant_, &QAction::triggered, this, [this](bool actif) { FixerVivant(actif); });
    if (QMenu* options = fenetre_.findChild<QMenu*>(QStringLiteral("MNU_Options"))) {
        options->addSeparator();
        options->addAction(vivant_);
    }
    if (QToolBar* reglages = fenetre_.findChild<QToolBar*>(QStringLiteral("Reglages"))) {
        reglages->addSeparator();
        reglages->addAction(vivant_);
    }
}

void DocumentTexte::MenuRecents() {
    menuRecents_->clear();
    for (const QString& f : recents_)
        connect(menuRecents_->addAction(QDir::toNativeSeparators(f)), &QAction::triggered, this, [this, f] { Ouvrir(f); });
    menuRecents_->setEnabled(!recents_.isEmpty());
}

void DocumentTexte::LireRecents() {
    QFile f(FichierALire(ctx_, kFichierRecents));
    if (f.fileName().isEmpty() || !f.open(QIODevice::ReadOnly)) return;
    for (const QString& l : QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts))
        if (recents_.size() < kRecentsMaxi) recents_ << l.trimmed();
}

void DocumentTexte::EcrireRecents() const {
    EcrireFichierSur(FichierEcrit(ctx_, kFichierRecents), (recents_.join(u'\n') + u'\n').toUtf8());
}

void DocumentTexte::AjouterRecent(const QString& fichier) {
    const QString absolu = QFileInfo(fichier).absoluteFilePath();
    recents_.removeAll(absolu);
    recents_.prepend(absolu);
    while (recents_.size() > kRecentsMaxi) recents_.removeLast();
    EcrireRecents();
    MenuRecents();
}

QString DocumentTexte::Choisir(bool enregistrer, const QString& titre) {
    const QString depart = fichier_.isEmpty() ? ctx_.dossier : fichier_;
    if (choix_) return choix_(enregistrer, titre, depart);
    return enregistrer ? QFileDialog::getSaveFileName(&fenetre_, titre, depart, kFiltreTextes)
                       : QFileDialog::getOpenFileName(&fenetre_, titre, depart, kFiltreTextes);
}

bool DocumentTexte::Modifie() const { return entree_.TxtEntree->document()->isModified(); }

bool DocumentTexte::PeutFermer() {
    if (!Modifie()) return true;
    const QString nom = fichier_.isEmpty() ? QString() : QStringLiteral(" « ") + QFileInfo(fichier_).fileName() + QStringLiteral(" »");
    const Reponse r = fenetre_.Question(QStringLiteral("Le texte") + nom + QStringLiteral(" a été modifié. Voulez-vous l'enregistrer ?"),
                                        Boutons::OuiNonAnnuler, QStringLiteral("Texte modifié"));
    if (r == Reponse::Annuler) return false;
    if (r == Reponse::Non) return true;
    EnregistrerCommande();
    return !Modifie();
}

void DocumentTexte::FixerTexteBoite(const QString& texte) {
    interne_ = true;
    entree_.TxtEntree->setPlainText(texte);
    entree_.TxtEntree->document()->setModified(false);
    interne_ = false;
}

void DocumentTexte::Nouveau() {
    if (!PeutFermer()) return;
    fichier_.clear();
    FixerTexteBoite(QString());
    if (Vivant()) Rendre();
    Legende();
}

void DocumentTexte::AppliquerOptions(const OptionsDocument& o) {
    EtatProgramme& e = ctx_.etat;
    e.Ecriture = static_cast<int16_t>(o.ecriture);
    ChoisirEcriture(ctx_);
    QString langue = QString::fromUtf16(kLangues[qBound(0, o.langue, 3)]);
    ChoisirLangue(ctx_, langue);
    e.Relief = o.relief;
    ctx_.fenetre.FixerImage(QStringLiteral("Toolbar2.20"), o.relief ? 38 : 37);
    FixerTaille(ctx_, o.taille);
    FixerInterligne(ctx_, o.hauteurLigne);
    FixerBlanc(ctx_, o.blanc);
    FixerCouleur(ctx_, o.couleur);
}

bool DocumentTexte::Ouvrir(const QString& fichier) {
    if (!PeutFermer()) return false;
    Document d;
    if (!LireDocument(fichier, d)) {
        fenetre_.Information(QStringLiteral("Impossible d'ouvrir le texte :") + QChar(13) + QDir::toNativeSeparators(fichier));
        return false;
    }
    options_ = LireEnTete(d.entete, OptionsDe(ctx_.etat));
    AppliquerOptions(options_);
    fichier_ = QFileInfo(fichier).absoluteFilePath();
    AjouterRecent(fichier_);
    const bool etaitVivant = Vivant();
    entree_.TxtEntree->vivant = true;  // the text set below is not a paste
    FixerTexteBoite(d.corps);
    entree_.TxtEntree->vivant = etaitVivant;
    if (!etaitVivant) FixerVivant(true);
    else Rendre();
    entree_.TxtEntree->moveCursor(QTextCursor::Start);
    Legende();
    return true;
}

bool DocumentTexte::Enregistrer(const QString& fichier) {
    const OptionsDocument o = Vivant() ? options_ : OptionsDe(ctx_.etat);
    if (!EcrireDocument(fichier, {LigneEnTete(o), entree_.TxtEntree->toPlainText()})) {
        fenetre_.Information(QStringLiteral("Impossible d'enregistrer le texte :") + QChar(13) + QDir::toNativeSeparators(fichier));
        return false;
    }
    fichier_ = QFileInfo(fichier).absoluteFilePath();
    entree_.TxtEntree->document()->setModified(false);
    AjouterRecent(fichier_);
    Legende();
    return true;
}

void DocumentTexte::EnregistrerCommande() {
    if (fichier_.isEmpty()) return EnregistrerSous();
    Enregistrer(fichier_);
}

void DocumentTexte::EnregistrerSous() {
    QString f = Choisir(true, QStringLiteral("Enregistrer le texte sous"));
    if (f.isEmpty()) return;
    if (QFileInfo(f).suffix().isEmpty()) f += QStringLiteral(".txt");
    Enregistrer(f);
}

bool DocumentTexte::Vivant() const { return vivant_->isChecked() && rendu_->Actif(); }

QString DocumentTexte::EnTete() const { return LigneEnTete(options_); }

void DocumentTexte::FixerVivant(bool actif) {
    if (actif == Vivant()) {
        vivant_->setChecked(actif);
        return;
    }
    if (!actif) {
        vivant_->setChecked(false);
        entree_.TxtEntree->vivant = false;
        rendu_->Oublier();
        fenetre_.ImposerPage({});
        ctx_.etat.CollageEnCours = false;
        fenetre_.Rafraichir();
        Legende();
        return;
    }
    // The picture is replaced by the text's: retouches would be lost.
    const QImage image = ctx_.surface.Vue();
    const QRgb fond = ctx_.surface.FondRgb();
    bool encre = false;
    for (int y = 0; y < image.height() && !encre; ++y) {
        const QRgb* l = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0, fin = qMin(ctx_.surface.Encre().Droite(y), image.width() - 1); x <= fin && !encre; ++x) encre = l[x] != fond;
    }
    if (encre && fenetre_.Question(QStringLiteral("Le dessin actuel sera remplacé par le rendu du texte de la zone de saisie "
                                                  "(les retouches seront perdues). Continuer ?"),
                                   Boutons::OuiNon, QStringLiteral("Texte vivant")) != Reponse::Oui) {
        vivant_->setChecked(false);
        return;
    }
    vivant_->setChecked(true);
    entree_.TxtEntree->vivant = true;
    options_ = OptionsDe(ctx_.etat);
    Rendre();
}

void DocumentTexte::OptionsChangees() {
    if (!Vivant()) return;
    const OptionsDocument o = OptionsDe(ctx_.etat);
    if (o == options_) return;
    options_ = o;
    Rendre();
}

// The text in the box, as the document draws it.
static QString TexteDessine(const QString& entete, const QString& corps) { return TexteARendre(Document{entete, corps}); }

void DocumentTexte::Rendre() {
    fenetre_.ImposerPage(TexteVivant::Page(ctx_.etat));
    fenetre_.FixerDiscret(true);
    rendu_->Rendre(TexteDessine(EnTete(), entree_.TxtEntree->toPlainText()));
    const qsizetype curseur = entree_.TxtEntree->textCursor().position() + EnTete().size() + 1;
    rendu_->Montrer(rendu_->EcranDe(curseur));
    fenetre_.FixerDiscret(false);
    Apres();
}

void DocumentTexte::TexteChange() {
    if (interne_ || !Vivant() || ctx_.etat.ModeRecherche) return;
    fenetre_.FixerDiscret(true);
    rendu_->Modifier(TexteDessine(EnTete(), entree_.TxtEntree->toPlainText()));
    fenetre_.FixerDiscret(false);
    Apres();
}

// After a rendering: the buttons show the document's options, the view shows where the box's cursor
// is, the caption and status bar say what was drawn.
void DocumentTexte::Apres() {
    EtatProgramme& e = ctx_.etat;
    e.Ecriture = static_cast<int16_t>(options_.ecriture);
    ctx_.fenetre.FixerTexte(QStringLiteral("CmdScaqh"), LegendeEcriture(options_.ecriture));
    e.NumCouleur = options_.couleur;
    const int ecran = rendu_->Montre();
    ctx_.fenetre.FixerTexte(QStringLiteral("TxtPaq"), QString::number(ecran));
    AjusteDefilement(ctx_);
    // The cursor's line, by its place among the screen's characters.
    const qsizetype curseur = entree_.TxtEntree->textCursor().position() + EnTete().size() + 1;
    const qsizetype debut = rendu_->DebutEcran(ecran), fin = rendu_->DebutEcran(ecran + 1);
    const double part = fin > debut ? qBound(0.0, double(curseur - debut) / double(fin - debut), 1.0) : 0.0;
    const int visible = ctx_.fenetre.ZoneVisible().height();
    const int maximum = ctx_.fenetre.MaximumDefilement(Barre::Verticale);
    ctx_.fenetre.FixerDefilement(Barre::Verticale, qBound(0, int(part * ctx_.surface.Hauteur()) - visible / 2, maximum), maximum);
    fenetre_.Rafraichir();
    Legende();
}

void DocumentTexte::Legende() {
    QString prefixe;
    if (!fichier_.isEmpty() || Modifie()) {
        prefixe = fichier_.isEmpty() ? QStringLiteral("Sans titre") : QFileInfo(fichier_).fileName();
        if (Modifie()) prefixe += QStringLiteral(" *");
    }
    const bool tronque = Vivant() && rendu_->Tronque();
    if (tronque) prefixe += QStringLiteral(" (20 premiers écrans, la suite n'est pas dessinée)");
    fenetre_.FixerPrefixeTitre(prefixe.isEmpty() ? QString() : prefixe + QStringLiteral(" - "));
    if (tronque)
        fenetre_.statusBar()->showMessage(kSuiteNonDessinee);
    else if (fenetre_.statusBar()->currentMessage() == kSuiteNonDessinee)
        fenetre_.statusBar()->clearMessage();
}

bool DocumentTexte::eventFilter(QObject* objet, QEvent* ev) {
    switch (ev->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* d = static_cast<QDropEvent*>(ev);
        if (FichierTire(d->mimeData()).isEmpty()) return false;
        d->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* d = static_cast<QDropEvent*>(ev);
        const QString f = FichierTire(d->mimeData());
        if (f.isEmpty()) return false;
        d->acceptProposedAction();
        Ouvrir(f);
        return true;
    }
    case QEvent::Close:
        if (objet == &fenetre_ && !PeutFermer()) {
            ev->ignore();
            return true;
        }
        return false;
    default:
        return false;
    }
}
