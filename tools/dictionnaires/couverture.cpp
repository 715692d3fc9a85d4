// How much of a running text the pronunciation dictionaries know, and with --lecteur how much the
// program reads with the reader of unknown words on, as the editor and the headless commands do.
//
//   velmor_couverture --langue FR|EN [--lecteur] DATA_DIR TEXT...
//
// Each text (UTF-8) is cut into words at white space, as the entry window hands them over. A word
// is counted when its key (the letter run the lookup compares, after the typographic apostrophe
// becomes "'") holds a letter; it is found when the word preparation's lookup (LireParMorceaux and
// ChercherCle: the word, an h-word also as "ph..." in a file keyed the old way, its parts, the word
// between quotes or signs) finds it in the language's dictionary or the fallback "Fohms_NP.TXT",
// or, with --lecteur, when the reader (espeak-ng) reads it; the reader's spellings go to a
// temporary folder. Prints the figures per
// text and in all, then the most frequent words not found: those are drawn from their letters.
#include "app/LecteurInconnus.h"
#include "app/cli/ContexteConsole.h"
#include "base/Texte8Bits.h"
#include "transcription/Dictionnaires.h"
#include "transcription/Prononciation.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QMap>
#include <QRegularExpression>
#include <QTextStream>
#include <algorithm>

namespace {

bool Charger(const QString& chemin, Dictionnaire& d) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return false;
    d.Charger(f.readAll());
    return true;
}

// The lookup key of a word typed alone, as the transcriber and the word preparation take it.
QString Cle(QString mot) {
    mot.replace(QChar(0x2019), u'\'');
    qsizetype fin = 0;
    while (fin < mot.size()) {
        const QChar c = mot[fin];
        if (!((c >= u'A' && c <= u'Z') || Code1252(c) > 96 || c == u'\'' || c == u'`' || c == u'-')) break;
        ++fin;
    }
    QString cle = mot.left(fin);
    if (cle.startsWith(u'\'') || cle.startsWith(u'`')) cle.remove(0, 1);
    return cle;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QTextStream out(stdout), erreurs(stderr);
    const bool lecteur = args.removeAll(QStringLiteral("--lecteur")) > 0;
    const qsizetype l = args.indexOf(QStringLiteral("--langue"));
    QString langue;
    if (l >= 0 && l + 1 < args.size()) {
        langue = args[l + 1].toUpper();
        args.remove(l, 2);
    }
    if ((langue != u"FR" && langue != u"EN") || args.size() < 2) {
        QTextStream(stderr) << "usage: velmor_couverture --langue FR|EN [--lecteur] DATA_DIR TEXT...\n";
        return 2;
    }
    Dictionnaire dico, commun;
    if (!Charger(args[0] + QStringLiteral("/Fohms_") + langue + QStringLiteral(".TXT"), dico) || !Charger(args[0] + QStringLiteral("/Fohms_NP.TXT"), commun)) {
        QTextStream(stderr) << "velmor_couverture: cannot read the dictionaries of " << args[0] << "\n";
        return 1;
    }
    // The reader of unknown words, in a context of its own whose folder takes its spellings.
    QTemporaryDir lus;
    std::unique_ptr<ContexteConsole> console;
    if (lecteur) {
        if (!LecteurInconnusDisponible()) {
            QTextStream(stderr) << "velmor_couverture: built without espeak-ng\n";
            return 1;
        }
        console = std::make_unique<ContexteConsole>(1, 1, lus.path(), erreurs);
        BrancherLecteurInconnus(*console->ctx);
        console->ctx->etat.Langue = langue == u"FR" ? 1 : 2;
    }
    QMap<QString, std::optional<QString>> lusMots;
    // A whole key as the word preparation looks it up: the dictionaries, then (with --lecteur) the
    // reader. `h`: the key is an h-word's "ph...".
    auto lire = [&](QStringView k, bool h) -> std::optional<QString> {
        // An h-word's old key "ph..." (asked for right after its "h..." form) is answered by a
        // file without h keys only.
        QString precedente;
        const auto valeur = ChercherCle(k, h, langue == u"FR" ? 1 : 2, [&](QStringView c) -> std::optional<QString> {
            const bool ancienne = c.size() > 2 && c.startsWith(u"ph", Qt::CaseInsensitive) && precedente.size() == c.size() - 1 &&
                                  precedente.startsWith(u'h', Qt::CaseInsensitive) &&
                                  c.mid(2).compare(QStringView(precedente).mid(1), Qt::CaseInsensitive) == 0;
            precedente = c.toString();
            auto r = ancienne && dico.ClesH() ? Dictionnaire::Resultat{} : dico.Chercher(c);
            if (!r.trouve && !(ancienne && commun.ClesH())) r = commun.Chercher(c);
            return r.trouve ? std::optional<QString>(r.valeur) : std::nullopt;
        });
        if (valeur || !console) return valeur;
        const QString mot = h && k.size() >= 2 ? QStringLiteral("h") + k.mid(2).toString() : k.toString();
        auto it = lusMots.find(mot.toLower());
        if (it == lusMots.end()) it = lusMots.insert(mot.toLower(), console->ctx->crochets.LireInconnu(*console->ctx, mot));
        return *it;
    };
    const QRegularExpression lettre(QStringLiteral("\\p{L}"));
    QMap<QString, int> manquants;
    long totalMots = 0, totalTrouves = 0;
    for (const QString& chemin : args.mid(1)) {
        QFile f(chemin);
        if (!f.open(QIODevice::ReadOnly)) {
            QTextStream(stderr) << "velmor_couverture: cannot read " << chemin << "\n";
            return 1;
        }
        long mots = 0, trouves = 0;
        const QString texte = QString::fromUtf8(f.readAll());
        for (const QString& mot : texte.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
            const QString cle = Cle(mot);
            if (!cle.contains(lettre)) continue;
            ++mots;
            const bool h = cle.startsWith(u'h', Qt::CaseInsensitive);
            if (LireParMorceaux(h ? QStringLiteral("ph") + cle.mid(1) : cle, h, langue == u"FR" ? 1 : 2, lire)) ++trouves;
            else ++manquants[cle.toLower()];
        }
        out << chemin << ": " << trouves << " / " << mots << " words found ("
            << QString::number(mots ? 100.0 * trouves / mots : 0, 'f', 1) << " %)\n";
        totalMots += mots;
        totalTrouves += trouves;
    }
    out << "all: " << totalTrouves << " / " << totalMots << " words found ("
        << QString::number(totalMots ? 100.0 * totalTrouves / totalMots : 0, 'f', 1) << " %)\n";
    QList<std::pair<int, QString>> liste;
    for (auto it = manquants.cbegin(); it != manquants.cend(); ++it) liste.append({it.value(), it.key()});
    std::stable_sort(liste.begin(), liste.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    if (!liste.isEmpty()) out << "not found:";
    for (const auto& [n, mot] : liste) out << ' ' << mot << (n > 1 ? QStringLiteral(" (%1)").arg(n) : QString());
    if (!liste.isEmpty()) out << "\n";
    return 0;
}
