#include "base/ListeTraces.h"

void ListeTraces::FixerActive(bool active) {
    active_ = active;
    if (!active) Vider();
}

void ListeTraces::Vider() {
    traces_.clear();
    textes_.clear();
    polices_.clear();
    images_.clear();
}

bool ListeTraces::Annuler(const Trace& t) {
    for (size_t i = traces_.size(); i-- > 0;) {
        if (traces_[i] == t) {
            traces_.erase(traces_.begin() + static_cast<std::ptrdiff_t>(i));
            return true;
        }
    }
    return false;
}

void ListeTraces::AjouterTexte(Trace t, const QString& texte, const QFont& police) {
    if (!active_) return;
    t.sorte = Trace::Texte;
    if (polices_.empty() || polices_.back() != police) polices_.push_back(police);
    t.y2 = static_cast<std::int32_t>(polices_.size() - 1);
    // A text drawn again inverted matches on the words and the font, not on where they are kept.
    if (t.inverse)
        for (size_t i = traces_.size(); i-- > 0;) {
            Trace u = traces_[i];
            if (u.sorte != Trace::Texte || !u.inverse || Texte(u) != texte || Police(u) != police) continue;
            u.x2 = t.x2;
            u.y2 = t.y2;
            if (u == t) {
                traces_.erase(traces_.begin() + static_cast<std::ptrdiff_t>(i));
                return;
            }
        }
    textes_.push_back(texte);
    t.x2 = static_cast<std::int32_t>(textes_.size() - 1);
    traces_.push_back(t);
}

void ListeTraces::AjouterImage(Trace t, const QImage& image) {
    if (!active_) return;
    t.sorte = Trace::Image;
    images_.push_back(image);
    t.x2 = static_cast<std::int32_t>(images_.size() - 1);
    traces_.push_back(t);
}
