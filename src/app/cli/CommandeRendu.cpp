#include "app/cli/Commandes.h"
#include "app/cli/Editeur.h"
#include "app/cli/Options.h"
#include "app/cli/SousCommandes.h"
#include "base/Bmp.h"
#include "base/EcritureSure.h"
#include "base/Surface.h"
#include "base/Texte8Bits.h"
#include "layout/ReduireImage.h"
#include "outputs/ExportVectoriel.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QThread>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <thread>
#include <vector>

namespace {

// The screen cut down to its drawing and the usual blank to the right and below.
QImage Rogner(const QImage& image, Couleur fond) {
    Surface s(image.width(), image.height());
    s.RemplacerImage(image);
    const QSize t = TailleReduite(s, fond, kMargeReduite);
    return image.copy(0, 0, t.width(), t.height());
}

// FILE for one screen; FILE-01.EXT, FILE-02.EXT, ... for several.
QString NomEcran(const QString& sortie, int numero, int nombre) {
    if (nombre == 1) return sortie;
    const QFileInfo f(sortie);
    const QString suffixe = f.suffix().isEmpty() ? QString() : u'.' + f.suffix();
    const QString base = suffixe.isEmpty() ? sortie : sortie.left(sortie.size() - suffixe.size());
    return base + QStringLiteral("-%1").arg(numero, 2, 10, QChar(u'0')) + suffixe;
}

// The picture files of a render, coded on helper threads: a screen stored while the text is still
// being written is coded at once (its bytes kept: a PNG's are few), the rest once the text is
// written, with every processor; coding a picture takes far longer than writing its words.
class Codage {
public:
    Codage(Editeur& editeur, QByteArray format, bool rogner, Couleur fond)
        : editeur_(editeur), format_(std::move(format)), rogner_(rogner), fond_(fond) {
        // A BMP's bytes are the whole picture: those wait to be written straight away.
        if (format_ != "bmp") aides_.emplace_back([this] { Travailler(); });
    }
    ~Codage() { Joindre(); }

    // A stored screen, final from now on.
    void Ajouter(int ecran) {
        if (aides_.empty()) return;
        {
            const std::lock_guard l(verrou_);
            if (pris_.insert(ecran).second) file_.push_back(ecran);
        }
        signal_.notify_one();
    }

    // Codes and writes every picture (`places` from Editeur::PlacesEcrans, named `noms`); for each,
    // whether its file was written.
    std::vector<char> Finir(const QList<int>& places, const QStringList& noms) {
        {
            const std::lock_guard l(verrou_);
            for (int i = 0; i < places.size(); ++i) noms_[places[i]] = noms[i];
            for (int place : places)
                if (pris_.insert(place).second) file_.push_back(place);
            fini_ = true;
        }
        signal_.notify_all();
        for (int n = qBound(0, QThread::idealThreadCount() - 1 - static_cast<int>(aides_.size()), static_cast<int>(places.size()));
             n > 0; --n)
            aides_.emplace_back([this] { Travailler(); });
        Travailler();
        Joindre();
        // What was coded before the names were known.
        for (auto& [place, octets] : octets_)
            if (noms_.count(place)) ecrits_[place] = !octets.isEmpty() && EcrireFichierSur(noms_[place], octets);
        std::vector<char> r;
        for (int place : places) r.push_back(ecrits_[place]);
        return r;
    }

private:
    void Travailler() {
        QImage tampon;
        for (;;) {
            int place;
            {
                std::unique_lock l(verrou_);
                signal_.wait(l, [&] { return !file_.empty() || fini_; });
                if (file_.empty()) return;
                place = file_.front();
                file_.pop_front();
            }
            QByteArray octets;
            if (const QImage* image = editeur_.Ecran(place, tampon))
                // (Not `rogner_ ? Rogner(…) : *image`: that would copy the surface's picture.)
                octets = rogner_ ? OctetsImage(Rogner(*image, fond_), format_) : OctetsImage(*image, format_);
            std::unique_lock l(verrou_);
            if (!fini_) {
                octets_[place] = std::move(octets);
                continue;
            }
            const QString nom = noms_[place];
            l.unlock();
            const bool ecrit = !octets.isEmpty() && EcrireFichierSur(nom, octets);
            l.lock();
            ecrits_[place] = ecrit;
        }
    }
    void Joindre() {
        {
            const std::lock_guard l(verrou_);
            fini_ = true;
        }
        signal_.notify_all();
        for (std::thread& t : aides_)
            if (t.joinable()) t.join();
    }

    Editeur& editeur_;
    const QByteArray format_;
    const bool rogner_;
    const Couleur fond_;
    std::mutex verrou_;
    std::condition_variable signal_;
    std::deque<int> file_;
    std::set<int> pris_;  // every place queued
    bool fini_ = false;
    std::map<int, QByteArray> octets_;  // coded before the names were known
    std::map<int, QString> noms_;
    std::map<int, char> ecrits_;
    std::vector<std::thread> aides_;
};

}  // namespace

