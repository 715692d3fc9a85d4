// Words per second of writing a text file as `velmor render` does (one dictionary pass), but on the editor's full
// 1600 x 1200 surface so that every word lands on the picture: each line's words handed to
// Transcrire one by one, a new line at each line end, a full screen stored at each screen change
// and a fresh editor started when the 20 screens are full. The starts of the editors (tables and
// dictionaries read, surface made) are left out.
//
//   build/bench/bench_rendu_mots FILE [--taille N] [--langue TU|FR|EN|PH] [--tours N] [--zone PIXELS]
//
// --zone: the work area's width (1400 pixels by default; the surface is 1600 wide).
//
// Prints, per round, the words, the seconds and the words per second by the wall clock and by the
// process's processor time (every thread, the store's included: the steadier figure on a shared
// machine), and the Dessin calls with the number starting off the picture (0 expected).

#include "PosteEditeur.h"
#include "layout/Lignes.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <ctime>

namespace {

using namespace banc;

// The process's processor time in seconds, all threads: steadier than the wall clock on a shared
// machine.
double TempsProcesseur() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

struct Resultat {
    long mots = 0, appels = 0, horsImage = 0;
    int postes = 0;
    double secondes = 0, cpu = 0;  // wall-clock and this thread's processor time
};

Resultat Rendre(const QStringList& lignes, int taille, int langue, int zone) {
    Resultat r;
    std::vector<AppelDessin> journal;
    std::unique_ptr<Poste> poste;
    std::optional<Dictionnaires::Passe> passe;  // the render reads the text as one dictionary pass
    Chrono::time_point debut;
    double debutCpu = 0;
    const auto demarrer = [&] {
        if (poste) {
            r.secondes += Secondes(Chrono::now() - debut);
            r.cpu += TempsProcesseur() - debutCpu;
        }
        passe.reset();
        poste = std::make_unique<Poste>(taille, langue);
        passe.emplace(poste->ctx->dictionnaires);
        poste->fenetre.largeurTravail = zone;
        JournaliserDessins(*poste->ctx, &journal);
        ++r.postes;
        debut = Chrono::now();
        debutCpu = TempsProcesseur();
    };
    demarrer();
    const auto compter = [&](size_t avant) {
        for (size_t i = avant; i < journal.size(); ++i) {
            const AppelDessin& a = journal[i];
            if (a.x < 0 || a.y < 0 || a.x >= poste->surface.Largeur() || a.y >= poste->surface.Hauteur()) ++r.horsImage;
        }
        r.appels += static_cast<long>(journal.size());
        journal.clear();
    };
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        for (const QString& mot : lignes[i].split(u' ', Qt::SkipEmptyParts)) {
            if (poste->Plein()) demarrer();
            poste->ctx->etat.Tampon = mot;
            Transcrire(*poste->ctx);
            ++r.mots;
            compter(0);
        }
        if (i + 1 < lignes.size() && !poste->Plein()) {
            EtatProgramme& e = poste->ctx->etat;
            e.SautPermis = e.RetourForce = true;
            NouvelleLigne(*poste->ctx);
            e.RetourForce = true;
            compter(0);
        }
    }
    r.secondes += Secondes(Chrono::now() - debut);
    r.cpu += TempsProcesseur() - debutCpu;
    passe.reset();
    return r;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: bench_rendu_mots FILE [--taille N] [--langue TU|FR|EN|PH] [--tours N] [--zone PIXELS]\n");
        return 2;
    }
    int taille = 1, langue = Anglais, tours = 1, zone = 1400;
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == u"--taille") taille = args[i + 1].toInt();
        if (args[i] == u"--tours") tours = args[i + 1].toInt();
        if (args[i] == u"--zone") zone = qBound(100, args[i + 1].toInt(), 30000);
        if (args[i] == u"--langue")
            for (int l = 0; l < 4; ++l)
                if (args[i + 1].toUpper() == QLatin1String(NomLangue(l))) langue = l;
    }
    QFile f(args[0]);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args[0]));
        return 1;
    }
    QString texte = QString::fromUtf8(f.readAll());
    texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList lignes = texte.split(u'\n');
    for (int t = 0; t < tours; ++t) {
        const Resultat r = Rendre(lignes, taille, langue, zone);
        std::printf("size %d %s: %ld words in %.4f s = %.0f words/s (processor %.4f s = %.0f words/s); %ld Dessin calls, "
                    "%ld off the picture; %d editors\n",
                    taille, NomLangue(langue), r.mots, r.secondes, r.mots / r.secondes, r.cpu, r.mots / r.cpu, r.appels,
                    r.horsImage, r.postes);
    }
    return 0;
}
