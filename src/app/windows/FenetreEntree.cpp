#include "app/windows/FenetreEntree.h"

#include "app/windows/GardeCollage.h"
#include "app/windows/PlacementEcran.h"
#include "base/Contexte.h"
#include "base/Texte8Bits.h"
#include "layout/Lignes.h"
#include "transcription/Frappe.h"
#include "transcription/Retranscription.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cmath>

namespace {

// Designed measures, in twips.
constexpr int kGaucheZone = 120, kHautZone = 120;
constexpr int kLargeurMini = 2000, kHauteurMini = 1840;
constexpr int kLargeurDepart = 7200, kHauteurDepart = 3000;
constexpr int kLargeurBoutons = 975;
constexpr int kBasColonne = 1645 + 500 + 600;  // the button column below the text box's top, and the margin

// The box as the keystroke driver sees it.
class Boite : public BoiteSaisie {
public:
    explicit Boite(QPlainTextEdit& zone) : zone_(zone) {}
    QString Texte() const override { return zone_.toPlainText(); }
    void Vider() override { zone_.clear(); }

private:
    QPlainTextEdit& zone_;
};

// Characters of the box before `texte` that were written already: up to its last blank.
int Ecrits(const QString& texte) {
    qsizetype i = texte.size();
    while (i > 0 && !texte[i - 1].isSpace()) --i;
    return static_cast<int>(i);
}

}  // namespace

ZoneEntree::ZoneEntree(Contexte& ctx, QWidget* parent) : QPlainTextEdit(parent), ctx_(ctx) {
    setFont(QFont(QStringLiteral("Liberation Sans"), 10));
}

void ZoneEntree::keyPressEvent(QKeyEvent* ev) {
    if (vivant) {
        QPlainTextEdit::keyPressEvent(ev);
        return;
    }
    Boite boite(*this);
    if (ev->matches(QKeySequence::Paste)) {
        // The paste goes after the text, which it continues.
        moveCursor(QTextCursor::End);
        dejaEcrits = Ecrits(toPlainText());
        ToucheSaisie(ctx_, boite, kToucheColler);
        QPlainTextEdit::keyPressEvent(ev);
        return;
    }
    const QString t = ev->text();
    const bool entree = ev->key() == Qt::Key_Return || ev->key() == Qt::Key_Enter;
    if (!entree && (t.isEmpty() || (ev->modifiers() & Qt::ControlModifier))) {
        QPlainTextEdit::keyPressEvent(ev);
        return;
    }
    const int16_t code = entree ? kToucheEntree : static_cast<int16_t>(Code1252(t[0]));
    ToucheSaisie(ctx_, boite, code);
    ctx_.fenetre.Rafraichir();
    if (code == kToucheRapport) return;  // a command, not text
    QPlainTextEdit::keyPressEvent(ev);
}

void ZoneEntree::focusOutEvent(QFocusEvent* ev) {
    QPlainTextEdit::focusOutEvent(ev);
    emit FocusPerdu();
}

