#include "app/TexteVivant.h"

#include "base/Contexte.h"
#include "config/Legendes.h"
#include "layout/MagasinImages.h"
#include "transcription/Retranscription.h"
#include "transcription/ReglagesEcriture.h"

#include <cstring>

namespace {

constexpr int kPlaces = 32;                 // checkpoints 0 to 30 (a text has 20 screens at most)
constexpr int kPlaceFin = kPlaces - 1;
constexpr qsizetype kMarge = 40;            // the walk reads up to a line marker (35 characters) ahead
constexpr int kLargeurPage = 1000;          // as `velmor render`
constexpr int kHauteurPageSansTable = 1040;
const QString kTextesLus[] = {QStringLiteral("TxtPaq"), QStringLiteral("CmdScaqh"), QStringLiteral("CmdLihg")};

// The session's own fields: window places, kept texts, settings no document carries.
void GarderSession(EtatProgramme& e, const EtatProgramme& s) {
    e.Chemin = s.Chemin;
    e.EtatFenetre = s.EtatFenetre;
    e.SommetFenetre = s.SommetFenetre, e.GaucheFenetre = s.GaucheFenetre;
    e.HauteurFenetre = s.HauteurFenetre, e.LargeurFenetre = s.LargeurFenetre;
    e.LargeurImageFixee = s.LargeurImageFixee, e.LargeurImage = s.LargeurImage;
    e.EntreeX = s.EntreeX, e.EntreeY = s.EntreeY, e.DispositionEntree = s.DispositionEntree;
    e.TexteSauve = s.TexteSauve, e.TexteZoneSaisie = s.TexteZoneSaisie;
    e.TexteAvantRecherche = s.TexteAvantRecherche, e.TexteColle = s.TexteColle;
    e.CurseurVisible = s.CurseurVisible, e.FocusRepris = s.FocusRepris, e.ModeRecherche = s.ModeRecherche;
    e.TitreFenetre = s.TitreFenetre;
    e.RythmeColler = s.RythmeColler, e.Temporisation = s.Temporisation, e.ModeSon = s.ModeSon;
    e.PagesRappelables = s.PagesRappelables, e.IndicePageRappel = s.IndicePageRappel;
    e.TexteMulticolore = s.TexteMulticolore, e.CouleursMulticolores = s.CouleursMulticolores;
    e.CouleurTexte = s.CouleurTexte, e.CouleurFond = s.CouleurFond;
    e.FormatA4 = s.FormatA4, e.PlusieursPages = s.PlusieursPages;
    e.TwipsParPixelX = s.TwipsParPixelX, e.TwipsParPixelY = s.TwipsParPixelY;
}

// The walk neither waits, nor asks after each word, nor writes the pronunciation batch; the
// session's choices come back after it.
class Calme {
public:
    explicit Calme(EtatProgramme& e) : e_(e), rythme_(e.RythmeColler), temporisation_(e.Temporisation), son_(e.ModeSon) {}
    ~Calme() { Remettre(e_); }
    void Taire() { e_.RythmeColler = 0, e_.Temporisation = false, e_.ModeSon = 0; }
    void Remettre(EtatProgramme& e) const { e.RythmeColler = rythme_, e.Temporisation = temporisation_, e.ModeSon = son_; }

private:
    EtatProgramme& e_;
    int rythme_;
    bool temporisation_;
    int son_;
};

// The state record without what depends on the text's place rather than on what was drawn.
EtatProgramme SansTexte(EtatProgramme e) {
    e.TexteEnCours.clear(), e.TexteAvant.clear(), e.TexteApres.clear(), e.DernierCaractereAvant.clear();
    e.IndiceTexte = 0, e.PositionReprise = 0, e.CodeCaractere = 0, e.FinProche = false;
    e.EntreeX = e.EntreeY = 0;  // never placed: not a number
    e.MotsEcrits = 0;            // a count of the words so far, which an edit may change
    return e;
}

}  // namespace

TexteVivant::TexteVivant(Contexte& ctx) : ctx_(ctx), depart_(ctx.etat), images_(kPlaces) {}

TexteVivant::~TexteVivant() = default;

QSize TexteVivant::Page(const EtatProgramme& e) {
    return {kLargeurPage, e.YMaxiA4 >= 100 ? qMin(2000, qRound(e.YMaxiA4)) : kHauteurPageSansTable};
}

TexteVivant::Point TexteVivant::Prendre(int place, qsizetype position) {
    const Surface& s = ctx_.surface;
    for (Decodage& d : decodees_)
        if (d.place == place) d.place = -1;
    images_.Ranger(place, s);
    Point p;
    p.etat = ctx_.etat;
    p.reglages = {s.CouleurTrait(), s.CouleurRemplissage(), s.StyleRemplissage(), s.LargeurTrait(), s.StyleTrait(),
                  s.ModeDessin(), s.PositionTexteX(), s.PositionTexteY(), s.Police()};
    for (const QString& t : kTextesLus) p.textes[t] = ctx_.fenetre.Texte(t);
    p.droites = s.Encre().Droites();
    p.fond = s.FondRgb();
    p.position = position;
    return p;
}

