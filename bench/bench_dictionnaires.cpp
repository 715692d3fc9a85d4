// The shipped pronunciation dictionaries: loading each one (as the first lookup of a file does)
// against the floors of reading the file into memory, as bytes and as text decoded the way every
// data file is read; one lookup in the largest; and one word read by the reader of unknown words.

#include "app/LecteurInconnus.h"
#include "base/Texte8Bits.h"
#include "support/Banc.h"
#include "transcription/Dictionnaires.h"
#include "transcription/Prononciation.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {

const char* const kFichiers[] = {"Fohms_FR.TXT", "Fohms_EN.TXT", "Fohms_NP.TXT"};

QString Chemin(int i) { return QStringLiteral(VELMOR_PROGRAM_DATA "/") + QLatin1String(kFichiers[i]); }

QByteArray Lire(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void BM_ChargerDictionnaire(benchmark::State& state) {
    const QString chemin = Chemin(static_cast<int>(state.range(0)));
    state.SetLabel(kFichiers[state.range(0)]);
    qsizetype octets = 0;
    for (auto _ : state) {
        Dictionnaire d;
        const QByteArray b = Lire(chemin);
        octets = b.size();
        d.Charger(b);
        benchmark::DoNotOptimize(d.NombreCles());
    }
    if (octets == 0) state.SkipWithError("dictionary missing");
    state.SetBytesProcessed(state.iterations() * octets);
}
BENCHMARK(BM_ChargerDictionnaire)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_PlancherLireOctets(benchmark::State& state) {
    const QString chemin = Chemin(static_cast<int>(state.range(0)));
    state.SetLabel(kFichiers[state.range(0)]);
    qsizetype octets = 0;
    for (auto _ : state) {
        const QByteArray b = Lire(chemin);
        octets = b.size();
        benchmark::DoNotOptimize(b.constData());
    }
    state.SetBytesProcessed(state.iterations() * octets);
}
BENCHMARK(BM_PlancherLireOctets)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_PlancherLireTexte(benchmark::State& state) {
    const QString chemin = Chemin(static_cast<int>(state.range(0)));
    state.SetLabel(kFichiers[state.range(0)]);
    for (auto _ : state) {
        QString t;
        LireFichier1252(chemin, t);
        benchmark::DoNotOptimize(t.constData());
    }
}
BENCHMARK(BM_PlancherLireTexte)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_ChercherFrancais(benchmark::State& state) {
    Dictionnaire d;
    d.Charger(Lire(Chemin(0)));
    const QStringList mots = {QStringLiteral("maison"), QStringLiteral("l'homme"), QStringLiteral("Peux-tu"),
                              QStringLiteral("qu'il"), QStringLiteral("absent")};
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(d.Chercher(mots[i]));
        if (++i == mots.size()) i = 0;
    }
}
BENCHMARK(BM_ChercherFrancais);

// One word no dictionary holds, as the transcriber prepares it with the reader of unknown words:
// looked up in the user dictionary and the shipped ones, read by espeak-ng, kept in the user
// dictionary. Each iteration takes a new made-up word; the user file must end with one line each.
void BM_LireMotInconnu(benchmark::State& state) {
    if (!LecteurInconnusDisponible()) {
        state.SkipWithError("built without espeak-ng");
        return;
    }
    QTemporaryDir dir;
    for (int i = 0; i < 3; ++i) QFile::copy(Chemin(i), dir.filePath(QLatin1String(kFichiers[i])));
    Banc b(10, 10, dir.path());
    BrancherLecteurInconnus(*b.ctx);
    b.etat().Langue = 2;
    auto inventer = [](long n) {
        QString m = QStringLiteral("zq");
        for (; n > 0; n /= 26) m += QChar(static_cast<char16_t>(u'a' + n % 26));
        return m;
    };
    QString mot = inventer(0);
    PrepareMot(*b.ctx, mot);  // espeak-ng starts and the files load outside the timing
    long n = 1;
    for (auto _ : state) {
        mot = inventer(n++);
        PrepareMot(*b.ctx, mot);
        benchmark::DoNotOptimize(mot.constData());
    }
    QString lus;
    LireFichier1252(CheminLus(*b.ctx, 2), lus);
    if (lus.count(u'\n') != n) state.SkipWithError("the words were not all read");
}
BENCHMARK(BM_LireMotInconnu)->Iterations(2000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
