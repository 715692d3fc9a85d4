#include "app/windows/FenetresTrait.h"

#include "base/Surface.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <functional>

namespace {

constexpr Qt::PenStyle kStyles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen};
constexpr Qt::BrushStyle kMotifs[] = {Qt::SolidPattern, Qt::NoBrush, Qt::HorPattern, Qt::VerPattern,
                                      Qt::BDiagPattern, Qt::FDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};

// A small picture drawn by a function: the sample line or shape beside an option.
class Echantillon : public QWidget {
public:
    Echantillon(std::function<void(QPainter&, QRect)> dessin, QSize taille, QWidget* parent)
        : QWidget(parent), dessin_(std::move(dessin)) {
        setFixedSize(taille);
    }
    void Changer(std::function<void(QPainter&, QRect)> dessin) {
        dessin_ = std::move(dessin);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        dessin_(p, rect());
    }

private:
    std::function<void(QPainter&, QRect)> dessin_;
};

void LigneEchantillon(QPainter& p, QRect r, Qt::PenStyle style, int largeur) {
    p.setPen(QPen(Qt::black, largeur, style));
    p.drawLine(r.left() + 6, r.center().y(), r.right() - 6, r.center().y());
}

void MotifEchantillon(QPainter& p, QRect r, int motif) {
    p.setPen(Qt::black);
    p.setBrush(QBrush(Qt::black, kMotifs[qBound(0, motif, 7)]));
    p.drawRect(r.adjusted(8, 8, -9, -9));
}

std::array<QPushButton*, 2> Boutons(QDialog* d, QLayout* page, const std::function<void()>& appliquer) {
    auto* ok = new QPushButton(QStringLiteral("OK"), d);
    ok->setObjectName(QStringLiteral("Command1_0"));
    ok->setDefault(true);
    auto* annuler = new QPushButton(QStringLiteral("&Annuler"), d);
    annuler->setObjectName(QStringLiteral("Command1_1"));
    QObject::connect(ok, &QPushButton::clicked, d, [d, appliquer] {
        appliquer();
        d->accept();
    });
    QObject::connect(annuler, &QPushButton::clicked, d, &QDialog::reject);
    auto* ligne = new QHBoxLayout;
    ligne->addStretch();
    ligne->addWidget(ok);
    ligne->addWidget(annuler);
    static_cast<QBoxLayout*>(page)->addLayout(ligne);
    return {ok, annuler};
}

}  // namespace

FenetreOptionsTrait::FenetreOptionsTrait(const char* nom, const QString& titre, const QStringList& options,
                                         int courante, bool motif, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QLatin1String(nom));
    setWindowTitle(titre);
    auto* page = new QVBoxLayout(this);
    auto* grille = new QGridLayout;
    auto* groupe = new QButtonGroup(this);
    Echantillon* forme = nullptr;
    if (motif) forme = new Echantillon([c = courante](QPainter& p, QRect r) { MotifEchantillon(p, r, c); }, {96, 72}, this);
    for (int i = 0; i < options.size(); ++i) {
        auto* b = new QRadioButton(options[i], this);
        b->setObjectName(QStringLiteral("Option1_%1").arg(i));
        groupe->addButton(b, i);
        Option1.push_back(b);
        grille->addWidget(b, i, 0);
        if (!motif)
            grille->addWidget(new Echantillon([i](QPainter& p, QRect r) { LigneEchantillon(p, r, kStyles[i], 1); },
                                              {120, 20}, this),
                              i, 1);
        else
            connect(b, &QRadioButton::clicked, forme,
                    [forme, i] { forme->Changer([i](QPainter& p, QRect r) { MotifEchantillon(p, r, i); }); });
    }
    if (forme) grille->addWidget(forme, 0, 1, static_cast<int>(options.size()), 1, Qt::AlignCenter);
    page->addLayout(grille);
    if (courante >= 0 && courante < options.size()) Option1[static_cast<size_t>(courante)]->setChecked(true);
    Command1 = Boutons(this, page, [this] {
        if (Choisie() >= 0) Appliquer(Choisie());
    });
}

int FenetreOptionsTrait::Choisie() const {
    for (size_t i = 0; i < Option1.size(); ++i)
        if (Option1[i]->isChecked()) return static_cast<int>(i);
    return -1;
}

FenetreStyleTrait::FenetreStyleTrait(Surface& surface, QWidget* parent)
    : FenetreOptionsTrait("frmLine", QStringLiteral("  Style  de trait"),
                          {QStringLiteral("&Ligne pleine"), QStringLiteral("&Tirets"), QStringLiteral("&Points"),
                           QStringLiteral("T&irets-Points"), QStringLiteral("Tiret-P&oint-Point"),
                           QStringLiteral("&Transparent")},
                          surface.StyleTrait(), false, parent),
      surface_(surface) {}

void FenetreStyleTrait::Appliquer(int numero) { surface_.FixerStyleTrait(numero); }

FenetreMotif::FenetreMotif(int& motif, QWidget* parent)
    : FenetreOptionsTrait("frmFill", QStringLiteral("  Motif  de  remplissage"),
                          {QStringLiteral("&Couleur pleine"), QStringLiteral("&Transparent"),
                           QStringLiteral("&Lignes horizontales"), QStringLiteral("Lignes &verticales"),
                           QStringLiteral("&Diag. montant"), QStringLiteral("D&iag. descendant"), QStringLiteral("Cr&oix"),
                           QStringLiteral("&Croi&x diag.")},
                          motif, true, parent),
      motif_(motif) {}

FenetreLargeurTrait::FenetreLargeurTrait(Surface& surface, QWidget* parent) : QDialog(parent), surface_(surface) {
    setObjectName(QStringLiteral("frmWidth"));
    setWindowTitle(QStringLiteral("  Largeur  de  trait"));
    const int courante = surface_.LargeurTrait();
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setRange(1, qMax(kLargeurMaxi, courante));
    VScroll1->setValue(courante);
    VScroll1->setFixedHeight(120);
    lbWidth = new QLabel(QString::number(courante), this);
    lbWidth->setObjectName(QStringLiteral("lbWidth"));
    auto* trait = new Echantillon([courante](QPainter& p, QRect r) { LigneEchantillon(p, r, Qt::SolidLine, courante); },
                                  {140, 120}, this);
    connect(VScroll1, &QScrollBar::valueChanged, this, [this, trait](int v) {
        lbWidth->setText(QString::number(v));
        trait->Changer([v](QPainter& p, QRect r) { LigneEchantillon(p, r, Qt::SolidLine, v); });
    });
    auto* haut = new QHBoxLayout;
    haut->addWidget(VScroll1);
    haut->addWidget(trait);
    auto* lu = new QVBoxLayout;
    lu->addWidget(new QLabel(QStringLiteral("Epaisseur:"), this));
    lu->addWidget(lbWidth);
    lu->addStretch();
    haut->addLayout(lu);
    auto* page = new QVBoxLayout(this);
    page->addLayout(haut);
    Command1 = Boutons(this, page, [this] { surface_.FixerLargeurTrait(VScroll1->value()); });
}