const QImage& TexteVivant::Decodee(int place) const {
    for (const Decodage& d : decodees_)
        if (d.place == place) return d.image;
    Decodage& d = decodees_[suivante_];
    suivante_ = (suivante_ + 1) % decodees_.size();
    d.place = place;
    if (!images_.Image(place, d.image)) d.image = QImage();
    return d.image;
}

void TexteVivant::Poser(const Point& p, int place) {
    Surface& s = ctx_.surface;
    ctx_.etat = p.etat;
    s.RemplacerImage(Decodee(place));
    if (const auto traces = images_.Traces(place)) s.Traces() = *traces;
    const Reglages& r = p.reglages;
    s.FixerCouleurTrait(r.trait), s.FixerCouleurRemplissage(r.remplissage), s.FixerStyleRemplissage(r.styleRemplissage);
    s.FixerLargeurTrait(r.largeur), s.FixerStyleTrait(r.style), s.FixerModeDessin(r.mode);
    s.FixerPositionTexte(r.tx, r.ty);
    s.FixerPolice(r.police);
    for (auto it = p.textes.begin(); it != p.textes.end(); ++it) ctx_.fenetre.FixerTexte(it.key(), it.value());
}

void TexteVivant::Depart() {
    EtatProgramme& e = ctx_.etat;
    const EtatProgramme session = e;
    e = depart_;
    GarderSession(e, session);
    Surface& s = ctx_.surface;
    const QSize page = Page(e);
    s.Redimensionner(page.width(), page.height());
    s.Effacer();
    s.FixerCouleurTrait(e.CouleurTexte), s.FixerCouleurRemplissage(0), s.FixerStyleRemplissage(1);
    s.FixerLargeurTrait(1), s.FixerStyleTrait(0), s.FixerModeDessin(Surface::ModeCopie);
    ctx_.ecrans.Vider();
    ctx_.fenetre.FixerTexte(QStringLiteral("TxtPaq"), QStringLiteral("1"));
    // As `velmor render` starts: the document's header sets the rest.
    e.Relief = false;
    FixerTaille(ctx_, 1);
    e.Ecriture = 0;
    ChoisirEcriture(ctx_);
    e.EcritureAvantDerniere = e.EcriturePrecedente = e.Ecriture;
    e.Langue = 0;
    AfficherLangue(ctx_);
    e.CollageEnCours = true;
    e.EntreeVidee = false;
    e.PositionReprise = 0;
    e.MotsEcrits = e.MotsPerdus = 0;
}

void TexteVivant::Rendre(const QString& texte) {
    Calme calme(ctx_.etat);
    calme.Taire();
    texte_ = texte;
    points_.clear();
    Depart();
    calme.Taire();  // the start took the session's fields back
    points_.push_back(Prendre(0, 0));
    parcourus_ = 1, premierParcouru_ = 1;
    Marcher(0, 0, 0, nullptr);
    montre_ = Ecrans();
}

void TexteVivant::Modifier(const QString& texte) {
    if (!Actif()) return Rendre(texte);
    if (texte == texte_) return;
    const QString& ancien = texte_;
    qsizetype a = 0;
    const qsizetype n = qMin(ancien.size(), texte.size());
    while (a < n && ancien[a] == texte[a]) ++a;
    qsizetype b = 0;
    while (b < n - a && ancien[ancien.size() - 1 - b] == texte[texte.size() - 1 - b]) ++b;
    Calme calme(ctx_.etat);
    size_t k = points_.size() - 1;
    while (k > 0 && points_[k].position + kMarge > a) --k;
    std::vector<Point> anciens = std::move(points_);
    points_.assign(anciens.begin(), anciens.begin() + static_cast<qsizetype>(k) + 1);
    Poser(points_[k], static_cast<int>(k));
    calme.Taire();
    const qsizetype decalage = texte.size() - ancien.size();  // before `ancien`, the old text, is replaced
    texte_ = texte;
    parcourus_ = 1, premierParcouru_ = static_cast<int>(k) + 1;
    Marcher(k, texte.size() - b, decalage, &anciens);
    calme.Remettre(ctx_.etat);
    Montrer(EcranDe(a));
}

