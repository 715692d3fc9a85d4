#pragma once
// What was drawn on a surface, in order: the figures with their pen, fill and colours, the texts and
// the pasted pictures, so that the drawing can be written out as vectors. The surface appends a
// record in each drawing routine; a figure drawn in invert mode that is drawn again the same way
// cancels its first drawing, as it does on the pixels.
// Records are kept in blocks shared between copies (the stored screens and pages each keep a copy):
// a copy costs a pointer a block, and a block is copied only when a copy that shares it changes.
// The blocks come from base/ReserveMemoire.

#include "base/ReserveMemoire.h"
#include "base/EtatProgramme.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

struct Trace {
    enum Sorte : std::uint8_t {
        Ligne,    // (x1, y1) to (x2, y2)
        Point,    // the pixel (x1, y1) in colour `trait`
        Boite,    // the rectangle from (x1, y1) to (x2, y2), outlined and filled
        Cercle,   // centre (x1, y1), radius x2, outlined and filled
        Texte,    // baseline start (x1, y1); texte x2, police y2
        Image,    // top left (x1, y1); image x2
        Rognage,  // the picture was cut to x2 × y2: what lay beyond is gone
    };
    Sorte sorte = Ligne;
    std::uint8_t style = 0;  // line style (0 solid .. 4 dash-dot-dot)
    std::uint8_t motif = 1;  // fill style (1 transparent)
    bool inverse = false;    // drawn in invert mode
    std::int32_t largeur = 1;  // pen width in pixels
    Couleur trait = 0, remplissage = 0;
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const Trace&) const = default;
};

class ListeTraces {
public:
    // A list switched off records nothing (and is emptied).
    void FixerActive(bool active);
    bool Active() const { return active_; }

    void Ajouter(const Trace& t) {
        if (!active_ || (t.inverse && Annuler(t))) return;
        Pousser(t);
    }
    void AjouterTexte(Trace t, const QString& texte, const QFont& police);
    void AjouterImage(Trace t, const QImage& image);
    void Vider();

    size_t Taille() const { return taille_; }
    bool Vide() const { return taille_ == 0; }
    // Calls `f` on each record, in order.
    template <class F>
    void PourChaque(F&& f) const {
        for (const auto& b : blocs_)
            for (const Trace& t : *b) f(t);
    }
    const QString& Texte(const Trace& t) const { return textes_[static_cast<size_t>(t.x2)]; }
    const QFont& Police(const Trace& t) const { return polices_[static_cast<size_t>(t.y2)]; }
    const QImage& Image(const Trace& t) const { return images_[static_cast<size_t>(t.x2)]; }

private:
    bool Annuler(const Trace& t);  // removes the last same inverted figure; true when there was one
    bool Retirer(const std::function<bool(const Trace&)>& pareil);  // the last record that matches
    void NouveauBloc();
    void Pousser(const Trace& t) {
        if (blocs_.empty() || blocs_.back()->size() == kBloc || blocs_.back().use_count() > 1) NouveauBloc();
        blocs_.back()->push_back(t);
        ++taille_;
    }

    static constexpr size_t kBloc = kReserveMax / sizeof(Trace);
    using Bloc = std::vector<Trace, AllocateurReserve<Trace>>;
    bool active_ = true;
    std::vector<std::shared_ptr<Bloc>> blocs_;
    size_t taille_ = 0;
    std::vector<QString> textes_;
    std::vector<QFont> polices_;
    std::vector<QImage> images_;
};
