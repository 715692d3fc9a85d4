// The live text as the user gets it, in the real windows (offscreen platform):
// - opening a 6,000-word text (20 screens at size 1) and drawing it: median of 5 openings;
// - one character typed, then deleted, at a random place of that text: from the key event sent to
//   the entry box to the view repainted, median and 99th percentile over 400 edits.
// Each edit is checked to have happened: the drawn text follows the box and a walk ran; every 50
// edits (outside the timing) each screen is compared with the same text opened on a fresh program.

#include "gui/PosteDocument.h"
#include "transcription/Document.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>

namespace {

using Chrono = std::chrono::steady_clock;
double Ms(Chrono::time_point t0) { return std::chrono::duration<double, std::milli>(Chrono::now() - t0).count(); }

// 6,000 phonetic words, 12 a line.
QString Texte() {
    static const char* const kSyllabes[] = {"ba", "bo", "da", "ni", "so", "tu", "re", "li", "ma", "ky", "a", "e", "o"};
    std::mt19937 alea(7);
    QString t;
    for (int i = 0; i < 6000; ++i) {
        for (int j = 0, k = 1 + static_cast<int>(alea() % 3); j < k; ++j) t += QLatin1String(kSyllabes[alea() % std::size(kSyllabes)]);
        t += (i + 1) % 12 == 0 ? u'\n' : u' ';
    }
    return t;
}

// A fresh program on the benchmark's folder; questions are answered "Non".
struct Programme : PosteDocument {
    explicit Programme(const QString& dossier) : PosteDocument(dossier, Reponse::Non) {}
};

// Whether every screen the live text shows is what opening its text on a fresh program draws.
bool CommeDeZero(Programme& p, const QString& dossier) {
    const QString fichier = dossier + QStringLiteral("/controle.txt");
    if (!EcrireDocument(fichier, {p.document->EnTete(), p.entree->TxtEntree->toPlainText()})) return false;
    Programme frais(dossier);
    if (!frais.document->Ouvrir(fichier) || frais.document->Rendu().Ecrans() != p.document->Rendu().Ecrans()) return false;
    for (int n = 1; n <= p.document->Rendu().Ecrans(); ++n)
        if (frais.document->Rendu().Ecran(n).convertToFormat(QImage::Format_RGB32) !=
            p.document->Rendu().Ecran(n).convertToFormat(QImage::Format_RGB32))
            return false;
    return true;
}

void Touche(QWidget* w, int touche, const QString& texte) {
    QKeyEvent ev(QEvent::KeyPress, touche, Qt::NoModifier, texte);
    QCoreApplication::sendEvent(w, &ev);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dossier;
    const QString source = QStringLiteral(VELMOR_PROGRAM_DATA);
    for (const QString& f : QDir(source).entryList(QDir::Files)) QFile::copy(source + u'/' + f, dossier.filePath(f));
    const QString fichier = dossier.filePath(QStringLiteral("texte.txt"));
    OptionsDocument o;
    o.langue = 3;
    if (!EcrireDocument(fichier, {LigneEnTete(o), Texte()})) return 1;

    std::vector<double> ouvertures;
    int ecrans = 0;
    for (int i = 0; i < 5; ++i) {
        Programme p(dossier.path());
        const auto t0 = Chrono::now();
        if (!p.document->Ouvrir(fichier)) return 1;
        ouvertures.push_back(Ms(t0));
        ecrans = p.document->Rendu().Ecrans();
    }
    std::sort(ouvertures.begin(), ouvertures.end());
    std::printf("open and draw 6000 words (%d screens): median %.1f ms, max %.1f ms\n", ecrans, ouvertures[2], ouvertures[4]);

    Programme p(dossier.path());
    p.document->Ouvrir(fichier);
    ZoneEntree* boite = p.entree->TxtEntree;
    std::mt19937 alea(11);
    std::vector<double> durees;
    int manques = 0, controles = 0, faux = 0;
    for (int i = 0; i < 200; ++i) {
        if (i % 25 == 24) {
            ++controles;
            if (!CommeDeZero(p, dossier.path())) ++faux;
        }
        const int taille = boite->document()->characterCount() - 1;
        QTextCursor c = boite->textCursor();
        c.setPosition(static_cast<int>(alea() % static_cast<unsigned>(taille)));
        boite->setTextCursor(c);
        for (const bool taper : {true, false}) {
            const int marches = p.document->Rendu().Marches();
            const auto t0 = Chrono::now();
            if (taper) Touche(boite, Qt::Key_O, QStringLiteral("o"));
            else Touche(boite, Qt::Key_Backspace, QString());
            durees.push_back(Ms(t0));
            if (p.document->Rendu().Marches() == marches || p.document->Rendu().Texte() != TexteARendre(Document{p.document->EnTete(), boite->toPlainText()}))
                ++manques;
        }
    }
    // The last one after odd edits: a character typed and left.
    Touche(boite, Qt::Key_A, QStringLiteral("a"));
    ++controles;
    if (!CommeDeZero(p, dossier.path())) ++faux;
    std::sort(durees.begin(), durees.end());
    std::printf("one character typed or deleted anywhere (%zu edits, %d not redrawn): median %.2f ms, p99 %.2f ms, max %.2f ms\n",
                durees.size(), manques, durees[durees.size() / 2], durees[durees.size() * 99 / 100], durees.back());
    std::printf("pictures compared with a fresh rendering: %d times, %d different\n", controles, faux);
    return manques == 0 && faux == 0 ? 0 : 1;
}