void TexteVivant::Marcher(size_t, qsizetype fin, qsizetype decalage, std::vector<Point>* anciens) {
    EtatProgramme& e = ctx_.etat;
    for (;;) {
        ++marches_;
        const FinRetranscrire r = RetranscrireTexte(ctx_, texte_);
        if (r != FinRetranscrire::EcranPlein || e.LimiteAtteinte) {
            // A stop with nothing but blanks left loses nothing.
            tronque_ = e.MotsPerdus > 0 || (r != FinRetranscrire::Fini &&
                       !QStringView(texte_).mid(qMin<qsizetype>(qMax(0, e.PositionReprise - 1), texte_.size())).trimmed().isEmpty());
            GarderFin();
            return;
        }
        const size_t i = points_.size();
        const qsizetype position = qMax(0, e.PositionReprise - 1);
        if (anciens && i < anciens->size() && position > fin && i < static_cast<size_t>(kPlaceFin)) {
            Point nouveau = Prendre(kPlaceFin - 1, position);  // compared before it replaces the old one
            if (Pareils(nouveau, (*anciens)[i], decalage, static_cast<int>(i))) {
                // The rest draws as before: the old checkpoints and end, shifted.
                for (size_t j = i; j < anciens->size(); ++j) {
                    Point p = std::move((*anciens)[j]);
                    p.position += decalage;
                    p.etat.PositionReprise += static_cast<int>(decalage);
                    points_.push_back(std::move(p));
                }
                if (fin_.etat.PositionReprise > 0) fin_.etat.PositionReprise += static_cast<int>(decalage);
                ctx_.etat = fin_.etat;
                finPosee_ = false;
                return;
            }
        }
        if (i >= static_cast<size_t>(kPlaceFin - 1)) {  // past any page count: keep walking without checkpoints
            continue;
        }
        points_.push_back(Prendre(static_cast<int>(i), position));
        ++parcourus_;
    }
}

bool TexteVivant::Pareils(const Point& nouveau, const Point& ancien, qsizetype decalage, int place) const {
    if (nouveau.position != ancien.position + decalage || nouveau.textes != ancien.textes) return false;
    const Reglages& a = nouveau.reglages;
    const Reglages& b = ancien.reglages;
    if (std::tie(a.trait, a.remplissage, a.styleRemplissage, a.largeur, a.style, a.mode, a.tx, a.ty) !=
            std::tie(b.trait, b.remplissage, b.styleRemplissage, b.largeur, b.style, b.mode, b.tx, b.ty) ||
        a.police != b.police)
        return false;
    if (!(SansTexte(nouveau.etat) == SansTexte(ancien.etat))) return false;
    // Right of both pictures' ink every pixel is the background: only the rows' inked parts are read.
    const QImage& vue = ctx_.surface.Vue();
    const QImage& ancienne = Decodee(place);
    if (ancienne.size() != vue.size() || ancienne.format() != vue.format() || nouveau.fond != ancien.fond ||
        nouveau.droites.size() != static_cast<size_t>(vue.height()) || ancien.droites.size() != nouveau.droites.size())
        return false;
    for (int y = 0; y < vue.height(); ++y) {
        const int droite = qMin(qMax(nouveau.droites[static_cast<size_t>(y)], ancien.droites[static_cast<size_t>(y)]), vue.width() - 1);
        if (droite >= 0 && std::memcmp(vue.constScanLine(y), ancienne.constScanLine(y), static_cast<size_t>(droite + 1) * sizeof(QRgb)) != 0)
            return false;
    }
    return true;
}

void TexteVivant::GarderFin() {
    fin_ = Prendre(kPlaceFin, 0);
    finPosee_ = true;
}

int TexteVivant::Ecrans() const { return static_cast<int>(points_.size()); }

int TexteVivant::EcranDe(qsizetype position) const {
    int n = 1;
    for (size_t i = 1; i < points_.size() && points_[i].position <= position; ++i) n = static_cast<int>(i) + 1;
    return n;
}

qsizetype TexteVivant::DebutEcran(int n) const {
    if (n < 1) return 0;
    return n <= Ecrans() ? points_[static_cast<size_t>(n - 1)].position : texte_.size();
}

QImage TexteVivant::Ecran(int n) const {
    if (n < 1 || n > Ecrans()) return {};
    if (n < Ecrans()) return ctx_.ecrans.Image(n);
    return finPosee_ ? ctx_.surface.Image() : images_.Image(kPlaceFin);
}

void TexteVivant::Montrer(int n) {
    if (!Actif()) return;
    n = qBound(1, n, Ecrans());
    montre_ = n;
    if (n == Ecrans()) return Terminer();
    Calme calme(ctx_.etat);
    Surface& s = ctx_.surface;
    s.RemplacerImage(ctx_.ecrans.Image(n));
    if (const auto traces = ctx_.ecrans.Traces(n)) s.Traces() = *traces;
    ctx_.etat = fin_.etat;
    finPosee_ = false;
}

void TexteVivant::Terminer() {
    if (!Actif() || finPosee_) return;
    Calme calme(ctx_.etat);
    Poser(fin_, kPlaceFin);
    finPosee_ = true;
    montre_ = Ecrans();
}

void TexteVivant::Oublier() {
    Terminer();
    points_.clear();
    texte_.clear();
}
