#include "outputs/EcritureEcrans.h"

#include "base/FichiersImages.h"
#include "base/EcritureSure.h"
#include "base/Surface.h"
#include "layout/ReduireImage.h"

#include <QFileInfo>
#include <QThread>
#include <algorithm>

struct EcritureEcrans::Ecran {
    QImage image;
    ListeTraces traces;        // for the vector kinds
    std::vector<int> droites;  // per row, the last column drawn on; empty for the surface's last screen
    int numero = 0;
    Couleur fond = 0xFFFFFF;
};

namespace {

// Screens that may wait for their coding beyond the one of each helper: a sheet each.
constexpr int kEnAttente = 1;

// `image` cut down to its drawing and the usual blank, sharing its pixels.
QImage Rognee(const QImage& image, Couleur fond) {
    const QSize t = TailleReduite(image, fond, kMargeReduite);
    return QImage(image.constBits(), t.width(), t.height(), image.bytesPerLine(), image.format());
}

}  // namespace

EcritureEcrans::EcritureEcrans(const QString& destination, bool rogner)
    : destination_(destination), rogner_(rogner) {
    const QFileInfo f(destination);
    const QString genre = f.suffix().toLower();
    suffixe_ = f.suffix().isEmpty() ? QString() : u'.' + f.suffix();
    base_ = destination.left(destination.size() - suffixe_.size());
    pdf_ = genre == u"pdf";
    if (genre != u"svg" && !pdf_) format_ = genre.isEmpty() ? QByteArray("bmp") : genre.toLatin1();
    // The pages of a PDF go one after the other; the files of the other kinds side by side, the
    // writing of the text keeping a processor.
    const int aides = pdf_ ? 1 : qMax(1, QThread::idealThreadCount() - 1);
    ouvriers_.setMaxThreadCount(aides);
    places_.release(aides + kEnAttente);
    if (pdf_) document_ = std::make_unique<DocumentPdf>(destination);
}

EcritureEcrans::~EcritureEcrans() {
    if (!fini_) Abandonner();
}

QString EcritureEcrans::Nom(int numero) const {
    return base_ + QStringLiteral("-%1").arg(numero, chiffres_, 10, QChar(u'0')) + suffixe_;
}

void EcritureEcrans::Echouer(const QString& nom) {
    const std::lock_guard l(verrou_);
    if (echec_.isEmpty()) echec_ = nom;
}

QString EcritureEcrans::Echec() const {
    const std::lock_guard l(verrou_);
    return echec_;
}

void EcritureEcrans::Elargir(int jusque) {
    ouvriers_.waitForDone();
    const int avant = chiffres_;
    for (int n = 1; n <= jusque; ++n) {
        chiffres_ = avant;
        const QString ancien = Nom(n);
        chiffres_ = avant + 1;
        if (!RenommerFichierSur(ancien, Nom(n))) Echouer(Nom(n));
    }
    chiffres_ = avant + 1;
}

void EcritureEcrans::Prendre(Surface& surface, int) {
    if (arret_) {
        surface.Effacer();
        return;
    }
    auto ecran = std::make_shared<Ecran>();
    ecran->numero = ++ecrans_;
    ecran->fond = surface.CouleurFond();
    if (!pdf_ && ecran->numero > 1 && QString::number(ecran->numero).size() > chiffres_) Elargir(ecran->numero - 1);
    places_.acquire();
    ecran->droites.resize(static_cast<size_t>(surface.Hauteur()));
    for (int y = 0; y < surface.Hauteur(); ++y) ecran->droites[static_cast<size_t>(y)] = surface.Encre().Droite(y);
    QImage feuille;
    {
        const std::lock_guard l(verrou_);
        if (!feuilles_.empty()) {
            feuille = std::move(feuilles_.back());
            feuilles_.pop_back();
        }
    }
    ecran->image = surface.Echanger(std::move(feuille), format_.isEmpty() ? &ecran->traces : nullptr);
    ouvriers_.start([this, ecran] {
        const QString nom = pdf_ ? destination_ : Nom(ecran->numero);
        QString raison;
        if (!arret_ && !Ecrire(*ecran, nom, &raison)) Echouer(raison.isEmpty() ? nom : raison);
        Rendre(*ecran);
        places_.release();
    });
}

