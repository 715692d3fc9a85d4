#include "base/ListeTraces.h"

void ListeTraces::FixerActive(bool active) {
    active_ = active;
    if (!active) Vider();
}

void ListeTraces::Vider() {
    blocs_.clear();
    taille_ = 0;
    textes_.clear();
    polices_.clear();
    images_.clear();
}

void ListeTraces::NouveauBloc() {
    if (!blocs_.empty() && blocs_.back()->size() < kBloc) {
        auto propre = std::make_shared<Bloc>();  // shared with a copy: take its own
        propre->reserve(kBloc);
        propre->assign(blocs_.back()->begin(), blocs_.back()->end());
        blocs_.back() = std::move(propre);
        return;
    }
    blocs_.push_back(std::make_shared<Bloc>());
    blocs_.back()->reserve(kBloc);
}

bool ListeTraces::Retirer(const std::function<bool(const Trace&)>& pareil) {
    for (size_t b = blocs_.size(); b-- > 0;) {
        for (size_t i = blocs_[b]->size(); i-- > 0;) {
            if (!pareil((*blocs_[b])[i])) continue;
            if (blocs_[b].use_count() > 1) blocs_[b] = std::make_shared<Bloc>(*blocs_[b]);
            blocs_[b]->erase(blocs_[b]->begin() + static_cast<std::ptrdiff_t>(i));
            if (blocs_[b]->empty()) blocs_.erase(blocs_.begin() + static_cast<std::ptrdiff_t>(b));
            --taille_;
            return true;
        }
    }
    return false;
}

bool ListeTraces::Annuler(const Trace& t) {
    return Retirer([&t](const Trace& u) { return u == t; });
}

void ListeTraces::AjouterTexte(Trace t, const QString& texte, const QFont& police) {
    if (!active_) return;
    t.sorte = Trace::Texte;
    if (polices_.empty() || polices_.back() != police) polices_.push_back(police);
    t.y2 = static_cast<std::int32_t>(polices_.size() - 1);
    // A text drawn again inverted matches on the words and the font, not on where they are kept.
    if (t.inverse && Retirer([&](const Trace& u) {
            if (u.sorte != Trace::Texte || !u.inverse || Texte(u) != texte || Police(u) != police) return false;
            Trace v = u;
            v.x2 = t.x2;
            v.y2 = t.y2;
            return v == t;
        }))
        return;
    textes_.push_back(texte);
    t.x2 = static_cast<std::int32_t>(textes_.size() - 1);
    Pousser(t);
}

void ListeTraces::AjouterImage(Trace t, const QImage& image) {
    if (!active_) return;
    t.sorte = Trace::Image;
    images_.push_back(image);
    t.x2 = static_cast<std::int32_t>(images_.size() - 1);
    Pousser(t);
}