FrmEntree::FrmEntree(Contexte& ctx, QWidget* parent) : QWidget(parent, Qt::Tool), ctx_(ctx) {
    setWindowTitle(QStringLiteral("  Zone  de  saisie"));
    TxtEntree = new ZoneEntree(ctx, this);
    TxtTX = new QLineEdit(this);
    CmdAlaLigne = new QPushButton(QStringLiteral("<--"), this);
    CmdChercher = new QPushButton(QStringLiteral("Chercher"), this);
    CmdCopie = new QPushButton(QStringLiteral("Copier"), this);
    CmdEfface = new QPushButton(QStringLiteral("Effacer"), this);
    CmdColle = new QPushButton(QStringLiteral("Coller"), this);
    CmdAlaLigne->setToolTip(QStringLiteral("Ligne suivante..."));
    CmdChercher->setToolTip(QStringLiteral("Chaîne dans texte déjà entré"));
    CmdCopie->setToolTip(QStringLiteral("Copier la sélection sinon tout le texte"));
    CmdEfface->setToolTip(QStringLiteral("Vider la zone de saisie"));
    CmdColle->setToolTip(QStringLiteral("Coller et transcrire un texte copié ici ou à l'extérieur"));
    CmdAlaLigne->raise();
    // "<--" lies over the lower part of "Copier": its caption is drawn above it.
    CmdCopie->setStyleSheet(QStringLiteral("QPushButton { padding-bottom: %1px; }").arg(Pixels(255, true)));
    for (QPushButton* b : {CmdAlaLigne, CmdChercher, CmdCopie, CmdEfface, CmdColle}) b->setFocusPolicy(Qt::NoFocus);
    connect(CmdAlaLigne, &QPushButton::clicked, this, &FrmEntree::CmdAlaLigne_Click);
    connect(CmdChercher, &QPushButton::clicked, this, &FrmEntree::CmdChercher_Click);
    connect(CmdCopie, &QPushButton::clicked, this, &FrmEntree::CmdCopie_Click);
    connect(CmdEfface, &QPushButton::clicked, this, &FrmEntree::CmdEfface_Click);
    connect(CmdColle, &QPushButton::clicked, this, &FrmEntree::CmdColle_Click);
    connect(TxtEntree, &QPlainTextEdit::textChanged, this, &FrmEntree::TxtEntree_Change);
    connect(TxtEntree, &ZoneEntree::FocusPerdu, this, &FrmEntree::TxtEntree_LostFocus);
    setMinimumSize(Pixels(kLargeurMini, false), Pixels(kHauteurMini, true));
    resize(Pixels(kLargeurDepart, false), Pixels(kHauteurDepart, true));
    TxtEntree->move(Pixels(kGaucheZone, false), Pixels(kHautZone, true));
    Disposer();
}

// The text box loses the focus while the window is taken apart: no slot of the half-destroyed
// window may run then.
FrmEntree::~FrmEntree() { disconnect(TxtEntree, nullptr, this, nullptr); }

int FrmEntree::Twips(int pixels, bool vertical) const {
    const int dpi = vertical ? logicalDpiY() : logicalDpiX();
    return pixels * (dpi > 0 ? qMax(1, 1440 / dpi) : 15);
}

int FrmEntree::Pixels(double twips, bool vertical) const {
    const int dpi = vertical ? logicalDpiY() : logicalDpiX();
    return static_cast<int>(std::lround(twips / (dpi > 0 ? qMax(1, 1440 / dpi) : 15)));
}

void FrmEntree::Disposer() {
    const int tx = Twips(width(), false), th = Twips(height(), true);
    if (th < kHauteurMini || tx < kLargeurMini) {
        resize(Pixels(qMax(tx, kLargeurMini), false), Pixels(qMax(th, kHauteurMini), true));
        return;  // the resize comes back here
    }
    // The text box's top leaves room below it for the button column and the margin.
    if (Twips(TxtEntree->y(), true) > qMax(0, th - kBasColonne))
        TxtEntree->move(TxtEntree->x(), Pixels(qMax(0, th - kBasColonne), true));
    const int haut = Twips(TxtEntree->y(), true);
    const int largeurZone = tx - 1425, hauteurZone = th - haut - 600;
    TxtEntree->resize(Pixels(largeurZone, false), Pixels(hauteurZone, true));
    const int colonne = largeurZone + 225;
    auto placer = [&](QWidget* w, int gauche, int sommet, int largeur, int hauteur) {
        w->setGeometry(Pixels(gauche, false), Pixels(sommet, true), Pixels(largeur, false), Pixels(hauteur, true));
    };
    placer(TxtTX, colonne, haut, kLargeurBoutons, 280);
    placer(CmdChercher, colonne, haut + 280, kLargeurBoutons, 375);
    placer(CmdCopie, colonne, haut + 655, kLargeurBoutons, 615);
    placer(CmdEfface, colonne, haut + 1270, kLargeurBoutons, 375);
    const int sommetColle = haut + 1645;
    const int basZone = haut + hauteurZone;
    placer(CmdColle, colonne, sommetColle, kLargeurBoutons, basZone - sommetColle > 0 ? basZone - sommetColle : 500);
    placer(CmdAlaLigne, colonne + kLargeurBoutons / 2 - 255, haut + 1270 - 255, 495, 255);
}

