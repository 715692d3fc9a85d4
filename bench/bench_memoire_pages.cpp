// Memory of the picture stores, measured while text is written on a 1600 x 2040 surface.
//
// Writes 21 full screens of glyph-like text. The first page goes straight into place 0 of the
// screen store; the line advance then stores screens 1 to 20 as a paste does and stops at the
// 21st with its message. Meanwhile the last lines of every screen are typed word by word, each
// word storing a snapshot in the ring of 31 recallable pages. At the end every stored screen and
// ring slot is restored and compared with a hash taken when it was stored; the program prints the
// peak resident memory and fails when it is 150 MB or more, or when a picture came back different.
//
//   cmake --build build && build/bench/bench_memoire_pages

#include "FenetreMuette.h"
#include "TexteAleatoire.h"
#include "app/ContexteProgramme.h"
#include "drawing/Scanners.h"
#include "layout/Ecrans.h"
#include "layout/Lignes.h"
#include "layout/PagesRappel.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QHash>
#include <cstdio>
#include <functional>
#include <map>
#include <string_view>
#include <sys/resource.h>

namespace {

// The bench window keeps the texts of its boxes ("TxtPaq" carries the screen number).
class FenetreBanc : public FenetreMuette {
public:
    void FixerTexte(const QString& c, const QString& v) override { textes_[c] = v; }
    QString Texte(const QString& c) const override { return textes_.value(c); }
    int messages = 0;
    void Information(const QString&, const QString& = {}) override { ++messages; }

private:
    QHash<QString, QString> textes_;
};

size_t Empreinte(const QImage& image) {
    return std::hash<std::string_view>{}(
        std::string_view(reinterpret_cast<const char*>(image.constBits()), static_cast<size_t>(image.sizeInBytes())));
}

long PicMemoireKo() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const long depart = PicMemoireKo();

    Surface surface(1600, 2040);
    FenetreBanc fenetre;
    HorlogeMuette horloge;
    ContexteProgramme ctx(surface, fenetre, horloge, QString());
    EtatProgramme& e = ctx.etat;
    GeometrieTaille1(e);
    e.PagesRappelables = 30;
    e.YMaxiA4 = 1990;
    e.YLigne = 0;
    NouvelleLigne(ctx);
    e.PosX = e.MargeGauche;
    fenetre.FixerTexte(QStringLiteral("TxtPaq"), QStringLiteral("1"));

    TexteAleatoire texte;
    std::map<int, size_t> ecrans, pages;  // hash of what each place holds
    QElapsedTimer chrono;
    chrono.start();
    qint64 nsPages = 0;
    int cliches = 0, mots = 0;
    bool premiere = true;

    while (!e.EcransPleins && mots < 200000) {
        // Words until the line is full; the last two lines of a screen are typed, one snapshot a word.
        const bool tape = e.PosY + 2 * e.PasLigne > e.YMaxiA4;
        while (e.PosX < 1540) {
            texte.Mot(ctx);
            ++mots;
            EspaceMot(ctx);
            if (tape) {
                QElapsedTimer t;
                t.start();
                MemorisePage(ctx);
                nsPages += t.nsecsElapsed();
                ++cliches;
                pages[e.IndicePageRappel] = Empreinte(surface.Vue());
            }
        }
        const bool ecranDu = e.PosY + e.PasLigne > e.YMaxiA4;
        if (ecranDu && premiere) {
            // The first page goes into place 0, then the paste begins on a clean surface.
            ctx.ecrans.Ranger(0, surface.Vue(), QPointF(e.PosX, e.PosY));
            ecrans[0] = Empreinte(surface.Vue());
            surface.Effacer();
            e.YLigne = e.PosY = e.PasLigne;
            e.PosX = e.MargeGauche;
            premiere = false;
            e.CollageEnCours = true;
            continue;
        }
        const size_t avant = ecranDu ? Empreinte(surface.Vue()) : 0;
        const int numero = fenetre.Texte(QStringLiteral("TxtPaq")).toInt();
        e.SautPermis = true;
        NouvelleLigne(ctx);
        if (ecranDu) ecrans[numero] = avant;
    }
    const double secondes = chrono.nsecsElapsed() / 1e9;

    int differentes = 0;
    for (const auto& [place, h] : ecrans)
        if (Empreinte(ctx.ecrans.Image(place)) != h) ++differentes;
    for (const auto& [place, h] : pages)
        if (Empreinte(ctx.pages.Image(place)) != h) ++differentes;

    const long pic = PicMemoireKo();
    std::printf("words written            %d in %.1f s\n", mots, secondes);
    std::printf("stored screens           %zu (screen message shown %d time)\n", ecrans.size(), fenetre.messages);
    std::printf("ring snapshots taken     %d, ring slots filled %zu, %.2f ms a snapshot\n", cliches, pages.size(),
                cliches ? nsPages / 1e6 / cliches : 0.0);
    std::printf("screen store             %.1f MB\n", ctx.ecrans.Octets() / 1048576.0);
    std::printf("ring store               %.1f MB (comparison copy included)\n", ctx.pages.Octets() / 1048576.0);
    std::printf("full copies would take   %.1f MB\n", 52.0 * surface.Vue().sizeInBytes() / 1048576.0);
    std::printf("pictures restored wrong  %d\n", differentes);
    std::printf("peak resident memory     %.1f MB (%.1f MB before the surface)\n", pic / 1024.0, depart / 1024.0);
    const bool ok = differentes == 0 && ecrans.size() == 21 && pages.size() == 31 && pic < 150 * 1024;
    std::printf("%s\n", ok ? "OK" : "FAILED");
    return ok ? 0 : 1;
}