// velmor render TEXTE|-f FICHIER -o FICHIER [OPTIONS]: the options are in Commandes.cpp.
int CommandeRendu(const QStringList& args, const QString& dossier, QTextStream& sortie, QTextStream& erreurs) {
    const auto o = LireOptions(args, erreurs);
    if (!o) return kSortieUsage;
    ChoixEditeur choix;
    const bool fichier = o->Drapeau(QStringLiteral("-f"));
    if (o->positions.size() != (fichier ? 0 : 1) || !o->Drapeau(QStringLiteral("-o"))) {
        ErreurUsage(erreurs, o->commande, QStringLiteral("il faut un TEXTE ou -f FICHIER, et -o FICHIER"));
        return kSortieUsage;
    }
    if (!LireChoix(*o, choix, erreurs)) return kSortieUsage;
    QString texte;
    if (fichier) {
        QFile f(o->Valeur(QStringLiteral("-f")));
        if (!f.open(QIODevice::ReadOnly)) {
            Erreur(erreurs, QStringLiteral("impossible de lire %1").arg(f.fileName()));
            return kSortieFichier;
        }
        const QByteArray octets = f.readAll();
        // UTF-8 when it decodes as such, else the program's 8-bit code page.
        auto decodeur = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        texte = decodeur.decode(octets);
        if (decodeur.hasError()) texte = Depuis1252(octets);
    } else {
        texte = o->positions[0];
    }
    const QString destination = o->Valeur(QStringLiteral("-o"));
    const QString genre = QFileInfo(destination).suffix().toLower();
    const bool vectoriel = genre == u"svg" || genre == u"pdf";
    Editeur editeur(choix, dossier, erreurs);
    std::optional<Codage> codage;
    if (!vectoriel)
        codage.emplace(editeur, genre.isEmpty() ? QByteArray("bmp") : genre.toLatin1(),
                       o->Drapeau(QStringLiteral("--rogner")), editeur.ctx().surface.CouleurFond());
    // The progress on a terminal, unless asked to be quiet.
    std::optional<BarreProgression> barre;
    if (!o->Drapeau(QStringLiteral("--quiet")) && BarreProgression::Terminal()) editeur.fenetre().barre = &barre.emplace(erreurs);
    const bool entier = o->Drapeau(QStringLiteral("--frappe"))
                            ? editeur.Taper(texte)
                            : editeur.Coller(texte, [&](int ecran) {
                                  if (codage) codage->Ajouter(ecran);
                                  if (barre) barre->EcranPlein();
                              });
    if (barre) {
        barre->Finir(static_cast<int>(editeur.PlacesEcrans().size()));
        editeur.fenetre().barre = nullptr;
    }
    for (const QString& ligne : editeur.ctx().etat.MessagesManquants.split(u'\n', Qt::SkipEmptyParts))
        erreurs << ligne << Qt::endl;
    if (vectoriel) {
        auto feuilles = editeur.Feuilles();
        if (o->Drapeau(QStringLiteral("--rogner")))
            for (FeuilleVectorielle& f : feuilles) {
                f.image = Rogner(f.image, f.fond);
                Trace coupe;
                coupe.sorte = Trace::Rognage, coupe.x2 = f.image.width(), coupe.y2 = f.image.height();
                f.traces.Ajouter(coupe);
            }
        // One SVG per screen; one PDF with a page per screen.
        const int n = genre == u"pdf" ? 1 : static_cast<int>(feuilles.size());
        for (int i = 0; i < n; ++i) {
            const QString nom = NomEcran(destination, i + 1, n);
            const bool ecrit = genre == u"pdf" ? EnregistrerPdf(nom, feuilles) : EnregistrerSvg(nom, feuilles[static_cast<size_t>(i)]);
            if (!ecrit) {
                Erreur(erreurs, QStringLiteral("impossible d'écrire %1").arg(nom));
                return kSortieFichier;
            }
            sortie << nom << Qt::endl;
        }
        return entier ? kSortieReussie : kSortieTexteIncomplet;
    }
    const QList<int> places = editeur.PlacesEcrans();
    QStringList noms;
    for (int i = 0; i < places.size(); ++i) noms << NomEcran(destination, i + 1, static_cast<int>(places.size()));
    const std::vector<char> ecrits = codage->Finir(places, noms);
    for (int i = 0; i < places.size(); ++i) {
        if (!ecrits[static_cast<size_t>(i)]) {
            Erreur(erreurs, QStringLiteral("impossible d'écrire %1").arg(noms[i]));
            return kSortieFichier;
        }
        sortie << noms[i] << Qt::endl;
    }
    return entier ? kSortieReussie : kSortieTexteIncomplet;
}