void FrmEntree::resizeEvent(QResizeEvent* ev) {
    QWidget::resizeEvent(ev);
    Disposer();
}

void FrmEntree::AppliquerDisposition() {
    EtatProgramme& e = ctx_.etat;
    auto& d = e.DispositionEntree;
    const QRect dispo = PlaceEcran(*this);
    // The frame the window has, else the main window's while it has none yet.
    const QMargins cadre = !CadreFenetre(*this).isNull() || !parentWidget() ? CadreFenetre(*this)
                                                                             : CadreFenetre(*parentWidget()->window());
    const QSize place = dispo.size().shrunkBy(cadre);
    if (d[11] == 9) {
        // The stored measures within the screen: the window no larger than its room, each control
        // within the window.
        const double lmax = Twips(place.width(), false), hmax = Twips(place.height(), true);
        d[0] = qBound(0.0, d[0], lmax);
        d[1] = qBound(0.0, d[1], hmax);
        for (size_t i = 2; i <= 10; ++i) {
            const bool vertical = i == 2 || i >= 6;
            d[i] = qBound(0.0, d[i], vertical ? hmax : lmax);
        }
        if (d[0] > 0 && d[1] > 0) resize(Pixels(d[0], false), Pixels(d[1], true));
        if (d[6] > 0) TxtEntree->move(TxtEntree->x(), Pixels(d[6], true));
        Disposer();
    }
    if (width() > place.width() || height() > place.height())
        resize(qMin(width(), place.width()), qMin(height(), place.height()));
    // The frame wholly within the room, at the bottom-right corner when the stored edges would not be.
    const QPoint origine = screen() ? screen()->geometry().topLeft() : QPoint();
    const QSize cadreTaille = size().grownBy(cadre);
    const QRect voulu(origine + QPoint(Pixels(std::isfinite(e.EntreeX) ? qBound(-1e9, e.EntreeX, 1e9) : 0, false),
                                       Pixels(std::isfinite(e.EntreeY) ? qBound(-1e9, e.EntreeY, 1e9) : 0, true)),
                      cadreTaille);
    if (!(e.EntreeX >= 1) || !(e.EntreeY >= 1) || !dispo.contains(voulu)) {
        const QPoint coin = dispo.bottomRight() + QPoint(1, 1) - QPoint(cadreTaille.width(), cadreTaille.height());
        e.EntreeX = Twips(coin.x() - origine.x(), false);
        e.EntreeY = Twips(coin.y() - origine.y(), true);
    }
    move(origine + QPoint(Pixels(e.EntreeX, false), Pixels(e.EntreeY, true)));
}

void FrmEntree::MemoriserDisposition() {
    EtatProgramme& e = ctx_.etat;
    const QScreen* ecran = screen() ? screen() : QGuiApplication::primaryScreen();
    const QPoint origine = ecran ? ecran->geometry().topLeft() : QPoint();
    e.EntreeX = Twips(x() - origine.x(), false);
    e.EntreeY = Twips(y() - origine.y(), true);
    auto& d = e.DispositionEntree;
    d[0] = Twips(width(), false);
    d[1] = Twips(height(), true);
    d[2] = Twips(TxtEntree->height(), true);
    d[3] = Twips(TxtEntree->width(), false);
    d[4] = Twips(CmdCopie->width(), false);
    d[5] = Twips(CmdCopie->x(), false);
    d[6] = Twips(TxtEntree->y(), true);
    d[7] = Twips(CmdChercher->y(), true);
    d[8] = Twips(CmdCopie->y(), true);
    d[9] = Twips(CmdEfface->y(), true);
    d[10] = Twips(CmdColle->y(), true);
    d[11] = 9;
}

void FrmEntree::Charger() {
    EtatProgramme& e = ctx_.etat;
    const QString texte = TxtEntree->toPlainText();
    if (!texte.isEmpty()) e.TexteSauve = texte;
    FixerTexte(QString());
    AppliquerDisposition();
    Disposer();
}

