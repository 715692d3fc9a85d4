// ChargeTables on a 200 KB tables file, against the floor: reading the same file line by line.

#include "FenetreMuette.h"
#include "app/ContexteProgramme.h"
#include "config/ChargeTables.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <benchmark/benchmark.h>

namespace {

// A synthetic tables file of about 200 KB shaped like a documented one: every letter and variant
// filled once with paths of glyph length, a comment line before each block, signs, clusters, digits.
QString EcrireFichier(const QString& dossier) {
    const QString chemin = QStringLiteral("0123456789R4U6E2R3F2D6L2H1U3L3D3G1L2R9U9L9D9E4G4R2S0N0P11R4U6E2R3F2D6L2H1U3");
    const QString commentaire = QStringLiteral("' ") + QString(330, u'-') + QStringLiteral(" notes on this glyph");
    QString t;
    for (char l : QByteArray("aeiouy")) {
        t += QStringLiteral("9\n%1\n").arg(QChar(l));
        for (int k = 1; k <= 9; ++k) {
            t += chemin + u'\n' + chemin + u'\n';
            for (char j : QByteArray("bdg")) t += QStringLiteral("+%1%2R2U2E1F1\n").arg(QChar(j)).arg(k % 4);
            t += commentaire + u'\n';
        }
    }
    t += "SUITE1\n";
    for (char l = 'b'; l <= '}'; ++l) {
        if (QByteArray("eiouy").contains(l)) continue;
        t += commentaire + QStringLiteral("\n9\n%1\n").arg(QChar(l));
        for (int k = 1; k <= 9; ++k) {
            t += commentaire + u'\n';
            for (int c = 0; c < 4; ++c) t += chemin + u'\n';
        }
    }
    t += "SpexawTyps\nBLAHG=4\nLargTIL=3\nTILG=R2\nTILD=L2\nTDL=1\nFON=0\nPAQ 20\n";
    for (int c = 33; c < 256; ++c) t += QStringLiteral("¤%1").arg(QChar(c)) + chemin + u'\n';
    t += "Impures_Multiples\n";
    for (int i = 0; i < 99; ++i) t += QStringLiteral("abc\n") + chemin + u'\n' + chemin + u'\n';
    t += "CHIFFRES\n";
    for (int d = 0; d < 10; ++d) t += QString::number(d) + chemin + u'\n';
    t += "FinLec\n";
    QFile f(dossier + "/APABDIDS.TXT");
    f.open(QIODevice::WriteOnly);
    f.write(t.toLatin1());
    return f.fileName();
}

QTemporaryDir& Dossier() {
    static QTemporaryDir d;
    static const QString f = EcrireFichier(d.path());
    (void)f;
    return d;
}

void BM_ChargeTables(benchmark::State& state) {
    FenetreMuette fenetre;
    HorlogeMuette horloge;
    Surface surface(10, 10);
    for (auto _ : state) {
        auto ctx = std::make_unique<ContexteProgramme>(surface, fenetre, horloge, Dossier().path());
        ChargeTables(*ctx);
        benchmark::DoNotOptimize(ctx->tables.TableGlyphes[0][1][0]);
    }
    state.SetBytesProcessed(state.iterations() * QFile(Dossier().path() + "/APABDIDS.TXT").size());
}
BENCHMARK(BM_ChargeTables)->Unit(benchmark::kMicrosecond);

void BM_PlancherLectureLignes(benchmark::State& state) {
    for (auto _ : state) {
        QFile f(Dossier().path() + "/APABDIDS.TXT");
        f.open(QIODevice::ReadOnly);
        QTextStream in(&f);
        in.setEncoding(QStringConverter::Latin1);
        QString ligne;
        qsizetype n = 0;
        while (in.readLineInto(&ligne)) n += ligne.size();
        benchmark::DoNotOptimize(n);
    }
    state.SetBytesProcessed(state.iterations() * QFile(Dossier().path() + "/APABDIDS.TXT").size());
}
BENCHMARK(BM_PlancherLectureLignes)->Unit(benchmark::kMicrosecond);

}  // namespace


#include "base/Texte8Bits.h"
#include "config/LecteurChamps.h"
namespace {
void BM_Champs(benchmark::State& state) {
    QString t;
    LireFichier1252(Dossier().path() + "/APABDIDS.TXT", t);
    long n = 0, tot = 0;
    for (auto _ : state) {
        LecteurChamps l(t);
        QString c;
        n = tot = 0;
        while (l.Suivant(c)) { ++n; tot += c.size(); }
    }
    state.counters["fields"] = n;
    state.counters["chars"] = tot;
}
BENCHMARK(BM_Champs)->Unit(benchmark::kMicrosecond);
}
