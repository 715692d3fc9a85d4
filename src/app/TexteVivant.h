#pragma once
// The live text: the picture kept as the rendering of a whole text, redrawn after every edit from
// the first screen the edit touches. The text is walked by the paste's own re-transcription
// (RetranscrireTexte), which stops at each new screen; at each stop a checkpoint keeps the state
// record, the surface (its picture in a store of its own, its pen and font) and the captions the
// walk reads back, with the position in the text. An edit resumes from the checkpoint before it,
// and the walk stops early when a later checkpoint comes out as it was before the edit (the rest of
// the text, shifted, then draws as it drew).

#include "base/EtatProgramme.h"
#include "base/ListeTraces.h"
#include "layout/MagasinImages.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>
#include <array>
#include <memory>
#include <vector>

struct Contexte;

class TexteVivant {
public:
    // The state record as it is now is the start of every rendering (the session's own fields,
    // window places and kept texts, follow the program).
    explicit TexteVivant(Contexte& ctx);
    ~TexteVivant();

    // The page a document is drawn on: the width of `velmor render` and the A4 height of the tables.
    static QSize Page(const EtatProgramme& e);

    // Draws `texte` (as walked: see TexteARendre) from scratch on a fresh page.
    void Rendre(const QString& texte);
    // The text became `texte`: redraws from the checkpoint before the first change.
    void Modifier(const QString& texte);

    const QString& Texte() const { return texte_; }
    bool Actif() const { return !points_.empty(); }
    // Screens drawn (the stored ones and the last), and whether text was left undrawn past them.
    int Ecrans() const;
    bool Tronque() const { return tronque_; }
    // The screen that holds the character at `position` of the text (1 for the first), and the
    // first character of screen n (the text's length past the last).
    int EcranDe(qsizetype position) const;
    qsizetype DebutEcran(int n) const;
    // Screens the last rendering walked again, and the first of them.
    int EcransParcourus() const { return parcourus_; }
    int PremierParcouru() const { return premierParcouru_; }
    // Walks of RetranscrireTexte since the start.
    int Marches() const { return marches_; }

    // A screen's picture (1 to Ecrans()); null outside.
    QImage Ecran(int n) const;
    // Shows screen n on the surface (the last one is the writing's own); the writing state stays
    // the end of the text.
    void Montrer(int n);
    int Montre() const { return montre_; }
    // The surface and state back to the end of the text, as a paste of it would leave them.
    void Terminer();
    // Forgets every checkpoint (the picture and state stay as they are).
    void Oublier();

private:
    struct Reglages {
        Couleur trait = 0, remplissage = 0;
        int styleRemplissage = 1, largeur = 1, style = 0, mode = 13;
        double tx = 0, ty = 0;
        QFont police;
    };
    struct Point {
        EtatProgramme etat;
        Reglages reglages;
        QHash<QString, QString> textes;
        qsizetype position = 0;  // first character of the text not yet walked
        std::vector<int> droites;  // per row, the last column that may hold ink (-1: none)
        QRgb fond = 0;
    };

    void Depart();                        // a fresh page and state
    Point Prendre(int place, qsizetype position);
    void Poser(const Point& p, int place);
    // Walks from the state in place until the end of the text, or until the checkpoint after
    // `fin` comes out as the old one shifted by `decalage` (anciens: the checkpoints before the edit).
    void Marcher(size_t depuis, qsizetype fin, qsizetype decalage, std::vector<Point>* anciens);
    const QImage& Decodee(int place) const;
    bool Pareils(const Point& nouveau, const Point& ancien, qsizetype decalage, int place) const;
    void GarderFin();

    Contexte& ctx_;
    EtatProgramme depart_;
    QString texte_;
    std::vector<Point> points_;  // points_[i]: the start of screen i + 1
    Point fin_;                  // the end of the text
    MagasinImages images_;       // the checkpoints' pictures (place i), and the end's (last place)
    // The last checkpoints' pictures read back (typing at one place resumes from the same
    // checkpoint and compares with the same next one): read once, not at every key.
    struct Decodage {
        int place = -1;
        QImage image;
    };
    mutable std::array<Decodage, 2> decodees_;
    mutable size_t suivante_ = 0;
    bool tronque_ = false;
    bool finPosee_ = true;       // the surface holds the end of the text
    int montre_ = 0;
    int parcourus_ = 0, premierParcouru_ = 0, marches_ = 0;
};