void FrmEntree::Afficher() {
    const bool ouverte = isVisible();
    if (!ouverte) Charger();
    show();
    AppliquerDisposition();  // again with the frame the shown window has
    RamenerAuCadrage(*this);  // and once more when the window manager has framed it
    if (!ouverte) FixerTexte(ctx_.etat.TexteZoneSaisie);
    TxtEntree->moveCursor(QTextCursor::End);
    PremierPlan();
}

void FrmEntree::PremierPlan() {
    show();
    raise();
    activateWindow();
    TxtEntree->setFocus();
}

void FrmEntree::AssocierFenetre(QWidget* principale, QWidget* boutonArret) {
    principale_ = principale;
    boutonArret_ = boutonArret;
}

void FrmEntree::closeEvent(QCloseEvent* ev) {
    EtatProgramme& e = ctx_.etat;
    MemoriserDisposition();
    const QString texte = TxtEntree->toPlainText();
    if (!texte.isEmpty()) e.TexteSauve = texte;
    e.TexteZoneSaisie = texte;
    QWidget::closeEvent(ev);
    emit Fermee();
}

void FrmEntree::FixerTexte(const QString& texte) {
    interne_ = true;
    TxtEntree->setPlainText(texte);
    interne_ = false;
}

void FrmEntree::CmdAlaLigne_Click() {
    if (TxtEntree->vivant) {  // the line end goes into the text, which draws it
        TxtEntree->insertPlainText(QStringLiteral("\n"));
        TxtEntree->setFocus();
        return;
    }
    EtatProgramme& e = ctx_.etat;
    VerifieLigneVisible(ctx_);
    e.CurseurVisible = e.LigneVisible;
    e.SautPermis = true;
    e.RetourForce = true;
    NouvelleLigne(ctx_);
    e.RetourForce = true;
    ctx_.fenetre.Rafraichir();
    TxtEntree->setFocus();
}

void FrmEntree::CmdCopie_Click() {
    QClipboard* presse = QGuiApplication::clipboard();
    presse->clear();
    QString choisi = TxtEntree->textCursor().selectedText();
    choisi.replace(QChar(0x2029), u'\n');
    presse->setText(choisi.trimmed().isEmpty() ? TxtEntree->toPlainText() : choisi);
}

void FrmEntree::CmdEfface_Click() {
    EtatProgramme& e = ctx_.etat;
    e.EntreeVidee = true;
    const QString texte = TxtEntree->toPlainText();
    if (!texte.isEmpty()) e.TexteSauve = texte;
    FixerTexte(QString());
    TxtEntree->setFocus();
}

void FrmEntree::CmdColle_Click() {
    EtatProgramme& e = ctx_.etat;
    e.CurseurVisible = true;
    e.EntreeVidee = false;
    e.CollageEnCours = true;
    e.TexteColle = QGuiApplication::clipboard()->text();
    if (e.TexteColle.isEmpty()) e.TexteColle = e.TexteSauve;
    // The box keeps its text character for character, as Ctrl+V does: a walk waiting to resume
    // counts its place in it. What it holds is written already, but for a last word still waiting
    // for its blank.
    const QString avant = TxtEntree->toPlainText();
    const bool blanc = avant.isEmpty() || avant.back().isSpace();
    TxtEntree->dejaEcrits = Ecrits(avant);
    TxtEntree->setPlainText(avant + (blanc ? QString() : QStringLiteral(" ")) + e.TexteColle.trimmed() + u' ');
    TxtEntree->moveCursor(QTextCursor::End);
}

void FrmEntree::TxtEntree_Change() {
    if (interne_ || enCours_ || !ctx_.etat.CollageEnCours || TxtEntree->vivant) return;
    Retranscrire(TxtEntree->toPlainText(), TxtEntree->dejaEcrits);
}

void FrmEntree::Continuer() {
    EtatProgramme& e = ctx_.etat;
    if (enCours_) return;
    if (e.PositionReprise <= 0 || texteCollage_.isEmpty()) {
        emit CollageTermine(SuiteCollage::Aucune);
        return;
    }
    e.CollageEnCours = true;
    e.EntreeVidee = false;
    Retranscrire(texteCollage_, 0);
}

