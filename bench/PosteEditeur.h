#pragma once
// The editor as the benchmarks drive it: the program started on the editor's 1600 x 1200 surface
// with the shipped tables and dictionaries, a size and a language chosen, and text written with
// Transcrire word by word. Pasting stores a full screen at each screen change (20 at most, then a
// fresh editor is started); typing also stores a page snapshot a word. Every Dessin call can be
// recorded and checked against the picture it draws on.

#include "FenetreMuette.h"
#include "app/ContexteProgramme.h"
#include "app/Demarrage.h"
#include "config/Legendes.h"
#include "layout/MagasinImages.h"
#include "support/JournalDessin.h"
#include "transcription/Dictionnaires.h"
#include "transcription/Prononciation.h"
#include "transcription/ReglagesEcriture.h"
#include "transcription/Transcrire.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <chrono>
#include <memory>
#include <optional>
#include <random>
#include <vector>

namespace banc {

const QString kLivrees = QStringLiteral(VELMOR_PROGRAM_DATA);

enum Langue { Tumeli = 0, Francais = 1, Anglais = 2, Phonetique = 3 };

// The editor's window: a 1400-pixel work area unless set, and the texts of its boxes kept
// ("TxtPaq" numbers the screens).
class FenetreEditeur : public FenetreMuette {
public:
    void FixerTexte(const QString& c, const QString& v) override { textes_[c] = v; }
    QString Texte(const QString& c) const override { return textes_.value(c); }
    QRect ZoneTravail() const override { return {0, 0, largeurTravail * 15, 1000 * 15}; }

    int largeurTravail = 1400;  // pixels

private:
    QHash<QString, QString> textes_;
};

struct Poste {
    Poste(int taille, int langue, const QString& tables = kLivrees)
        : surface(1600, 1200), ctx(std::make_unique<ContexteProgramme>(surface, fenetre, horloge, tables)) {
        Contexte& c = *ctx;
        Main(c);
        c.etat.Relief = false;
        FixerTaille(c, taille);
        c.etat.Ecriture = 0;
        ChoisirEcriture(c);
        c.etat.EcritureAvantDerniere = c.etat.EcriturePrecedente = c.etat.Ecriture;
        c.etat.Langue = static_cast<int16_t>(langue);
        AfficherLangue(c);
        c.etat.CollageEnCours = true;
        // The dictionaries are read once per run of the editor, as words first need them: read
        // them all now, with the start, so that the timing holds the writing alone. A word no
        // dictionary holds consults every one.
        for (const char* m : {"le", "qzxqv"}) {
            QString mot = QString::fromLatin1(m);
            PrepareMot(c, mot);
        }
        // The screen store clears its first sheets ahead in a thread of its own, as the editor
        // does in its first moments: let it finish before the timing.
        c.ecrans.Attendre();
    }
    bool Plein() const { return ctx->etat.LimiteAtteinte || ctx->etat.EcransPleins; }

    Surface surface;
    FenetreEditeur fenetre;
    HorlogeMuette horloge;
    std::unique_ptr<ContexteProgramme> ctx;
};

// Random phonetic words of one to three syllables.
inline QStringList TextePhonetique(int mots) {
    static const char* const kSyllabes[] = {"ba", "bo", "da", "ni", "so", "tu", "re", "li", "ma", "ky",
                                            "a",  "e",  "o",  "bha", "bka", "s", "t", "n", "r"};
    std::mt19937 alea(7);
    QStringList r;
    for (int i = 0; i < mots; ++i) {
        QString m;
        const int n = 1 + static_cast<int>(alea() % 3);
        for (int k = 0; k < n; ++k) m += QString::fromLatin1(kSyllabes[alea() % std::size(kSyllabes)]);
        if (alea() % 9 == 0) m += u',';
        r << m;
    }
    return r;
}

// Running prose of the project's samples ("en" or "fr"), its texts one after the other and again
// until `mots` words.
inline QStringList Prose(const char* prefixe, int mots) {
    QStringList tous;
    for (const char* nom : {"letter", "news", "novel", "lettre", "nouvelles", "roman"}) {
        QFile f(QStringLiteral(VELMOR_PROSE "/%1_%2.txt").arg(QLatin1String(prefixe), QLatin1String(nom)));
        if (!f.open(QIODevice::ReadOnly)) continue;
        tous += QString::fromUtf8(f.readAll()).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    }
    QStringList r;
    while (!tous.isEmpty() && r.size() < mots) r += tous.mid(0, mots - r.size());
    return r;
}

inline QStringList Texte(int langue, int mots) {
    switch (langue) {
    case Francais: return Prose("fr", mots);
    case Anglais: return Prose("en", mots);
    default: return TextePhonetique(mots);
    }
}

inline const char* NomLangue(int langue) {
    static const char* const kNoms[] = {"TU", "FR", "EN", "PH"};
    return kNoms[langue & 3];
}

using Chrono = std::chrono::steady_clock;
inline double Secondes(Chrono::duration d) { return std::chrono::duration<double>(d).count(); }

// What writing a text left.
struct Bilan {
    int postes = 0;        // editors started (one per 20 screens)
    int ecrans = 0;        // screen changes
    int manquants = 0;     // missing-glyph lines
    long appels = 0;       // Dessin calls
    long horsImage = 0;    // of which starting off the picture
    double secondes = 0;   // the writing alone, the starts of the editors left out
};

// Pauses and resumes a benchmark's timing around the starts of the editors; nothing without one.
struct Pause {
    virtual ~Pause() = default;
    virtual void Arreter() {}
    virtual void Reprendre() {}
};

// Writes the words as a paste does (one dictionary pass for the text), starting a fresh editor
// when the screens are full. With `journal`, every Dessin call is recorded and checked against the
// surface it draws on.
inline Bilan Ecrire(int taille, int langue, const QStringList& mots, std::vector<AppelDessin>* journal = nullptr,
                    Pause* pause = nullptr) {
    Pause sans;
    Pause& p = pause ? *pause : sans;
    Bilan bilan;
    std::unique_ptr<Poste> poste;
    std::optional<Dictionnaires::Passe> passe;
    Chrono::time_point debut;
    const auto finir = [&] {
        if (!poste) return;
        bilan.secondes += Secondes(Chrono::now() - debut);
        bilan.manquants += static_cast<int>(poste->ctx->etat.MessagesManquants.count(u'\n'));
    };
    const auto demarrer = [&] {
        p.Arreter();
        finir();
        ++bilan.postes;
        passe.reset();
        poste = std::make_unique<Poste>(taille, langue);
        passe.emplace(poste->ctx->dictionnaires);
        JournaliserDessins(*poste->ctx, journal);
        p.Reprendre();
        debut = Chrono::now();
    };
    demarrer();
    for (const QString& m : mots) {
        if (poste->Plein()) demarrer();
        const int ecran = poste->ctx->etat.DernierEcran;
        const size_t avant = journal ? journal->size() : 0;
        poste->ctx->etat.Tampon = m;
        Transcrire(*poste->ctx);
        if (poste->ctx->etat.DernierEcran != ecran) ++bilan.ecrans;
        if (journal) {
            const Surface& s = poste->surface;
            for (size_t i = avant; i < journal->size(); ++i) {
                const AppelDessin& a = (*journal)[i];
                if (a.x < 0 || a.y < 0 || a.x >= s.Largeur() || a.y >= s.Hauteur()) ++bilan.horsImage;
            }
        }
    }
    p.Arreter();
    finir();
    passe.reset();
    poste.reset();
    p.Reprendre();
    if (journal) bilan.appels = static_cast<long>(journal->size());
    return bilan;
}

}  // namespace banc
