// Pronunciation dictionaries and the normaliser.
//
// - A lookup in a 50,000-entry dictionary, against the floor: one QHash lookup of the same key
//   already lower-cased. Also a lookup through the folder's cache, which checks the file's date.
// - Loading that dictionary, against reading the file into memory (raw bytes, and bytes decoded to
//   text as every data file is read).
// - Normaliser on dotted texts of 2,000 and 20,000 words.

#include "FenetreMuette.h"
#include "app/ContexteProgramme.h"
#include "base/Texte8Bits.h"
#include "transcription/Dictionnaires.h"
#include "transcription/Normaliseur.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

namespace {

constexpr int kEntrees = 50000;

// Word-like keys of 3 to 12 letters, some with capitals, accents or an apostrophe, each once.
struct Donnees {
    QStringList cles, valeurs;
    QByteArray fichier;
    QTemporaryDir dir;
    QString chemin;

    Donnees() {
        std::mt19937 alea(2024);
        const QString lettres = QString::fromUtf8("abcdefghijklmnopqrstuvwxyzéèàç'");
        QSet<QString> vues;
        while (cles.size() < kEntrees) {
            QString cle;
            for (int n = 3 + alea() % 10; n > 0; --n) cle += lettres[alea() % (alea() % 8 == 0 ? 31 : 26)];
            if (alea() % 5 == 0) cle[0] = cle[0].toUpper();
            if (vues.contains(cle.toLower())) continue;
            vues.insert(cle.toLower());
            QString valeur;
            for (int n = 3 + alea() % 10; n > 0; --n) valeur += lettres[alea() % 26];
            cles << cle;
            valeurs << valeur;
        }
        QString texte;
        for (int i = 0; i < kEntrees; ++i) texte += cles[i] + u';' + valeurs[i] + "\r\n";
        fichier = Vers1252(texte);
        chemin = dir.filePath("Fohms_FR.TXT");
        QFile f(chemin);
        f.open(QIODevice::WriteOnly);
        f.write(fichier);
    }
};

Donnees& D() {
    static Donnees d;
    return d;
}

// Keys to look up: every 7th key, in a case of its own.
QStringList Recherches() {
    QStringList r;
    for (int i = 0; i < kEntrees; i += 7) r << (i % 2 ? D().cles[i].toUpper() : D().cles[i]);
    return r;
}

void BM_DictionnaireChercher(benchmark::State& state) {
    Dictionnaire dico;
    dico.Charger(D().fichier);
    const QStringList r = Recherches();
    qsizetype i = 0, trouves = 0;
    for (auto _ : state) {
        const auto res = dico.Chercher(r[i]);
        trouves += res.trouve;
        benchmark::DoNotOptimize(res);
        if (++i == r.size()) i = 0;
    }
    if (trouves != state.iterations()) state.SkipWithError("a key was not found");
}
BENCHMARK(BM_DictionnaireChercher);

void BM_PlancherQHash(benchmark::State& state) {
    QHash<QString, QString> h;
    for (int i = 0; i < kEntrees; ++i) h.insert(D().cles[i].toLower(), D().valeurs[i]);
    QStringList r = Recherches();
    for (QString& c : r) c = c.toLower();
    qsizetype i = 0;
    for (auto _ : state) {
        auto it = h.constFind(r[i]);
        benchmark::DoNotOptimize(it);
        if (++i == r.size()) i = 0;
    }
}
BENCHMARK(BM_PlancherQHash);

void BM_DictionnairesAvecDate(benchmark::State& state) {
    FenetreMuette fenetre;
    HorlogeMuette horloge;
    Surface surface(1, 1);
    ContexteProgramme ctx(surface, fenetre, horloge, D().dir.path());
    const QString nom = QStringLiteral("Fohms_FR.TXT");
    const QStringList r = Recherches();
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ctx.dictionnaires.Chercher(ctx, nom, r[i]));
        if (++i == r.size()) i = 0;
    }
}
BENCHMARK(BM_DictionnairesAvecDate);

void BM_DictionnaireCharger(benchmark::State& state) {
    for (auto _ : state) {
        QFile f(D().chemin);
        f.open(QIODevice::ReadOnly);
        Dictionnaire dico;
        dico.Charger(f.readAll());
        benchmark::DoNotOptimize(dico.NombreCles());
    }
    state.SetBytesProcessed(state.iterations() * D().fichier.size());
}
BENCHMARK(BM_DictionnaireCharger)->Unit(benchmark::kMicrosecond);

void BM_PlancherLireOctets(benchmark::State& state) {
    for (auto _ : state) {
        QFile f(D().chemin);
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(f.readAll());
    }
    state.SetBytesProcessed(state.iterations() * D().fichier.size());
}
BENCHMARK(BM_PlancherLireOctets)->Unit(benchmark::kMicrosecond);

void BM_PlancherLireTexte(benchmark::State& state) {
    for (auto _ : state) {
        QString t;
        LireFichier1252(D().chemin, t);
        benchmark::DoNotOptimize(t);
    }
    state.SetBytesProcessed(state.iterations() * D().fichier.size());
}
BENCHMARK(BM_PlancherLireTexte)->Unit(benchmark::kMicrosecond);

// A dotted text of n words as the transcriber builds it: syllables, capitals, digits, signs, marks.
QString TextePointe(int mots) {
    static const char* const kMots[] = {"ta.ke.a", "Bo.ni.to", "a.{.n.e", "ka.la.{.mo", "!P.!_", "1.9.8", "%.s.a.u.t",
                                        "pe.ti.t.+.A.mi", "x.@.+.y", "so.le.i.l"};
    QString t;
    for (int i = 0; i < mots; ++i) t += QLatin1String(kMots[i % 10]) + QLatin1String(".+.");
    return t;
}

void BM_Normaliser(benchmark::State& state) {
    FenetreMuette fenetre;
    HorlogeMuette horloge;
    Surface surface(1, 1);
    ContexteProgramme ctx(surface, fenetre, horloge, QString());
    ctx.etat.Langue = 0;
    const QString texte = TextePointe(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QString t = texte;
        Normaliser(ctx, t);
        benchmark::DoNotOptimize(t);
    }
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));  // words per second
}
BENCHMARK(BM_Normaliser)->Arg(2000)->Arg(20000)->Unit(benchmark::kMicrosecond)->Complexity(benchmark::oN);

}  // namespace