// The change operation of a paste: the text walked from where it stands (or resumes), with the
// windows kept alive, then the view scrolled to the cursor.
void FrmEntree::Retranscrire(const QString& texte, int dejaEcrits) {
    EtatProgramme& e = ctx_.etat;
    enCours_ = true;
    VerifieLigneVisible(ctx_);
    e.CurseurVisible = e.LigneVisible;
    const int maxV = ctx_.fenetre.MaximumDefilement(Barre::Verticale);
    if (!e.CurseurVisible) ctx_.fenetre.FixerDefilement(Barre::Verticale, maxV, maxV);
    texteCollage_ = texte;
    FinRetranscrire fin;
    QList<QPointer<QWidget>> fermetures;
    {
        GardeCollage garde(e, {this, principale_.data()}, {boutonArret_.data()});
        fin = RetranscrireTexte(ctx_, texte, dejaEcrits);
        fermetures = garde.FermeturesEnAttente();
    }
    TxtEntree->dejaEcrits = static_cast<int>(TxtEntree->toPlainText().size());
    if (e.PosY >= ctx_.fenetre.ZoneVisible().height()) {
        VerifieLigneVisible(ctx_);
        e.CurseurVisible = e.LigneVisible;
        const int m = ctx_.fenetre.MaximumDefilement(Barre::Verticale);
        if (!e.CurseurVisible) ctx_.fenetre.FixerDefilement(Barre::Verticale, m, m);
    } else {
        ctx_.fenetre.FixerDefilement(Barre::Verticale, 0, ctx_.fenetre.MaximumDefilement(Barre::Verticale));
    }
    ctx_.fenetre.Rafraichir();
    TxtEntree->setFocus();
    enCours_ = false;
    emit CollageTermine(fin == FinRetranscrire::EcranPlein ? SuiteCollage::EcranPlein
                        : fin == FinRetranscrire::Arrete  ? SuiteCollage::Arretee
                                                          : SuiteCollage::Aucune);
    // A window whose closing waited for the stop closes now, asking what its closing asks.
    for (const QPointer<QWidget>& w : fermetures)
        if (w) QTimer::singleShot(0, w.data(), [w] { if (w) w->close(); });
}

void FrmEntree::TxtEntree_LostFocus() {
    EtatProgramme& e = ctx_.etat;
    if (isVisible() && !e.FocusRepris) TxtEntree->setFocus();
    e.FocusRepris = true;
}

void FrmEntree::CmdChercher_Click() {
    EtatProgramme& e = ctx_.etat;
    const QString cherche = TxtTX->text();
    if (cherche.isEmpty()) return;
    if (CmdChercher->text() == u"Rétablir") {
        FixerTexte(e.TexteAvantRecherche);
        CmdChercher->setText(QStringLiteral("Chercher"));
        e.ModeRecherche = false;
        return;
    }
    e.ModeRecherche = true;
    QString texte = TxtEntree->toPlainText();
    e.TexteAvantRecherche = texte;
    CmdChercher->setText(QStringLiteral("Rétablir"));
    int compte = 0;
    for (qsizetype p = texte.indexOf(cherche, 0, Qt::CaseInsensitive); p >= 0;
         p = texte.indexOf(cherche, p, Qt::CaseInsensitive)) {
        const QString marque = QStringLiteral("  !  !  !  !  (") + QString::number(++compte) + QStringLiteral(" )  !  !  !  !  ");
        texte.insert(p, marque);
        p += marque.size() + cherche.size();
    }
    FixerTexte(texte);
    const QString apostrophes = QStringLiteral("''");
    const QString deuxRetours(2, QChar(13));
    ctx_.fenetre.Information(compte == 0 ? apostrophes + cherche + QStringLiteral("''  absent...")
                                         : apostrophes + cherche + QStringLiteral("''  trouvé ") + QString::number(compte) +
                                               QStringLiteral(" fois...") + deuxRetours +
                                               QStringLiteral("( Eléments trouvés précédés par '' ! ! ! ! ( numéro ) ! ! ! ! ''") +
                                               QStringLiteral(" dans texte maintenant...)"));
}