bool EcritureEcrans::Ecrire(const Ecran& ecran, const QString& nom, QString* raison) {
    if (!format_.isEmpty()) {
        const QImage image = rogner_ ? Rognee(ecran.image, ecran.fond) : ecran.image;
        const QByteArray octets = OctetsImage(image, format_);
        return !octets.isEmpty() && EcrireFichierSur(nom, octets, raison);
    }
    FeuilleVectorielle f{rogner_ ? Rognee(ecran.image, ecran.fond) : ecran.image, ecran.traces, ecran.fond};
    if (rogner_) {
        Trace coupe;
        coupe.sorte = Trace::Rognage, coupe.x2 = f.image.width(), coupe.y2 = f.image.height();
        f.traces.Ajouter(coupe);
    }
    if (pdf_) return document_->AjouterPage(f);
    return EnregistrerSvg(nom, f, raison);
}

void EcritureEcrans::Rendre(Ecran& ecran) {
    if (ecran.droites.empty() || ecran.image.isNull()) return;
    const QRgb fond = Surface::VersRgb(ecran.fond);
    const int largeur = ecran.image.width();
    for (int y = 0; y < ecran.image.height(); ++y) {
        const int droite = qMin(ecran.droites[static_cast<size_t>(y)], largeur - 1);
        if (droite < 0) continue;
        QRgb* ligne = reinterpret_cast<QRgb*>(ecran.image.scanLine(y));
        std::fill(ligne, ligne + droite + 1, fond);
    }
    const std::lock_guard l(verrou_);
    feuilles_.push_back(std::move(ecran.image));
}

bool EcritureEcrans::Finir(const Surface* reste) {
    fini_ = true;
    if (reste && !arret_) {
        auto ecran = std::make_shared<Ecran>();
        ecran->numero = ++ecrans_;
        ecran->fond = reste->CouleurFond();
        ecran->image = reste->Vue();
        if (format_.isEmpty()) ecran->traces = reste->Traces();
        if (!pdf_ && ecran->numero > 1 && QString::number(ecran->numero).size() > chiffres_) Elargir(ecran->numero - 1);
        // A text of one screen goes to the destination itself.
        if (ecran->numero == 1 && !pdf_) {
            ouvriers_.waitForDone();
            QString raison;
            if (!Ecrire(*ecran, destination_, &raison)) Echouer(raison.isEmpty() ? destination_ : raison);
        } else {
            ouvriers_.start([this, ecran] {
                const QString nom = pdf_ ? destination_ : Nom(ecran->numero);
                QString raison;
                if (!Ecrire(*ecran, nom, &raison)) Echouer(raison.isEmpty() ? nom : raison);
            });
        }
    }
    ouvriers_.waitForDone();
    if (!pdf_ && ecrans_ == 1 && !reste && Echec().isEmpty() && !RenommerFichierSur(Nom(1), destination_))
        Echouer(destination_);
    if (pdf_) {
        std::atomic<bool> ecrit = false;
        QString raison;
        ouvriers_.start([&] { ecrit = Echec().isEmpty() && document_->Finir(&raison); });
        ouvriers_.waitForDone();
        if (!ecrit) {
            ouvriers_.start([&] { document_->Abandonner(); });
            ouvriers_.waitForDone();
            Echouer(raison.isEmpty() ? destination_ : raison);
        }
    }
    return Echec().isEmpty();
}

void EcritureEcrans::Abandonner() {
    arret_ = true;
    fini_ = true;
    ouvriers_.waitForDone();
    if (document_) {
        ouvriers_.start([&] { document_->Abandonner(); });
        ouvriers_.waitForDone();
    }
}

QStringList EcritureEcrans::Noms() const {
    if (pdf_ || ecrans_ == 1) return {destination_};
    QStringList r;
    for (int n = 1; n <= ecrans_; ++n) r << Nom(n);
    return r;
}
